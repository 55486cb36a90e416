#pragma once
// A row of one-character boxes for a short fixed text (the power-on text's 12,
// a channel name's 6): an accepted character enters its box and the focus
// moves on to the next box, and from the last one to the next control.

#include "KeyRules.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QGridLayout;
class QLineEdit;

namespace pmr {

class CharacterBoxRow : public QObject {
public:
    /// Creates `count` boxes named `baseName`(0) .. (count-1), children of
    /// `parent`; the caller lays them out in focus order.
    CharacterBoxRow(QWidget* parent, const QString& baseName, int count, CharSet set);

    QLineEdit* Box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    int Count() const { return static_cast<int>(boxes_.size()); }
    /// Box k shows character k, nothing for a space.
    void Show(const std::string& text);
    /// The boxes' characters, a space for an empty box.
    std::string Text() const;
    /// Runs after any change in any box, by the user.
    void OnEdited(std::function<void()> edited) { edited_ = std::move(edited); }

private:
    std::vector<QLineEdit*> boxes_;
    std::function<void()> edited_;
};

} // namespace pmr
