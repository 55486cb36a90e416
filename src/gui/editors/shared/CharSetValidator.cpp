#include "CharSetValidator.h"

namespace pmr {

QValidator::State CharSetValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (const std::optional<QChar> c = AcceptedChar(input[i], set_)) {
            kept += *c;
            if (i < pos)
                ++keptPos;
        }
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}

} // namespace pmr
