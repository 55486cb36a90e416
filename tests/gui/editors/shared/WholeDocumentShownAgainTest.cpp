// When the whole document is put back as it was at another time, every open
// window shows it as a window opened on it would, and showing it changes
// nothing in a document the windows have shown before.

#include "GuiTestSupport.h"
#include "document/ChannelTable.h"
#include "document/DocumentCompare.h"
#include "document/SettingsTexts.h"
#include "editors/channels/frmCommChInfo.h"
#include "editors/factory/FrmTestData.h"
#include "editors/settings/FrmRadio.h"
#include "editors/shared/DocumentRowGrid.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <map>

namespace pmr {
namespace {

using testing::Harness;
using testing::TestInstall;

/// What a window shows, control by control: "name#n" (the n-th control of
/// that name) to its state and value.
using Shown = std::map<QString, QString>;

QString Flags(const QWidget* w) {
    return QString(w->isEnabled() ? "on" : "off") + (w->isHidden() ? " hidden" : "") + ": ";
}

bool PartOfList(const QWidget* w, const QWidget* window) {
    // A list's line and drop-down are shown through the list itself.
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p))
            return true;
    return false;
}

Shown WhatItShows(const QWidget* window) {
    Shown shown;
    shown[QStringLiteral("title")] = window->windowTitle();
    QHash<QString, int> seen;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || PartOfList(w, window))
            continue;
        const QString key = name + u'#' + QString::number(seen[name]++);
        if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            shown[key] = Flags(w) + QStringLiteral("%1 of %2 \"%3\"")
                                        .arg(list->currentIndex())
                                        .arg(list->count())
                                        .arg(list->currentText());
        } else if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
            shown[key] = Flags(w) + box->text();
        } else if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
            shown[key] = Flags(w) + (check->isChecked() ? "ticked" : "clear");
        } else if (const auto* spin = qobject_cast<const QSpinBox*>(w)) {
            shown[key] = Flags(w) + QString::number(spin->value());
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            shown[key] = Flags(w) + label->text();
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
            const QAbstractItemModel* model = view->model();
            for (int r = 0; model && r < model->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < model->columnCount(); ++c)
                    cells << model->index(r, c).data().toString();
                shown[key + QStringLiteral(" row %1").arg(r + 1)] = cells.join(u'|');
            }
        }
    }
    return shown;
}

/// The controls whose states differ, each with both states.
std::string Differences(const Shown& expected, const Shown& actual) {
    std::string out;
    auto add = [&out](const QString& key, const QString& want, const QString& got) {
        out += "  " + key.toStdString() + ": expected [" + want.toStdString() + "] shows [" +
               got.toStdString() + "]\n";
    };
    for (const auto& [key, value] : expected) {
        auto it = actual.find(key);
        if (it == actual.end())
            add(key, value, QStringLiteral("(missing)"));
        else if (it->second != value)
            add(key, value, it->second);
    }
    for (const auto& [key, value] : actual)
        if (!expected.count(key))
            add(key, QStringLiteral("(missing)"), value);
    return out;
}

std::string DocumentDifferences(const AppContext& app, const RadioDocument& expected) {
    std::string out;
    for (const DocumentDifference& d : CompareDocuments(expected, app.doc, app.texts))
        out += "  " + DifferenceLine(app.texts, d) + "\n";
    return out;
}

/// Opens every window of the window table but the two modal dialogs (batch
/// settings, test data), as the user opens them; their names and windows.
std::map<QString, QWidget*> OpenEveryWindow(Harness& h) {
    std::map<QString, QWidget*> open;
    int count = 0;
    const WindowRow* rows = WindowTable(&count);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromLatin1(rows[i].name);
        if (name == QLatin1String("FrmCHBatch") || name == QLatin1String(FrmTestData::kName))
            continue;
        if (name == QLatin1String("FrmCHInfoEdit"))
            h.main->ShowChannelEditDialog();
        else
            h.main->ShowChildWindow(name);
        QApplication::processEvents();
        open[name] = h.main->FindChildWindow(name);
        EXPECT_NE(open[name], nullptr) << name.toStdString();
    }
    QApplication::processEvents();
    return open;
}

std::map<QString, Shown> WhatEachShows(const std::map<QString, QWidget*>& windows) {
    std::map<QString, Shown> shown;
    for (const auto& [name, window] : windows)
        if (window)
            shown[name] = WhatItShows(window);
    return shown;
}

