#include "document/DtmfDigits.h"

namespace pmr {

std::string DtmfHexToDigits(std::string_view hex) {
    std::string digits(hex);
    for (char& c : digits) {
        if (c == 'E')
            c = '*';
        else if (c == 'F')
            c = '#';
    }
    return digits;
}

std::string DtmfDigitsToHex(std::string_view digits) {
    std::string hex(digits);
    for (char& c : hex) {
        if (c == '*')
            c = 'E';
        else if (c == '#')
            c = 'F';
    }
    return hex;
}

} // namespace pmr
