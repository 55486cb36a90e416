// Enter moves the focus on within its own settings window: from the last
// control it comes round to the window's Close button instead of leaving for
// the main window or another child window, and in the key window it follows
// the groups as Tab does.

#include "SettingsTestSupport.h"
#include "editors/settings/FrmDTMF.h"
#include "editors/settings/FrmEmbMsg.h"
#include "editors/settings/FrmKey.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTabWidget>

namespace pmr {
namespace {

using testing::Harness;
using testing::Open;
using testing::TestInstall;

/// Where the focus is after Enter in `control`.
QWidget* AfterEnter(QWidget* control) {
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_Return);
    return control->window()->focusWidget();
}

/// Controls the user reaches by Tab in `w` on which Enter moves on.
QList<QWidget*> EnterControls(QWidget* w) {
    QList<QWidget*> controls;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        const bool movesOn = qobject_cast<QComboBox*>(c) || qobject_cast<QCheckBox*>(c) ||
                             qobject_cast<QTabBar*>(c) ||
                             (qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parent()));
        if (movesOn && c->isVisibleTo(w) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus))
            controls << c;
    }
    return controls;
}

TEST(EnterKey, NeverTakesTheFocusOutOfItsSettingsWindow) {
    TestInstall install;
    Harness h(install, false, 1);
    QApplication::setActiveWindow(h.main.get());
    const char* menus[] = {"mnuOptFeature", "MnuDTMF", "mnuEmbeddedMsg", "MnuKey", "MnuScan",
                           "MnuAlert"};
    for (const char* menu : menus) {
        h.Menu(menu)->trigger(); // the earlier windows stay open beside it
        QWidget* w = h.main->Mdi()->activeSubWindow()->widget();
        SCOPED_TRACE(w->objectName().toStdString());
        auto* tabs = w->findChild<QTabWidget*>();
        for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
            if (tabs)
                tabs->setCurrentIndex(page);
            for (QWidget* control : EnterControls(w)) {
                QWidget* next = AfterEnter(control);
                EXPECT_TRUE(next && w->isAncestorOf(next))
                    << control->objectName().toStdString() << " gave the focus to "
                    << (next ? next->objectName().toStdString() : "nothing");
            }
        }
    }
}

TEST(EnterKey, TheLastControlOfADtmfPageOrTheLastMessageLineLeadsToClose) {
    TestInstall install;
    Harness h(install, false, 1);
    QApplication::setActiveWindow(h.main.get());
    auto* message = Open<FrmEmbMsg>(h, "mnuEmbeddedMsg");
    ASSERT_TRUE(message);
    QWidget* next = AfterEnter(message->Line(3));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->objectName(), "CommandClose");
    EXPECT_TRUE(message->isAncestorOf(next));

    auto* dtmf = Open<FrmDTMF>(h, "MnuDTMF");
    ASSERT_TRUE(dtmf);
    auto* tabs = dtmf->findChild<QTabWidget*>();
    const int lastOfPage[] = {1, 3, 19}; // EotCode, KillCode, memory 16
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        tabs->setCurrentIndex(page);
        next = AfterEnter(dtmf->CodeBox(lastOfPage[page]));
        ASSERT_TRUE(next);
        EXPECT_EQ(next->objectName(), "CommandClose");
        EXPECT_TRUE(dtmf->isAncestorOf(next));
    }
}

TEST(EnterKey, KeyListsFollowTheGroupsLongPressAboveShortPress) {
    TestInstall install;
    Harness h(install);
    QApplication::setActiveWindow(h.main.get());
    auto* w = Open<FrmKey>(h, "MnuKey");
    ASSERT_TRUE(w);
    // PF1, PF2, key 3, key 4: long press, then short press.
    const int order[] = {1, 2, 3, 4, 5, 9, 6, 10};
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        SCOPED_TRACE(key == Qt::Key_Tab ? "Tab" : "Enter");
        QWidget* at = w->LongPressTime();
        at->setFocus(Qt::TabFocusReason);
        for (int field : order) {
            QTest::keyClick(at, key);
            at = w->window()->focusWidget();
            ASSERT_EQ(at, w->KeyList(field)) << "after field " << field << " came "
                                             << (at ? at->objectName().toStdString() : "nothing");
        }
    }
}

} // namespace
} // namespace pmr
