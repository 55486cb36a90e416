// File > Export Channels (CSV) and File > Import Channels (CSV) through the
// main window's menu, with the file dialogs and the report answered by script.

#include "ChannelCsvCommands.h"

#include "GuiTestSupport.h"
#include "HelpWindow.h"
#include "csv/ChannelCsvExport.h"
#include "document/ChannelTable.h"
#include "document/TrimFix.h"
#include "editors/channels/frmCommChInfo.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>

using namespace pmr;
using namespace pmr::testing;

namespace {

constexpr const char* kHeader = "Location,Name,Frequency,Power\r\n";

std::string T(Harness& h, int id) {
    return h.app.texts.GetLangText(id);
}

QString WriteFile(const TestInstall& install, const QString& name, const QByteArray& bytes) {
    const QString path = install.Root() + "/" + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

/// The document's channel numbers below the VFO, in table order.
std::vector<int> ChannelNumbers(const RadioDocument& doc) {
    std::vector<int> out;
    for (int i = 0; i < doc.ChannelCount; ++i) {
        const int no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (no < kVfoChannelNo)
            out.push_back(no);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string NameOf(const RadioDocument& doc, int no) {
    const int i = FindChannelIndex(doc, no);
    return i < 0 ? std::string("(none)") : TrimFix(doc.Channels[static_cast<std::size_t>(i)].Name);
}

/// What the report dialog showed: each row's kind word, line and text.
struct Shown {
    QStringList kinds;
    QList<int> lines;
    QStringList texts;
    QString summary;
    bool importEnabled = false;
    bool replaceChecked = false;
};

Shown Read(QDialog& dialog) {
    Shown s;
    auto* report = dialog.findChild<QTreeWidget*>("csvImportReport");
    for (int i = 0; report && i < report->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = report->topLevelItem(i);
        s.kinds << item->text(0);
        s.lines << item->data(0, Qt::UserRole).toInt();
        s.texts << item->text(1);
    }
    if (auto* summary = dialog.findChild<QLabel*>("lblCsvSummary"))
        s.summary = summary->text();
    if (auto* import = dialog.findChild<QPushButton*>("cmdCsvImport"))
        s.importEnabled = import->isEnabled();
    if (auto* replace = dialog.findChild<QRadioButton*>("optCsvReplace"))
        s.replaceChecked = replace->isChecked();
    return s;
}

/// Answers the report dialog: records it, picks fill when asked, then presses
/// Import or Cancel as a user does.
ScriptedInteraction::DialogScript Respond(Shown& shown, bool fill, const char* button) {
    return [&shown, fill, button](QDialog& dialog) {
        shown = Read(dialog);
        if (fill)
            dialog.findChild<QRadioButton*>("optCsvFill")->click();
        dialog.findChild<QPushButton*>(button)->click();
        return dialog.result();
    };
}

// A file with a refused row (no channel 200), a changed row (the radio shows
// capitals only) and two rows taken as they are.
const QByteArray kMixed = QByteArray(kHeader) + "1,one,446.006250,Low\r\n"
                                                "200,far,446.018750,Low\r\n"
                                                "3,THREE,446.031250,Low\r\n"
                                                "4,FOUR,446.043750,Low\r\n";

TEST(ChannelCsvCommands, ExportWritesTheChannelTableBesideTheDocumentName) {
    TestInstall install;
    Harness h(install);
    const QString path = install.Root() + "/list.csv";
    WriteFile(install, "list.csv", "an older and longer file that is replaced as a whole");
    // Both entries stand in the File menu under their texts.
    const QList<QAction*> file = h.Menu("mnuFile")->menu()->actions();
    EXPECT_TRUE(file.contains(h.Menu("mnuFileExportCsv")));
    EXPECT_TRUE(file.contains(h.Menu("mnuFileImportCsv")));
    EXPECT_EQ(h.Menu("mnuFileExportCsv")->text(), h.Text(10900));
    EXPECT_EQ(h.Menu("mnuFileImportCsv")->text(), h.Text(10901));
    h.ui.ChooseFileNext(path.toStdString());
    h.Menu("mnuFileExportCsv")->trigger();

    ASSERT_EQ(h.ui.Events().size(), 1u); // the save dialog, no message
    EXPECT_EQ(h.ui.Events()[0].kind, ScriptedInteraction::Event::SaveFile);
    EXPECT_EQ(h.ui.Events()[0].text, CsvFileBeside(h.app.docState.CurrentFileName));
    EXPECT_TRUE(QString::fromStdString(h.ui.Events()[0].text).endsWith(".csv"));
    const QByteArray bytes = ReadFile(path);
    EXPECT_EQ(bytes.toStdString(), ExportChannelCsv(h.app.doc));
    EXPECT_TRUE(bytes.startsWith("Location,Name,Frequency,Duplex,")); // no byte order mark
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), static_cast<qsizetype>(ChannelNumbers(h.app.doc).size()) + 1);
}

TEST(ChannelCsvCommands, ExportThatCannotWriteSaysSoAndCancelWritesNothing) {
    TestInstall install;
    Harness h(install);
    const std::string path = (install.Root() + "/no such folder/list.csv").toStdString();
    h.ui.ChooseFileNext(path);
    h.Menu("mnuFileExportCsv")->trigger();
    ASSERT_EQ(h.ui.Messages().size(), 1u);
    EXPECT_EQ(h.ui.Messages()[0], FillMarker(T(h, 9336), "%1", path));
    EXPECT_EQ(h.ui.Events().back().severity, Severity::Critical);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));

