#include "FrmCHInfoEdit.h"

#include "Interaction.h"
#include "TextBoxKeys.h"
#include "app/AppContext.h"
#include "app/HelpPages.h"
#include "dialogs/WidgetCaptions.h"
#include "document/ChannelField.h"
#include "document/ChannelTable.h"
#include "document/ChoiceLists.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"
#include "frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace pmr {
namespace {

constexpr int kHelpTopic = 3100;
constexpr int kPmrChannelCount = 16;
constexpr std::int64_t kFirstPmrFreq = 44600625; // 10 Hz units
constexpr std::int64_t kPmrChannelStep = 1250;   // 12.5 kHz
constexpr int kIdCodeWidth = 10;                 // the member's characters

// Layout in twips; the label rule itself is fixed: 100 twips between a label and its control.
constexpr int kLabelGap = 100;
constexpr int kMargin = 240;
constexpr int kRowGap = 90;
constexpr int kColumnGap = 360;
constexpr int kListWidthA = 1900;
constexpr int kListWidthB = 2600;
constexpr int kNameBoxGap = 45;

struct MemberListRow {
    const char* name;
    const char* labelName;
    int labelText;
    int column;
};

// In the order of the MemberList enumeration.
constexpr MemberListRow kLists[] = {
    {"cboRxTone", "lblRxTone", 15005, kColRxTone},
    {"cboTxTone", "lblTxTone", 15006, kColTxTone},
    {"cboPower", "lblPower", 15007, kColTxPower},
    {"cboOptSignal", "lblOptSignal", 15008, kColOptSignal},
    {"cboPttId", "lblPttId", 15009, kColPttId},
    {"cboSpacing", "lblSpacing", 15010, kColChSpacing},
    {"cboBusyLock", "lblBusyLock", 15011, kColBusyLock},
    {"cboRevTalk", "lblRevTalk", 15012, kColRevTalkMode},
    {"cboAutoDial", "lblAutoDial", 15013, kColAutoDialMem},
    {"cboSignalRelation", "lblSignalRelation", 15022, kColSignalRelation},
};

struct MemberFlagRow {
    const char* name;
    int text;
    int column;
};

// In the order of the MemberFlag enumeration.
constexpr MemberFlagRow kFlags[] = {
    {"chkScanSkip", 15014, kColScanSkip},   {"chkScramble", 15015, kColScramble},
    {"chkTxInhibit", 15016, kColTxInhibit}, {"chkTalkaround", 15017, kColTalkaround},
    {"chkReverse", 15018, kColReverse},     {"chkWhisper", 15019, kColWhisper},
    {"chkCompander", 15020, kColCompander},
};

QString Latin(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

bool IsBlankEntry(const QString& text) {
    return text.isEmpty() || text == QLatin1String(" ");
}

/// "NONE", then the sixteen PMR446 channel frequencies.
QStringList FrequencyEntries() {
    QStringList entries{QStringLiteral("NONE")};
    for (int i = 0; i < kPmrChannelCount; ++i)
        entries << QString::fromStdString(FormatUnits(kFirstPmrFreq + i * kPmrChannelStep, 5));
    return entries;
}

void SelectOrFirst(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

/// Rewrites a list's entries only when they differ, so that showing the next
/// channel does not rebuild the 1075 tone entries every time.
void SetEntries(QComboBox* list, const QStringList& entries) {
    bool same = list->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i)
        same = list->itemText(i) == entries[i];
    if (same)
        return;
    list->clear();
    list->addItems(entries);
}

/// Disabled controls of an empty channel (and the VFO's name boxes) take the
/// window's background, as the radio's other editors show "not applicable".
void SetShaded(QWidget* control, bool shaded) {
    if (!shaded) {
        control->setPalette(QPalette());
        return;
    }
    QPalette p = control->palette();
    const QColor background = p.color(QPalette::Window);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Button, background);
    control->setPalette(p);
}

int ListValue(const ChannelRecord& e, int column) {
    switch (column) {
    case kColRxTone:
        return e.RxTone;
    case kColTxTone:
        return e.TxTone;
    case kColTxPower:
        return e.TxPower;
    case kColOptSignal:
        return e.OptSignal;
    case kColPttId:
        return e.PttId;
    case kColRevTalkMode:
        return e.RevTalkMode;
    case kColSignalRelation:
        return e.SignalRelation;
    default:
        return 0;
    }
}

int FlagValue(const ChannelRecord& e, int column) {
    switch (column) {
    case kColScanSkip:
        return e.ScanSkip;
    case kColScramble:
        return e.Scramble;
    case kColTxInhibit:
        return e.TxInhibit;
    case kColTalkaround:
        return e.Talkaround;
    case kColReverse:
        return e.Reverse;
    case kColWhisper:
        return e.Whisper;
    case kColCompander:
        return e.Compander;
    default:
        return 0;
    }
}

/// Sets a flag for the lifetime of a scope and restores what it was.
class FillingScope {
public:
    explicit FillingScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~FillingScope() { flag_ = before_; }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

} // namespace

FrmCHInfoEdit::FrmCHInfoEdit(frmMain& main, QWidget* parent)
    : QWidget(parent), main_(main), app_(main.App()) {
    setObjectName(QStringLiteral("FrmCHInfoEdit"));
    setProperty("helpTopic", kHelpTopic);
    BuildControls();
    help_->setVisible(IsHelpAvailable(app_.config));
    WandToSave = true;

    QStringList channels;
    for (int no = 1; no < kVfoChannelNo; ++no)
        channels << QString::number(no);
    channels << QStringLiteral("VFO");
    channel_->addItems(channels);
    ApplyTexts();
    busyLockAll_ = {Text(15030), Text(15031), Text(15032), Text(15033)};

    app_.docState.Editing.ChannelEditOpen = true;
    documentChanges_ = DocumentSubscription(
        app_.docState.Events, DocumentChange::ChannelFields | DocumentChange::DtmfMemories,
        [this](DocumentChange change) {
            if (change == DocumentChange::DtmfMemories)
                RebuildAutoDialList();
            else
                SetGridEditData(true);
        });
    SetGridEditData(true);
}

FrmCHInfoEdit::~FrmCHInfoEdit() {
    // Focus changes while the controls are torn down must not commit.
    filling_ = true;
    app_.docState.Editing.ChannelEditOpen = false;
    documentChanges_.End();
}

QString FrmCHInfoEdit::Text(int id) const {
    return QString::fromStdString(app_.texts.GetLangText(id));
}

// ---------------------------------------------------------------- building

void FrmCHInfoEdit::BuildControls() {
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto list = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);
        c->setMaxVisibleItems(16);
        c->installEventFilter(this);
        return c;
    };
    // Created in tab order: the selector, the frequencies, the name, the ID
    // code, the member lists, the flags, the buttons.
    channelLabel_ = label("lblChannel");
    channel_ = list("cboChannel");
    connect(channel_, &QComboBox::activated, this, [this] { SetGridEditData(false); });

    const QStringList frequencies = FrequencyEntries();
    rxFreqLabel_ = label("lblRxFreq");
    rxFreq_ = list("cboRxFreq");
    rxFreq_->addItems(frequencies);
    connect(rxFreq_, &QComboBox::activated, this, [this] { OnRxFreqChosen(); });
    txFreqLabel_ = label("lblTxFreq");
    txFreq_ = list("cboTxFreq");
    txFreq_->addItems(frequencies);
    connect(txFreq_, &QComboBox::activated, this, [this] { OnTxFreqChosen(); });

    nameLabel_ = label("lblName");
    for (std::size_t i = 0; i < names_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtName%1").arg(i));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Z]?")), box));
        box->installEventFilter(this);
        names_[i] = box;
    }
    idCodeLabel_ = label("lblIdCode");
    idCode_ = new QLineEdit(this);
    idCode_->setObjectName(QStringLiteral("txtIdCode"));
    idCode_->setMaxLength(kIdCodeWidth);
    idCode_->setContextMenuPolicy(Qt::NoContextMenu);
    idCode_->setAcceptDrops(false);
    idCode_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), idCode_));
    idCode_->installEventFilter(this);

    for (int i = 0; i < kMemberListCount; ++i) {
        listLabels_[i] = label(kLists[i].labelName);
        lists_[i] = list(kLists[i].name);
        const auto which = static_cast<MemberList>(i);
        connect(lists_[i], &QComboBox::activated, this, [this, which] { OnListChosen(which); });
    }
    for (int i = 0; i < kMemberFlagCount; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QString::fromLatin1(kFlags[i].name));
        box->installEventFilter(this);
        const auto which = static_cast<MemberFlag>(i);
        connect(box, &QCheckBox::clicked, this,
                [this, which](bool on) { OnFlagClicked(which, on); });
        flags_[i] = box;
    }

    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] { close(); });
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("CommandHelp"));
    connect(help_, &QPushButton::clicked, this, [this] { main_.ShowHelpTopic(kHelpTopic); });
}

