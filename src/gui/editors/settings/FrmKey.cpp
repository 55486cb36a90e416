#include "FrmKey.h"

#include "../../StandardWindows.h"
#include "app/AppContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace pmr {

namespace {

constexpr int kFunctions = 27;     // texts 29040..29066
constexpr int kReserved = 10;      // never offered
constexpr int kLongPressOnly = 11; // offered for long presses only

std::vector<int> Offered(bool longPress) {
    std::vector<int> functions;
    for (int f = 0; f < kFunctions; ++f)
        if (f != kReserved && (longPress || f != kLongPressOnly))
            functions.push_back(f);
    return functions;
}

Integer& KeyField(KeySettings& k, int field) {
    Integer* fields[] = {&k.LongPressTime, &k.Pf1Long,   &k.Pf1Short,  &k.Pf2Long,  &k.Pf2Short,
                         &k.Key3Long,      &k.Key4Long,  &k.Key5Long,  &k.Key6Long, &k.Key3Short,
                         &k.Key4Short,     &k.Key5Short, &k.Key6Short};
    return *fields[field];
}

bool IsLongPress(int field) {
    return field == 1 || field == 3 || (field >= 5 && field <= 8);
}

} // namespace

FrmKey::FrmKey(const EditorContext& context, const WindowRow& row)
    : EditorWindow(context, QString::fromLatin1(row.name), row.titleTextId, row.helpTopic) {
    KeySettings& k = app_.doc.Settings.Keys;
    longPress_ = NewList(QStringLiteral("cboLongPressTime"));
    for (int t = 10; t <= 25; ++t)
        longPress_->addItem(QStringLiteral("%1.%2").arg(t / 10).arg(t % 10));
    // Created in the order the groups show them, long press above short press
    // key by key: Tab and Enter follow the creation order. Keys 5 and 6 last.
    for (int field : {1, 2, 3, 4, 5, 9, 6, 10, 7, 8, 11, 12})
        keys_[static_cast<std::size_t>(field)] = NewList(QStringLiteral("cboKey(%1)").arg(field));

    auto* body = new QVBoxLayout;
    auto* top = new QGridLayout;
    AddRow(top, 0, 29001, longPress_);
    top->setColumnStretch(2, 1);
    body->addLayout(top);
    // Keys 1 to 4 as groups of a long-press and a short-press list.
    const int shown[4][2] = {{1, 2}, {3, 4}, {5, 9}, {6, 10}};
    auto* groupsGrid = new QGridLayout;
    for (int g = 0; g < 4; ++g) {
        auto* group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("fraKey(%1)").arg(g));
        auto* grid = new QGridLayout(group);
        grid->addWidget(Caption(QStringLiteral("lblLong(%1)").arg(g), 29005), 0, 0);
        grid->addWidget(keys_[static_cast<std::size_t>(shown[g][0])], 0, 1);
        grid->addWidget(Caption(QStringLiteral("lblShort(%1)").arg(g), 29006), 1, 0);
        grid->addWidget(keys_[static_cast<std::size_t>(shown[g][1])], 1, 1);
        groups_[static_cast<std::size_t>(g)] = group;
        groupsGrid->addWidget(group, g / 2, g % 2);
    }
    body->addLayout(groupsGrid);
    for (int field : {7, 8, 11, 12})
        keys_[static_cast<std::size_t>(field)]->hide(); // keys 5 and 6: kept, not shown

    RelabelControls();
    bindings_.BindList(longPress_, Field(k.LongPressTime), ListMapping::Offset(10));
    for (int field = 1; field <= 12; ++field)
        bindings_.BindList(keys_[static_cast<std::size_t>(field)], Field(KeyField(k, field)),
                           ListMapping::Table(Offered(IsLongPress(field))));
    bindings_.ShowAll();
    scanChanges_ = DocumentSubscription(app_.docState.Events, Kinds(DocumentChange::ScanMode),
                                        [this](DocumentChange, int) { bindings_.ShowAll(); });
    SetBody(body);
}

void FrmKey::RelabelControls() {
    QStringList full;
    for (int f = 0; f < kFunctions; ++f)
        full << Text(29040 + f);
    for (int field = 1; field <= 12; ++field) {
        QStringList offered;
        for (int f : Offered(IsLongPress(field)))
            offered << full[f];
        RefillList(keys_[static_cast<std::size_t>(field)], offered);
    }
    const int captions[] = {29003, 29004, 29007, 29008};
    for (int g = 0; g < 4; ++g)
        groups_[static_cast<std::size_t>(g)]->setTitle(Text(captions[g]));
}

} // namespace pmr
