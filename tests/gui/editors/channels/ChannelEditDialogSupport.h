#pragma once
// The channel edit dialog opened as the grid opens it, over a document with
// channels made for each test, and the user's ways of working its controls.

#include "GuiTestSupport.h"
#include "document/ChannelTable.h"
#include "document/RadioDocument.h"
#include "document/TrimFix.h"
#include "editors/channels/FrmCHInfoEdit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pmr::testing {

class ChannelEditDialogTest : public ::testing::Test {
protected:
    /// A channel at a PMR446 frequency, with its creation defaults.
    ChannelRecord& AddAt(int channelNo, const char* mhz = "446.00625") {
        AddChannel(h.app, channelNo, mhz);
        return Channel(channelNo);
    }
    ChannelRecord& Channel(int channelNo) {
        ChannelRecord* e = FindChannel(h.app.doc, channelNo);
        EXPECT_NE(e, nullptr) << "channel " << channelNo;
        return *e;
    }
    bool Exists(int channelNo) { return FindChannel(h.app.doc, channelNo) != nullptr; }

    /// Opens the dialog on `channelNo` as the grid does after entering its row.
    FrmCHInfoEdit* Open(int channelNo) {
        h.app.docState.Editing.EditCell.row = channelNo;
        dialog = dynamic_cast<FrmCHInfoEdit*>(
            h.main->ShowModelessWindow(QStringLiteral("FrmCHInfoEdit")));
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        }
        return dialog;
    }

    template <typename T> T* Get(const QString& name) {
        T* control = dialog->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QComboBox* List(const char* name) { return Get<QComboBox>(QString::fromLatin1(name)); }
    QLineEdit* Box(const char* name) { return Get<QLineEdit>(QString::fromLatin1(name)); }
    QCheckBox* Flag(const char* name) { return Get<QCheckBox>(QString::fromLatin1(name)); }
    QLineEdit* NameBox(int i) { return Get<QLineEdit>(QStringLiteral("txtName%1").arg(i)); }
    QWidget* Focused() { return QApplication::focusWidget(); }

    QStringList Entries(QComboBox* list) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }

    /// Opens the drop-down and clicks the entry, as the user picks one.
    void Choose(QComboBox* list, int index) {
        ASSERT_TRUE(list->isEnabled());
        list->showPopup();
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex item = view->model()->index(index, 0);
        view->scrollTo(item);
        const QPoint at = view->visualRect(item).center();
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        ASSERT_TRUE(WaitFor([view] { return !view->isVisible(); }, 2000));
    }
    void Choose(QComboBox* list, const QString& text) {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        Choose(list, index);
    }

    /// Clicks into a text box, as the user starts typing there.
    void ClickInto(QLineEdit* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        ASSERT_TRUE(WaitFor([box] { return box->hasFocus(); }, 2000));
        QApplication::processEvents();
    }

    /// Types each character into whichever control has the focus then.
    void Type(const char* keys) {
        for (const char* k = keys; *k; ++k)
            QTest::keyClicks(QApplication::focusWidget(), QString(QChar(*k)));
    }

    TestInstall install;
    Harness h{install, false, 0, false};
    FrmCHInfoEdit* dialog = nullptr;
};

} // namespace pmr::testing