void CloseEveryWindow(Harness& h) {
    h.main->CloseCurAllWindows();
    QApplication::processEvents();
}

/// A document unlike the new one in every window: channels moved, added and
/// given other members, other presets, test pairs, options, DTMF codes,
/// message, keys, alert and scan settings, and other factory test data.
void MakeAnotherDocument(AppContext& app) {
    RadioDocument& doc = app.doc;
    ChannelRecord* one = FindChannel(doc, 1);
    ASSERT_NE(one, nullptr);
    one->RxFreq = "44603125";
    one->Name = "CH ONE";
    one->RxTone = 5;
    one->TxTone = 60;
    one->RevTalkMode = 1;
    one->Talkaround = 1;
    one->Whisper = 1;
    one->SignalRelation = 1;
    one->AutoDialMem = 1;
    one->IdCode = "12";
    if (ChannelRecord* vfo = FindChannel(doc, kVfoChannelNo))
        vfo->RxFreq = "44619375";
    const std::pair<int, const char*> added[] = {{2, "446.00625"},
                                                 {5, "446.04375"},
                                                 {17, "446.09375"},
                                                 {64, "446.15625"},
                                                 {128, "446.18125"}};
    for (const auto& [no, mhz] : added)
        ASSERT_TRUE(AddChannel(app, no, mhz)) << no;
    ChannelRecord* two = FindChannel(doc, 2);
    two->Name = "BASE";
    two->RxTone = 12;
    two->TxTone = 600;
    two->ScanSkip = 1;
    two->OptSignal = 1;
    ChannelRecord* five = FindChannel(doc, 5);
    five->Name = "CAR 5";
    five->Reverse = 1;
    five->TxShiftDir = 2;
    five->TxShift = "0001250";
    ChannelRecord* seventeen = FindChannel(doc, 17);
    seventeen->AutoDialMem = 3;
    seventeen->PttId = 2;
    seventeen->Scramble = 1;
    seventeen->Compander = 1;
    seventeen->IdCode = "123";

    for (FmPreset& p : doc.FmPresets)
        p.IsEmpty = 1;
    const std::pair<int, const char*> presets[] = {
        {0, "08850000"}, {2, "09050000"}, {5, "10710000"}};
    for (const auto& [at, freq] : presets) {
        doc.FmPresets[static_cast<std::size_t>(at)].IsEmpty = 0;
        doc.FmPresets[static_cast<std::size_t>(at)].Freq = freq;
    }
    doc.TestFreqs[0].TxFreq = "44600625";
    doc.TestFreqs[0].RxFreq = "44600625";
    doc.TestFreqs[3].TxFreq = "44609375";
    doc.TestFreqs[3].RxFreq = "44610625";

    OptFeatures& o = doc.Settings.Opt;
    o.FreqStep = 4;
    o.SqlLevel = 7;
    o.DisplayMode = 2;
    o.ScreenColor = 2;
    o.Backlight = 2;
    o.BatterySave = 3;
    o.VoicePrompt = 2;
    o.KeyBeep = 1;
    o.PromptVolume = 3;
    o.TailElimMode = 2;
    o.FmRadio = 1;
    o.WorkMode = 1;
    o.CurrentCh = 17;
    o.FmCurrentCh = 3;
    o.ScramblerFreq = 3;
    o.PowerOnDisplay = 2;
    o.DirectCh1 = 5;
    o.DirectCh2 = 64;
    o.Tot = 90;
    o.TotPreAlert = 4;
    o.TotRekey = 30;
    o.TotReset = 12;
    o.VoxLevel = 2;
    o.VoxDelay = 5;
    o.NoInit = 1;
    o.NoSigTailElim = 1;
    o.VoxTone = 1;
    o.FmWorkMode = 1;
    o.ScanMode = 2;
    o.ScanPause = 1;
    o.PowerOnText = "PMR446 RADIO";

    DtmfSettings& d = doc.Settings.Dtmf;
    d.DtmfRate = 4;
    d.FirstDigitTime = 6;
    d.FirstDigitDelay = 10;
    d.StarHashTime = 10;
    d.DKey = 5;
    d.SideTone = 1;
    d.DtmfSignalling = 1;
    d.CallPrompt = 2;
    d.MiddleCode = 11;
    d.GroupCode = 3;
    d.AutoResetTime = 7;
    d.BotCode = DtmfCodeFromText("123A");
    d.EotCode = DtmfCodeFromText("#*9");
    d.StunCode = DtmfCodeFromText("5555");
    d.KillCode = DtmfCodeFromText("9999");
    d.DialMemory[0] = DtmfCodeFromText("1234567");
    d.DialMemory[2] = DtmfCodeFromText("8888");
    d.DialMemory[15] = DtmfCodeFromText("0");

    EmbMessage& m = doc.Settings.EmbMsg;
    m.Line1 = StoredMessageLine("WELCOME");
    m.Line2 = StoredMessageLine("TO THE");
    m.Line3 = StoredMessageLine("RADIO");
    m.Line4 = StoredMessageLine("");

    KeySettings& k = doc.Settings.Keys;
    k.LongPressTime = 15;
    k.Pf1Long = 3;
    k.Pf1Short = 5;
    k.Pf2Long = 11;
    k.Pf2Short = 7;
    k.Key3Long = 2;
    k.Key4Long = 9;
    k.Key3Short = 1;
    k.Key4Short = 4;

    AlertSettings& a = doc.Settings.Alert;
    a.Type = 2;
    a.IdType = 1;
    a.IdMemory = 3;
    a.AlarmTime = 20;
    a.TxTime = 10;
    a.RxTime = 15;
    a.EmergencyCh = 17;
    a.Cycles = 4;
    doc.AlarmMode = 1;

    ScanSettings& s = doc.Settings.Scan;
    s.Mode = 1;
    s.PriorityMode = 3;
    s.RevertCh = 6;
    s.LookBackA = 12;
    s.LookBackB = 20;
    s.RxResumeDelay = 25;
    s.TxResumeDelay = 30;
    s.EntryTone = 1;
    s.ExitTone = 1;
    s.PriorityCh1 = 5;
    s.PriorityCh2 = 128;
    s.WaitTime = 10;

    for (std::size_t i = 0; i < app.factory.TestData.size(); ++i)
        app.factory.TestData[i] = static_cast<std::uint8_t>(10 * i + 3);
}

