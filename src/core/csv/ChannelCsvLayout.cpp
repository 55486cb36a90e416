#include "csv/ChannelCsvLayout.h"

#include "document/DecimalText.h"
#include "document/ToneCodes.h"

namespace pmr {
namespace {

constexpr std::array<std::string_view, kCsvColumnCount> kNames = {"Location",
                                                                  "Name",
                                                                  "Frequency",
                                                                  "Duplex",
                                                                  "Offset",
                                                                  "Tone",
                                                                  "rToneFreq",
                                                                  "cToneFreq",
                                                                  "DtcsCode",
                                                                  "DtcsPolarity",
                                                                  "RxDtcsCode",
                                                                  "CrossMode",
                                                                  "Mode",
                                                                  "TStep",
                                                                  "Skip",
                                                                  "Power",
                                                                  "Comment",
                                                                  "URCALL",
                                                                  "RPT1CALL",
                                                                  "RPT2CALL",
                                                                  "DVCODE",
                                                                  "Signalling",
                                                                  "PTT-ID",
                                                                  "Busy Lock",
                                                                  "Scramble",
                                                                  "Compander",
                                                                  "Whisper",
                                                                  "TX Inhibit",
                                                                  "Auto-Dial Memory",
                                                                  "ID Code",
                                                                  "Signalling Relation",
                                                                  "Reverse/Talkaround Mode",
                                                                  "Talkaround",
                                                                  "Reverse"};

enum class Kind { Off, Ctcss, Dcs };

Kind KindOf(int code) {
    if (code >= 1 && code < kFirstDcsNormal)
        return Kind::Ctcss;
    if (code >= kFirstDcsNormal && code < kToneCount)
        return Kind::Dcs;
    return Kind::Off;
}

std::string CtcssText(int code) {
    return std::string(CtcssToneTexts()[static_cast<std::size_t>(code - 1)]);
}

/// The three octal digits of a DCS tone code.
std::string DcsDigits(int code) {
    const int c = code >= kFirstDcsInverted ? code - kFirstDcsInverted : code - kFirstDcsNormal;
    std::string s(3, '0');
    s[0] = static_cast<char>('0' + ((c >> 6) & 7));
    s[1] = static_cast<char>('0' + ((c >> 3) & 7));
    s[2] = static_cast<char>('0' + (c & 7));
    return s;
}

char Polarity(int code) {
    return KindOf(code) == Kind::Dcs && code >= kFirstDcsInverted ? 'R' : 'N';
}

} // namespace

std::string_view CsvColumnName(CsvColumn column) {
    return kNames[static_cast<std::size_t>(column)];
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::optional<CsvColumn> CsvColumnFromHeader(std::string_view header) {
    const std::string_view h = StripBlanks(header);
    if (SameWord(h, "Step"))
        return CsvColumn::TStep;
    for (int i = 0; i < kCsvColumnCount; ++i)
        if (SameWord(h, kNames[static_cast<std::size_t>(i)]))
            return static_cast<CsvColumn>(i);
    return std::nullopt;
}

CsvTones TonesToCsv(int txTone, int rxTone) {
    CsvTones t;
    const Kind tx = KindOf(txTone), rx = KindOf(rxTone);
    auto polarity = [&] { t.dtcsPolarity = {Polarity(txTone), Polarity(rxTone)}; };
    if (tx == Kind::Off && rx == Kind::Off)
        return t;
    if (tx == Kind::Ctcss && rx == Kind::Off) {
        t.tone = "Tone";
        t.rToneFreq = CtcssText(txTone);
        return t;
    }
    if (tx == Kind::Ctcss && rx == Kind::Ctcss && txTone == rxTone) {
        t.tone = "TSQL";
        t.rToneFreq = t.cToneFreq = CtcssText(txTone);
        return t;
    }
    if (tx == Kind::Dcs && rx == Kind::Dcs && DcsDigits(txTone) == DcsDigits(rxTone)) {
        // One code both ways; the polarities may still differ.
        t.tone = "DTCS";
        t.dtcsCode = t.rxDtcsCode = DcsDigits(txTone);
        polarity();
        return t;
    }
    t.tone = "Cross";
    if (tx == Kind::Ctcss)
        t.rToneFreq = CtcssText(txTone);
    if (tx == Kind::Dcs)
        t.dtcsCode = DcsDigits(txTone);
    if (rx == Kind::Ctcss)
        t.cToneFreq = CtcssText(rxTone);
    if (rx == Kind::Dcs)
        t.rxDtcsCode = DcsDigits(rxTone);
    polarity();
    const char* sent = tx == Kind::Ctcss ? "Tone" : tx == Kind::Dcs ? "DTCS" : "";
    const char* decoded = rx == Kind::Ctcss ? "Tone" : rx == Kind::Dcs ? "DTCS" : "";
    t.crossMode = std::string(sent) + "->" + decoded;
    return t;
}

std::optional<int> CtcssCodeFromCsv(std::string_view text) {
    const auto tenths = ParseUnits(text, 1);
    // A value with more digits than tenths is no tone of the table.
    const auto hundredths = ParseUnits(text, 2);
    if (!tenths || !hundredths || *hundredths % 10 != 0 || *hundredths / 10 != *tenths)
        return std::nullopt;
    const auto& table = CtcssToneTexts();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (ParseUnits(table[i], 1) == tenths)
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::optional<int> DcsCodeFromCsv(std::string_view digits, char polarity) {
    const std::string_view d = StripBlanks(digits);
    if (d.empty() || d.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : d) {
        if (c < '0' || c > '7')
            return std::nullopt;
        value = value * 8 + (c - '0');
    }
    if (polarity == 'N' || polarity == 'n')
        return kFirstDcsNormal + value;
    if (polarity == 'R' || polarity == 'r')
        return kFirstDcsInverted + value;
    return std::nullopt;
}

std::string_view PowerLevelName(int txPower) {
    switch (txPower) {
    case 1:
        return "Mid";
    case 2:
        return "High";
    default:
        return "Low";
    }
}

std::optional<int> PowerLevelFromName(std::string_view name) {
    for (int level = 0; level <= 2; ++level)
        if (SameWord(StripBlanks(name), PowerLevelName(level)))
            return level;
    return std::nullopt;
}

std::string_view ModeName(int chSpacing) {
    return chSpacing == 2 ? "NFM" : "FM";
}

} // namespace pmr
