#include "FrmScan.h"

#include "../../StandardWindows.h"
#include "app/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QScopedValueRollback>

namespace pmr {

namespace {

/// "0.5", "0.6", ... in tenths from `from` to `to`.
QStringList Tenths(int from, int to) {
    QStringList entries;
    for (int t = from; t <= to; ++t)
        entries << QStringLiteral("%1.%2").arg(t / 10).arg(t % 10);
    return entries;
}

/// The full revert list's entries each priority mode offers.
const std::vector<int>& OfferedRevert(int priorityMode) {
    static const std::vector<int> offered[] = {
        {0, 1, 4, 5}, {0, 1, 2, 4, 5, 6}, {0, 1, 3, 4, 5, 7}, {0, 1, 2, 3, 4, 5, 6, 7}};
    return offered[priorityMode >= 0 && priorityMode <= 3 ? priorityMode : 0];
}

} // namespace

FrmScan::FrmScan(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    ScanSettings& s = app_.doc.Settings.Scan;
    auto* grid = new QGridLayout;
    int r = 0;
    auto list = [&](const char* name, int caption, QStringList entries = {}) {
        QComboBox* l = NewList(QString::fromLatin1(name), entries);
        lists_[l->objectName()] = l;
        if (caption)
            AddRow(grid, r++, caption, l);
        else
            l->hide(); // kept and normalised, not shown
        return l;
    };
    QComboBox* mode = list("cboMode", 28001);
    QComboBox* priority = list("cboPriorityMode", 28002);
    QComboBox* ch1 = list("cboPriorityCh1", 28003);
    QComboBox* ch2 = list("cboPriorityCh2", 28004);
    QComboBox* revert = list("cboRevertCh", 28005);
    QComboBox* lookA = list("cboLookBackA", 28006, Tenths(5, 50));
    QComboBox* lookB = list("cboLookBackB", 28007, Tenths(5, 50));
    QComboBox* rxResume = list("cboRxResume", 28008, Tenths(10, 50));
    QComboBox* txResume = list("cboTxResume", 28009, Tenths(10, 50));
    QStringList waits;
    for (int v = 4; v <= 255; ++v)
        waits << QString::number(v * 15);
    QComboBox* wait = list("cboWaitTime", 0, waits);
    entryTone_ = new QCheckBox(this);
    entryTone_->setObjectName(QStringLiteral("chkEntryTone"));
    exitTone_ = new QCheckBox(this);
    exitTone_->setObjectName(QStringLiteral("chkExitTone"));
    for (QCheckBox* box : {entryTone_, exitTone_}) {
        EnterMovesOn(box);
        grid->addWidget(box, r++, 1);
    }
    grid->setColumnStretch(2, 1);
    RelabelControls();
    InitRevertList();

    bindings_.BindList(mode, Field(s.Mode), ListMapping::Index(), [this] {
        ApplyEnablingRules();
        if (!showingDocument_)
            app_.docState.Events.Publish(DocumentChange::ScanMode);
    });
    bindings_.BindList(priority, Field(s.PriorityMode), ListMapping::Index(), [this] {
        InitRevertList();
        bindings_.ShowList(lists_.at(QStringLiteral("cboRevertCh")));
        ApplyEnablingRules();
    });
    bindings_.BindList(ch1, Field(s.PriorityCh1), ListMapping::EntryText());
    bindings_.BindList(ch2, Field(s.PriorityCh2), ListMapping::EntryText());
    bindings_.BindList(revert, Field(s.RevertCh), ListMapping::Table(OfferedRevert(s.PriorityMode)));
    bindings_.BindList(lookA, Field(s.LookBackA), ListMapping::Offset(5));
    bindings_.BindList(lookB, Field(s.LookBackB), ListMapping::Offset(5));
    bindings_.BindList(rxResume, Field(s.RxResumeDelay), ListMapping::Offset(10));
    bindings_.BindList(txResume, Field(s.TxResumeDelay), ListMapping::Offset(10));
    bindings_.BindList(wait, Field(s.WaitTime), ListMapping::Offset(4));
    bindings_.BindCheck(entryTone_, Field(s.EntryTone));
    bindings_.BindCheck(exitTone_, Field(s.ExitTone));
    ShowSettings();
    SetBody(grid);
}

void FrmScan::ShowDocument() {
    const QScopedValueRollback<bool> showing(showingDocument_, true);
    ShowSettings();
}

void FrmScan::ShowSettings() {
    ScanSettings& s = app_.doc.Settings.Scan;
    const QStringList channels = ChannelNumberEntries();
    RefillList(lists_.at(QStringLiteral("cboPriorityCh1")), channels);
    RefillList(lists_.at(QStringLiteral("cboPriorityCh2")), channels);
    // Tones above 1 are no tone.
    if (s.EntryTone > 1)
        s.EntryTone = 0;
    if (s.ExitTone > 1)
        s.ExitTone = 0;
    bindings_.ShowAll(); // the priority mode rebuilds the revert list first
    ApplyEnablingRules();
}

QComboBox* FrmScan::List(const QString& name) const {
    auto it = lists_.find(name);
    return it == lists_.end() ? nullptr : it->second;
}

QCheckBox* FrmScan::Check(const QString& name) const {
    return findChild<QCheckBox*>(name);
}

QStringList FrmScan::FullRevertList() const {
    const QString p1 = Text(28002) + QStringLiteral("1");
    const QString p2 = Text(28002) + QStringLiteral("2");
    const QString talkback = QStringLiteral(" + ") + Text(28033);
    return {Text(28032), Text(28032) + talkback, p1, p2, Text(28034), Text(28035),
            p1 + talkback, p2 + talkback};
}

void FrmScan::InitRevertList() {
    QComboBox* revert = lists_.at(QStringLiteral("cboRevertCh"));
    const QStringList full = FullRevertList();
    const std::vector<int>& offered = OfferedRevert(app_.doc.Settings.Scan.PriorityMode);
    revert->clear();
    for (int index : offered)
        revert->addItem(full[index]);
    bindings_.SetMapping(revert, ListMapping::Table(offered));
}

void FrmScan::ApplyEnablingRules() {
    const ScanSettings& s = app_.doc.Settings.Scan;
    const bool on = s.Mode != 0;
    for (auto& [name, list] : lists_)
        if (name != QLatin1String("cboMode"))
            list->setEnabled(on);
    entryTone_->setEnabled(on);
    exitTone_->setEnabled(on);
    if (on) {
        lists_.at(QStringLiteral("cboPriorityCh1"))->setEnabled(s.PriorityMode == 1 || s.PriorityMode == 3);
        lists_.at(QStringLiteral("cboPriorityCh2"))->setEnabled(s.PriorityMode == 2 || s.PriorityMode == 3);
    } else {
        lists_.at(QStringLiteral("cboPriorityCh1"))->setEnabled(false);
        lists_.at(QStringLiteral("cboPriorityCh2"))->setEnabled(false);
    }
}

void FrmScan::RelabelControls() {
    RefillList(lists_.at(QStringLiteral("cboMode")), {Text(28030), Text(28031)});
    const QString p1 = Text(28002) + QStringLiteral("1");
    const QString p2 = Text(28002) + QStringLiteral("2");
    RefillList(lists_.at(QStringLiteral("cboPriorityMode")), {Text(28030), p1, p2, p1 + QStringLiteral(" + ") + p2});
    QComboBox* revert = lists_.at(QStringLiteral("cboRevertCh"));
    if (revert->count() > 0) {
        const int at = revert->currentIndex();
        InitRevertList();
        revert->setCurrentIndex(at);
    }
    entryTone_->setText(Text(28010));
    exitTone_->setText(Text(28011));
}

} // namespace pmr
