#include "FrmCHBatch.h"

#include "../../Interaction.h"
#include "../../StandardWindows.h"
#include "app/AppContext.h"
#include "app/FeatureSwitches.h"
#include "app/HelpPages.h"
#include "app/TextCatalog.h"
#include "document/ChoiceLists.h"
#include "document/ToneCodes.h"

#include <algorithm>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pmr {

namespace {

// Texts of the window (the item captions are 26010 + item, the check
// captions 26024 + check).
constexpr int kAllChannelsText = 26001;
constexpr int kFromChannelText = 26002;
constexpr int kToText = 26003;
constexpr int kRangeText = 26004;
constexpr int kShowItemsText = 26005;
constexpr int kHideItemsText = 26006;
constexpr int kApplyText = 26007;
constexpr int kCloseText = 26008;
constexpr int kItemsText = 26009;
constexpr int kFirstItemText = 26010;
constexpr int kFirstCheckText = 26024;
constexpr int kStartFrequencyText = 26031;
constexpr int kRxStepText = 26032;
constexpr int kIncreaseText = 26033;
constexpr int kDecreaseText = 26034;
constexpr int kTxDefaultText = 26035;
constexpr int kTxOffsetModeText = 26036;
constexpr int kTxStartModeText = 26037;
constexpr int kOffsetText = 26038;
constexpr int kPlusText = 26039;
constexpr int kMinusText = 26040;
constexpr int kTxStepText = 26041;
constexpr int kStartToneText = 26042;
constexpr int kIntervalText = 26043;
constexpr int kRandomText = 26044;
constexpr int kSelectAllText = 26045;
constexpr int kSelectNoneText = 26046;
constexpr int kSameAsDecodeText = 26047;
constexpr int kFixedTextText = 26048;
constexpr int kDigitalIdText = 26049;
constexpr int kStartIdText = 26050;
constexpr int kIdStepText = 26051;
constexpr int kNameText = 26052;
constexpr int kClearOutsideText = 26099;
constexpr int kHelpText = 9025;

/// The entries of the lists of items 6..13, as the channel edit dialog offers
/// them (the auto-dial memory list is built from the DTMF memories instead).
const std::vector<int> kListTexts[kBatchListCount] = {
    {15044},                      // transmit power
    {15030, 15043},               // optional signalling
    {15030, 15037, 15038, 15039}, // PTT ID
    {15042},                      // channel spacing
    {15030, 15031, 15032},        // busy-channel lockout (the fourth is never offered)
    {15034, 15035},               // reverse / talkaround
    {},                           // auto-dial memory
    {15050, 15051},               // signalling relation
};
constexpr int kAutoDialList = kBatchAutoDialMem - kBatchFirstList;
constexpr int kListMinimumWidth = 110;

const char* const kListNames[kBatchListCount] = {
    "cboTxPower",  "cboOptSignal",   "cboPttId",       "cboChSpacing",
    "cboBusyLock", "cboRevTalkMode", "cboAutoDialMem", "cboSignalRelation"};
const char* const kCheckNames[kBatchCheckCount] = {"chkScanSkip",   "chkScramble", "chkTxInhibit",
                                                   "chkTalkaround", "chkReverse",  "chkWhisper",
                                                   "chkCompander"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

QHBoxLayout* Line(std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        line->addWidget(w);
    line->addStretch(1);
    return line;
}

} // namespace

FrmCHBatch::FrmCHBatch(const EditorContext& context, const WindowRow& row, QWidget* parent)
    : QDialog(parent), context_(context), app_(context.app), titleTextId_(row.titleTextId),
      helpTopic_(row.helpTopic) {
    setObjectName(QString::fromLatin1(row.name));
    setProperty("helpTopic", row.helpTopic);

    auto* outer = new QVBoxLayout(this);
    // The window grows and shrinks with the items shown.
    outer->setSizeConstraint(QLayout::SetFixedSize);
    BuildRange(outer);

    // The stepped items on the left, the lists and check boxes on the right.
    auto* columns = new QHBoxLayout;
    auto* left = new QGridLayout;
    auto* right = new QGridLayout;
    for (int item = 0; item < kBatchItemCount; ++item) {
        QGridLayout* grid = item < kBatchFirstList ? left : right;
        const int at = item < kBatchFirstList ? item : item - kBatchFirstList;
        QWidget* controls = BuildItemRow(item);
        rows_[static_cast<std::size_t>(item)] = controls;
        if (item < kBatchFirstCheck) {
            QLabel* caption =
                NewLabel(QStringLiteral("lblItem%1").arg(item), kFirstItemText + item, true);
            rowCaptions_[static_cast<std::size_t>(item)] = caption;
            // Beside the first line of a row of several lines.
            const int line = controls->layout()->itemAt(0)->sizeHint().height();
            caption->setContentsMargins(
                0, std::max(0, (line - caption->fontMetrics().height()) / 2), 0, 0);
            grid->addWidget(caption, at, 0, Qt::AlignRight | Qt::AlignTop);
        }
        grid->addWidget(controls, at, 1);
    }
    left->setRowStretch(kBatchFirstList, 1);
    right->setRowStretch(kBatchListCount + kBatchCheckCount, 1);
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);
    outer->addLayout(columns);