QStringList FrmCHInfoEdit::FixedEntries(MemberList list) const {
    auto texts = [this](std::initializer_list<int> ids) {
        QStringList entries;
        for (int id : ids)
            entries << Text(id);
        return entries;
    };
    switch (list) {
    case kRxTone:
    case kTxTone: {
        QStringList entries;
        for (const std::string& name : ToneNames(app_.texts.GetLangText(15030)))
            entries << QString::fromStdString(name);
        return entries;
    }
    case kPower:
        return texts({15044});
    case kOptSignal:
        return texts({15030, 15043});
    case kPttId:
        return texts({15030, 15037, 15038, 15039});
    case kSpacing:
        return texts({15042});
    case kRevTalk:
        return texts({15034, 15035});
    case kSignalRelation:
        return texts({15050, 15051});
    case kAutoDial: {
        QStringList entries;
        for (const std::string& entry : DtmfGroupList(app_))
            entries << QString::fromStdString(entry);
        return entries;
    }
    case kBusyLock:
    case kMemberListCount:
        break;
    }
    return {};
}

void FrmCHInfoEdit::ApplyTexts() {
    setWindowTitle(Text(15000));
    channelLabel_->setText(Text(15001));
    rxFreqLabel_->setText(Text(15002));
    txFreqLabel_->setText(Text(app_.habits.UseOffsetFreq ? 15100 : 15003));
    nameLabel_->setText(Text(15004));
    idCodeLabel_->setText(Text(15021));
    for (int i = 0; i < kMemberListCount; ++i)
        listLabels_[i]->setText(Text(kLists[i].labelText));
    for (int i = 0; i < kMemberFlagCount; ++i)
        flags_[i]->setText(Text(kFlags[i].text));
    for (int i = 0; i < kMemberListCount; ++i)
        if (i != kBusyLock)
            SetEntries(lists_[i], FixedEntries(static_cast<MemberList>(i)));
    WidgetCaptions captions(*this);
    SetCloseHelpCaptions(captions, app_.texts);
    PlaceControls();
}