    h.ui.Clear();
    h.ui.ChooseFileNext(std::nullopt);
    EXPECT_FALSE(ExportChannelsToCsv(h.app.doc, h.app.texts, h.ui, "x.csv"));
    EXPECT_TRUE(h.ui.Messages().empty());
}

TEST(ChannelCsvCommands, ReportShowsRefusedAndChangedRowsAndCancelChangesNothing) {
    TestInstall install;
    Harness h(install);
    const RadioDocument before = h.app.doc;
    int announced = 0;
    DocumentSubscription watch(h.app.docState.Events, ~0u, [&](DocumentChange c, int) {
        announced += c != DocumentChange::OptionRefs;
    });
    h.ui.ChooseFileNext(WriteFile(install, "mixed.csv", kMixed).toStdString());
    Shown shown;
    h.ui.HandleDialogNext(Respond(shown, false, "cmdCsvCancel"));
    h.Menu("mnuFileImportCsv")->trigger();

    EXPECT_EQ(h.ui.Events().back().text, "FrmCsvImport");
    EXPECT_EQ(shown.kinds, (QStringList{h.Text(9342), h.Text(9341)}));
    EXPECT_EQ(shown.lines, (QList<int>{2, 3}));
    EXPECT_EQ(
        shown.texts,
        (QStringList{"line 2, Name \"one\": changed to \"ONE\" (the radio shows A-Z and 0-9)",
                     "line 3, Location 200: no such channel (the radio has channels 1 to 128)"}));
    EXPECT_EQ(shown.summary, "3 rows will be imported, 1 refused, 1 of those imported changed.");
    EXPECT_TRUE(shown.replaceChecked);
    EXPECT_TRUE(shown.importEnabled);

    EXPECT_EQ(h.app.doc, before);
    EXPECT_FALSE(h.docs.IsModified());
    EXPECT_EQ(announced, 0);
    EXPECT_TRUE(h.ui.Messages().empty());
    EXPECT_EQ(h.ui.Unexpected(), 0);
}

TEST(ChannelCsvCommands, ReportIsInTheUsersLanguage) {
    TestInstall install(2);
    Harness h(install);
    h.main->OnActivated(); // takes the chosen language
    h.ui.ChooseFileNext(WriteFile(install, "mixed.csv", kMixed).toStdString());
    Shown shown;
    h.ui.HandleDialogNext(Respond(shown, false, "cmdCsvCancel"));
    ASSERT_FALSE(h.main->ImportChannelsCsv());
    ASSERT_EQ(shown.texts.size(), 2);
    EXPECT_TRUE(shown.texts[1].startsWith(QString::fromUtf8("第 3 行，Location 200：")))
        << shown.texts[1].toStdString();
    EXPECT_EQ(shown.kinds[1], QString::fromUtf8("未导入"));
}