    BuildSwitchList();
    outer->addWidget(switchList_);
    BuildButtons(outer);

    ChangShowByLanguage(); // fills the lists too: their entries are texts
    SetShowData();
}

// ---- Building ---------------------------------------------------------------

QLineEdit* FrmCHBatch::NewBox(const QString& name, int maxLength, int widthChars, CharSet set,
                              std::function<QString(const QString&)> rule) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setFixedWidth(
        box->fontMetrics().horizontalAdvance(QString(widthChars + 2, QLatin1Char('0'))));
    ApplyTextRules(box, set);
    if (rule) {
        boxRules_[box] = std::move(rule);
        box->installEventFilter(this); // normalised when it loses the focus
    }
    return box;
}

QComboBox* FrmCHBatch::NewList(const QString& name) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setMinimumWidth(kListMinimumWidth);
    EnterMovesOn(list);
    return list;
}

QRadioButton* FrmCHBatch::NewOption(const QString& name, int textId) {
    auto* option = new QRadioButton(this);
    option->setObjectName(name);
    EnterMovesOn(option);
    captions_.emplace_back(option, textId);
    return option;
}

QCheckBox* FrmCHBatch::NewCheck(const QString& name, int textId) {
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    EnterMovesOn(box);
    captions_.emplace_back(box, textId);
    return box;
}

QLabel* FrmCHBatch::NewLabel(const QString& name, int textId, bool rightAligned) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    if (rightAligned)
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    captions_.emplace_back(label, textId);
    return label;
}

FrmCHBatch::Direction FrmCHBatch::NewDirection(const QString& prefix) {
    Direction d;
    d.increase = NewOption(QStringLiteral("opt%1Increase").arg(prefix), kIncreaseText);
    d.decrease = NewOption(QStringLiteral("opt%1Decrease").arg(prefix), kDecreaseText);
    // Each pair of options is a choice of its own.
    auto* group = new QButtonGroup(this);
    group->addButton(d.increase);
    group->addButton(d.decrease);
    return d;
}

void FrmCHBatch::BuildRange(QVBoxLayout* into) {
    auto* range = new QGroupBox(this);
    range->setObjectName(QStringLiteral("fraRange"));
    captions_.emplace_back(range, kRangeText);
    allChannels_ = NewOption(QStringLiteral("optAllChannels"), kAllChannelsText);
    fromChannel_ = NewOption(QStringLiteral("optFromChannel"), kFromChannelText);
    auto* group = new QButtonGroup(this);
    group->addButton(allChannels_);
    group->addButton(fromChannel_);
    const auto rangeRule = [](const QString& t) { return QString::number(RangeBoxValue(S(t))); };
    fromBox_ = NewBox(QStringLiteral("txtFromChannel"), 3, 3, CharSet::Digits, rangeRule);
    toBox_ = NewBox(QStringLiteral("txtToChannel"), 3, 3, CharSet::Digits, rangeRule);
    clearOutside_ = NewCheck(QStringLiteral("chkClearOutside"), kClearOutsideText);
    auto* line = Line(
        {allChannels_, fromChannel_, fromBox_, NewLabel(QStringLiteral("lblTo"), kToText), toBox_});
    line->addSpacing(24);
    line->addWidget(clearOutside_);
    range->setLayout(line);
    into->addWidget(range);
    connect(allChannels_, &QRadioButton::toggled, this, [this] { ApplyModes(); });
}