void FrmCHInfoEdit::PlaceControls() {
    const double twipsPerPixel = frmMain::TwipsPerPixel();
    auto px = [twipsPerPixel](int twips) {
        return static_cast<int>(std::lround(twips / twipsPerPixel));
    };
    const int rowHeight = std::max(channel_->sizeHint().height(), idCode_->sizeHint().height());
    const int pitch = rowHeight + px(kRowGap);
    auto rowTop = [&](int row) { return px(kMargin) + row * pitch; };
    auto labelWidth = [](QLabel* l) {
        l->adjustSize();
        return l->width();
    };
    auto put = [&](QWidget* control, QLabel* l, int left, int row, int width) {
        const int top = rowTop(row);
        control->setGeometry(left, top, width, rowHeight);
        l->adjustSize();
        l->move(left - l->width() - px(kLabelGap), top + (rowHeight - l->height()) / 2);
    };

    // Column A: selector, frequencies, name, ID code, tones, power.
    // The transmit label changes with the offset habit: room for both captions.
    const QFontMetrics metrics(txFreqLabel_->font());
    const int txCaptions =
        std::max(metrics.horizontalAdvance(Text(15003)), metrics.horizontalAdvance(Text(15100)));
    QLabel* const columnA[] = {channelLabel_,      rxFreqLabel_,         nameLabel_,
                               idCodeLabel_,       listLabels_[kRxTone], listLabels_[kTxTone],
                               listLabels_[kPower]};
    int widestA = std::max(labelWidth(txFreqLabel_), txCaptions + 4);
    for (QLabel* l : columnA)
        widestA = std::max(widestA, labelWidth(l));
    const int leftA = px(kMargin) + widestA + px(kLabelGap);
    const int widthA = px(kListWidthA);
    put(channel_, channelLabel_, leftA, 0, widthA);
    put(rxFreq_, rxFreqLabel_, leftA, 1, widthA);
    put(txFreq_, txFreqLabel_, leftA, 2, widthA);
    const int gap = px(kNameBoxGap);
    const int boxWidth = (widthA - 5 * gap) / 6;
    for (std::size_t i = 0; i < names_.size(); ++i)
        names_[i]->setGeometry(leftA + static_cast<int>(i) * (boxWidth + gap), rowTop(3), boxWidth,
                               rowHeight);
    put(names_[0], nameLabel_, leftA, 3, boxWidth);
    put(idCode_, idCodeLabel_, leftA, 4, widthA);
    put(lists_[kRxTone], listLabels_[kRxTone], leftA, 5, widthA);
    put(lists_[kTxTone], listLabels_[kTxTone], leftA, 6, widthA);
    put(lists_[kPower], listLabels_[kPower], leftA, 7, widthA);
    const int rowsA = 8;

    // Column B: the other member lists.
    const MemberList columnB[] = {kOptSignal, kPttId,    kSpacing,       kBusyLock,
                                  kRevTalk,   kAutoDial, kSignalRelation};
    int widestB = 0;
    for (MemberList m : columnB)
        widestB = std::max(widestB, labelWidth(listLabels_[m]));
    const int widthB = px(kListWidthB);
    const int leftB = leftA + widthA + px(kColumnGap) + widestB + px(kLabelGap);
    int row = 0;
    for (MemberList m : columnB)
        put(lists_[m], listLabels_[m], leftB, row++, widthB);

    // The flags carry their own captions, four to a row.
    int flagWidth = 0;
    for (QCheckBox* box : flags_) {
        box->adjustSize();
        flagWidth = std::max(flagWidth, box->width());
    }
    const int flagColumn = flagWidth + px(kColumnGap);
    const int flagsTop = rowTop(rowsA) + px(kRowGap);
    for (int i = 0; i < kMemberFlagCount; ++i)
        flags_[i]->move(px(kMargin) + (i % 4) * flagColumn, flagsTop + (i / 4) * pitch);
    const int flagsBottom = flagsTop + 2 * pitch;

    const int right = std::max(leftB + widthB, px(kMargin) + 4 * flagColumn);
    const QSize button =
        close_->sizeHint().expandedTo(help_->sizeHint()).expandedTo(QSize(px(1100), rowHeight));
    const int buttonsTop = flagsBottom + px(kRowGap);
    help_->setGeometry(right - button.width(), buttonsTop, button.width(), button.height());
    const int closeLeft = help_->isVisibleTo(this) ? help_->x() - px(kMargin) - button.width()
                                                   : right - button.width();
    close_->setGeometry(closeLeft, buttonsTop, button.width(), button.height());
    setFixedSize(right + px(kMargin), buttonsTop + button.height() + px(kMargin));
}

