#include "FrmOptFeatures.h"

#include "../../StandardWindows.h"
#include "../shared/CharacterBoxRow.h"
#include "app/AppContext.h"
#include "document/ChoiceLists.h"
#include "document/SettingsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pmr {

namespace {

QStringList Numbers(int from, int to, int step = 1) {
    QStringList entries;
    for (int v = from; v <= to; v += step)
        entries << QString::number(v);
    return entries;
}

QStringList NumberEntries(const std::vector<int>& numbers) {
    QStringList entries;
    for (int n : numbers)
        entries << QString::number(n);
    return entries;
}

} // namespace

QComboBox* FrmOptFeatures::MakeList(const QString& name, bool hidden) {
    QComboBox* list = NewList(name);
    if (hidden)
        list->hide(); // a field the window keeps without showing it
    lists_[name] = list;
    return list;
}

QCheckBox* FrmOptFeatures::MakeCheck(const QString& name, int textId) {
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    EnterMovesOn(box);
    checkTexts_[box] = textId;
    if (textId == 0)
        box->hide();
    return box;
}

QComboBox* FrmOptFeatures::List(const QString& name) const {
    auto it = lists_.find(name);
    return it == lists_.end() ? nullptr : it->second;
}

FrmOptFeatures::FrmOptFeatures(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    OptFeatures& o = app_.doc.Settings.Opt;
    struct Row {
        const char* name;
        int caption;
        std::vector<int> texts; // entries made of texts; empty for fixed entries
        QStringList fixed;
    };
    const int off = 16046;
    const Row left[] = {
        {"cboFreqStep", 16001, {}, {"5K", "6.25K", "10K", "12.5K", "15K", "20K", "25K", "30K", "50K"}},
        {"cboSqlLevel", 16002, {}, Numbers(0, 9)},
        {"cboDisplayMode", 16004, {16040, 16041, 16042}, {}},
        {"cboScreenColor", 16005, {16043, 16044, 16045}, {}},
        {"cboBacklight", 16006, {off, 16047, 16048}, {}},
        {"cboBatterySave", 16007, {off, 16049, 16050, 16051}, {}},
        {"cboVoicePrompt", 16010, {16056, 16058}, {}},
        {"cboKeyBeep", 16011, {off, 16047}, {}},
        {"cboPromptVolume", 16012, {}, Numbers(1, 5)},
        {"cboTailElimMode", 16009, {16300, 16301, 16054, 16055}, {}},
        {"cboFmRadio", 16035, {off, 16047}, {}},
        {"cboWorkMode", 16014, {16062, 16063}, {}},
        {"cboCurrentCh", 16018, {}, {}},
        {"cboFmCurrentCh", 16019, {}, {}},
    };
    QStringList voxDelays;
    for (int half = 1; half <= 10; ++half)
        voxDelays << QStringLiteral("%1.%2").arg(half / 2).arg(half % 2 ? 5 : 0);
    const Row right[] = {
        {"cboScramblerFreq", 16017, {16069, 16070, 16071, 16072}, {}},
        {"cboPowerOnDisplay", 16013, {16059, 16060, 16061}, {}},
        {"cboDirectCh1", 16501, {}, {}},
        {"cboDirectCh2", 16502, {}, {}},
        {"cboTot", 16020, {off}, Numbers(15, 240, 15)},
        {"cboTotPreAlert", 16022, {off}, Numbers(1, 15)},
        {"cboTotRekey", 16023, {}, Numbers(0, 60)},
        {"cboTotReset", 16024, {}, Numbers(0, 30)},
    };
    const Row vox[] = {
        {"cboVoxLevel", 16025, {off}, Numbers(1, 3)},
        {"cboVoxDelay", 16026, {}, voxDelays},
    };
    const Row hidden[] = {
        {"cboFmWorkMode", 0, {16064, 16065}, {}},
        {"cboScanMode", 0, {16066, 16067, 16068}, {}},
        {"cboScanPause", 0, {16073, 16074, 16075}, {}},
        {"cboChannelLock", 0, {16200, 16201}, {}},
    };

    auto build = [this](const Row& r, QGridLayout* grid, int at) {
        QComboBox* list = MakeList(QString::fromLatin1(r.name), grid == nullptr);
        if (!r.texts.empty())
            textEntries_[list] = r.texts;
        list->addItems(r.fixed); // text entries come first, from RelabelControls
        if (grid) {
            grid->addWidget(Caption(QStringLiteral("lbl") + QString::fromLatin1(r.name).mid(3), r.caption), at, 0);
            grid->addWidget(list, at, 1);
        }
    };
    auto* leftGrid = new QGridLayout;
    for (int i = 0; i < int(std::size(left)); ++i)
        build(left[i], leftGrid, i);
    auto* rightGrid = new QGridLayout;
    for (int i = 0; i < int(std::size(right)); ++i)
        build(right[i], rightGrid, i);
    for (const Row& r : hidden)
        build(r, nullptr, 0);

    // The power-on text: two rows of six boxes, then the check boxes.
    powerOn_ = new CharacterBoxRow(this, QStringLiteral("txtPowerOn"), 12, CharSet::AlphaNumeric);
    auto* boxes = new QGridLayout;
    boxes->setSpacing(2);
    for (int i = 0; i < 12; ++i)
        boxes->addWidget(powerOn_->Box(i), i / 6, i % 6);
    int r = int(std::size(right));
    rightGrid->addWidget(Caption(QStringLiteral("lblPowerOnText"), 16039), r, 0);
    rightGrid->addLayout(boxes, r++, 1);
    QCheckBox* noInit = MakeCheck(QStringLiteral("chkNoInit"), 16036);
    QCheckBox* noSigTail = MakeCheck(QStringLiteral("chkNoSigTailElim"), 16034);
    rightGrid->addWidget(noInit, r++, 1);
    rightGrid->addWidget(noSigTail, r++, 1);
    auto* voxGroup = new QGroupBox(QStringLiteral("VOX"), this);
    voxGroup->setObjectName(QStringLiteral("fraVox"));
    auto* voxGrid = new QGridLayout(voxGroup);
    for (int i = 0; i < int(std::size(vox)); ++i)
        build(vox[i], voxGrid, i);
    QCheckBox* voxTone = MakeCheck(QStringLiteral("chkVoxTone"), 16030);
    voxGrid->addWidget(voxTone, 2, 1);
    rightGrid->addWidget(voxGroup, r++, 0, 1, 2);
    rightGrid->setRowStretch(r, 1);
    leftGrid->setRowStretch(int(std::size(left)), 1);
    // Flags the window keeps without showing them.
    QCheckBox* wiredClone = MakeCheck(QStringLiteral("chkWiredClone"), 0);
    QCheckBox* factoryTest = MakeCheck(QStringLiteral("chkFactoryTest"), 0);
    QCheckBox* whisper = MakeCheck(QStringLiteral("chkWhisper"), 0);
    QCheckBox* voxOn = MakeCheck(QStringLiteral("chkVox"), 0);
    QCheckBox* alarm = MakeCheck(QStringLiteral("chkAlarm"), 0);

    RelabelControls();

    auto bind = [this](const char* name, FieldRef field, ListMapping mapping = ListMapping::Index(),
                       FieldBindings::AfterChange after = {}) {
        bindings_.BindList(lists_.at(QString::fromLatin1(name)), std::move(field), std::move(mapping),
                           std::move(after));
    };
    bind("cboFreqStep", Field(o.FreqStep));
    bind("cboSqlLevel", Field(o.SqlLevel));
    bind("cboDisplayMode", Field(o.DisplayMode), ListMapping::Index(), [this] { ApplyDisplayModeRule(); });
    bind("cboScreenColor", Field(o.ScreenColor));
    bind("cboBacklight", Field(o.Backlight));
    bind("cboBatterySave", Field(o.BatterySave));
    bind("cboVoicePrompt", Field(o.VoicePrompt), ListMapping::Table({0, 2}));
    bind("cboKeyBeep", Field(o.KeyBeep));
    bind("cboPromptVolume", Field(o.PromptVolume));
    bind("cboTailElimMode", Field(o.TailElimMode));
    bind("cboFmRadio", Field(o.FmRadio));
    bind("cboWorkMode", Field(o.WorkMode));
    bind("cboCurrentCh", Field(o.CurrentCh), ListMapping::EntryText());
    bind("cboFmCurrentCh", Field(o.FmCurrentCh), ListMapping::EntryText());
    bind("cboScramblerFreq", Field(o.ScramblerFreq));
    bind("cboPowerOnDisplay", Field(o.PowerOnDisplay));
    bind("cboDirectCh1", Field(o.DirectCh1), ListMapping::EntryText());
    bind("cboDirectCh2", Field(o.DirectCh2), ListMapping::EntryText());
    bind("cboTot", Field(o.Tot), ListMapping::Scaled(15));
    bind("cboTotPreAlert", Field(o.TotPreAlert));
    bind("cboTotRekey", Field(o.TotRekey));
    bind("cboTotReset", Field(o.TotReset));
    bind("cboVoxLevel", Field(o.VoxLevel));
    bind("cboVoxDelay", Field(o.VoxDelay));
    bind("cboFmWorkMode", Field(o.FmWorkMode));
    bind("cboScanMode", Field(o.ScanMode));
    bind("cboScanPause", Field(o.ScanPause));
    bind("cboChannelLock", Field(o.ChannelLock));
    bindings_.BindCheck(noInit, Field(o.NoInit));
    bindings_.BindCheck(noSigTail, Field(o.NoSigTailElim));
    bindings_.BindCheck(voxTone, Field(o.VoxTone));
    bindings_.BindCheck(wiredClone, Field(o.WiredClone));
    bindings_.BindCheck(factoryTest, Field(o.FactoryTest));
    bindings_.BindCheck(whisper, Field(o.Whisper));
    bindings_.BindCheck(voxOn, Field(o.Vox));
    bindings_.BindCheck(alarm, Field(o.Alarm));
    FrmOptFeatures::ShowDocument();
    powerOn_->OnEdited([this] { SaveOptFeat(); });
    channelChanges_ = DocumentSubscription(app_.docState.Events, Kinds(DocumentChange::OptionRefs),
                                           [this](DocumentChange, int) { ReshowByCh(); });

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftGrid);
    columns->addSpacing(16);
    columns->addLayout(rightGrid);
    SetBody(columns);
}

