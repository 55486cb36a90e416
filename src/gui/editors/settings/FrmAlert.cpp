#include "FrmAlert.h"

#include "../../StandardWindows.h"
#include "app/AppContext.h"

#include <QComboBox>
#include <QGridLayout>

namespace pmr {

namespace {

QStringList Numbers(int from, int to) {
    QStringList entries;
    for (int v = from; v <= to; ++v)
        entries << QString::number(v);
    return entries;
}

} // namespace

FrmAlert::FrmAlert(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    AlertSettings& a = app_.doc.Settings.Alert;
    auto* grid = new QGridLayout;
    int r = 0;
    auto list = [&](const char* name, int caption, QStringList entries = {}) {
        QComboBox* l = NewList(QString::fromLatin1(name), entries);
        lists_[l->objectName()] = l;
        AddRow(grid, r++, caption, l);
        return l;
    };
    QComboBox* alarmMode = list("cboAlarmMode", 27011);
    QComboBox* type = list("cboType", 27001);
    QComboBox* idType = list("cboIdType", 27002);
    QComboBox* memory = list("cboIdMemory", 27003);
    QComboBox* alarmTime = list("cboAlarmTime", 27004, Numbers(1, 255));
    QComboBox* txTime = list("cboTxTime", 27005, Numbers(1, 255));
    QComboBox* rxTime = list("cboRxTime", 27006, Numbers(1, 255));
    QComboBox* channelSel = list("cboChannelSel", 27007);
    QComboBox* emergency = list("cboEmergencyCh", 27009);
    QComboBox* cycles = list("cboCycles", 27010);
    grid->setColumnStretch(2, 1);
    RelabelControls();

    // The window offers the full type list's entries 0, 2 and 3.
    bindings_.BindList(type, Field(a.Type), ListMapping::Table({0, 2, 3}), [this] { ApplyTypeRule(); });
    bindings_.BindList(idType, Field(a.IdType), ListMapping::Index(), [this] { RebuildMemoryList(); });
    connect(memory, &QComboBox::activated, this, [this] { StoreMemory(); });
    bindings_.BindList(alarmTime, Field(a.AlarmTime), ListMapping::Offset(1));
    bindings_.BindList(txTime, Field(a.TxTime), ListMapping::Offset(1));
    bindings_.BindList(rxTime, Field(a.RxTime), ListMapping::Offset(1));
    bindings_.BindList(channelSel, Field(a.ChannelSel), ListMapping::Index(), [this] { ApplyChannelRule(); });
    bindings_.BindList(emergency, Field(a.EmergencyCh), ListMapping::EntryText());
    bindings_.BindList(cycles, Field(a.Cycles), ListMapping::Index());
    bindings_.BindList(alarmMode, Field(app_.doc.AlarmMode), ListMapping::Index());
    FrmAlert::ShowDocument();
    SetBody(grid);
}

void FrmAlert::ShowDocument() {
    RefillList(lists_.at(QStringLiteral("cboEmergencyCh")), ChannelNumberEntries());
    // The type and channel rules and the ID memory list follow their lists.
    EditorWindow::ShowDocument();
}

QComboBox* FrmAlert::List(const QString& name) const {
    auto it = lists_.find(name);
    return it == lists_.end() ? nullptr : it->second;
}

void FrmAlert::ApplyTypeRule() {
    const bool local = lists_.at(QStringLiteral("cboType"))->currentIndex() == 0;
    lists_.at(QStringLiteral("cboAlarmTime"))->setEnabled(local);
    for (const char* name : {"cboIdType", "cboIdMemory", "cboTxTime", "cboRxTime"})
        lists_.at(QString::fromLatin1(name))->setEnabled(!local);
}

void FrmAlert::ApplyChannelRule() {
    lists_.at(QStringLiteral("cboEmergencyCh"))
        ->setEnabled(lists_.at(QStringLiteral("cboChannelSel"))->currentIndex() == 0);
}

void FrmAlert::RebuildMemoryList() {
    AlertSettings& a = app_.doc.Settings.Alert;
    QComboBox* memory = lists_.at(QStringLiteral("cboIdMemory"));
    memory->clear();
    if (a.IdType == 0) {
        a.IdMemory = 0;
        return;
    }
    const auto& memories = app_.doc.Settings.Dtmf.DialMemory;
    for (std::size_t i = 0; i < memories.size(); ++i)
        if (memories[i].Len > 0)
            memory->addItem(QStringLiteral("M%1").arg(i + 1));
    // The stored memory, or nothing when it is not in use.
    memory->setCurrentIndex(memory->findText(QStringLiteral("M%1").arg(a.IdMemory)));
    StoreMemory();
}

void FrmAlert::StoreMemory() {
    AlertSettings& a = app_.doc.Settings.Alert;
    QComboBox* memory = lists_.at(QStringLiteral("cboIdMemory"));
    a.IdMemory = a.IdType == 0 || memory->currentIndex() < 0
                     ? 0
                     : static_cast<Byte>(memory->currentText().mid(1).toInt());
}

void FrmAlert::RelabelControls() {
    RefillList(lists_.at(QStringLiteral("cboAlarmMode")), {Text(16046), Text(16047)});
    RefillList(lists_.at(QStringLiteral("cboType")), {Text(27030), Text(27032), Text(27033)});
    RefillList(lists_.at(QStringLiteral("cboIdType")), {Text(27037), Text(27038)});
    RefillList(lists_.at(QStringLiteral("cboChannelSel")), {Text(27034), Text(27035)});
    RefillList(lists_.at(QStringLiteral("cboCycles")), QStringList{Text(27036)} + Numbers(1, 255));
}

} // namespace pmr
