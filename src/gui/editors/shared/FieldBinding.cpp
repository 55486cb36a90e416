#include "FieldBinding.h"

#include <QCheckBox>
#include <QComboBox>

namespace pmr {

ListMapping ListMapping::Index() {
    return {};
}

ListMapping ListMapping::Offset(int offset) {
    ListMapping m;
    m.offset_ = offset;
    return m;
}

ListMapping ListMapping::Scaled(int factor) {
    ListMapping m;
    m.kind_ = Kind::Scaled;
    m.factor_ = factor;
    return m;
}

ListMapping ListMapping::Table(std::vector<int> values) {
    ListMapping m;
    m.kind_ = Kind::Table;
    m.values_ = std::move(values);
    return m;
}

ListMapping ListMapping::EntryText(int factor) {
    ListMapping m;
    m.kind_ = Kind::EntryText;
    m.factor_ = factor;
    return m;
}

int ListMapping::EntryFor(const QComboBox& list, int value) const {
    int entry = -1;
    switch (kind_) {
    case Kind::Offset:
        entry = value - offset_;
        break;
    case Kind::Scaled:
        entry = value < 0 ? -1 : value / factor_;
        break;
    case Kind::Table:
        for (std::size_t i = 0; i < values_.size(); ++i)
            if (values_[i] == value) {
                entry = static_cast<int>(i);
                break;
            }
        break;
    case Kind::EntryText:
        entry = list.findText(QString::number(static_cast<long long>(value) * factor_));
        break;
    }
    return entry >= 0 && entry < list.count() ? entry : -1;
}

int ListMapping::ValueOf(const QComboBox& list, int entry) const {
    switch (kind_) {
    case Kind::Offset:
        return entry + offset_;
    case Kind::Scaled:
        return entry * factor_;
    case Kind::Table:
        return entry >= 0 && entry < static_cast<int>(values_.size()) ? values_[static_cast<std::size_t>(entry)] : 0;
    case Kind::EntryText:
        return list.itemText(entry).toInt() / factor_;
    }
    return entry;
}

void FieldBindings::BindList(QComboBox* list, FieldRef field, ListMapping mapping,
                             AfterChange after) {
    lists_.push_back(std::make_unique<ListBinding>(
        ListBinding{list, std::move(field), std::move(mapping), std::move(after)}));
    const ListBinding* b = lists_.back().get();
    QObject::connect(list, &QComboBox::activated, list, [b](int entry) {
        b->field.set(b->mapping.ValueOf(*b->list, entry));
        if (b->after)
            b->after();
    });
}

void FieldBindings::BindCheck(QCheckBox* box, FieldRef field, AfterChange after) {
    checks_.push_back(std::make_unique<CheckBinding>(
        CheckBinding{box, std::move(field), std::move(after)}));
    const CheckBinding* b = checks_.back().get();
    QObject::connect(box, &QCheckBox::clicked, box, [b](bool on) {
        b->field.set(on ? 1 : 0);
        if (b->after)
            b->after();
    });
}

void FieldBindings::Show(const ListBinding& b) {
    if (b.list->count() == 0) {
        b.list->setCurrentIndex(-1); // nothing to show; the value stays
        return;
    }
    int entry = b.mapping.EntryFor(*b.list, b.field.get());
    if (entry < 0)
        entry = 0;
    b.list->setCurrentIndex(entry);
    // As if the user had chosen it: the stored value becomes the entry's.
    b.field.set(b.mapping.ValueOf(*b.list, entry));
    if (b.after)
        b.after();
}

void FieldBindings::ShowAll() {
    for (const auto& b : lists_)
        Show(*b);
    for (const auto& b : checks_) {
        // The radio keeps a flag as one bit, set for any value but 0: the box
        // shows what the radio will do, and a ticked one stores the 1 it means.
        const bool ticked = b->field.get() != 0;
        b->box->setChecked(ticked);
        if (!ticked)
            continue;
        b->field.set(1);
        if (b->after)
            b->after();
    }
}

void FieldBindings::ShowList(QComboBox* list) {
    for (const auto& b : lists_)
        if (b->list == list)
            Show(*b);
}

void FieldBindings::SetMapping(QComboBox* list, ListMapping mapping) {
    for (const auto& b : lists_)
        if (b->list == list)
            b->mapping = mapping;
}

} // namespace pmr
