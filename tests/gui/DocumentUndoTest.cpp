// Edit > Undo and Redo: every change the user makes is a step, named in the
// menu; undoing gives back the document byte for byte, the windows show it,
// the save question follows, and opening or starting a document starts a new
// history.

#include "DocumentUndo.h"

#include "GuiTestSupport.h"
#include "document/ChannelTable.h"
#include "files/DocumentRecord.h"

#include <QComboBox>
#include <QEventLoop>
#include <QTimer>
#include <random>

using namespace pmr;
using namespace pmr::testing;

namespace {

/// Lets the event loop run until it would wait for the next event, as it
/// does after every action of the user.
void LetTheProgramWait() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

DocumentRecordBytes Bytes(const AppContext& app) {
    return EncodeDocumentRecord(app.doc);
}

TEST(DocumentUndo, AnEditBecomesANamedStepThatUndoAndRedoTakeBackAndForth) {
    TestInstall install;
    Harness h(install);
    DocumentUndo& history = h.main->History();
    EXPECT_FALSE(h.Menu("mnuEditUndo")->isEnabled());
    EXPECT_EQ(h.Menu("mnuEditUndo")->text(), "&Undo");
    const DocumentRecordBytes start = Bytes(h.app);

    // The step is taken once the program waits for the user again.
    FindChannel(h.app.doc, 1)->RxFreq = "44604375";
    LetTheProgramWait();
    ASSERT_TRUE(history.CanUndo());
    const DocumentRecordBytes edited = Bytes(h.app);
    EXPECT_EQ(h.Menu("mnuEditUndo")->text(), "&Undo: channel 1 RX frequency");
    EXPECT_EQ(h.Button("Undo")->toolTip(), "Undo: channel 1 RX frequency");
    EXPECT_TRUE(h.docs.IsModified());

    h.Menu("mnuEditUndo")->trigger();
    EXPECT_EQ(Bytes(h.app), start);
    EXPECT_FALSE(h.docs.IsModified()) << "undone to the state opened: nothing to save";
    EXPECT_EQ(h.Menu("mnuEditRedo")->text(), "&Redo: channel 1 RX frequency");
    EXPECT_TRUE(h.Button("Redo")->isEnabled());
    h.Button("Redo")->trigger();
    EXPECT_EQ(Bytes(h.app), edited);

    // A new change after an undo ends what could be redone.
    h.main->UndoChange();
    FindChannel(h.app.doc, 1)->Name = std::string_view("GATE");
    h.main->UndoChange(); // takes the change first, then undoes it
    EXPECT_EQ(Bytes(h.app), start);
    EXPECT_EQ(h.Menu("mnuEditRedo")->text(), "&Redo: channel 1 Channel name");
    h.main->RedoChange();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 1);
}

TEST(DocumentUndo, ANamedCommandIsOneStepUnderItsOwnName) {
    TestInstall install;
    Harness h(install);
    const RadioDocument start = h.app.doc;
    h.app.docState.NextStepName = "batch settings, channels 1-16";
    for (int no = 2; no <= 16; ++no)
        AddChannel(h.app, no, "446.00625");
    h.main->History().TakeChange();
    // The name went with its change and is not lent to the next one.
    FindChannel(h.app.doc, 1)->ScanSkip = 1;
    h.main->History().TakeChange();
    EXPECT_EQ(h.main->History().StepCount(), 2);
    h.main->UndoChange();
    EXPECT_EQ(h.Menu("mnuEditUndo")->text(), "&Undo: batch settings, channels 1-16");
    h.main->UndoChange();
    EXPECT_EQ(h.app.doc, start);
}

TEST(DocumentUndo, TwoHundredEditsUndoneGiveTheStartAndRedoneGiveTheEnd) {
    TestInstall install;
    Harness h(install);
    DocumentUndo& history = h.main->History();
    const DocumentRecordBytes start = Bytes(h.app);
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        RadioDocument& d = h.app.doc;
        switch (random() % 5) {
        case 0:
            AddChannel(h.app, 2 + static_cast<int>(random() % 120), "446.01875");
            break;
        case 1:
            if (d.ChannelCount > 2)
                DeleteChannelAt(h.app, d.ChannelCount - 1);
            break;
        case 2:
            d.Settings.Scan.LookBackA = static_cast<Integer>(5 + random() % 40);
            break;
        case 3:
            d.Settings.Dtmf.DtmfRate = static_cast<Integer>(random() % 10);
            break;
        default:
            FindChannel(d, 1)->TxPower = static_cast<Integer>(random() % 2);
        }
        history.TakeChange();
    }
    const DocumentRecordBytes end = Bytes(h.app);
    while (history.CanUndo())
        h.main->UndoChange();
    EXPECT_EQ(Bytes(h.app), start);
    while (history.CanRedo())
        h.main->RedoChange();
    EXPECT_EQ(Bytes(h.app), end);
}

TEST(DocumentUndo, KeepsFiveHundredStepsAndANewDocumentStartsAfresh) {
    TestInstall install;
    Harness h(install);
    DocumentUndo& history = h.main->History();
    for (int i = 0; i < DocumentUndo::kStepLimit + 20; ++i) {
        h.app.doc.Settings.Scan.LookBackA = static_cast<Integer>(5 + i % 40);
        history.TakeChange();
    }
    EXPECT_EQ(history.StepCount(), DocumentUndo::kStepLimit);
    h.app.fileBuffer = h.app.doc; // saved: New asks nothing
    h.Button("NewFile")->trigger();
    ASSERT_TRUE(WaitFor([&] { return !history.CanUndo(); }));
    EXPECT_FALSE(h.Menu("mnuEditUndo")->isEnabled());
}

TEST(DocumentUndo, AnOpenWindowShowsTheDocumentPutBack) {
    TestInstall install;
    Harness h(install, false, 0, false);
    h.main->ShowChildWindow(QStringLiteral("FrmScan"));
    auto* mode = h.main->findChild<QComboBox*>("cboLookBackA");
    ASSERT_NE(mode, nullptr);
    const int shown = mode->currentIndex();
    mode->setCurrentIndex(shown == 3 ? 4 : 3);
    emit mode->activated(mode->currentIndex());
    h.main->UndoChange();
    EXPECT_EQ(mode->currentIndex(), shown);
    h.main->RedoChange();
    EXPECT_EQ(mode->currentIndex(), shown == 3 ? 4 : 3);
}

} // namespace
