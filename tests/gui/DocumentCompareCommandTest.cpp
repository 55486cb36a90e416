// File > Compare... through the main window's menu: the file dialog and the
// compare window answered by script, the values taken over into the open
// document and the windows that show them.

#include "DocumentCompareCommand.h"

#include "GuiTestSupport.h"
#include "HelpWindow.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/DocumentCompare.h"
#include "document/MemberCaption.h"
#include "document/TrimFix.h"
#include "editors/channels/frmCommChInfo.h"
#include "files/DocumentRecord.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

using namespace pmr;
using namespace pmr::testing;

namespace {

QString WriteDocument(const TestInstall& install, const QString& name, RadioDocument doc) {
    doc.Version = "V100";
    const DocumentRecordBytes record = EncodeDocumentRecord(doc);
    const QString path = install.Root() + "/" + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(reinterpret_cast<const char*>(record.data()), static_cast<qint64>(record.size()));
    return path;
}

/// What the compare window showed: every row's four cells and the count line.
struct Shown {
    QStringList headers;
    std::vector<QStringList> rows;
    QString count;
    QString title;
    bool takeEnabled = true;
};

Shown Read(QDialog& dialog) {
    Shown s;
    s.title = dialog.windowTitle();
    auto* table = dialog.findChild<QTableWidget*>("tblDifferences");
    for (int c = 0; table && c < table->columnCount(); ++c)
        s.headers << table->horizontalHeaderItem(c)->text();
    for (int r = 0; table && r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        s.rows.push_back(cells);
    }
    if (auto* count = dialog.findChild<QLabel*>("lblDifferenceCount"))
        s.count = count->text();
    if (auto* take = dialog.findChild<QPushButton*>("cmdTakeValue"))
        s.takeEnabled = take->isEnabled();
    return s;
}

/// Records the window as it opened and closes it.
ScriptedInteraction::DialogScript LookAndClose(Shown& shown) {
    return [&shown](QDialog& dialog) {
        shown = Read(dialog);
        dialog.findChild<QPushButton*>("cmdClose")->click();
        return dialog.result();
    };
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

/// The open document with the name of channel 1 and one scan setting changed.
RadioDocument TwoChangesOf(const RadioDocument& doc) {
    RadioDocument other = doc;
    FindChannel(other, 1)->Name = std::string_view("LAKE");
    other.Settings.Scan.LookBackA = doc.Settings.Scan.LookBackA == 20 ? 30 : 20;
    return other;
}

TEST(CompareWindow, FileLikeTheDocumentListsNoDifference) {
    TestInstall install;
    Harness h(install);
    EXPECT_TRUE(h.Menu("mnuFile")->menu()->actions().contains(h.Menu("mnuFileCompare")));
    EXPECT_EQ(h.Menu("mnuFileCompare")->text(), h.Text(10902));
    const RadioDocument before = h.app.doc;
    h.ui.ChooseFileNext(WriteDocument(install, "same.dat", h.app.doc).toStdString());
    Shown shown;
    h.ui.HandleDialogNext(LookAndClose(shown));
    h.Menu("mnuFileCompare")->trigger();

    ASSERT_EQ(h.ui.Events().size(), 2u); // the open dialog, the compare window
    EXPECT_EQ(h.ui.Events()[0].kind, ScriptedInteraction::Event::OpenFile);
    EXPECT_EQ(h.ui.Events()[1].text, "FrmCompare");
    EXPECT_TRUE(shown.rows.empty());
    EXPECT_EQ(shown.count, h.Text(9356));
    EXPECT_FALSE(shown.takeEnabled);
    EXPECT_EQ(h.app.doc, before);
    EXPECT_FALSE(h.docs.IsModified());
}

TEST(CompareWindow, ListsExactlyTheChannelMemberAndTheSettingThatDiffer) {
    TestInstall install;
    Harness h(install);
    const RadioDocument before = h.app.doc;
    const RadioDocument other = TwoChangesOf(h.app.doc);
    h.ui.ChooseFileNext(WriteDocument(install, "two.dat", other).toStdString());
    Shown shown;
    h.ui.HandleDialogNext(LookAndClose(shown));
    ASSERT_TRUE(h.main->CompareWithFile());

    const TextCatalog& t = h.app.texts;
    const MemberName& name = ChannelMemberNamed("Name").name;
    const MemberName& lookBack = SettingMemberNamed("Scan.LookBackA").name;
    EXPECT_EQ(shown.headers, (QStringList{h.Text(9351), h.Text(9352), h.Text(9353), h.Text(9354)}));
    ASSERT_EQ(shown.rows.size(), 2u);
    EXPECT_EQ(shown.rows[0], (QStringList{Q(MemberPlace(t, 1, name)), Q(MemberCaption(t, name)),
                                          Q(TrimFix(FindChannel(h.app.doc, 1)->Name)), "LAKE"}));
    EXPECT_EQ(shown.rows[0][0], "Channel 1");
    EXPECT_EQ(shown.rows[1][0], Q(MemberPlace(t, 0, lookBack)));
    EXPECT_EQ(shown.rows[1][1], Q(MemberCaption(t, lookBack)));
    EXPECT_NE(shown.rows[1][2], shown.rows[1][3]);
    EXPECT_EQ(shown.count, Q(FillMarker(t.GetLangText(9355), "%1", "2")));
    EXPECT_TRUE(shown.takeEnabled); // the first row is chosen
    // Looking changes nothing.
    EXPECT_EQ(h.app.doc, before);
    EXPECT_FALSE(h.docs.IsModified());
}

TEST(CompareWindow, TakingBothValuesByKeyboardMakesTheDocumentTheFilesAndChanged) {
    TestInstall install;
    Harness h(install);
    const RadioDocument other = TwoChangesOf(h.app.doc);
    const QString path = WriteDocument(install, "two.dat", other);
    h.ui.ChooseFileNext(path.toStdString());
    Shown after;
    QRect frame, area;
    bool focusOnTake = false;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        frame = dialog.frameGeometry();
        area = dialog.screen()->availableGeometry();
        auto* table = dialog.findChild<QTableWidget*>("tblDifferences");
        EXPECT_EQ(QApplication::focusWidget(), table);
        // Select every row, Tab to the button, press it with Space.
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_Tab);
        focusOnTake = QApplication::focusWidget() == dialog.findChild<QPushButton*>("cmdTakeValue");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        after = Read(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    ASSERT_TRUE(h.main->CompareWithFile());
    EXPECT_TRUE(area.contains(frame)) << frame.width() << "x" << frame.height();
    EXPECT_TRUE(focusOnTake);
    EXPECT_TRUE(after.rows.empty());
    EXPECT_EQ(after.count, h.Text(9356));
    EXPECT_EQ(TrimFix(FindChannel(h.app.doc, 1)->Name), "LAKE");
    EXPECT_EQ(h.app.doc.Settings.Scan.LookBackA, other.Settings.Scan.LookBackA);
    EXPECT_TRUE(CompareDocuments(h.app.doc, other, h.app.texts).empty());
    EXPECT_TRUE(h.docs.IsModified());
    EXPECT_TRUE(h.ui.Messages().empty());

    // Compared again, the file has nothing left to offer.
    h.ui.Clear();
    h.ui.ChooseFileNext(path.toStdString());
    Shown again;
    h.ui.HandleDialogNext(LookAndClose(again));
    ASSERT_TRUE(h.main->CompareWithFile());
    EXPECT_TRUE(again.rows.empty());
}

TEST(CompareWindow, TakingOneRowLeavesTheOtherListed) {
    TestInstall install;
    Harness h(install);
    const RadioDocument other = TwoChangesOf(h.app.doc);
    h.ui.ChooseFileNext(WriteDocument(install, "two.dat", other).toStdString());
    Shown after;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        dialog.findChild<QTableWidget*>("tblDifferences")->selectRow(1);
        dialog.findChild<QPushButton*>("cmdTakeValue")->click();
        after = Read(dialog);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(h.main->CompareWithFile());
    ASSERT_EQ(after.rows.size(), 1u);
    EXPECT_EQ(after.rows[0][3], "LAKE");
    EXPECT_EQ(after.count, h.Text(9363));
    EXPECT_EQ(h.app.doc.Settings.Scan.LookBackA, other.Settings.Scan.LookBackA);
    EXPECT_NE(TrimFix(FindChannel(h.app.doc, 1)->Name), "LAKE");
}

/// Selects every row of the compare window and presses Take this value.
ScriptedInteraction::DialogScript TakeAll(Shown& before, Shown& after) {
    return [&before, &after](QDialog& dialog) {
        before = Read(dialog);
        dialog.findChild<QTableWidget*>("tblDifferences")->selectAll();
        dialog.findChild<QPushButton*>("cmdTakeValue")->click();
        after = Read(dialog);
        return int(QDialog::Accepted);
    };
}

TEST(CompareWindow, ChannelsTheFileReplacesAreTakenWithoutEmptyingTheTable) {
    TestInstall install;
    Harness h(install);
    // The document holds channel 1 only; the file holds channel 2 only.
    RadioDocument other = h.app.doc;
    ChannelRecord* one = FindChannel(other, 1);
    ASSERT_NE(one, nullptr);
    one->ChannelNo = 2;
    // The channel references follow the channel, as in a file the program wrote.
    for (Integer* ref : {&other.Settings.Opt.CurrentCh, &other.Settings.Opt.DirectCh1,
                         &other.Settings.Opt.DirectCh2})
        if (*ref == 1)
            *ref = 2;
    ASSERT_EQ(FindChannel(h.app.doc, 2), nullptr);
    h.ui.ChooseFileNext(WriteDocument(install, "moved.dat", other).toStdString());
    Shown before, after;
    h.ui.HandleDialogNext(TakeAll(before, after));
    ASSERT_TRUE(h.main->CompareWithFile());

    // Removed channel 1 stands first in the list, yet is taken after channel 2
    // came; the channel references that follow it come after.
    ASSERT_GE(before.rows.size(), 3u);
    EXPECT_EQ(before.rows[2][1], h.Text(16018));
    EXPECT_EQ(before.rows[0][1], h.Text(9360));
    EXPECT_EQ(before.rows[0][3], h.Text(9361));
    EXPECT_TRUE(before.rows[1][3].endsWith(" MHz")) << before.rows[1][3].toStdString();
    EXPECT_TRUE(after.rows.empty());
    EXPECT_TRUE(h.ui.Messages().empty());
    EXPECT_EQ(FindChannel(h.app.doc, 1), nullptr);
    EXPECT_NE(FindChannel(h.app.doc, 2), nullptr);
}

TEST(CompareWindow, ValueThatCannotBeTakenIsNamedAndStaysListed) {
    TestInstall install;
    Harness h(install);
    // A file with the VFO only: the document's last channel cannot go.
    RadioDocument other = h.app.doc;
    const int at = FindChannelIndex(other, kVfoChannelNo);
    ASSERT_GE(at, 0);
    other.Channels[0] = other.Channels[static_cast<std::size_t>(at)];
    other.ChannelCount = 1;
    ASSERT_EQ(FindChannel(h.app.doc, 2), nullptr); // channel 1 is the document's only one
    h.ui.ChooseFileNext(WriteDocument(install, "vfo.dat", other).toStdString());
    Shown before, after;
    h.ui.HandleDialogNext(TakeAll(before, after));
    ASSERT_TRUE(h.main->CompareWithFile());

    ASSERT_EQ(before.rows.size(), 1u);
    EXPECT_EQ(after.rows, before.rows);
    ASSERT_EQ(h.ui.Messages().size(), 1u);
    EXPECT_EQ(h.ui.Messages()[0],
              h.app.texts.GetLangText(9362) + "\r\n" + before.rows[0][0].toStdString());
    EXPECT_NE(FindChannel(h.app.doc, 1), nullptr);
    EXPECT_FALSE(h.docs.IsModified());
}

TEST(CompareWindow, FileThatIsNoDocumentIsSaidAndChangesNothing) {
    TestInstall install;
    Harness h(install);
    const RadioDocument before = h.app.doc;
    const QString path = install.Root() + "/notes.dat";
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("Location,Name,Frequency\r\n1,HUT,446.00625\r\n");
    }
    h.ui.ChooseFileNext(path.toStdString());
    EXPECT_FALSE(h.main->CompareWithFile());
    ASSERT_EQ(h.ui.Messages().size(), 1u);
    const std::string message = h.ui.Messages()[0];
    EXPECT_EQ(message.rfind(path.toStdString(), 0), 0u) << message; // names the file
    EXPECT_NE(message.find(h.app.texts.GetLangText(9065)), std::string::npos) << message;
    EXPECT_EQ(h.ui.Events().back().severity, Severity::Warning);
    for (const auto& e : h.ui.Events())
        EXPECT_NE(e.kind, ScriptedInteraction::Event::Dialog);
    EXPECT_EQ(h.app.doc, before);
    EXPECT_FALSE(h.docs.IsModified());

    // Cancelling the open dialog says nothing either.
    h.ui.Clear();
    h.ui.ChooseFileNext(std::nullopt);
    EXPECT_FALSE(h.main->CompareWithFile());
    EXPECT_TRUE(h.ui.Messages().empty());
}

TEST(CompareWindow, WindowIsInTheUsersLanguage) {
    TestInstall install(2);
    Harness h(install);
    h.main->OnActivated(); // takes the chosen language
    h.ui.ChooseFileNext(WriteDocument(install, "two.dat", TwoChangesOf(h.app.doc)).toStdString());
    Shown shown;
    h.ui.HandleDialogNext(LookAndClose(shown));
    ASSERT_TRUE(h.main->CompareWithFile());
    EXPECT_EQ(shown.title, QString::fromUtf8("与文件比较"));
    EXPECT_EQ(shown.headers[2], QString::fromUtf8("本文档"));
    ASSERT_EQ(shown.rows.size(), 2u);
    TextCatalog english;
    ASSERT_TRUE(english.Load(PMR_SOURCE_DIR "/data/language/english.ini"));
    const MemberName& name = ChannelMemberNamed("Name").name;
    EXPECT_EQ(shown.rows[0][1], Q(MemberCaption(h.app.texts, name)));
    EXPECT_NE(shown.rows[0][1], Q(MemberCaption(english, name)));
    EXPECT_NE(shown.rows[0][0], Q(MemberPlace(english, 1, name)));
}

TEST(CompareWindow, OpenChannelWindowShowsTheTakenValue) {
    TestInstall install;
    Harness h(install, false, 0, false);
    ASSERT_TRUE(WaitFor([&] { return h.main->FindChildWindow("frmCommChInfo") != nullptr; }));
    auto* grid = dynamic_cast<frmCommChInfo*>(h.main->FindChildWindow("frmCommChInfo"));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->CellText(1, 3), "LAKE");
    h.ui.ChooseFileNext(WriteDocument(install, "two.dat", TwoChangesOf(h.app.doc)).toStdString());
    h.ui.HandleDialogNext([](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>("tblDifferences");
        table->selectRow(0);
        dialog.findChild<QPushButton*>("cmdTakeValue")->click();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(h.main->CompareWithFile());
    EXPECT_EQ(grid->CellText(1, 3), "LAKE");
}

TEST(CompareWindow, HelpButtonOpensTheComparePage) {
    TestInstall install(1, /*help=*/true);
    Harness h(install);
    h.ui.ChooseFileNext(WriteDocument(install, "same.dat", h.app.doc).toStdString());
    h.ui.HandleDialogNext([](QDialog& dialog) {
        dialog.findChild<QPushButton*>("cmdHelp")->click();
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(h.main->CompareWithFile());
    ASSERT_NE(h.main->HelpViewer(), nullptr);
    EXPECT_TRUE(h.main->HelpViewer()->CurrentPage().endsWith("/help/english/111.html"))
        << h.main->HelpViewer()->CurrentPage().toStdString();
}

} // namespace
