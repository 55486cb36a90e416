// The test frequencies window, the factory test data dialog and the setup
// switch that offers the hidden Edit menu entries, as a technician meets them.

#include "GuiTestSupport.h"
#include "document/Bands.h"
#include "editors/factory/FrmTestData.h"
#include "editors/factory/FrmTestFre.h"
#include "editors/factory/TestDataBoxText.h"
#include "editors/factory/TestFreqGrid.h"
#include "factory/TestDataFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <iterator>

namespace pmr {
namespace {

using testing::Harness;
using testing::TestInstall;

/// Adds `line` to the [language] section of the installation's mysetup.ini.
void AddSetupLine(const TestInstall& install, const char* line) {
    QFile setup(install.Root() + "/language/mysetup.ini");
    ASSERT_TRUE(setup.open(QIODevice::Append));
    setup.write(QByteArray(line) + "\n");
}

bool Shown(QAction* a) {
    return a && a->isVisible();
}

FrmTestFre* OpenTestFre(Harness& h) {
    h.Menu("MnuTestFre")->trigger();
    return dynamic_cast<FrmTestFre*>(
        h.main->FindChildWindow(QString::fromLatin1(FrmTestFre::kName)));
}

/// Opens cell (row, column), 1-based, types `keys` into its editor and presses Enter.
void TypeIntoCell(TestFreqGrid* grid, int row, int column, const QString& keys) {
    grid->EditCell(row - 1, column);
    QLineEdit* editor = grid->Editor();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

TEST(SetupSwitch, OffersBatchAndTestFrequenciesOnlyWhenSet) {
    struct Case {
        const char* line;
        bool shown;
    };
    for (const Case& c : {Case{nullptr, false}, Case{"ShowBatchAndTestFreq=1", true}}) {
        SCOPED_TRACE(c.line ? c.line : "no key");
        TestInstall install;
        if (c.line)
            AddSetupLine(install, c.line);
        Harness h(install);
        for (const char* entry : {"MnuTestFre", "MnuCHBatch", "mnuEditBar3"})
            EXPECT_EQ(Shown(h.Menu(entry)), c.shown) << entry;
        // The test data stay behind the factory marker.
        EXPECT_FALSE(Shown(h.Menu("mnuTestData")));
        if (c.shown)
            EXPECT_TRUE(OpenTestFre(h));
    }
}

struct TestFreFixture : ::testing::Test {
    TestFreFixture() {
        AddSetupLine(install, "ShowBatchAndTestFreq=1");
        h = std::make_unique<Harness>(install);
        // A band the default pair 435.1 lies in.
        h->app.docState.BandText = "400 - 470 MHz";
        ComputeBandLimits(h->app.docState);
        window = OpenTestFre(*h);
    }
    const std::string& Stored(int pair, int column) {
        const TestFreqPair& p = h->app.doc.TestFreqs[static_cast<std::size_t>(pair - 1)];
        stored = (column == 1 ? p.TxFreq : p.RxFreq).raw();
        return stored;
    }
    TestInstall install;
    std::unique_ptr<Harness> h;
    FrmTestFre* window = nullptr;
    std::string stored;
};

TEST_F(TestFreFixture, TypedFrequenciesAreCheckedAgainstTheBandStoredAndShown) {
    ASSERT_TRUE(window);
    TestFreqGrid* grid = window->Grid();
    const std::string kNul("\0       ", 8);
    struct Case {
        int row, column;
        const char* keys;
        std::string stored;
        const char* shown;
        bool warned;
    };
    const Case cases[] = {
        {1, 2, "435.1", "43510000", "435.10000", false},
        {2, 1, "4a3x5.2", "43520000", "435.20000", false}, // letters never reach the cell
        {3, 1, "480", "47000000", "470.00000", true},
        {3, 2, "399.99999", "40000000", "400.00000", true},
        {4, 2, "435.123456789", "43512345", "435.12345", false}, // nine characters at most
        {1, 1, "", kNul, "", false},
        {5, 1, ".", "        ", "", false}, // no number: blank
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        h->ui.Clear();
        TypeIntoCell(grid, c.row, c.column, QString::fromLatin1(c.keys));
        EXPECT_EQ(Stored(c.row, c.column), c.stored);
        EXPECT_EQ(grid->item(c.row - 1, c.column)->text(), QString::fromLatin1(c.shown));
        const std::vector<std::string> warning{h->Text(9021).toStdString()};
        EXPECT_EQ(h->ui.Messages(), c.warned ? warning : std::vector<std::string>{});
    }
    // The cleared cell stays empty when entered again and left.
    grid->EditCell(0, 1);
    ASSERT_TRUE(grid->Editor());
    EXPECT_EQ(grid->Editor()->text(), "");
    grid->EditCell(0, 2);
    EXPECT_EQ(Stored(1, 1), kNul);
    EXPECT_EQ(grid->item(0, 1)->text(), "");

    // A write takes the cell still being edited.
    grid->EditCell(7, 2);
    ASSERT_TRUE(grid->Editor());
    grid->Editor()->setText("450");
    h->main->CommitEdits(true);
    EXPECT_EQ(Stored(8, 2), "45000000");
}

TEST_F(TestFreFixture, EnterMovesAcrossThePairAndSkipsAPairLeftEmpty) {
    ASSERT_TRUE(window);
    TestFreqGrid* grid = window->Grid();
    struct Case {
        int row, column;
        const char* keys;
        int nextRow, nextColumn;
    };
    const Case cases[] = {
        {1, 1, "435.1", 1, 2}, // on to the receive frequency
        {1, 2, "", 2, 1},      // then the next pair
        {2, 1, "", 3, 1},      // an empty transmit field skips the pair
        {11, 2, "435", 1, 1},  // from the last pair back to the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << c.row << " column " << c.column);
        TypeIntoCell(grid, c.row, c.column, QString::fromLatin1(c.keys));
        EXPECT_EQ(grid->currentRow() + 1, c.nextRow);
        EXPECT_EQ(grid->currentColumn(), c.nextColumn);
        EXPECT_TRUE(grid->Editor());
    }
}

TEST_F(TestFreFixture, FivePointTableShowsTheBandsPointsAndTakesNoEdit) {
    ASSERT_TRUE(window);
    DocumentRowGrid* points = window->TuningGrid();
    ASSERT_EQ(points->rowCount(), 5);
    // Column 1 the second frequency, column 2 the first.
    EXPECT_EQ(points->item(0, 1)->text(), "400.10000");
    EXPECT_EQ(points->item(0, 2)->text(), "400.00000");
    EXPECT_EQ(points->item(4, 1)->text(), "469.90000");
    EXPECT_EQ(points->item(4, 2)->text(), "470.00000");
    points->EditCell(2, 1);
    EXPECT_FALSE(points->Editor());
}

TEST(TestDataBoxText, ShowsTheByteOfAnyText) {
    const std::pair<const char*, const char*> cases[] = {
        {"007", "7"}, {"300", "255"}, {"255", "255"},
        {"", "0"},    {"-3", "0"},    {"4.9", "4"},
        {"1a", "0"},  {".", "0"},     {"99999999999999999999", "255"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(TestDataBoxText(text), shown) << '"' << text << '"';
}

struct TestDataFixture : ::testing::Test {
    TestDataFixture() : h(install, /*factory=*/true) {
        for (std::size_t i = 0; i < kTestDataSize; ++i)
            before[i] = static_cast<std::uint8_t>(100 + i);
        h.app.factory.TestData = before;
    }
    /// Runs the dialog from the Edit menu with `script`; returns its result.
    int Run(std::function<void(FrmTestData&)> script) {
        int result = -1;
        h.ui.HandleDialogNext([&](QDialog& dialog) {
            auto& window = dynamic_cast<FrmTestData&>(dialog);
            script(window);
            result = dialog.result();
            return result;
        });
        h.Menu("mnuTestData")->trigger();
        return result;
    }
    std::string File(const char* name, const TestDataBytes& bytes) {
        const std::string path = (install.Root() + "/" + name).toStdString();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    static void Click(QWidget& dialog, const char* button) {
        auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_TRUE(b) << button;
        b->click();
    }
    static void Retype(QLineEdit* box, const QString& keys) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }
    TestInstall install;
    Harness h;
    TestDataBytes before{};
};

TEST_F(TestDataFixture, BoxesAlwaysShowAByteAndCancelKeepsTheTestData) {
    const int result = Run([](FrmTestData& w) {
        for (int i = 0; i < FrmTestData::kShownBytes; ++i)
            EXPECT_EQ(w.Box(i)->text(), QString::number(100 + i));
        const std::pair<const char*, const char*> typed[] = {
            {"999", "255"}, {"", "0"}, {"1x2", "12"}};
        for (const auto& [keys, shown] : typed) {
            Retype(w.Box(4), QString::fromLatin1(keys));
            EXPECT_EQ(w.Box(4)->text(), shown) << keys;
        }
        Click(w, "CommandCancel");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(h.app.factory.TestData, before);
}

TEST_F(TestDataFixture, OkAfterALoadTakesAllSixteenBytesOfTheFile) {
    TestDataBytes file{};
    for (std::size_t i = 0; i < kTestDataSize; ++i)
        file[i] = static_cast<std::uint8_t>(i + 1);
    file[15] = 0xA5;
    h.ui.ChooseFileNext(File("bench.ted", file));
    const int result = Run([](FrmTestData& w) {
        Click(w, "Command1(0)");
        EXPECT_EQ(w.Box(10)->text(), "11");
        Retype(w.Box(0), "200");
        Click(w, "CommandOK");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    TestDataBytes expected = file;
    expected[0] = 200;
    EXPECT_EQ(h.app.factory.TestData, expected);
    EXPECT_EQ(h.app.factory.SavedTestData, TestDataBytes{});
}

TEST_F(TestDataFixture, SaveWritesTheBoxesBesideTheDocumentNameAndNeverIntoADocument) {
    const std::string document = (install.Root() + "/radio.dat").toStdString();
    const std::string documentBytes(200, 'D');
    std::ofstream(document, std::ios::binary) << documentBytes;
    h.ui.ChooseFileNext(document); // a bare name the file dialog gave ".dat"
    Run([](FrmTestData& w) {
        Retype(w.Box(1), "42");
        Click(w, "Command1(1)");
        Click(w, "CommandCancel");
    });
    ASSERT_FALSE(h.ui.Events().empty());
    const auto& ask = h.ui.Events()[1];
    EXPECT_EQ(ask.kind, ScriptedInteraction::Event::SaveFile);
    EXPECT_EQ(ask.text, "new.ted");

    std::ifstream in(document, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), documentBytes);
    TestDataBytes saved{};
    ASSERT_TRUE(LoadTestDataFile((install.Root() + "/radio.ted").toStdString(), saved));
    TestDataBytes expected = before;
    expected[1] = 42;
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(h.app.factory.TestData, before); // Cancel after a save
}

TEST_F(TestDataFixture, SavingOverAnExistingTestDataFileAsksFirst) {
    // The file dialog asks about "radio.dat"; the bytes go to "radio.ted", which
    // already holds another bench's data: No keeps it, Yes replaces it.
    const std::string document = (install.Root() + "/radio.dat").toStdString();
    const std::string testData = (install.Root() + "/radio.ted").toStdString();
    const std::string other(16, '\x07');
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        std::ofstream(testData, std::ios::binary | std::ios::trunc) << other;
        h.ui.Clear();
        h.ui.ChooseFileNext(document);
        h.ui.AnswerNext(answer);
        Run([](FrmTestData& w) {
            Retype(w.Box(1), "42");
            Click(w, "Command1(1)");
            Click(w, "CommandCancel");
        });
        ASSERT_EQ(h.ui.Questions().size(), 1u);
        EXPECT_NE(h.ui.Questions()[0].find("radio.ted"), std::string::npos);
        std::ifstream in(testData, std::ios::binary);
        const std::string now(std::istreambuf_iterator<char>(in), {});
        if (answer == Answer::No)
            EXPECT_EQ(now, other);
        else
            EXPECT_EQ(static_cast<unsigned char>(now.at(1)), 42);
    }
}

TEST_F(TestFreFixture, AClickOnAnotherCellAfterAWarningEditsTheCellClicked) {
    ASSERT_TRUE(window);
    TestFreqGrid* grid = window->Grid();
    const std::string secondPair = Stored(2, 1);
    // The warning's message box takes the focus from the cell editor, as a
    // real one does.
    h->ui.OnMessage([&](const std::string&) {
        QLineEdit box;
        box.show();
        QApplication::setActiveWindow(&box);
        box.setFocus();
        QApplication::processEvents();
    });
    grid->EditCell(0, 1);
    ASSERT_TRUE(grid->Editor());
    grid->Editor()->setText("480");
    const QRect target = grid->visualItemRect(grid->item(3, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, target.center());
    QApplication::processEvents();
    h->ui.OnMessage({});

    EXPECT_EQ(h->ui.Messages(), std::vector<std::string>{h->Text(9021).toStdString()});
    EXPECT_EQ(Stored(1, 1), "47000000");
    EXPECT_EQ(Stored(2, 1), secondPair);
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 2);
}

} // namespace
} // namespace pmr