void FrmOptFeatures::ShowDocument() {
    OptFeatures& o = app_.doc.Settings.Opt;
    FillNumberLists();
    EditorWindow::ShowDocument();
    // The channel lock shows the record only in the channel display mode.
    if (o.DisplayMode != 1)
        o.ChannelLock = 0;

    powerOn_->Show(PowerOnTextShown(o.PowerOnText));
    SaveOptFeat(); // stored back as the boxes show it

    ApplyDisplayModeRule();
    ApplyChannelListRules(false);
}

void FrmOptFeatures::SaveOptFeat() {
    app_.doc.Settings.Opt.PowerOnText = powerOn_->Text();
}

void FrmOptFeatures::FillNumberLists() {
    const QStringList channels = NumberEntries(ChannelNumberList(app_.doc));
    for (const char* name : {"cboCurrentCh", "cboDirectCh1", "cboDirectCh2"}) {
        QComboBox* list = lists_.at(QString::fromLatin1(name));
        list->clear();
        list->addItems(channels);
    }
    QComboBox* presets = lists_.at(QStringLiteral("cboFmCurrentCh"));
    presets->clear();
    presets->addItems(NumberEntries(FmPresetNumberList(app_.doc)));
}

void FrmOptFeatures::ApplyDisplayModeRule() {
    QComboBox* work = lists_.at(QStringLiteral("cboWorkMode"));
    const bool channelMode = app_.doc.Settings.Opt.DisplayMode == 1;
    if (channelMode && work->count() > 1) {
        work->setCurrentIndex(1);
        app_.doc.Settings.Opt.WorkMode = 1;
    }
    work->setEnabled(!channelMode && lists_.at(QStringLiteral("cboCurrentCh"))->count() > 0);
}

