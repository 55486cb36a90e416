// The real interaction layer: message boxes carry the application title and
// their buttons give the answers.

#include "QtInteraction.h"

#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

using namespace pmr;
using namespace pmr::testing;

namespace {

// Presses `button` of the message box as soon as it is shown; records its title.
void PressWhenShown(QMessageBox::StandardButton button, QString& title, QString& text) {
    QTimer::singleShot(0, [=, &title, &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            PressWhenShown(button, title, text);
            return;
        }
        title = box->windowTitle();
        text = box->text();
        box->button(button)->click();
    });
}

TEST(QtInteraction, BoxesCarryTheApplicationTitleAndReturnTheButtonPressed) {
    TestInstall install;
    Harness h(install);
    QtInteraction ui(h.app.texts);
    QString title, text;

    PressWhenShown(QMessageBox::No, title, text);
    EXPECT_EQ(ui.Ask("Save first?", Buttons::YesNoCancel, Severity::Warning), Answer::No);
    EXPECT_EQ(title, h.Text(12000));
    EXPECT_EQ(text, QString("Save first?"));

    PressWhenShown(QMessageBox::Retry, title, text);
    EXPECT_EQ(ui.Ask("Again?", Buttons::RetryCancel, Severity::Question), Answer::Retry);

    PressWhenShown(QMessageBox::Cancel, title, text);
    EXPECT_EQ(ui.Ask("Go?", Buttons::OkCancel, Severity::Question), Answer::Cancel);

    PressWhenShown(QMessageBox::Ok, title, text);
    ui.ShowMessage("Done.", Severity::Information);
    EXPECT_EQ(title, h.Text(12000));
    EXPECT_EQ(text, QString("Done."));

    PressWhenShown(QMessageBox::Ok, title, text);
    EXPECT_EQ(ui.AskTitled("Own title", "Sure?", Buttons::OkCancel, Severity::Warning), Answer::Ok);
    EXPECT_EQ(title, QString("Own title"));
}

TEST(QtInteraction, FilterLosesItsPatternPartForQt) {
    EXPECT_EQ(QtFileFilter("Radio data file (*.dat)|*.dat"), "Radio data file (*.dat)");
    EXPECT_EQ(QtFileFilter("plain"), "plain");
}

TEST(QtInteraction, SavedNameWithoutExtensionTakesTheOneOfItsFilter) {
    EXPECT_EQ(FileFilterSuffix("Radio data file (*.dat)|*.dat"), "dat");
    EXPECT_EQ(FileFilterSuffix("CSV files (*.csv)|*.csv"), "csv");
    // No single extension to give: the name is kept as typed.
    EXPECT_EQ(FileFilterSuffix("Any (*)|*"), "");
    EXPECT_EQ(FileFilterSuffix("Lists (*.csv;*.txt)|*.csv;*.txt"), "");
    EXPECT_EQ(FileFilterSuffix("plain"), "");
}

} // namespace
