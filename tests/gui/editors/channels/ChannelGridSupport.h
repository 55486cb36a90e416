#pragma once
// The channel window under the main window, driven as a user drives it:
// clicks on cells, choices in the laid-over lists, keys in the name box.

#include "GuiTestSupport.h"
#include "document/ChannelTable.h"
#include "document/RadioDocument.h"
#include "document/TrimFix.h"
#include "editors/channels/ChannelGridView.h"
#include "editors/channels/frmCommChInfo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace pmr::testing {

struct GridHarness {
    explicit GridHarness(const TestInstall& install) : h(install, false, 0, false) {
        WaitFor([this] { return Grid() != nullptr; });
        h.main->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(h.main.get()));
    }
    frmCommChInfo* Grid() const {
        return dynamic_cast<frmCommChInfo*>(h.main->FindChildWindow("frmCommChInfo"));
    }
    QComboBox* List(const char* name) const {
        return Grid()->findChild<QComboBox*>(QString::fromLatin1(name));
    }
    QLineEdit* NameBox() const { return Grid()->findChild<QLineEdit*>("Text1"); }
    ChannelRecord* Channel(int no) { return FindChannel(h.app.doc, no); }
    QString Cell(int row, int col) const { return Grid()->CellText(row, col); }

    /// A left click on a grid cell, scrolled into sight first.
    void Click(int row, int col) {
        ChannelGridView* view = Grid()->Grid();
        const QModelIndex at = view->model()->index(row - 1, col);
        view->scrollTo(at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
    }
    void DoubleClick(int row, int col) {
        ChannelGridView* view = Grid()->Grid();
        const QModelIndex at = view->model()->index(row - 1, col);
        view->scrollTo(at);
        const QPoint p = view->visualRect(at).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, p);
    }
    /// Opens the list's drop-down, walks to the entry with this text and takes it with Enter.
    static bool Choose(QComboBox* list, const QString& text) {
        const int index = list->findText(text);
        if (index < 0 || list->isHidden())
            return false;
        list->showPopup();
        QAbstractItemView* view = list->view();
        if (!WaitFor([view] { return view->isVisible(); }, 2000))
            return false;
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        return WaitFor([view] { return !view->isVisible(); }, 2000);
    }
    /// Types a character the test keyboard has no key for.
    static void Type(QWidget* target, QChar c) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
    static bool Choose(QComboBox* list, int index) {
        return index < list->count() && Choose(list, list->itemText(index));
    }
    /// The editor the user sees now, by object name; empty when none is shown.
    QString OpenEditor() const {
        for (QWidget* w : Grid()->findChildren<QWidget*>())
            if ((qobject_cast<QComboBox*>(w) || w == NameBox()) && w->isVisible())
                return w->objectName();
        return {};
    }

    Harness h;
};

} // namespace pmr::testing