void FrmOptFeatures::ApplyChannelListRules(bool reshow) {
    OptFeatures& o = app_.doc.Settings.Opt;
    QComboBox* current = lists_.at(QStringLiteral("cboCurrentCh"));
    QComboBox* work = lists_.at(QStringLiteral("cboWorkMode"));
    if (current->count() == 0) {
        work->setCurrentIndex(0);
        o.WorkMode = 0;
        current->setEnabled(false);
        work->setEnabled(false);
    } else {
        current->setEnabled(true);
        work->setEnabled(o.DisplayMode != 1);
    }
    QComboBox* fm = lists_.at(QStringLiteral("cboFmCurrentCh"));
    if (fm->count() == 0) {
        o.FmWorkMode = 0;
        lists_.at(QStringLiteral("cboFmWorkMode"))->setCurrentIndex(0);
        fm->setEnabled(false);
    } else if (!reshow || fm->count() > 1) {
        fm->setEnabled(true);
    }
}

void FrmOptFeatures::ReshowByCh() {
    FillNumberLists();
    for (const char* name : {"cboCurrentCh", "cboFmCurrentCh", "cboDirectCh1", "cboDirectCh2"})
        bindings_.ShowList(lists_.at(QString::fromLatin1(name)));
    ApplyChannelListRules(true);
}

void FrmOptFeatures::RelabelControls() {
    for (auto& [list, texts] : textEntries_) {
        // The text entries head the list; fixed entries follow them.
        const int at = list->currentIndex();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QString text = Text(texts[i]);
            if (static_cast<int>(i) < list->count() && list->property("textsAdded").toBool())
                list->setItemText(static_cast<int>(i), text);
            else
                list->insertItem(static_cast<int>(i), text);
        }
        list->setProperty("textsAdded", true);
        list->setCurrentIndex(at);
    }
    for (auto& [box, id] : checkTexts_)
        if (id != 0)
            box->setText(Text(id));
}

} // namespace pmr