// ---------------------------------------------------------------- showing

int FrmCHInfoEdit::ShownChannel() const {
    return channel_->currentIndex() + 1;
}

void FrmCHInfoEdit::SetGridEditData(bool rIsGridChange) {
    // A refresh that this refresh sets off (the lockout kept in line) has
    // nothing new to show.
    if (filling_)
        return;
    const FillingScope scope(filling_);
    ChannelEditing& editing = app_.docState.Editing;
    if (rIsGridChange) {
        const int row = std::clamp(editing.EditCell.row, 1, kVfoChannelNo);
        channel_->setCurrentIndex(row - 1);
    } else {
        editing.EditCell.row = ShownChannel();
    }
    WandToSave = false;
    if (const ChannelRecord* e = FindChannel(app_.doc, ShownChannel()))
        ShowChannel(*e);
    else
        ShowEmptyChannel();
    WandToSave = true;
}

void FrmCHInfoEdit::ShowChannel(const ChannelRecord& e) {
    const bool radioChannel = e.ChannelNo >= 1 && e.ChannelNo < kVfoChannelNo;
    SelectOrFirst(rxFreq_, Latin(FreqStoredToText(app_, main_.Ui(), TrimFix(e.RxFreq))));
    txFreq_->setEnabled(true);
    SetShaded(txFreq_, false);
    ShowTxFreq(e, app_.habits.UseOffsetFreq);

    const std::string name = TrimFix(e.Name);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        QLineEdit* box = names_[i];
        box->setEnabled(radioChannel);
        SetShaded(box, !radioChannel);
        box->setText(radioChannel && i < name.size()
                         ? QString(QChar(static_cast<unsigned char>(name[i])))
                         : QString());
        if (box->hasFocus())
            box->selectAll();
    }

    for (int i = 0; i < kMemberListCount; ++i) {
        QComboBox* list = lists_[i];
        list->setEnabled(true);
        SetShaded(list, false);
        const auto which = static_cast<MemberList>(i);
        if (which == kBusyLock || which == kAutoDial)
            continue;
        SetEntries(list, FixedEntries(which));
        if (which == kSpacing) {
            list->setCurrentIndex(0); // the radio has the one spacing
            continue;
        }
        const int value = ListValue(e, kLists[i].column);
        const bool inList = value >= 0 && value < list->count();
        const bool firstWhenOutside = which == kPower || which == kSignalRelation;
        list->setCurrentIndex(inList ? value : (firstWhenOutside ? 0 : -1));
    }
    RebuildAutoDialList();
    SelectAutoDial(e.AutoDialMem);

    for (int i = 0; i < kMemberFlagCount; ++i) {
        flags_[i]->setEnabled(i != kScanSkip || radioChannel);
        flags_[i]->setChecked(FlagValue(e, kFlags[i].column) != 0);
    }

    idCode_->setEnabled(true);
    // A length outside the rule's 3 and 10 still fits the member's 10 characters.
    const int maxLength =
        e.IdCodeMaxLen > 0 && e.IdCodeMaxLen < kIdCodeWidth ? e.IdCodeMaxLen : kIdCodeWidth;
    idCode_->setMaxLength(maxLength);
    idCode_->setText(Latin(TrimFix(e.IdCode)));
    if (idCode_->hasFocus())
        idCode_->selectAll();

    ApplyRevTalkRule();
    // Last, because keeping the lockout in line may write the channel.
    ShowBusyLock(e);
}

