#include "FrmCHInfoEdit.h"

#include "../../StandardWindows.h"
#include "../shared/CharacterBoxRow.h"
#include "Interaction.h"
#include "ScreenTwips.h"
#include "app/AppContext.h"
#include "document/ChannelField.h"
#include "document/ChannelTable.h"
#include "document/ChoiceLists.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace pmr {
namespace {

constexpr int kPmrChannelCount = 16;
constexpr std::int64_t kFirstPmrFreq = 44600625; // 10 Hz units
constexpr std::int64_t kPmrChannelStep = 1250;   // 12.5 kHz
constexpr int kIdCodeWidth = 10;                 // the member's characters

// Measures in twips; 100 twips between a label and its control is the rule.
constexpr int kLabelGap = 100;
constexpr int kRowGap = 90;
constexpr int kColumnGap = 360;
constexpr int kListMinWidth = 1900;
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

FrmCHInfoEdit::FrmCHInfoEdit(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    BuildControls();
    PlaceControls(); // sets the texts too
    WandToSave = true;
    QStringList channels;
    for (int no = 1; no < kVfoChannelNo; ++no)
        channels << QString::number(no);
    channels << QStringLiteral("VFO");
    channel_->addItems(channels);

    app_.docState.Editing.ChannelEditOpen = true;
    documentChanges_ = DocumentSubscription(
        app_.docState.Events,
        DocumentChange::ChannelFields | DocumentChange::ChannelTable |
            Kinds(DocumentChange::DtmfMemories),
        [this](DocumentChange change, int) {
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

// ---------------------------------------------------------------- building

void FrmCHInfoEdit::BuildControls() {
    auto list = [this](const char* name) {
        QComboBox* c = NewList(QString::fromLatin1(name));
        c->setMinimumWidth(0); // FitListWidths decides
        c->setMaxVisibleItems(16);
        c->installEventFilter(this);
        return c;
    };
    // Created in tab order: the selector, the frequencies, the name, the ID
    // code, the member lists, the flags.
    channel_ = list("cboChannel");
    connect(channel_, &QComboBox::activated, this, [this] { SetGridEditData(false); });

    const QStringList frequencies = FrequencyEntries();
    rxFreq_ = list("cboRxFreq");
    rxFreq_->addItems(frequencies);
    connect(rxFreq_, &QComboBox::activated, this, [this] { OnRxFreqChosen(); });
    txFreq_ = list("cboTxFreq");
    txFreq_->addItems(frequencies);
    connect(txFreq_, &QComboBox::activated, this, [this] { OnTxFreqChosen(); });

    // Each box takes one character and hands the focus on; leaving a box
    // commits the whole name.
    nameRow_ = new CharacterBoxRow(this, QStringLiteral("txtName"), int(names_.size()),
                                   CharSet::Name);
    for (std::size_t i = 0; i < names_.size(); ++i) {
        QLineEdit* box = nameRow_->Box(int(i));
        box->setObjectName(QStringLiteral("txtName%1").arg(i));
        box->setAcceptDrops(false);
        // The key rules see typed keys only; what arrives by other ways
        // (the selection pasted by the middle button) is held to the same set.
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Z]?")), box));
        box->installEventFilter(this);
        names_[i] = box;
    }
    idCode_ = new QLineEdit(this);
    idCode_->setObjectName(QStringLiteral("txtIdCode"));
    idCode_->setMaxLength(kIdCodeWidth);
    idCode_->setAcceptDrops(false);
    idCode_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), idCode_));
    ApplyTextRules(idCode_, CharSet::Digits);
    idCode_->installEventFilter(this);

    for (int i = 0; i < kMemberListCount; ++i) {
        lists_[i] = list(kLists[i].name);
        const auto which = static_cast<MemberList>(i);
        connect(lists_[i], &QComboBox::activated, this, [this, which] { OnListChosen(which); });
    }
    for (int i = 0; i < kMemberFlagCount; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QString::fromLatin1(kFlags[i].name));
        EnterMovesOn(box);
        const auto which = static_cast<MemberFlag>(i);
        connect(box, &QCheckBox::clicked, this,
                [this, which](bool on) { OnFlagClicked(which, on); });
        flags_[i] = box;
    }
}

