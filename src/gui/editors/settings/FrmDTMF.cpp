#include "FrmDTMF.h"

#include "../../StandardWindows.h"
#include "app/AppContext.h"
#include "document/IdLengthRule.h"
#include "document/SettingsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pmr {

namespace {

QStringList Steps(int from, int to, int step, const QString& suffix = {}) {
    QStringList entries;
    for (int v = from; v <= to; v += step)
        entries << QString::number(v) + suffix;
    return entries;
}

constexpr int kFirstMemoryBox = 4;

/// The code of box `index` (see CodeBox).
DtmfCode& CodeOf(DtmfSettings& d, int index) {
    DtmfCode* codes[] = {&d.BotCode, &d.EotCode, &d.StunCode, &d.KillCode};
    return index < kFirstMemoryBox
               ? *codes[index]
               : d.DialMemory[static_cast<std::size_t>(index - kFirstMemoryBox)];
}

} // namespace

QLineEdit* FrmDTMF::MakeCodeBox(int index) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1(%1)").arg(index));
    box->setMaxLength(16);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(18, u'8')));
    ApplyTextRules(box, CharSet::Dtmf);
    connect(box, &QLineEdit::textEdited, this, [this, index](const QString& text) {
        CodeOf(app_.doc.Settings.Dtmf, index) = DtmfCodeFromText(text.toLatin1().toStdString());
        if (index >= kFirstMemoryBox) // the open channel edit dialog rebuilds its memory list
            app_.docState.Events.Publish(DocumentChange::DtmfMemories);
    });
    codes_[static_cast<std::size_t>(index)] = box;
    return box;
}