QWidget* FrmCHBatch::BuildItemRow(int item) {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("fraItem%1").arg(item));
    auto* lines = new QVBoxLayout(row);
    lines->setContentsMargins(0, 0, 0, 0);
    const auto band = [this] { return BandRuleOf(app_.docState); };
    const auto frequencyRule = [band](const QString& t) { return Q(StepDataFre(S(t), band())); };
    const auto stepRule = [band](const QString& t) { return Q(StepData(S(t), band())); };
    const auto countRule = [](const QString& t) { return Q(DefaultData(S(t), "0")); };

    switch (item) {
    case kBatchRxFreq:
        rxStart_ = NewBox(QStringLiteral("txtRxStart"), 9, 9, CharSet::Decimal, frequencyRule);
        rxStep_ = NewBox(QStringLiteral("txtRxStep"), 8, 6, CharSet::Decimal, stepRule);
        rxDirection_ = NewDirection(QStringLiteral("Rx"));
        lines->addLayout(Line({NewLabel(QStringLiteral("lblRxStart"), kStartFrequencyText),
                               rxStart_, NewLabel(QStringLiteral("lblRxStep"), kRxStepText),
                               rxStep_, rxDirection_.increase, rxDirection_.decrease}));
        break;
    case kBatchTxFreq: {
        txDefault_ = NewOption(QStringLiteral("optTxDefault"), kTxDefaultText);
        txOffset_ = NewOption(QStringLiteral("optTxOffset"), kTxOffsetModeText);
        txStartMode_ = NewOption(QStringLiteral("optTxStart"), kTxStartModeText);
        auto* modes = new QButtonGroup(this);
        for (QRadioButton* mode : {txDefault_, txOffset_, txStartMode_}) {
            modes->addButton(mode);
            connect(mode, &QRadioButton::toggled, this, [this] { ApplyModes(); });
        }
        offset_ = NewBox(QStringLiteral("txtTxOffset"), 8, 8, CharSet::Decimal,
                         [](const QString& t) { return Q(StepDataFree(S(t))); });
        offsetPlus_ = NewOption(QStringLiteral("optTxPlus"), kPlusText);
        offsetMinus_ = NewOption(QStringLiteral("optTxMinus"), kMinusText);
        auto* signs = new QButtonGroup(this);
        signs->addButton(offsetPlus_);
        signs->addButton(offsetMinus_);
        txStart_ = NewBox(QStringLiteral("txtTxStart"), 9, 9, CharSet::Decimal, frequencyRule);
        txStep_ = NewBox(QStringLiteral("txtTxStep"), 8, 6, CharSet::Decimal, stepRule);
        txDirection_ = NewDirection(QStringLiteral("Tx"));
        lines->addLayout(Line({txDefault_, txOffset_, txStartMode_}));
        lines->addLayout(Line({NewLabel(QStringLiteral("lblTxOffset"), kOffsetText), offset_,
                               offsetPlus_, offsetMinus_}));
        lines->addLayout(Line({NewLabel(QStringLiteral("lblTxStart"), kStartFrequencyText),
                               txStart_, NewLabel(QStringLiteral("lblTxStep"), kTxStepText),
                               txStep_, txDirection_.increase, txDirection_.decrease}));
        break;
    }
    case kBatchRxTone:
        rxToneStart_ = NewList(QStringLiteral("cboRxToneStart"));
        rxToneInterval_ =
            NewBox(QStringLiteral("txtRxToneInterval"), 4, 4, CharSet::Digits, countRule);
        rxToneDirection_ = NewDirection(QStringLiteral("RxTone"));
        rxToneRandom_ = NewCheck(QStringLiteral("chkRxToneRandom"), kRandomText);
        connect(rxToneRandom_, &QCheckBox::toggled, this, [this] { ApplyModes(); });
        lines->addLayout(
            Line({NewLabel(QStringLiteral("lblRxToneStart"), kStartToneText), rxToneStart_,
                  NewLabel(QStringLiteral("lblRxToneInterval"), kIntervalText), rxToneInterval_,
                  rxToneDirection_.increase, rxToneDirection_.decrease, rxToneRandom_}));
        break;
    case kBatchTxTone:
        txToneDefault_ = NewCheck(QStringLiteral("chkTxToneDefault"), kSameAsDecodeText);
        txToneStart_ = NewList(QStringLiteral("cboTxToneStart"));
        txToneInterval_ =
            NewBox(QStringLiteral("txtTxToneInterval"), 4, 4, CharSet::Digits, countRule);
        txToneDirection_ = NewDirection(QStringLiteral("TxTone"));
        txToneRandom_ = NewCheck(QStringLiteral("chkTxToneRandom"), kRandomText);
        for (QCheckBox* box : {txToneDefault_, txToneRandom_})
            connect(box, &QCheckBox::toggled, this, [this] { ApplyModes(); });
        lines->addLayout(Line({txToneDefault_}));
        lines->addLayout(
            Line({NewLabel(QStringLiteral("lblTxToneStart"), kStartToneText), txToneStart_,
                  NewLabel(QStringLiteral("lblTxToneInterval"), kIntervalText), txToneInterval_,
                  txToneDirection_.increase, txToneDirection_.decrease, txToneRandom_}));
        break;
    case kBatchName: {
        nameFixedMode_ = NewOption(QStringLiteral("optNameFixed"), kFixedTextText);
        nameIdMode_ = NewOption(QStringLiteral("optNameId"), kDigitalIdText);
        auto* modes = new QButtonGroup(this);
        for (QRadioButton* mode : {nameFixedMode_, nameIdMode_}) {
            modes->addButton(mode);
            connect(mode, &QRadioButton::toggled, this, [this] { ApplyModes(); });
        }
        nameFixed_ = NewBox(QStringLiteral("txtNameFixed"), 6, 6, CharSet::AlphaNumeric, {});
        nameStart_ = NewBox(QStringLiteral("txtNameStart"), 6, 6, CharSet::Digits, countRule);
        nameStep_ = NewBox(QStringLiteral("txtNameStep"), 6, 6, CharSet::Digits, countRule);
        nameDirection_ = NewDirection(QStringLiteral("Name"));
        lines->addLayout(Line(
            {nameFixedMode_, NewLabel(QStringLiteral("lblNameFixed"), kNameText), nameFixed_}));
        lines->addLayout(Line({nameIdMode_, NewLabel(QStringLiteral("lblNameStart"), kStartIdText),
                               nameStart_, NewLabel(QStringLiteral("lblNameStep"), kIdStepText),
                               nameStep_, nameDirection_.increase, nameDirection_.decrease}));
        break;
    }
    case kBatchIdCode: {
        // A radio that sends channel IDs as three digits keeps three.
        const int digits = app_.doc.Settings.Dtmf.DtmfSignalling != 0 ? 3 : 10;
        idStart_ = NewBox(QStringLiteral("txtIdStart"), digits, 10, CharSet::Digits,
                          [digits](const QString& t) { return Q(OwnIdStartData(S(t), digits)); });
        idStep_ = NewBox(QStringLiteral("txtIdStep"), digits, 10, CharSet::Digits, countRule);
        idDirection_ = NewDirection(QStringLiteral("Id"));
        lines->addLayout(Line({NewLabel(QStringLiteral("lblIdStart"), kStartIdText), idStart_,
                               NewLabel(QStringLiteral("lblIdStep"), kIdStepText), idStep_,
                               idDirection_.increase, idDirection_.decrease}));
        break;
    }
    default:
        if (item < kBatchFirstCheck) {
            QComboBox* list = NewList(QString::fromLatin1(kListNames[item - kBatchFirstList]));
            lists_[static_cast<std::size_t>(item - kBatchFirstList)] = list;
            lines->addLayout(Line({list}));
        } else {
            const int check = item - kBatchFirstCheck;
            QCheckBox* box =
                NewCheck(QString::fromLatin1(kCheckNames[check]), kFirstCheckText + check);
            checks_[static_cast<std::size_t>(check)] = box;
            lines->addLayout(Line({box}));
        }
        break;
    }
    return row;
}