TEST(ChannelCsvCommands, ImportReplacesTheTableOrFillsInOnlyTheNamedChannels) {
    TestInstall install;
    const QByteArray twoRows = QByteArray(kHeader) + "1,NEW,446.006250,Low\r\n"
                                                     "9,NINE,446.106250,Low\r\n";
    for (const bool fill : {false, true}) {
        SCOPED_TRACE(fill ? "fill" : "replace");
        Harness h(install);
        AddChannel(h.app, 5, "446.05625");
        h.app.fileBuffer = h.app.doc; // saved as it stands
        const std::vector<int> others = ChannelNumbers(h.app.doc);
        ASSERT_FALSE(others.empty());
        const std::string fiveBefore = NameOf(h.app.doc, 5);

        h.ui.ChooseFileNext(WriteFile(install, "two.csv", twoRows).toStdString());
        Shown shown;
        h.ui.HandleDialogNext(Respond(shown, fill, "cmdCsvImport"));
        h.Menu("mnuFileImportCsv")->trigger();

        EXPECT_TRUE(shown.texts.isEmpty());
        EXPECT_EQ(NameOf(h.app.doc, 1), "NEW");
        EXPECT_EQ(NameOf(h.app.doc, 9), "NINE");
        EXPECT_GE(FindChannelIndex(h.app.doc, kVfoChannelNo), 0);
        if (fill) {
            EXPECT_EQ(NameOf(h.app.doc, 5), fiveBefore);
        } else {
            EXPECT_EQ(ChannelNumbers(h.app.doc), (std::vector<int>{1, 9}));
        }
        EXPECT_TRUE(h.docs.IsModified());
        EXPECT_TRUE(h.ui.Messages().empty());
        EXPECT_TRUE(h.ui.ScriptUsedUp());
    }
}

TEST(ChannelCsvCommands, FileThatIsNoChannelListIsSaidAndChangesNothing) {
    TestInstall install;
    Harness h(install);
    const RadioDocument before = h.app.doc;
    struct Case {
        const char* name;
        QByteArray bytes;
        int text;
    };
    const Case cases[] = {
        {"empty.csv", QByteArray("\r\n \r\n"), 9321},
        {"document.dat", QByteArray("\x01\x02\x00\x00PMR", 7), 9322},
        {"notes.csv", QByteArray("Location,Name\r\n1,hut\r\n"), 9325},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.ui.Clear();
        const QString path = WriteFile(install, c.name, c.bytes);
        h.ui.ChooseFileNext(path.toStdString());
        EXPECT_FALSE(h.main->ImportChannelsCsv());
        ASSERT_EQ(h.ui.Messages().size(), 1u);
        const std::string message = h.ui.Messages()[0];
        EXPECT_EQ(message.rfind(path.toStdString(), 0), 0u) << message; // names the file
        const std::string reason =
            c.text == 9325 ? FillMarker(T(h, 9325), "%1", "Frequency") : T(h, c.text);
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_EQ(h.ui.Events().back().severity, Severity::Warning);
        // No report: the file is refused as a whole.
        for (const auto& e : h.ui.Events())
            EXPECT_NE(e.kind, ScriptedInteraction::Event::Dialog);
        EXPECT_EQ(h.app.doc, before);
    }

    h.ui.Clear();
    const std::string missing = (install.Root() + "/gone.csv").toStdString();
    h.ui.ChooseFileNext(missing);
    EXPECT_FALSE(h.main->ImportChannelsCsv());
    EXPECT_EQ(h.ui.Messages(), std::vector<std::string>{FillMarker(T(h, 9335), "%1", missing)});
    EXPECT_EQ(h.app.doc, before);
}

TEST(ChannelCsvCommands, FileWithNoRowToTakeLeavesOnlyCancel) {
    TestInstall install;
    Harness h(install);
    const RadioDocument before = h.app.doc;
    h.ui.ChooseFileNext(
        WriteFile(install, "far.csv", QByteArray(kHeader) + "200,far,446.006250,Low\r\n")
            .toStdString());
    Shown shown;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        shown = Read(dialog);
        // Enter on a disabled default button does not import.
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result() == QDialog::Accepted ? int(QDialog::Accepted)
                                                    : int(QDialog::Rejected);
    });
    EXPECT_FALSE(h.main->ImportChannelsCsv());
    EXPECT_FALSE(shown.importEnabled);
    EXPECT_TRUE(shown.summary.endsWith(h.Text(9334))) << shown.summary.toStdString();
    EXPECT_EQ(h.app.doc, before);
}

