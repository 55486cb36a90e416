// The main window by keys alone: F6 between the tree and the window in front,
// Enter or Space on a tree item, Return on a focused button.

#include "GuiTestSupport.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>

namespace pmr {
namespace {

using testing::Harness;
using testing::TestInstall;
using testing::WaitFor;

QTreeWidget* Tree(Harness& h) {
    return h.main->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
}

QTreeWidgetItem* Node(QTreeWidget* tree, const char* key) {
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == QLatin1String(key))
            return *it;
    return nullptr;
}

void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}

TEST(KeyboardUse, F6MovesBetweenTheTreeAndTheWindowInFront) {
    TestInstall install;
    Harness h(install);
    QApplication::setActiveWindow(h.main.get());
    QWidget* window = h.main->ShowChildWindow(QStringLiteral("FrmOptFeatures"));
    ASSERT_TRUE(window);
    QTreeWidget* tree = Tree(h);
    ASSERT_TRUE(tree);
    tree->setFocus();
    ASSERT_TRUE(WaitFor([tree] { return tree->hasFocus(); }, 2000));
    Press(Qt::Key_F6);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    EXPECT_TRUE(window->isAncestorOf(focus)) << focus->objectName().toStdString();
    Press(Qt::Key_F6);
    EXPECT_TRUE(tree->hasFocus());
}

TEST(KeyboardUse, EnterOrSpaceOnATreeItemOpensItsWindow) {
    TestInstall install;
    Harness h(install);
    QApplication::setActiveWindow(h.main.get());
    QTreeWidget* tree = Tree(h);
    ASSERT_TRUE(tree);
    struct Case {
        const char* key;
        Qt::Key press;
        const char* window;
    };
    for (const Case c :
         {Case{"N3", Qt::Key_Return, "FrmRadio"}, Case{"N9", Qt::Key_Space, "FrmScan"}}) {
        SCOPED_TRACE(c.window);
        QTreeWidgetItem* node = Node(tree, c.key);
        ASSERT_TRUE(node);
        tree->setFocus();
        ASSERT_TRUE(WaitFor([tree] { return tree->hasFocus(); }, 2000));
        tree->setCurrentItem(node);
        EXPECT_FALSE(h.main->FindChildWindow(QString::fromLatin1(c.window)));
        QTest::keyClick(tree, c.press);
        QApplication::processEvents();
        EXPECT_TRUE(h.main->FindChildWindow(QString::fromLatin1(c.window)));
    }
}

TEST(KeyboardUse, ReturnOnAFocusedCloseButtonClosesTheWindow) {
    TestInstall install;
    Harness h(install);
    QApplication::setActiveWindow(h.main.get());
    QWidget* window = h.main->ShowChildWindow(QStringLiteral("FrmScan"));
    ASSERT_TRUE(window);
    auto* close = window->findChild<QPushButton*>(QStringLiteral("CommandClose"));
    ASSERT_TRUE(close);
    close->setFocus();
    ASSERT_TRUE(WaitFor([close] { return close->hasFocus(); }, 2000));
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return !h.main->FindChildWindow(QStringLiteral("FrmScan")); }, 2000));
}

} // namespace
} // namespace pmr