void FrmCHBatch::BuildSwitchList() {
    switchList_ = new QGroupBox(this);
    switchList_->setObjectName(QStringLiteral("fraItems"));
    captions_.emplace_back(switchList_, kItemsText);
    auto* grid = new QGridLayout(switchList_);
    constexpr int kPerColumn = 7;
    for (int item = 0; item < kBatchItemCount; ++item) {
        QCheckBox* box = NewCheck(QStringLiteral("chkItem%1").arg(item), kFirstItemText + item);
        switches_[static_cast<std::size_t>(item)] = box;
        grid->addWidget(box, item % kPerColumn, item / kPerColumn);
        connect(box, &QCheckBox::clicked, this, [this, item] { OnSwitchClicked(item); });
    }
    auto* all = new QPushButton(switchList_);
    all->setObjectName(QStringLiteral("cmdSelectAll"));
    captions_.emplace_back(all, kSelectAllText);
    auto* none = new QPushButton(switchList_);
    none->setObjectName(QStringLiteral("cmdSelectNone"));
    captions_.emplace_back(none, kSelectNoneText);
    all->setAutoDefault(false);
    none->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, [this] { SelectAllSwitches(true); });
    connect(none, &QPushButton::clicked, this, [this] { SelectAllSwitches(false); });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 3, kPerColumn, 1);
    grid->setColumnMinimumWidth(3, 100);
    switchList_->hide();
}