void FrmCHInfoEdit::ShowEmptyChannel() {
    rxFreq_->setCurrentIndex(0);
    txFreq_->setCurrentIndex(0);
    txFreq_->setEnabled(false);
    SetShaded(txFreq_, true);
    for (QLineEdit* box : names_) {
        box->clear();
        SetShaded(box, true);
        box->setEnabled(false);
    }
    for (QComboBox* list : lists_) {
        list->clear();
        list->addItem(QStringLiteral(" "));
        list->setCurrentIndex(0);
        SetShaded(list, true);
        list->setEnabled(false);
    }
    // Nothing of the channel shown before stays visible in the empty one.
    idCode_->clear();
    idCode_->setEnabled(false);
    for (QCheckBox* box : flags_) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

void FrmCHInfoEdit::ShowTxFreq(const ChannelRecord& e, bool offset) {
    SelectOrFirst(txFreq_,
                  Latin(TxFreqText(e.RxFreq.raw(), e.TxShift.raw(), e.TxShiftDir, offset)));
}

void FrmCHInfoEdit::ReShowEditTxFre(bool rOffSet) {
    txFreqLabel_->setText(Text(rOffSet ? 15100 : 15003));
    PlaceControls();
    if (const ChannelRecord* e = FindChannel(app_.doc, ShownChannel())) {
        const FillingScope scope(filling_);
        ShowTxFreq(*e, rOffSet);
    }
}

void FrmCHInfoEdit::FillBusyLock(bool tone, int value) {
    QComboBox* list = lists_[kBusyLock];
    list->clear();
    const int offered = tone ? 3 : 2;
    for (int i = 0; i < offered; ++i)
        list->addItem(busyLockAll_[i], i);
    const int index = list->findData(value);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

void FrmCHInfoEdit::ShowBusyLock(const ChannelRecord& e) {
    // The CTCSS/DCS lockout needs a tone: with reverse on the encode tone is
    // the one the radio listens on.
    const bool tone = e.Reverse != 0 ? e.TxTone != 0 : e.RxTone != 0;
    int value = e.BusyLock;
    if (!tone && value == 2)
        value = 1;
    FillBusyLock(tone, value);
    const int shown = lists_[kBusyLock]->currentData().toInt();
    if (shown != e.BusyLock)
        SetChannelField(app_, main_.Ui(), e.ChannelNo, kColBusyLock, shown);
}

void FrmCHInfoEdit::RebuildAutoDialList() {
    QComboBox* list = lists_[kAutoDial];
    if (!list->isEnabled() && list->count() == 1 && list->itemText(0) == QLatin1String(" "))
        return; // an empty channel shows no memory
    const QString shown = list->currentText();
    const FillingScope scope(filling_);
    SetEntries(list, FixedEntries(kAutoDial));
    SelectOrFirst(list, shown);
}

void FrmCHInfoEdit::SelectAutoDial(int memory) {
    // Memory 0 is "none": the first entry, as is a memory that holds no digits.
    SelectOrFirst(lists_[kAutoDial], memory == 0 ? QString() : QString::number(memory));
}

void FrmCHInfoEdit::ApplyRevTalkRule() {
    const bool talkaroundMode = lists_[kRevTalk]->currentIndex() != 0;
    flags_[kReverse]->setEnabled(!talkaroundMode);
    flags_[kTalkaround]->setEnabled(talkaroundMode);
}

// ---------------------------------------------------------------- commits

void FrmCHInfoEdit::OnRxFreqChosen() {
    if (filling_ || !WandToSave)
        return;
    const QString text = rxFreq_->currentText();
    if (IsBlankEntry(text))
        return;
    std::string value = text.toStdString();
    if (const auto units = ParseUnits(value, 5))
        value = FormatUnits(*units, 5, 3); // "NONE" passes as it is and removes the channel
    SetChannelField(app_, main_.Ui(), ShownChannel(), kColRxFreq, value);
    SetGridEditData(false);
}

void FrmCHInfoEdit::OnTxFreqChosen() {
    if (filling_ || !WandToSave)
        return;
    const QString text = txFreq_->currentText();
    if (IsBlankEntry(text) || !IsNumeric(text.toStdString())) {
        SetGridEditData(false); // "NONE" changes nothing: show the real transmit entry again
        return;
    }
    SetChannelField(app_, main_.Ui(), ShownChannel(), kColTxFreq, text.toStdString());
    SetGridEditData(false);
}

void FrmCHInfoEdit::OnListChosen(MemberList list) {
    if (filling_ || !WandToSave)
        return;
    CommitList(list);
}

void FrmCHInfoEdit::OnListLeft(MemberList list) {
    if (filling_)
        return;
    if (list == kRxTone || list == kOptSignal) {
        // Leaving the decode tone (or the signalling) decides again whether the
        // tone lockout can be offered.
        if (const ChannelRecord* e = FindChannel(app_.doc, ShownChannel())) {
            const FillingScope scope(filling_);
            FillBusyLock(lists_[kRxTone]->currentText() != Text(15030), e->BusyLock);
        }
    }
    // A list showing nothing commits nothing; the lockout list must then not
    // keep offering what the rebuild above made of it.
    if (!CommitList(list))
        SetGridEditData(false);
}

bool FrmCHInfoEdit::CommitList(MemberList list) {
    QComboBox* control = lists_[list];
    const QString text = control->currentText();
    if (IsBlankEntry(text))
        return false;
    int value = control->currentIndex();
    if (list == kBusyLock)
        value = control->currentData().toInt();
    else if (list == kAutoDial)
        value = value == 0 ? 0 : text.toInt();
    SetChannelField(app_, main_.Ui(), ShownChannel(), kLists[list].column, value);
    SetGridEditData(false);
    return true;
}

void FrmCHInfoEdit::OnFlagClicked(MemberFlag flag, bool on) {
    if (filling_ || !WandToSave)
        return;
    SetChannelField(app_, main_.Ui(), ShownChannel(), kFlags[flag].column, on ? 1 : 0);
    SetGridEditData(false);
}

void FrmCHInfoEdit::CommitName() {
    if (filling_ || !names_[0]->isEnabled())
        return;
    std::string name;
    for (QLineEdit* box : names_) {
        const QString text = box->text();
        name += text.isEmpty() ? ' ' : text.front().toLatin1();
    }
    SetChannelField(app_, main_.Ui(), ShownChannel(), kColName, name);
    SetGridEditData(false);
}

void FrmCHInfoEdit::CommitIdCode() {
    if (filling_ || !idCode_->isEnabled())
        return;
    std::string code = idCode_->text().toLatin1().toStdString();
    if (code.size() < 3)
        code = "000";
    SetChannelField(app_, main_.Ui(), ShownChannel(), kColIdCode, code);
    SetGridEditData(false);
}

void FrmCHInfoEdit::CommitFocusedEdit() {
    QWidget* focused = focusWidget();
    if (!focused)
        return;
    if (std::find(names_.begin(), names_.end(), focused) != names_.end()) {
        CommitName();
        return;
    }
    if (focused == idCode_) {
        CommitIdCode();
        return;
    }
    for (int i = 0; i < kMemberListCount; ++i)
        if (focused == lists_[i])
            OnListLeft(static_cast<MemberList>(i));
}

void FrmCHInfoEdit::MoveFocusOn() {
    focusNextChild();
}

// ---------------------------------------------------------------- keys and focus

bool FrmCHInfoEdit::eventFilter(QObject* watched, QEvent* event) {
    auto* nameBox = std::find(names_.begin(), names_.end(), watched);
    const bool isName = nameBox != names_.end();
    const bool isTextBox = isName || watched == idCode_;
    int list = -1;
    for (int i = 0; i < kMemberListCount; ++i)
        if (watched == lists_[i])
            list = i;

    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(*key)) {
            // In a text box leaving it commits it; elsewhere the value is in
            // already. Either way Enter moves on like Tab.
            MoveFocusOn();
            return true;
        }
        if (!isTextBox)
            return false;
        const TypedKey typed = isName ? FilterNameKey(*key) : FilterIdCodeKey(*key);
        if (typed.action == TypedKey::Discard)
            return true;
        if (typed.action == TypedKey::Accept && isName) {
            // One character per box: it replaces what the box held and the
            // next box takes the following one.
            (*nameBox)->setText(QString(typed.ch));
            MoveFocusOn();
            return true;
        }
        return false;
    }
    case QEvent::FocusIn:
        if (isTextBox) {
            auto* box = static_cast<QLineEdit*>(watched);
            box->selectAll();
            // A click places the cursor after the focus arrived.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
        return false;
    case QEvent::FocusOut:
        // A list's drop-down takes the focus only for the moment of choosing.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            return false;
        if (isName)
            CommitName();
        else if (watched == idCode_)
            CommitIdCode();
        else if (list >= 0)
            OnListLeft(static_cast<MemberList>(list));
        return false;
    default:
        return false;
    }
}

} // namespace pmr