FrmDTMF::FrmDTMF(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    DtmfSettings& d = app_.doc.Settings.Dtmf;
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    EnterMovesOn(tabs_->tabBar());

    auto page = [this](QGridLayout*& grid) {
        auto* w = new QWidget(tabs_);
        grid = new QGridLayout(w);
        grid->setColumnStretch(2, 1);
        tabs_->addTab(w, QString());
        return w;
    };
    auto add = [this](QGridLayout* grid, int r, int textId, QWidget* control) {
        grid->addWidget(Caption(QStringLiteral("Label1(%1)").arg(textId), textId), r, 0);
        grid->addWidget(control, r, 1);
    };

    // Encoder: timing lists in milliseconds, stored in units of 50 ms.
    QGridLayout* enc = nullptr;
    page(enc);
    auto* rate = NewList(QStringLiteral("cboRate"));
    rate->addItems(Steps(50, 500, 50));
    auto* firstTime = NewList(QStringLiteral("cboFirstTime"));
    firstTime->addItems(Steps(0, 1000, 100));
    auto* firstDelay = NewList(QStringLiteral("cboFirstDelay"));
    firstDelay->addItems(Steps(100, 2500, 100));
    auto* starHash = NewList(QStringLiteral("cboStarHash"));
    starHash->addItems({"0", "100", "500", "1000"});
    dKey_ = NewList(QStringLiteral("cboDKey"));
    sideTone_ = new QCheckBox(this);
    sideTone_->setObjectName(QStringLiteral("chkSideTone"));
    EnterMovesOn(sideTone_);
    add(enc, 0, 18005, rate);
    add(enc, 1, 18006, firstTime);
    add(enc, 2, 18007, firstDelay);
    add(enc, 3, 18008, starHash);
    add(enc, 4, 18009, dKey_);
    enc->addWidget(sideTone_, 5, 1);
    add(enc, 6, 18016, MakeCodeBox(0));
    add(enc, 7, 18017, MakeCodeBox(1));
    enc->setRowStretch(8, 1);

    // Decoder.
    QGridLayout* dec = nullptr;
    page(dec);
    signalling_ = NewList(QStringLiteral("cboSignalling"));
    callPrompt_ = NewList(QStringLiteral("cboCallPrompt"));
    middle_ = NewList(QStringLiteral("cboMiddleCode"));
    middle_->addItems({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "*", "#"});
    groupCode_ = NewList(QStringLiteral("cboGroupCode"));
    autoReset_ = NewList(QStringLiteral("cboAutoReset"));
    add(dec, 0, 18010, signalling_);
    add(dec, 1, 18011, callPrompt_);
    add(dec, 2, 18013, middle_);
    add(dec, 3, 18014, groupCode_);
    add(dec, 4, 18015, autoReset_);
    add(dec, 5, 18018, MakeCodeBox(2));
    add(dec, 6, 18019, MakeCodeBox(3));
    dec->setRowStretch(7, 1);

    // Auto-dial memories 1 to 16 in two columns of eight.
    QGridLayout* mem = nullptr;
    page(mem);
    for (int i = 0; i < 16; ++i) {
        auto* label = new QLabel(QString::number(i + 1), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int r = i % 8;
        const int c = (i / 8) * 2;
        mem->addWidget(label, r, c);
        mem->addWidget(MakeCodeBox(kFirstMemoryBox + i), r, c + 1);
    }
    mem->setColumnStretch(2, 0);
    // A channel that calls an emptied memory shows and sends no call: say so
    // where the memory was emptied.
    emptyMemoryNote_ = new QLabel(this);
    emptyMemoryNote_->setObjectName(QStringLiteral("lblEmptyMemory"));
    emptyMemoryNote_->setWordWrap(true);
    mem->addWidget(emptyMemoryNote_, 8, 0, 1, 4);

    RelabelControls(); // the lists' entries come from the texts
    bindings_.BindList(rate, Field(d.DtmfRate), ListMapping::EntryText(50));
    bindings_.BindList(firstTime, Field(d.FirstDigitTime), ListMapping::EntryText(50));
    bindings_.BindList(firstDelay, Field(d.FirstDigitDelay), ListMapping::EntryText(50));
    bindings_.BindList(starHash, Field(d.StarHashTime), ListMapping::EntryText(50));
    bindings_.BindList(dKey_, Field(d.DKey), ListMapping::Index());
    bindings_.BindCheck(sideTone_, Field(d.SideTone));
    bindings_.BindList(signalling_, Field(d.DtmfSignalling), ListMapping::Index(),
                       [this] { ApplySignallingRule(); });
    bindings_.BindList(callPrompt_, Field(d.CallPrompt), ListMapping::Index());
    bindings_.BindList(middle_, Field(d.MiddleCode), ListMapping::Index());
    bindings_.BindList(groupCode_, Field(d.GroupCode), ListMapping::Index());
    bindings_.BindList(autoReset_, Field(d.AutoResetTime), ListMapping::Index());
    // AutoAnswer has no control: it keeps its value.
    FrmDTMF::ShowDocument();
    memoryUse_ = DocumentSubscription(
        app_.docState.Events,
        Kinds(DocumentChange::DtmfMemories) | Kinds(DocumentChange::ChannelFields) |
            Kinds(DocumentChange::ChannelTable),
        [this](DocumentChange, int) { ShowEmptyMemoryNote(); });

    auto* body = new QVBoxLayout;
    body->addWidget(tabs_);
    SetBody(body);
}

void FrmDTMF::ShowDocument() {
    DtmfSettings& d = app_.doc.Settings.Dtmf;
    for (int i = 0; i < static_cast<int>(codes_.size()); ++i) {
        DtmfCode& code = CodeOf(d, i);
        const std::string shown = DtmfCodeShown(code);
        ShowStoredText(codes_[static_cast<std::size_t>(i)],
                       QString::fromLatin1(shown.data(), qsizetype(shown.size())));
        // Showing normalises the code as a user's change would.
        code = DtmfCodeFromText(shown);
    }
    EditorWindow::ShowDocument();
    ShowEmptyMemoryNote();
}

QComboBox* FrmDTMF::List(const QString& name) const {
    return findChild<QComboBox*>(name);
}

void FrmDTMF::ApplySignallingRule() {
    middle_->setEnabled(signalling_->currentIndex() == 1);
    ApplyIdLengthRule(app_);
}

void FrmDTMF::ShowEmptyMemoryNote() {
    const RadioDocument& doc = app_.doc;
    QStringList lines;
    for (std::size_t m = 0; m < doc.Settings.Dtmf.DialMemory.size(); ++m) {
        if (doc.Settings.Dtmf.DialMemory[m].Len > 0)
            continue;
        QStringList callers;
        for (int i = 0; i < doc.ChannelCount; ++i) {
            const ChannelRecord& ch = doc.Channels[static_cast<std::size_t>(i)];
            if (ch.AutoDialMem == static_cast<int>(m) + 1)
                callers << QString::number(ch.ChannelNo);
        }
        if (!callers.isEmpty())
            lines << Text(9140).replace(QStringLiteral("%1"), QString::number(m + 1))
                         .replace(QStringLiteral("%2"), callers.join(QStringLiteral(", ")));
    }
    emptyMemoryNote_->setText(lines.join(QLatin1Char('\n')));
    emptyMemoryNote_->setVisible(!lines.isEmpty());
}

void FrmDTMF::RelabelControls() {
    tabs_->setTabText(0, Text(18002));
    tabs_->setTabText(1, Text(18003));
    tabs_->setTabText(2, Text(18004));
    sideTone_->setText(Text(18030));
    // Entries made of texts keep their selection when relabelled.
    RefillList(dKey_, QStringList{Text(18040)} + Steps(1, 16, 1, QStringLiteral("s")));
    RefillList(signalling_, {Text(18041), Text(18042)});
    RefillList(callPrompt_, {Text(18043), Text(18044), Text(18045)});
    RefillList(groupCode_, {Text(18043), "A", "B", "C", "D", "*", "#"});
    RefillList(autoReset_, QStringList{Text(18043)} + Steps(1, 15, 1, QStringLiteral("s")));
    ShowEmptyMemoryNote();
}

} // namespace pmr