/// The main window with its own channel windows, the factory mode on.
struct WholeDocumentFixture : ::testing::Test {
    WholeDocumentFixture() : h(install, true, 1, false) {
        testing::WaitFor([this] { return h.main->FindChildWindow("frmCommChInfo") != nullptr; });
    }
    std::unique_ptr<FrmTestData> OpenTestData() {
        return std::make_unique<FrmTestData>(
            h.app, h.ui, FindWindowRow(QString::fromLatin1(FrmTestData::kName))->helpTopic,
            h.main.get());
    }
    /// Publishes the whole document; true when nothing else was published.
    bool PutBack() {
        int others = 0;
        const unsigned allButWhole = 0xffu & ~Kinds(DocumentChange::Whole);
        DocumentSubscription count(h.app.docState.Events, allButWhole,
                                   [&others](DocumentChange, int) { ++others; });
        h.app.docState.Events.Publish(DocumentChange::Whole);
        QApplication::processEvents();
        return others == 0;
    }

    TestInstall install;
    Harness h;
};

TEST_F(WholeDocumentFixture, EveryOpenWindowShowsItAsAWindowOpenedOnItDoes) {
    const RadioDocument first = h.app.doc;
    const TestDataBytes firstData = h.app.factory.TestData;

    // The other document as the windows store it: the first showing writes
    // back the values they normalise, a second one writes nothing.
    MakeAnotherDocument(h.app);
    OpenEveryWindow(h);
    CloseEveryWindow(h);
    const RadioDocument other = h.app.doc;
    const TestDataBytes otherData = h.app.factory.TestData;
    const std::map<QString, Shown> expected = WhatEachShows(OpenEveryWindow(h));
    Shown expectedTestData = WhatItShows(OpenTestData().get());
    ASSERT_EQ(h.app.doc, other) << DocumentDifferences(h.app, other);
    CloseEveryWindow(h);

    h.app.doc = first;
    h.app.factory.TestData = firstData;
    const std::map<QString, QWidget*> windows = OpenEveryWindow(h);
    const std::unique_ptr<FrmTestData> testData = OpenTestData();
    // Each window shows something of the other document, so one that is
    // not shown again cannot pass unnoticed (the information window shows
    // what the radio said, not the document).
    for (const auto& [name, window] : windows) {
        if (window && name != QLatin1String("FrmRadioInfo")) {
            EXPECT_NE(WhatItShows(window), expected.at(name)) << name.toStdString();
        }
    }
    ASSERT_NE(WhatItShows(testData.get()), expectedTestData);

    const std::size_t eventsBefore = h.ui.Events().size();
    h.app.doc = other;
    h.app.factory.TestData = otherData;
    EXPECT_TRUE(PutBack()) << "showing the document published a change of its own";

    EXPECT_EQ(h.app.doc, other) << DocumentDifferences(h.app, other);
    EXPECT_EQ(h.app.factory.TestData, otherData);
    EXPECT_EQ(h.ui.Events().size(), eventsBefore) << "showing the document asked or told something";
    for (const auto& [name, window] : windows) {
        ASSERT_EQ(h.main->FindChildWindow(name), window) << name.toStdString() << " was not kept";
        const std::string differences = Differences(expected.at(name), WhatItShows(window));
        EXPECT_TRUE(differences.empty()) << name.toStdString() << ":\n" << differences;
    }
    const std::string differences = Differences(expectedTestData, WhatItShows(testData.get()));
    EXPECT_TRUE(differences.empty()) << "FrmTestData:\n" << differences;
}