void FrmCHBatch::BuildButtons(QVBoxLayout* into) {
    selectItems_ = new QPushButton(this);
    selectItems_->setObjectName(QStringLiteral("cmdSelectItems"));
    selectItems_->setAutoDefault(false);
    connect(selectItems_, &QPushButton::clicked, this, [this] { ToggleSwitchList(); });
    auto* apply = new QPushButton(this);
    apply->setObjectName(QStringLiteral("cmdApply"));
    apply->setAutoDefault(false);
    captions_.emplace_back(apply, kApplyText);
    connect(apply, &QPushButton::clicked, this, [this] { Apply(); });
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    captions_.emplace_back(close, kCloseText);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("CommandHelp"));
    help_->setAutoDefault(false);
    help_->setVisible(IsHelpAvailable(app_.config));
    captions_.emplace_back(help_, kHelpText);
    connect(help_, &QPushButton::clicked, this, [this] {
        if (context_.showHelp)
            context_.showHelp(helpTopic_);
    });
    auto* line = new QHBoxLayout;
    line->addWidget(selectItems_);
    line->addStretch(1);
    line->addWidget(apply);
    line->addWidget(close);
    line->addWidget(help_);
    into->addLayout(line);
}

// ---- Showing ----------------------------------------------------------------

void FrmCHBatch::InitShowList() {
    QStringList tones;
    for (const std::string& name : ToneNames(app_.texts))
        tones << Q(name);
    for (QComboBox* list : {rxToneStart_, txToneStart_}) {
        const int at = list->currentIndex();
        list->clear();
        list->addItems(tones);
        list->setCurrentIndex(std::max(at, 0));
    }
    for (int i = 0; i < kBatchListCount; ++i) {
        QStringList entries;
        if (i == kAutoDialList) {
            for (const std::string& entry : DtmfGroupList(app_))
                entries << Q(entry);
        } else {
            for (int id : kListTexts[i])
                entries << Q(app_.texts.GetLangText(id));
        }
        QComboBox* list = lists_[static_cast<std::size_t>(i)];
        const int at = list->currentIndex();
        list->clear();
        list->addItems(entries);
        list->setCurrentIndex(at >= 0 && at < list->count() ? at : 0);
    }
    EvenListWidths();
}