TEST(ChannelCsvCommands, ReportDialogWorksByKeyboardAndFitsTheScreen) {
    TestInstall install;
    Harness h(install);
    // Every one of 300 rows refused: a long report that scrolls inside the dialog.
    QByteArray many = kHeader;
    for (int i = 0; i < 300; ++i)
        many += QByteArray::number(200 + i) + ",X,446.006250,Low\r\n";
    many += "1,ONE,446.006250,Low\r\n";
    h.ui.ChooseFileNext(WriteFile(install, "many.csv", many).toStdString());
    QRect frame, area;
    bool fillChosen = false;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        frame = dialog.frameGeometry();
        area = dialog.screen()->availableGeometry();
        // Tab from the report reaches the choice; the arrow key takes the other way.
        auto* report = dialog.findChild<QTreeWidget*>("csvImportReport");
        EXPECT_EQ(report->topLevelItemCount(), 300);
        report->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QRadioButton*>("optCsvReplace"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        fillChosen = dialog.findChild<QRadioButton*>("optCsvFill")->isChecked();
        // Enter presses Import.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dialog.result();
    });
    EXPECT_TRUE(h.main->ImportChannelsCsv());
    EXPECT_TRUE(area.contains(frame)) << frame.width() << "x" << frame.height();
    EXPECT_TRUE(fillChosen);
    EXPECT_EQ(NameOf(h.app.doc, 1), "ONE");

    // Escape cancels.
    const RadioDocument before = h.app.doc;
    h.ui.ChooseFileNext(
        WriteFile(install, "one.csv", QByteArray(kHeader) + "1,TWO,446.006250,Low\r\n")
            .toStdString());
    h.ui.HandleDialogNext([](QDialog& dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    EXPECT_FALSE(h.main->ImportChannelsCsv());
    EXPECT_EQ(h.app.doc, before);
}

TEST(ChannelCsvCommands, OpenChannelWindowShowsTheImportedTable) {
    TestInstall install;
    Harness h(install, false, 0, false);
    ASSERT_TRUE(WaitFor([&] { return h.main->FindChildWindow("frmCommChInfo") != nullptr; }));
    auto* grid = dynamic_cast<frmCommChInfo*>(h.main->FindChildWindow("frmCommChInfo"));
    ASSERT_NE(grid, nullptr);
    h.ui.ChooseFileNext(
        WriteFile(install, "two.csv",
                  QByteArray(kHeader) + "1,HUT,446.006250,Low\r\n2,LAKE,446.018750,Low\r\n")
            .toStdString());
    Shown shown;
    h.ui.HandleDialogNext(Respond(shown, false, "cmdCsvImport"));
    ASSERT_TRUE(h.main->ImportChannelsCsv());
    EXPECT_EQ(grid->CellText(1, 3), "HUT");
    EXPECT_EQ(grid->CellText(2, 3), "LAKE");
    EXPECT_EQ(grid->CellText(2, 1), "446.01875");
    EXPECT_EQ(grid->CellText(3, 1), ""); // replaced: channel 3 is gone
}

} // namespace

namespace {

TEST(ChannelCsvCommands, F1InTheReportOpensTheCsvHelpPage) {
    TestInstall install(1, /*help=*/true);
    Harness h(install);
    h.ui.ChooseFileNext(
        WriteFile(install, "one.csv", QByteArray(kHeader) + "1,ONE,446.006250,Low\r\n")
            .toStdString());
    h.ui.HandleDialogNext([](QDialog& dialog) {
        dialog.show();
        QTest::keyClick(dialog.findChild<QTreeWidget*>("csvImportReport"), Qt::Key_F1);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(h.main->ImportChannelsCsv());
    ASSERT_NE(h.main->HelpViewer(), nullptr);
    EXPECT_TRUE(h.main->HelpViewer()->CurrentPage().endsWith("/help/english/110.html"))
        << h.main->HelpViewer()->CurrentPage().toStdString();
}

} // namespace
