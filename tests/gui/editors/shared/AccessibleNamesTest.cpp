// What a screen reader says for the controls of the editor windows: every
// list and text box beside a caption is labelled by that caption (a list is
// otherwise read by the entry it shows alone), a box is named by it, and the
// boxes of a character row by caption and place.

#include "GuiTestSupport.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace pmr;
using namespace pmr::testing;

namespace {

QString SpokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

/// The label a screen reader reads before the control ("labelled by").
QObject* LabelOf(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return nullptr;
    for (const auto& [other, relation] : a->relations(QAccessible::Label))
        if (other && other->object())
            return other->object();
    return nullptr;
}

TEST(AccessibleNames, ListsAndBoxesBesideACaptionAreNamedByIt) {
    TestInstall install;
    Harness h(install, false, 0, false);
    int count = 0;
    const WindowRow* windows = WindowTable(&count);
    int named = 0;
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromLatin1(windows[i].name);
        if (name == "FrmCHBatch" || name == "FrmTestData" || name == "frmCommChInfo")
            continue; // modal dialogs; the grid is a table of its own
        h.main->ShowChildWindow(name);
        QWidget* window = h.main->FindChildWindow(name);
        ASSERT_NE(window, nullptr) << name.toStdString();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            QWidget* control = label->buddy();
            if (!control || !control->isVisibleTo(window))
                continue;
            SCOPED_TRACE((name + "/" + control->objectName()).toStdString());
            EXPECT_EQ(LabelOf(control), label);
            // A list says its entry as its name and its caption as its label;
            // a box says its caption (and place) as its name.
            const QString spoken = SpokenName(control);
            if (control->property("pmrCaptionPlace").isValid())
                EXPECT_TRUE(spoken.startsWith(label->text().remove('&'))) << spoken.toStdString();
            else if (!qobject_cast<QComboBox*>(control))
                EXPECT_EQ(spoken, label->text().remove('&'));
            ++named;
        }
        // No list in the window goes without its caption.
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            if (!list->isVisibleTo(window))
                continue;
            SCOPED_TRACE((name + "/" + list->objectName()).toStdString());
            EXPECT_NE(LabelOf(list), nullptr);
        }
    }
    EXPECT_GT(named, 40);
    // The power-on boxes say which character they hold.
    QWidget* options = h.main->FindChildWindow("FrmOptFeatures");
    ASSERT_NE(options, nullptr);
    int boxes = 0;
    for (QLineEdit* box : options->findChildren<QLineEdit*>())
        if (box->property("pmrCaptionPlace").toInt() == 3 &&
            SpokenName(box).endsWith(" 3"))
            ++boxes;
    EXPECT_GE(boxes, 1);
}

} // namespace