void FrmCHBatch::EvenListWidths() {
    // The lists stand in one column: as wide as the widest of them, so that
    // one with a longer entry (PTT ID) does not stick out.
    int width = kListMinimumWidth;
    for (const QComboBox* list : lists_)
        width = std::max(width, list->sizeHint().width());
    for (QComboBox* list : lists_)
        list->setMinimumWidth(width);
}

void FrmCHBatch::showEvent(QShowEvent* event) {
    // The entries' widths are known for sure once the dialog has its style
    // and font.
    EvenListWidths();
    QDialog::showEvent(event);
}

void FrmCHBatch::ChangShowByLanguage() {
    setWindowTitle(Q(app_.texts.GetLangText(titleTextId_)));
    for (const auto& [widget, id] : captions_) {
        const QString text = Q(app_.texts.GetLangText(id));
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            group->setTitle(text);
    }
    selectItems_->setText(Q(
        app_.texts.GetLangText(switchList_->isVisibleTo(this) ? kHideItemsText : kShowItemsText)));
    InitShowList(); // the lists' texts, keeping their choices
}

void FrmCHBatch::SetShowData() {
    for (int item = 0; item < kBatchItemCount; ++item)
        Switch(item)->setChecked(app_.config.BatchSwitches[static_cast<std::size_t>(item)] != 0);
    const BatchInputs in = InitialBatchInputs(app_.docState.BandLimits);
    allChannels_->setChecked(in.allChannels);
    fromBox_->setText(Q(in.fromChannel));
    toBox_->setText(Q(in.toChannel));
    clearOutside_->setChecked(false);
    rxStart_->setText(Q(in.rx.startMhz));
    rxStep_->setText(Q(in.rx.stepKhz));
    txDefault_->setChecked(true);
    offset_->setText(Q(in.offsetMhz));
    offsetPlus_->setChecked(true);
    txStart_->setText(Q(in.tx.startMhz));
    txStep_->setText(Q(in.tx.stepKhz));
    rxToneInterval_->setText(Q(in.rxTone.interval));
    txToneInterval_->setText(Q(in.txTone.interval));
    rxToneRandom_->setChecked(false);
    txToneRandom_->setChecked(false);
    txToneDefault_->setChecked(in.txToneSameAsDecode);
    nameFixedMode_->setChecked(true);
    nameFixed_->clear();
    nameStart_->setText(Q(in.nameId.start));
    nameStep_->setText(Q(in.nameId.step));
    idStart_->setText(Q(in.ownId.start));
    idStep_->setText(Q(in.ownId.step));
    for (const Direction& d : {rxDirection_, txDirection_, rxToneDirection_, txToneDirection_,
                               nameDirection_, idDirection_})
        d.increase->setChecked(true);
    for (QComboBox* list : lists_)
        list->setCurrentIndex(0);
    for (QComboBox* list : {rxToneStart_, txToneStart_})
        list->setCurrentIndex(0);
    for (QCheckBox* box : checks_)
        box->setChecked(false);
    ShowBatchFun();
    ApplyModes();
}

void FrmCHBatch::ShowBatchFun() {
    for (int item = 0; item < kBatchItemCount; ++item) {
        const bool on = Switch(item)->isChecked();
        rows_[static_cast<std::size_t>(item)]->setVisible(on);
        if (QLabel* caption = rowCaptions_[static_cast<std::size_t>(item)])
            caption->setVisible(on);
    }
}

