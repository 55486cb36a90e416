#include "CharacterBoxRow.h"

#include <QLineEdit>

namespace pmr {

CharacterBoxRow::CharacterBoxRow(QWidget* parent, const QString& baseName, int count, CharSet set)
    : QObject(parent) {
    for (int i = 0; i < count; ++i) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QStringLiteral("%1(%2)").arg(baseName).arg(i));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 8);
        boxes_.push_back(box);
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (edited_)
                edited_();
        });
    }
    for (int i = 0; i < count; ++i) {
        QLineEdit* box = boxes_[static_cast<std::size_t>(i)];
        ApplyTextRules(box, set, [box] { MoveFocusOn(box); });
    }
}

void CharacterBoxRow::Show(const std::string& text) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        ShowStoredText(boxes_[i], c == ' ' ? QString() : QString(QLatin1Char(c)));
    }
}

std::string CharacterBoxRow::Text() const {
    std::string text;
    for (QLineEdit* box : boxes_)
        text += box->text().isEmpty() ? ' ' : static_cast<char>(box->text().front().toLatin1());
    return text;
}

} // namespace pmr