void FrmCHInfoEdit::PlaceControls() {
    // Two columns of captioned controls, the flags under them, four to a row.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGap));
    int row = 0;
    AddRow(grid, row++, 15001, channel_);
    AddRow(grid, row++, 15002, rxFreq_);
    AddRow(grid, row++, 15003, txFreq_);
    txFreqLabel_ = findChild<QLabel*>(QStringLiteral("lblTxFreq"));
    auto* nameBoxes = new QHBoxLayout;
    nameBoxes->setSpacing(TwipsToPixels(kNameBoxGap));
    for (QLineEdit* box : names_)
        nameBoxes->addWidget(box);
    nameBoxes->addStretch(1);
    grid->addWidget(Caption(QStringLiteral("lblName"), 15004), row, 0);
    grid->addLayout(nameBoxes, row++, 1);
    AddRow(grid, row++, 15021, idCode_);
    for (MemberList m : {kRxTone, kTxTone, kPower})
        AddRow(grid, row++, kLists[m].labelText, lists_[m]);

    // An empty column keeps the two columns apart.
    grid->setColumnMinimumWidth(2, TwipsToPixels(kColumnGap));
    row = 0;
    for (MemberList m :
         {kOptSignal, kPttId, kSpacing, kBusyLock, kRevTalk, kAutoDial, kSignalRelation}) {
        grid->addWidget(Caption(QString::fromLatin1(kLists[m].labelName), kLists[m].labelText),
                        row, 3);
        grid->addWidget(lists_[m], row++, 4);
    }

    auto* flagGrid = new QGridLayout;
    flagGrid->setHorizontalSpacing(TwipsToPixels(kColumnGap));
    // A check box reacts to clicks on its box and caption only: each keeps its
    // own width, so a click beside the caption does not look like one that failed.
    for (int i = 0; i < kMemberFlagCount; ++i)
        flagGrid->addWidget(flags_[i], i / 4, i % 4, Qt::AlignLeft);

    auto* body = new QVBoxLayout;
    body->addLayout(grid);
    body->addSpacing(TwipsToPixels(kRowGap));
    body->addLayout(flagGrid);
    SetBody(body);
    // The window is as large as its contents, in either language.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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

void FrmCHInfoEdit::RelabelControls() {
    if (txFreqLabel_) {
        // The transmit caption changes with the offset habit: room for both.
        const QFontMetrics metrics(txFreqLabel_->font());
        txFreqLabel_->setMinimumWidth(std::max(metrics.horizontalAdvance(Text(15003)),
                                               metrics.horizontalAdvance(Text(15100))));
        txFreqLabel_->setText(Text(app_.habits.UseOffsetFreq ? 15100 : 15003));
    }
    for (int i = 0; i < kMemberFlagCount; ++i)
        flags_[i]->setText(Text(kFlags[i].text));
    busyLockAll_ = {Text(15030), Text(15031), Text(15032), Text(15033)};
    FitListWidths();
    // The lists' entries are texts of the language: the channel is shown
    // again with them.
    ShowSelectedQuietly();
}

void FrmCHInfoEdit::ShowDocument() {
    ShowSelectedQuietly();
}

void FrmCHInfoEdit::ShowSelectedQuietly() {
    if (filling_ || channel_->currentIndex() < 0)
        return;
    const FillingScope scope(filling_);
    WandToSave = false;
    ShowSelected();
    WandToSave = true;
}

void FrmCHInfoEdit::FitListWidths() {
    auto fit = [](QComboBox* list, const QStringList& entries) {
        int widest = 0;
        for (const QString& entry : entries)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(entry));
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QSize size = list->style()->sizeFromContents(
            QStyle::CT_ComboBox, &option, QSize(widest, list->fontMetrics().height()), list);
        list->setMinimumWidth(std::max(size.width(), TwipsToPixels(kListMinWidth)));
    };
    QStringList channels;
    for (int i = 0; i < channel_->count(); ++i)
        channels << channel_->itemText(i);
    fit(channel_, channels);
    fit(rxFreq_, FrequencyEntries());
    fit(txFreq_, FrequencyEntries());
    for (int i = 0; i < kMemberListCount; ++i) {
        const auto which = static_cast<MemberList>(i);
        QStringList entries = which == kBusyLock ? busyLockAll_ : FixedEntries(which);
        if (which == kAutoDial)
            entries << QStringLiteral("16"); // a memory that may get digits later
        fit(lists_[i], entries);
    }
}

// ---------------------------------------------------------------- showing

int FrmCHInfoEdit::ShownChannel() const {
    return channel_->currentIndex() + 1;
}

void FrmCHInfoEdit::ShowSelected() {
    if (const ChannelRecord* e = FindChannel(app_.doc, ShownChannel()))
        ShowChannel(*e);
    else
        ShowEmptyChannel();
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
    ShowSelected();
    WandToSave = true;
}

void FrmCHInfoEdit::ShowChannel(const ChannelRecord& e) {
    const bool radioChannel = e.ChannelNo >= 1 && e.ChannelNo < kVfoChannelNo;
    SelectOrFirst(rxFreq_, Latin(FreqStoredToText(app_, context_.ui, TrimFix(e.RxFreq))));
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
        SetChannelField(app_, context_.ui, e.ChannelNo, kColBusyLock, shown);
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
    SetChannelField(app_, context_.ui, ShownChannel(), kColRxFreq, value);
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
    SetChannelField(app_, context_.ui, ShownChannel(), kColTxFreq, text.toStdString());
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
    SetChannelField(app_, context_.ui, ShownChannel(), kLists[list].column, value);
    SetGridEditData(false);
    return true;
}

void FrmCHInfoEdit::OnFlagClicked(MemberFlag flag, bool on) {
    if (filling_ || !WandToSave)
        return;
    SetChannelField(app_, context_.ui, ShownChannel(), kFlags[flag].column, on ? 1 : 0);
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
    SetChannelField(app_, context_.ui, ShownChannel(), kColName, name);
    SetGridEditData(false);
}

void FrmCHInfoEdit::CommitIdCode() {
    if (filling_ || !idCode_->isEnabled())
        return;
    std::string code = idCode_->text().toLatin1().toStdString();
    if (code.size() < 3)
        code = "000";
    SetChannelField(app_, context_.ui, ShownChannel(), kColIdCode, code);
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
    case QEvent::KeyPress:
        // Enter and the typed characters are the key rules' (installed with
        // the controls). A name box holds one character: a typed one replaces it.
        if (isName && JudgeKey(*static_cast<QKeyEvent*>(event), CharSet::Name).action ==
                          KeyVerdict::Type)
            (*nameBox)->selectAll();
        return false;
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