void FrmCHBatch::ApplyModes() {
    const bool fromMode = fromChannel_->isChecked();
    fromBox_->setEnabled(fromMode);
    toBox_->setEnabled(fromMode);

    const bool offsetMode = txOffset_->isChecked();
    const bool startMode = txStartMode_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{offset_, offsetPlus_, offsetMinus_})
        w->setEnabled(offsetMode);
    for (QWidget* w : std::initializer_list<QWidget*>{txStart_, txStep_, txDirection_.increase,
                                                      txDirection_.decrease})
        w->setEnabled(startMode);

    const bool rxSeries = !rxToneRandom_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             rxToneStart_, rxToneInterval_, rxToneDirection_.increase, rxToneDirection_.decrease})
        w->setEnabled(rxSeries);

    const bool ownTone = !txToneDefault_->isChecked();
    const bool txSeries = ownTone && !txToneRandom_->isChecked();
    txToneRandom_->setEnabled(ownTone);
    for (QWidget* w : std::initializer_list<QWidget*>{
             txToneStart_, txToneInterval_, txToneDirection_.increase, txToneDirection_.decrease})
        w->setEnabled(txSeries);

    const bool fixed = nameFixedMode_->isChecked();
    nameFixed_->setEnabled(fixed);
    for (QWidget* w : std::initializer_list<QWidget*>{
             nameStart_, nameStep_, nameDirection_.increase, nameDirection_.decrease})
        w->setEnabled(!fixed);
}

// ---- Switches -----------------------------------------------------------------

void FrmCHBatch::OnSwitchClicked(int item) {
    app_.config.BatchSwitches[static_cast<std::size_t>(item)] = Switch(item)->isChecked() ? 1 : 0;
    // A switch file that cannot be written only means the choice is not kept
    // for the next run; the window tells nothing.
    SaveBatchSwitches(app_);
    ShowBatchFun();
}

void FrmCHBatch::SelectAllSwitches(bool on) {
    for (int item = 0; item < kBatchItemCount; ++item) {
        Switch(item)->setChecked(on);
        OnSwitchClicked(item);
    }
}

void FrmCHBatch::ToggleSwitchList() {
    const bool show = !switchList_->isVisibleTo(this);
    switchList_->setVisible(show);
    selectItems_->setText(Q(app_.texts.GetLangText(show ? kHideItemsText : kShowItemsText)));
}

// ---- Boxes and Apply ------------------------------------------------------------

bool FrmCHBatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (auto it = boxRules_.find(box); it != boxRules_.end())
            box->setText(it->second(box->text()));
    }
    return QDialog::eventFilter(watched, event);
}

