#pragma once
// A control bound to one member of the document. Showing the document selects
// the entry a stored value stands for, as a user would, and writes the entry's
// value back: so opening a window normalises values that fit no entry. Only the
// user's own choices commit later (Qt's activated and clicked signals, which
// the program's own selections never raise).

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;

namespace pmr {

/// Reads and writes one document member as an int.
struct FieldRef {
    std::function<int()> get;
    std::function<void(int)> set;
};

template <typename T> FieldRef Field(T& member) {
    return {[&member] { return static_cast<int>(member); },
            [&member](int v) { member = static_cast<T>(v); }};
}

/// How a list's entries stand for stored values.
class ListMapping {
public:
    /// The entry's index is the value.
    static ListMapping Index();
    /// The entry's index plus `offset` is the value (tenths from 0.5 s: offset 5).
    static ListMapping Offset(int offset);
    /// The value is the index times `factor` (a stored value between two
    /// entries takes the lower one: seconds 100 with factor 15 show entry 6).
    static ListMapping Scaled(int factor);
    /// Entry i stands for values[i]; a value not in the table shows entry 0.
    static ListMapping Table(std::vector<int> values);
    /// The entry whose text is the number `value` x `factor`; stored is the
    /// entry's number divided by `factor` ("100" with factor 50 stores 2).
    static ListMapping EntryText(int factor = 1);

    /// The entry that shows `value`, or -1 when none does.
    int EntryFor(const QComboBox& list, int value) const;
    /// The value entry `entry` stands for.
    int ValueOf(const QComboBox& list, int entry) const;

private:
    enum class Kind { Offset, Scaled, Table, EntryText } kind_ = Kind::Offset;
    int offset_ = 0;
    int factor_ = 1;
    std::vector<int> values_;
};

class FieldBindings {
public:
    /// Runs after the field changed, by the user or by showing the document.
    using AfterChange = std::function<void()>;

    void BindList(QComboBox* list, FieldRef field, ListMapping mapping, AfterChange after = {});
    /// Ticked for any value but 0, as the image codec writes the radio's bit;
    /// stores 1 or 0 when the user clicks.
    void BindCheck(QCheckBox* box, FieldRef field, AfterChange after = {});

    /// Shows every bound control from the document and writes each list's
    /// shown value back (a list without entries keeps its value). A check box
    /// is written back only when ticked, as 1.
    void ShowAll();
    /// The same for one list (after its entries were rebuilt).
    void ShowList(QComboBox* list);
    /// Gives a list a new mapping (its entries were rebuilt for another range).
    void SetMapping(QComboBox* list, ListMapping mapping);

private:
    struct ListBinding {
        QComboBox* list;
        FieldRef field;
        ListMapping mapping;
        AfterChange after;
    };
    struct CheckBinding {
        QCheckBox* box;
        FieldRef field;
        AfterChange after;
    };
    void Show(const ListBinding& b);
    // Held by pointer: the signal connections refer to them.
    std::vector<std::unique_ptr<ListBinding>> lists_;
    std::vector<std::unique_ptr<CheckBinding>> checks_;
};

} // namespace pmr