TEST_F(WholeDocumentFixture, ChannelGridKeepsItsCursorAndTopRow) {
    auto* grid = dynamic_cast<frmCommChInfo*>(h.main->FindChildWindow("frmCommChInfo"));
    ASSERT_NE(grid, nullptr);
    const auto cell = [grid](int row, int col) { return grid->CellText(row, col).toStdString(); };
    const QComboBox* rxList = grid->findChild<QComboBox*>(QStringLiteral("Combo8(1)"));
    const QComboBox* toneList = grid->findChild<QComboBox*>(QStringLiteral("Combo1"));
    ASSERT_TRUE(rxList && toneList);
    const RadioDocument first = h.app.doc;
    MakeAnotherDocument(h.app);
    const RadioDocument other = h.app.doc;
    h.app.doc = first;
    ASSERT_TRUE(PutBack());
    grid->SetTopRow(50);
    grid->SetCurrentCell(64, 1);
    QApplication::processEvents();
    const int top = grid->TopRow();
    ASSERT_EQ(cell(64, 1), "");

    h.app.doc = other;
    ASSERT_TRUE(PutBack());
    EXPECT_EQ(grid->CurrentRow(), 64);
    EXPECT_EQ(grid->CurrentCol(), 1);
    EXPECT_EQ(grid->TopRow(), top);
    EXPECT_EQ(cell(64, 1), "446.15625");
    // The receive list laid over the cell shows the new frequency too.
    EXPECT_FALSE(rxList->isHidden());
    EXPECT_EQ(rxList->currentText().toStdString(), "446.15625");

    // On a channel's tone, and back to the first document, which lacks the
    // channel: the row is empty and the tone list goes with the channel.
    grid->SetCurrentCell(64, 4);
    QApplication::processEvents();
    ASSERT_FALSE(toneList->isHidden());
    h.app.doc = first;
    ASSERT_TRUE(PutBack());
    EXPECT_EQ(cell(64, 1), "");
    EXPECT_EQ(cell(64, 4), "");
    EXPECT_EQ(grid->CurrentRow(), 64);
    EXPECT_TRUE(toneList->isHidden());
    EXPECT_EQ(h.app.doc, first);
}

TEST_F(WholeDocumentFixture, OpenPresetEditorStartsFromThePutBackValue) {
    auto* window =
        dynamic_cast<FrmRadio*>(h.main->ShowChildWindow(QString::fromLatin1(FrmRadio::kName)));
    ASSERT_NE(window, nullptr);
    DocumentRowGrid* grid = window->Grid();
    FmPreset& preset = h.app.doc.FmPresets[2];
    preset.IsEmpty = 0;
    preset.Freq = "09050000";
    ASSERT_TRUE(PutBack());
    grid->EditCell(2, 1);
    ASSERT_TRUE(grid->Editor());
    EXPECT_EQ(grid->Editor()->text().toStdString(), "90.500");

    preset.Freq = "09870000";
    ASSERT_TRUE(PutBack());
    EXPECT_EQ(grid->item(2, 1)->text().toStdString(), "98.70000");
    ASSERT_TRUE(grid->Editor());
    EXPECT_EQ(grid->Editor()->text().toStdString(), "98.700");
    // Leaving the cell writes what the editor shows: the put-back value.
    h.main->CommitEdits(true);
    EXPECT_EQ(preset.Freq.raw(), "09870000");
}

} // namespace
} // namespace pmr