BatchInputs FrmCHBatch::Inputs() const {
    BatchInputs in;
    for (int item = 0; item < kBatchItemCount; ++item)
        in.items[static_cast<std::size_t>(item)] = Switch(item)->isChecked();
    in.allChannels = allChannels_->isChecked();
    in.fromChannel = S(fromBox_->text());
    in.toChannel = S(toBox_->text());
    in.clearOutside = clearOutside_->isChecked();
    in.rx = {S(rxStart_->text()), S(rxStep_->text()), rxDirection_.decrease->isChecked()};
    in.txMode = txOffset_->isChecked()      ? TxMode::Offset
                : txStartMode_->isChecked() ? TxMode::StartFrequency
                                            : TxMode::Default;
    in.offsetMhz = S(offset_->text());
    in.offsetMinus = offsetMinus_->isChecked();
    in.tx = {S(txStart_->text()), S(txStep_->text()), txDirection_.decrease->isChecked()};
    in.rxTone = {rxToneStart_->currentIndex(), S(rxToneInterval_->text()),
                 rxToneDirection_.decrease->isChecked(), rxToneRandom_->isChecked()};
    in.txTone = {txToneStart_->currentIndex(), S(txToneInterval_->text()),
                 txToneDirection_.decrease->isChecked(), txToneRandom_->isChecked()};
    in.txToneSameAsDecode = txToneDefault_->isChecked();
    in.nameMode = nameIdMode_->isChecked() ? NameMode::DigitalId : NameMode::Fixed;
    in.fixedName = S(nameFixed_->text());
    in.nameId = {S(nameStart_->text()), S(nameStep_->text()), nameDirection_.decrease->isChecked()};
    in.ownId = {S(idStart_->text()), S(idStep_->text()), idDirection_.decrease->isChecked()};
    for (int i = 0; i < kBatchListCount; ++i) {
        const QComboBox* list = lists_[static_cast<std::size_t>(i)];
        int value = std::max(list->currentIndex(), 0);
        // The memory list offers only the memories in use: an entry stands
        // for its memory's number, the first entry for none.
        if (i == kAutoDialList)
            value = value == 0 ? 0 : list->currentText().toInt();
        in.listValues[static_cast<std::size_t>(i)] = value;
    }
    for (int i = 0; i < kBatchCheckCount; ++i)
        in.checks[static_cast<std::size_t>(i)] =
            checks_[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
    return in;
}

void FrmCHBatch::ShowBoxes(const BatchInputs& in) {
    const auto show = [](QLineEdit* box, const std::string& text) { box->setText(Q(text)); };
    show(fromBox_, in.fromChannel);
    show(toBox_, in.toChannel);
    const auto& on = in.items;
    if (on[kBatchRxFreq]) {
        show(rxStart_, in.rx.startMhz);
        show(rxStep_, in.rx.stepKhz);
    }
    if (on[kBatchTxFreq]) {
        show(offset_, in.offsetMhz);
        show(txStart_, in.tx.startMhz);
        show(txStep_, in.tx.stepKhz);
    }
    if (on[kBatchRxTone])
        show(rxToneInterval_, in.rxTone.interval);
    if (on[kBatchTxTone])
        show(txToneInterval_, in.txTone.interval);
    if (on[kBatchName]) {
        show(nameFixed_, in.fixedName);
        show(nameStart_, in.nameId.start);
        show(nameStep_, in.nameId.step);
    }
    if (on[kBatchIdCode]) {
        show(idStart_, in.ownId.start);
        show(idStep_, in.ownId.step);
    }
}

void FrmCHBatch::Apply() {
    const BatchInputs in =
        NormalizeBatchInputs(Inputs(), BandRuleOf(app_.docState), idStart_->maxLength());
    ShowBoxes(in);
    std::uniform_real_distribution<double> draw(0.0, 1.0);
    app_.docState.NextStepName =
        FillMarker(app_.texts.GetLangText(9375), "%1",
                   in.allChannels ? std::string("1-128") : in.fromChannel + "-" + in.toChannel);
    const BatchResult result = ApplyBatch(app_, in, [this, &draw] { return draw(engine_); });
    // What was not stored as asked is said, or the user would look in vain for
    // the channels it should have set: stepped frequencies that leave the band,
    // PMR446 channels that keep transmitting on their receive frequency, and
    // channels found off the PMR446 raster and moved onto it.
    const TextCatalog& texts = app_.texts;
    std::vector<std::string> paragraphs;
    if (result.skipped > 0) {
        const std::string text = result.skipped == 1 ? texts.GetLangText(9160)
                                                     : texts.GetLangText(9136);
        paragraphs.push_back(FillMarker(FillMarker(text, "%1", std::to_string(result.skipped)),
                                        "%2", app_.docState.BandText));
    }
    if (result.splitRefused > 0) {
        const std::string text = result.splitRefused == 1 ? texts.GetLangText(9166)
                                                          : texts.GetLangText(9165);
        paragraphs.push_back(FillMarker(text, "%1", std::to_string(result.splitRefused)));
    }
    if (!result.moved.empty())
        paragraphs.push_back(RasterMovesText(texts, result.moved));
    if (paragraphs.empty())
        return;
    std::string message = paragraphs.front();
    for (std::size_t i = 1; i < paragraphs.size(); ++i)
        message += "\r\n\r\n" + paragraphs[i];
    context_.ui.ShowMessage(message, Severity::Information);
}

} // namespace pmr
