#pragma once
// Stand-ins for the channel grid and the channel edit dialog that record, in
// order, what the row commands ask of them, and a harness that opens both
// with the program's own row command runner installed.

#include "ChildWindow.h"
#include "GuiTestSupport.h"
#include "document/ChannelTable.h"
#include "document/TrimFix.h"
#include "editors/channels/ChannelRowCommands.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <string>
#include <vector>

namespace pmr::testing {

class RecordingGrid : public QWidget, public ChannelGridWindow {
public:
    explicit RecordingGrid(std::vector<std::string>& log) : log_(log) {}
    void CommitFocusedEdit() override { log_.push_back("commit"); }
    void SetEditDisable() override { log_.push_back("SetEditDisable"); }
    void reShowGrid(int row) override { Moved("reShowGrid", row); }
    void reShowAllGrid() override { Moved("reShowAllGrid"); }
    void ReShowAllTxFre(bool offset) override { Log("ReShowAllTxFre", offset); }
    void ReShowChInfoByLanguage() override { log_.push_back("ReShowChInfoByLanguage"); }
    int CurrentRow() const override { return row; }
    void SetCurrentRow(int r) override {
        row = r;
        Moved("SetCurrentRow", r);
    }
    int TopRow() const override { return top; }
    void SetTopRow(int r) override {
        top = r;
        Moved("SetTopRow", r);
    }
    int ShownRowCount() const override { return shown; }
    void SetCodeMoveTopRow(bool on) override {
        codeMove = on;
        Log("SetCodeMoveTopRow", on);
    }
    void SetOLdTopRow(int r) override { Log("SetOLdTopRow", r); }

    int row = 1;
    int top = 1;
    int shown = 10;
    bool codeMove = false;
    /// Rows rewritten or moved while not marked as moved by program: the
    /// grid's scroll handler would then have moved the cursor.
    int unmarkedMoves = 0;

private:
    void Log(const char* name, int value) {
        log_.push_back(std::string(name) + " " + std::to_string(value));
    }
    void Moved(const char* name, int value) {
        unmarkedMoves += codeMove ? 0 : 1;
        Log(name, value);
    }
    void Moved(const char* name) {
        unmarkedMoves += codeMove ? 0 : 1;
        log_.push_back(name);
    }
    std::vector<std::string>& log_;
};

class RecordingEditDialog : public QWidget, public ChannelEditWindow {
public:
    explicit RecordingEditDialog(std::vector<std::string>& log) : log_(log) {}
    void CommitFocusedEdit() override { log_.push_back("edit commit"); }
    void SetGridEditData(bool isGridChange) override {
        log_.push_back("SetGridEditData " + std::to_string(isGridChange));
    }
    void ReShowEditTxFre(bool offset) override {
        log_.push_back("ReShowEditTxFre " + std::to_string(offset));
    }
    int ShownChannel() const override { return shownChannel; }

    int shownChannel = 1;

private:
    std::vector<std::string>& log_;
};

/// The main window with the recording grid open (and, on request, the
/// recording edit dialog), running the program's row commands. Every
/// reconciliation of the option references is counted.
struct RowCommandHarness {
    explicit RowCommandHarness(const TestInstall& install) : h(install) {
        h.main->Windows().Register(QStringLiteral("frmCommChInfo"), [this](frmMain&) -> QWidget* {
            grid = new RecordingGrid(log);
            grid->resize(300, 200);
            return grid;
        });
        h.main->Windows().Register(QStringLiteral("FrmCHInfoEdit"), [this](frmMain&) -> QWidget* {
            dialog = new RecordingEditDialog(log);
            return dialog;
        });
        InstallChannelRowCommands(*h.main);
        h.app.docState.Events.Subscribe(Kinds(DocumentChange::OptionRefs),
                                        [this](DocumentChange, int) { ++reconciles; });
        // The main window opened its channel grid on loading: ours takes its place.
        h.main->CloseWindowByName(QStringLiteral("frmCommChInfo"));
        h.main->OpenChannelWindow();
        log.clear();
    }
    void OpenEditDialog(int shownChannel) {
        h.main->ShowModelessWindow(QStringLiteral("FrmCHInfoEdit"));
        dialog->shownChannel = shownChannel;
        log.clear();
    }
    /// Runs a command as the menu does and waits for the command timer.
    bool Command(const char* menuItem) {
        h.Menu(menuItem)->trigger();
        return WaitFor([&] { return !h.main->TimerCHEdit.isActive(); });
    }
    /// Channels 1..n with the names "C1".."Cn", and the VFO; the file buffer
    /// follows, so that leaving the test asks nothing.
    void Channels(int n) {
        RadioDocument& doc = h.app.doc;
        doc.ChannelCount = 0;
        for (int no = 1; no <= n + 1; ++no) {
            ChannelRecord& e = doc.Channels[static_cast<std::size_t>(doc.ChannelCount++)];
            e = ChannelRecord{};
            e.ChannelNo = static_cast<Integer>(no > n ? kVfoChannelNo : no);
            e.RxFreq = "44600625";
            e.TxShift = "0000000";
            e.Name = no > n ? std::string("VFO") : "C" + std::to_string(no);
        }
    }
    /// The channel's name, "-" when the row has no channel.
    std::string NameOf(int channelNo) {
        const ChannelRecord* e = FindChannel(h.app.doc, channelNo);
        return e ? TrimFix(e->Name) : std::string("-");
    }
    QByteArray HabitFileBytes() const {
        QFile file(QString::fromStdString(h.app.paths.ProgramFolder) + "/Habit.ini");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Harness h;
    std::vector<std::string> log;
    RecordingGrid* grid = nullptr;
    RecordingEditDialog* dialog = nullptr;
    int reconciles = 0;
};

/// Shows a dialog the way exec would before a test clicks into it.
inline void Show(QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

/// Clicks a check box on its box, as a user does (a wide check box does not
/// react to clicks beyond its text).
inline void Tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

/// Answers a modal dialog: optionally ticks a check box, then clicks a button.
inline ScriptedInteraction::DialogScript Click(const char* button, const char* check = nullptr) {
    return [button, check](QDialog& dialog) {
        Show(dialog);
        if (check)
            Tick(dialog.findChild<QCheckBox*>(check));
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        return dialog.result();
    };
}

} // namespace pmr::testing
