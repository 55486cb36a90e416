#include "csv/ChannelCsvImport.h"

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "csv/ChannelCsvLayout.h"
#include "csv/CsvText.h"
#include "document/ChannelField.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/OptionRefs.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"

#include <algorithm>
#include <map>
#include <optional>

namespace pmr {
namespace {

constexpr int kBandWarning = 9021; // what the setter says when it holds a value in the band
constexpr int kLastChannel = kVfoChannelNo - 1;

/// The messages the channel setter gives while a row is set: an import asks
/// nobody anything, it reports.
class CaptureInteraction : public UserInteraction {
public:
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text, Severity) override { messages.push_back(text); }
    Answer Ask(const std::string&, Buttons, Severity) override { return Answer::Cancel; }
};

/// The channel members the layout has no column for, set as numbers.
struct NumberColumn {
    CsvColumn column;
    int setterColumn;
    int low, high;
    Integer ChannelRecord::*member;
};

// In the order they are set: the busy lock after the signalling and the tones,
// whose side rules lower it.
constexpr NumberColumn kNumberColumns[] = {
    {CsvColumn::Signalling, kColOptSignal, 0, 3, &ChannelRecord::OptSignal},
    {CsvColumn::BusyLock, kColBusyLock, 0, 3, &ChannelRecord::BusyLock},
    {CsvColumn::PttId, kColPttId, 0, 3, &ChannelRecord::PttId},
    {CsvColumn::Scramble, kColScramble, 0, 1, &ChannelRecord::Scramble},
    {CsvColumn::Compander, kColCompander, 0, 1, &ChannelRecord::Compander},
    {CsvColumn::Whisper, kColWhisper, 0, 1, &ChannelRecord::Whisper},
    {CsvColumn::TxInhibit, kColTxInhibit, 0, 1, &ChannelRecord::TxInhibit},
    {CsvColumn::AutoDialMemory, kColAutoDialMem, 0, 255, &ChannelRecord::AutoDialMem},
    {CsvColumn::SignalRelation, kColSignalRelation, 0, 1, &ChannelRecord::SignalRelation},
    {CsvColumn::RevTalkMode, kColRevTalkMode, 0, 32767, &ChannelRecord::RevTalkMode},
    {CsvColumn::Talkaround, kColTalkaround, 0, 1, &ChannelRecord::Talkaround},
    {CsvColumn::Reverse, kColReverse, 0, 1, &ChannelRecord::Reverse},
};
constexpr std::size_t kNumberCount = std::size(kNumberColumns);
constexpr std::size_t kTxInhibitNumber = 6;
static_assert(kNumberColumns[kTxInhibitNumber].column == CsvColumn::TxInhibit);

/// What a row asks for; an empty optional leaves the member as the channel has it.
struct Intent {
    int channelNo = 0;
    std::int64_t rx = 0;                               // 10 Hz units
    std::optional<std::pair<int, std::int64_t>> shift; // direction, magnitude
    std::optional<std::string> name;
    std::optional<std::pair<int, int>> tones; // encode, decode
    std::optional<int> power;
    bool powerUnknown = false;
    std::optional<int> spacing;
    std::optional<int> skip;
    std::array<std::optional<int>, kNumberCount> numbers{};
    std::optional<std::string> idCode;
};

struct Refusal {
    CsvColumn column;
    std::string value;
    std::string reason;
};

class RowReader {
public:
    /// `decimalComma`: the file separates fields by ";" or tab, as spreadsheets
    /// do where "," is the decimal separator; its numbers may have ",".
    RowReader(const TextCatalog& texts, const std::array<int, kCsvColumnCount>& index,
              const CsvRecord& record, bool decimalComma)
        : texts_(texts), index_(index), record_(record), decimalComma_(decimalComma) {}

    bool Has(CsvColumn c) const { return index_[static_cast<std::size_t>(c)] >= 0; }
    std::string Raw(CsvColumn c) const {
        const int i = index_[static_cast<std::size_t>(c)];
        return i < 0 ? std::string() : record_.fields[static_cast<std::size_t>(i)];
    }
    std::string Field(CsvColumn c) const {
        std::string f(StripBlanks(Raw(c)));
        const bool number = c == CsvColumn::Frequency || c == CsvColumn::Offset ||
                            c == CsvColumn::RToneFreq || c == CsvColumn::CToneFreq;
        if (decimalComma_ && number)
            std::replace(f.begin(), f.end(), ',', '.');
        return f;
    }

    std::optional<Refusal> Refuse(CsvColumn c, int textId) const {
        return Refusal{c, Field(c), texts_.GetLangText(textId)};
    }

    std::optional<Refusal> Read(Intent& in, std::vector<std::pair<CsvColumn, std::string>>& notes,
                                bool defaults) const;

private:
    std::optional<Refusal> ReadDuplex(Intent& in) const;
    std::optional<Refusal> ReadTones(Intent& in,
                                     std::vector<std::pair<CsvColumn, std::string>>& notes) const;

    const TextCatalog& texts_;
    const std::array<int, kCsvColumnCount>& index_;
    const CsvRecord& record_;
    bool decimalComma_;
};

std::optional<Refusal> RowReader::ReadDuplex(Intent& in) const {
    if (!Has(CsvColumn::Duplex))
        return std::nullopt;
    const std::string duplex = Field(CsvColumn::Duplex);
    if (duplex.empty()) {
        in.shift = std::make_pair(0, std::int64_t{0});
        return std::nullopt;
    }
    if (SameWord(duplex, "off")) {
        // Transmitting is inhibited; the channel is simplex.
        in.shift = std::make_pair(0, std::int64_t{0});
        in.numbers[kTxInhibitNumber] = 1;
        return std::nullopt;
    }
    const bool split = SameWord(duplex, "split");
    if (duplex != "+" && duplex != "-" && !split)
        return Refuse(CsvColumn::Duplex, kCsvTextNotDuplex);
    const auto offset = ParseUnits(Field(CsvColumn::Offset), 5);
    if (!offset)
        return Refuse(CsvColumn::Offset, kCsvTextNotOffset);
    std::int64_t d =
        split ? *offset - in.rx : (duplex == "-" ? -std::abs(*offset) : std::abs(*offset));
    if (d == 0)
        in.shift = std::make_pair(0, std::int64_t{0});
    else
        in.shift = std::make_pair(d < 0 ? 1 : 2, d < 0 ? -d : d);
    return std::nullopt;
}

std::optional<Refusal>
RowReader::ReadTones(Intent& in, std::vector<std::pair<CsvColumn, std::string>>& notes) const {
    if (!Has(CsvColumn::Tone))
        return std::nullopt;
    const std::string mode = Field(CsvColumn::Tone);
    auto ctcss = [&](CsvColumn c, int& code) -> std::optional<Refusal> {
        const auto v = CtcssCodeFromCsv(Field(c));
        if (!v)
            return Refuse(c, kCsvTextNotCtcss);
        code = *v;
        return std::nullopt;
    };
    // DtcsPolarity: the sent code's letter, then the received code's.
    const std::string polarity = Field(CsvColumn::DtcsPolarity);
    if (!polarity.empty() &&
        (polarity.size() != 2 || polarity.find_first_not_of("NRnr") != std::string::npos))
        return Refuse(CsvColumn::DtcsPolarity, kCsvTextNotDcs);
    const char sentPol = polarity.empty() ? 'N' : polarity[0];
    const char rxPol = polarity.empty() ? 'N' : polarity[1];
    auto dcs = [&](CsvColumn c, char pol, int& code) -> std::optional<Refusal> {
        const auto v = DcsCodeFromCsv(Field(c), pol);
        if (!v)
            return Refuse(c, kCsvTextNotDcs);
        code = *v;
        return std::nullopt;
    };

    int tx = 0, rx = 0;
    std::optional<Refusal> bad;
    if (mode.empty()) {
    } else if (SameWord(mode, "Tone")) {
        bad = ctcss(CsvColumn::RToneFreq, tx);
    } else if (SameWord(mode, "TSQL")) {
        // The layout's rule: the squelch tone is in cToneFreq.
        bad = ctcss(CsvColumn::CToneFreq, rx);
        tx = rx;
        if (!bad && Has(CsvColumn::RToneFreq)) {
            const auto r = CtcssCodeFromCsv(Field(CsvColumn::RToneFreq));
            if (r != rx) {
                std::string note = texts_.GetLangText(kCsvTextTsqlDiffers);
                notes.emplace_back(CsvColumn::RToneFreq,
                                   FillMarker(note, "%1", Field(CsvColumn::CToneFreq)));
            }
        }
    } else if (SameWord(mode, "DTCS")) {
        bad = dcs(CsvColumn::DtcsCode, sentPol, tx);
        if (!bad)
            bad = dcs(CsvColumn::DtcsCode, rxPol, rx);
    } else if (SameWord(mode, "Cross")) {
        const std::string cross =
            Has(CsvColumn::CrossMode) ? Field(CsvColumn::CrossMode) : "Tone->Tone";
        const auto arrow = cross.find("->");
        if (arrow == std::string::npos)
            return Refuse(CsvColumn::CrossMode, kCsvTextNotCrossMode);
        const std::string sent = cross.substr(0, arrow), decoded = cross.substr(arrow + 2);
        const bool sentOk = sent.empty() || SameWord(sent, "Tone") || SameWord(sent, "DTCS");
        const bool decodedOk =
            decoded.empty() || SameWord(decoded, "Tone") || SameWord(decoded, "DTCS");
        if (!sentOk || !decodedOk || (sent.empty() && decoded.empty()))
            return Refuse(CsvColumn::CrossMode, kCsvTextNotCrossMode);
        if (SameWord(sent, "Tone"))
            bad = ctcss(CsvColumn::RToneFreq, tx);
        else if (SameWord(sent, "DTCS"))
            bad = dcs(CsvColumn::DtcsCode, sentPol, tx);
        if (!bad && SameWord(decoded, "Tone"))
            bad = ctcss(CsvColumn::CToneFreq, rx);
        else if (!bad && SameWord(decoded, "DTCS"))
            bad = dcs(Has(CsvColumn::RxDtcsCode) ? CsvColumn::RxDtcsCode : CsvColumn::DtcsCode,
                      rxPol, rx);
    } else {
        return Refuse(CsvColumn::Tone, kCsvTextNotToneMode);
    }
    if (bad)
        return bad;
    in.tones = std::make_pair(tx, rx);
    return std::nullopt;
}

std::optional<Refusal> RowReader::Read(Intent& in,
                                       std::vector<std::pair<CsvColumn, std::string>>& notes,
                                       bool defaults) const {
    if (defaults) {
        // A channel the file replaces has what the file does not say as a new
        // channel has it.
        in.shift = std::make_pair(0, std::int64_t{0});
        in.name = "";
        in.tones = std::make_pair(0, 0);
        in.skip = 0;
        for (auto& n : in.numbers)
            n = 0;
        in.idCode = "000";
    }
    if (auto r = ReadDuplex(in))
        return r;
    if (auto r = ReadTones(in, notes))
        return r;
    if (Has(CsvColumn::Name))
        in.name = Raw(CsvColumn::Name);
    if (Has(CsvColumn::Mode)) {
        const std::string mode = Field(CsvColumn::Mode);
        if (SameWord(mode, "NFM"))
            in.spacing = 2;
        else if (SameWord(mode, "FM"))
            in.spacing = 0;
        else if (!mode.empty())
            return Refuse(CsvColumn::Mode, kCsvTextNotMode);
    }
    if (Has(CsvColumn::Skip)) {
        const std::string skip = Field(CsvColumn::Skip);
        if (skip.empty())
            in.skip = 0;
        else if (SameWord(skip, "S"))
            in.skip = 1;
        else
            return Refuse(CsvColumn::Skip, kCsvTextNotSkip);
    }
    if (Has(CsvColumn::Power) && !Field(CsvColumn::Power).empty()) {
        in.power = PowerLevelFromName(Field(CsvColumn::Power));
        in.powerUnknown = !in.power;
    }
    for (std::size_t k = 0; k < kNumberCount; ++k) {
        const NumberColumn& nc = kNumberColumns[k];
        const std::string text = Field(nc.column);
        if (text.empty())
            continue;
        const auto v = ParseUnits(text, 0);
        const auto exact = ParseUnits(text, 1);
        if (!v || !exact || *v < nc.low || *v > nc.high || *exact != *v * 10) {
            std::string reason = texts_.GetLangText(kCsvTextNotInRange);
            reason = FillMarker(reason, "%1", std::to_string(nc.low));
            reason = FillMarker(reason, "%2", std::to_string(nc.high));
            return Refusal{nc.column, text, reason};
        }
        // "off" in Duplex inhibits transmitting whatever the column says.
        if (!(nc.column == CsvColumn::TxInhibit && SameWord(Field(CsvColumn::Duplex), "off")))
            in.numbers[k] = static_cast<int>(*v);
    }
    if (Has(CsvColumn::IdCode) && !Field(CsvColumn::IdCode).empty()) {
        const std::string id = Field(CsvColumn::IdCode);
        if (id.size() < 3 || id.size() > 10 ||
            id.find_first_not_of("0123456789") != std::string::npos)
            return Refuse(CsvColumn::IdCode, kCsvTextNotIdCode);
        in.idCode = id;
    }
    return std::nullopt;
}

std::string Mhz6(std::int64_t units10Hz) {
    return FormatUnits(units10Hz * 10, 6);
}

/// Sets the row's values into `scratch` through the channel setter and says
/// which came out other than asked; a refusal when the setter did not take the
/// channel's frequencies.
class RowSetter {
public:
    RowSetter(AppContext& scratch, CaptureInteraction& ui) : app_(scratch), ui_(ui) {}

    std::optional<Refusal> Set(const Intent& in, const RowReader& row,
                               std::vector<std::pair<CsvColumn, std::string>>& changes);

private:
    ChannelRecord* Channel(int no) { return FindChannel(app_.doc, no); }
    void Field(int no, int column, const std::string& value) {
        SetChannelField(app_, ui_, no, column, value);
    }
    bool Warned() const {
        return std::find(ui_.messages.begin(), ui_.messages.end(),
                         app_.texts.GetLangText(kBandWarning)) != ui_.messages.end();
    }
    std::string Reason(int textId) const {
        std::string text = app_.texts.GetLangText(textId);
        if (textId == kCsvTextOutsideBand)
            return FillMarker(text, "%1", app_.docState.BandText);
        if (!ui_.messages.empty())
            text += " (" + ui_.messages.back() + ")";
        return text;
    }

    AppContext& app_;
    CaptureInteraction& ui_;
};

std::int64_t RxUnits(const ChannelRecord& e) {
    return StoredFreqUnits(e.RxFreq.raw()).value_or(-1);
}

std::pair<int, std::int64_t> ShiftOf(const ChannelRecord& e) {
    if (e.TxShiftDir != 1 && e.TxShiftDir != 2)
        return {0, 0};
    const std::int64_t s = ShiftUnits(e.TxShift.raw());
    return s == 0 ? std::make_pair(0, std::int64_t{0}) : std::make_pair(int{e.TxShiftDir}, s);
}

std::optional<Refusal> RowSetter::Set(const Intent& in, const RowReader& row,
                                      std::vector<std::pair<CsvColumn, std::string>>& changes) {
    const int no = in.channelNo;
    ui_.messages.clear();
    ChannelRecord* e = Channel(no);
    // A row without Duplex keeps the channel's offset, which a new receive
    // frequency would clear.
    std::pair<int, std::int64_t> shift{0, 0};
    if (in.shift)
        shift = *in.shift;
    else if (e)
        shift = ShiftOf(*e);
    const bool wantsShift = shift.first != 0;
    if (!e || RxUnits(*e) != in.rx || (!wantsShift && ShiftOf(*e).first != 0))
        Field(no, kColRxFreq, FormatUnits(in.rx, 5));
    e = Channel(no);
    if (Warned())
        return Refusal{CsvColumn::Frequency, row.Field(CsvColumn::Frequency),
                       Reason(kCsvTextOutsideBand)};
    if (!e)
        return Refusal{CsvColumn::Frequency, row.Field(CsvColumn::Frequency),
                       Reason(kCsvTextNotTaken)};
    if (RxUnits(*e) != in.rx)
        changes.emplace_back(CsvColumn::Frequency, Mhz6(RxUnits(*e)));

    if (wantsShift && ShiftOf(*e) != shift) {
        ui_.messages.clear();
        Field(no, kColTxFreq,
              std::string(shift.first == 1 ? "-" : "+") + FormatUnits(shift.second, 5));
        e = Channel(no);
        if (Warned())
            return Refusal{CsvColumn::Offset, row.Field(CsvColumn::Offset),
                           Reason(kCsvTextOutsideBand)};
        if (!e || ShiftOf(*e) != shift) {
            const auto now = e ? ShiftOf(*e) : std::make_pair(0, std::int64_t{0});
            changes.emplace_back(CsvColumn::Offset, std::string(now.first == 1   ? "-"
                                                                : now.first == 2 ? "+"
                                                                                 : "") +
                                                        Mhz6(now.second));
        }
    }
    if (!e)
        return Refusal{CsvColumn::Frequency, row.Field(CsvColumn::Frequency),
                       Reason(kCsvTextNotTaken)};

    if (in.name && TrimFix(e->Name) != *in.name) {
        Field(no, kColName, *in.name);
        e = Channel(no);
        if (TrimFix(e->Name) != *in.name) {
            std::string t = app_.texts.GetLangText(kCsvTextNameChanged);
            changes.emplace_back(CsvColumn::Name, FillMarker(t, "%1", TrimFix(e->Name)));
        }
    }
    if (in.tones && std::make_pair(int{e->TxTone}, int{e->RxTone}) != *in.tones) {
        // Decode, encode, decode: the setter copies a tone to the other side
        // while both are off, and the last step sets the decode tone after that.
        Field(no, kColRxTone, std::to_string(in.tones->second));
        Field(no, kColTxTone, std::to_string(in.tones->first));
        Field(no, kColRxTone, std::to_string(in.tones->second));
        e = Channel(no);
        if (std::make_pair(int{e->TxTone}, int{e->RxTone}) != *in.tones)
            changes.emplace_back(CsvColumn::Tone, TonesToCsv(e->TxTone, e->RxTone).tone);
    }
    if (in.skip && e->ScanSkip != *in.skip) {
        Field(no, kColScanSkip, std::to_string(*in.skip));
        e = Channel(no);
        if (e->ScanSkip != *in.skip)
            changes.emplace_back(CsvColumn::Skip, e->ScanSkip ? "S" : "\"\"");
    }
    for (std::size_t k = 0; k < kNumberCount; ++k) {
        const NumberColumn& nc = kNumberColumns[k];
        if (!in.numbers[k] || (*e).*nc.member == *in.numbers[k])
            continue;
        Field(no, nc.setterColumn, std::to_string(*in.numbers[k]));
        e = Channel(no);
    }
    // Compared after all of them: a later one's side rule may change an earlier.
    for (std::size_t k = 0; k < kNumberCount; ++k) {
        const NumberColumn& nc = kNumberColumns[k];
        if (in.numbers[k] && (*e).*nc.member != *in.numbers[k])
            changes.emplace_back(nc.column, std::to_string((*e).*nc.member));
    }
    if (in.idCode && TrimFix(e->IdCode) != *in.idCode) {
        Field(no, kColIdCode, *in.idCode);
        e = Channel(no);
        if (TrimFix(e->IdCode) != *in.idCode)
            changes.emplace_back(CsvColumn::IdCode, TrimFix(e->IdCode));
    }
    if ((in.power && e->TxPower != *in.power) || in.powerUnknown) {
        Field(no, kColTxPower, std::to_string(in.power.value_or(0)));
        e = Channel(no);
        if (in.powerUnknown || e->TxPower != *in.power) {
            std::string t = app_.texts.GetLangText(kCsvTextPowerChanged);
            changes.emplace_back(CsvColumn::Power,
                                 FillMarker(t, "%1", std::string(PowerLevelName(e->TxPower))));
        }
    }
    if (in.spacing && e->ChSpacing != *in.spacing) {
        Field(no, kColChSpacing, std::to_string(*in.spacing));
        e = Channel(no);
        if (e->ChSpacing != *in.spacing)
            changes.emplace_back(CsvColumn::Mode, std::string(ModeName(e->ChSpacing)));
    }
    return std::nullopt;
}

std::string FaultText(const TextCatalog& texts, const CsvTable& table) {
    auto withLine = [&](std::string reason) {
        std::string t = texts.GetLangText(kCsvTextFileLine);
        t = FillMarker(t, "%1", std::to_string(table.faultLine));
        return FillMarker(t, "%2", reason);
    };
    switch (table.fault) {
    case CsvFault::Empty:
        return texts.GetLangText(kCsvTextEmpty);
    case CsvFault::NulByte:
        return texts.GetLangText(kCsvTextNulBytes);
    case CsvFault::TooLarge:
        return FillMarker(texts.GetLangText(kCsvTextTooLarge), "%1",
                          std::to_string(kCsvMaxBytes / (1024 * 1024)));
    case CsvFault::TooManyRecords:
        return FillMarker(texts.GetLangText(kCsvTextTooManyRows), "%1",
                          std::to_string(kCsvMaxRecords));
    case CsvFault::TooManyFields:
        return withLine(FillMarker(texts.GetLangText(kCsvTextTooManyFields), "%1",
                                   std::to_string(kCsvMaxFields)));
    case CsvFault::OpenQuote:
        return withLine(texts.GetLangText(kCsvTextOpenQuote));
    case CsvFault::None:
        break;
    }
    return {};
}

} // namespace

CsvImportPlan PlanChannelImport(const AppContext& app, std::string_view bytes, CsvImportMode mode) {
    const TextCatalog& texts = app.texts;
    CsvImportPlan plan;
    plan.result = app.doc;
    CsvImportReport& report = plan.report;

    const CsvTable table = ReadCsv(bytes);
    if (table.fault != CsvFault::None) {
        report.fileFault = FaultText(texts, table);
        return plan;
    }
    if (table.readAsLatin1)
        report.fileNotes.push_back(texts.GetLangText(kCsvTextLatin1));

    // The header: columns by name, in any order; the first of a repeated name counts.
    const CsvRecord& header = table.records.front();
    std::array<int, kCsvColumnCount> index;
    index.fill(-1);
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const auto column = CsvColumnFromHeader(header.fields[i]);
        if (column && index[static_cast<std::size_t>(*column)] < 0) {
            index[static_cast<std::size_t>(*column)] = static_cast<int>(i);
        } else if (!column) {
            std::string t = texts.GetLangText(kCsvTextFileLine);
            t = FillMarker(t, "%1", std::to_string(header.line));
            t = FillMarker(t, "%2",
                           FillMarker(texts.GetLangText(kCsvTextUnknownColumn), "%1",
                                      std::string(StripBlanks(header.fields[i]))));
            report.lines.push_back({header.line, CsvLineKind::Note, t});
        }
    }
    for (CsvColumn needed : {CsvColumn::Location, CsvColumn::Frequency}) {
        if (index[static_cast<std::size_t>(needed)] < 0) {
            report.fileFault = FillMarker(texts.GetLangText(kCsvTextNoColumn), "%1",
                                          std::string(CsvColumnName(needed)));
            report.lines.clear();
            return plan;
        }
    }

    // The rows go into a copy that no window watches; the setter's messages
    // become the report's.
    AppContext scratch = app;
    scratch.docState.Events = DocumentEvents{};
    scratch.docState.Hooks = DocumentHooks{};
    scratch.habits.UseOffsetFreq = true; // the transmit column takes signed offsets
    CaptureInteraction ui;

    std::map<int, int> seen; // channel number -> line
    auto refuse = [&](int line, const Refusal& r) {
        report.lines.push_back(
            {line, CsvLineKind::Refused,
             CsvLineText(texts, line, CsvColumnName(r.column), r.value, r.reason)});
        ++report.rowsRefused;
    };
    for (std::size_t k = 1; k < table.records.size(); ++k) {
        const CsvRecord& record = table.records[k];
        const int line = record.line;
        if (record.fields.size() != header.fields.size()) {
            std::string reason = texts.GetLangText(kCsvTextFieldCount);
            reason = FillMarker(reason, "%1", std::to_string(record.fields.size()));
            reason = FillMarker(reason, "%2", std::to_string(header.fields.size()));
            report.lines.push_back({line, CsvLineKind::Refused,
                                    FillMarker(FillMarker(texts.GetLangText(kCsvTextFileLine), "%1",
                                                          std::to_string(line)),
                                               "%2", reason)});
            ++report.rowsRefused;
            continue;
        }
        const RowReader row(texts, index, record, table.separator != ',');
        const std::string location = row.Field(CsvColumn::Location);
        const auto no = ParseUnits(location, 0);
        const auto noExact = ParseUnits(location, 1);
        if (!no || !noExact || *no < 1 || *no > kLastChannel || *noExact != *no * 10) {
            refuse(line, *row.Refuse(CsvColumn::Location, kCsvTextNoSuchChannel));
            continue;
        }
        Intent in;
        in.channelNo = static_cast<int>(*no);
        if (const auto first = seen.find(in.channelNo); first != seen.end()) {
            std::string reason = texts.GetLangText(kCsvTextDuplicate);
            reason = FillMarker(reason, "%1", std::to_string(in.channelNo));
            reason = FillMarker(reason, "%2", std::to_string(first->second));
            refuse(line, Refusal{CsvColumn::Location, location, reason});
            continue;
        }
        const auto rx = ParseUnits(row.Field(CsvColumn::Frequency), 5);
        if (!rx || *rx <= 0) {
            refuse(line, *row.Refuse(CsvColumn::Frequency, kCsvTextNotFrequency));
            continue;
        }
        in.rx = *rx;
        std::vector<std::pair<CsvColumn, std::string>> notes, changes;
        if (auto r = row.Read(in, notes, mode == CsvImportMode::Replace)) {
            refuse(line, *r);
            continue;
        }
        const RadioDocument before = scratch.doc;
        if (auto r = RowSetter(scratch, ui).Set(in, row, changes)) {
            scratch.doc = before; // the row leaves nothing behind
            refuse(line, *r);
            continue;
        }
        seen[in.channelNo] = line;
        ++report.rowsTaken;
        if (!changes.empty())
            ++report.rowsChanged;
        for (const auto& [column, text] : changes) {
            std::string reason = text;
            if (column != CsvColumn::Name && column != CsvColumn::Power)
                reason = FillMarker(texts.GetLangText(kCsvTextChanged), "%1", text);
            report.lines.push_back(
                {line, CsvLineKind::Changed,
                 CsvLineText(texts, line, CsvColumnName(column), row.Field(column), reason)});
        }
        for (const auto& [column, text] : notes)
            report.lines.push_back(
                {line, CsvLineKind::Note,
                 CsvLineText(texts, line, CsvColumnName(column), row.Field(column), text)});
    }

    if (mode == CsvImportMode::Replace && report.rowsTaken > 0) {
        // The channels the file does not name leave the table, through the
        // setter as a cleared frequency does; from the end, so that indices
        // still to visit do not move.
        for (int i = scratch.doc.ChannelCount - 1; i >= 0; --i) {
            const int no = scratch.doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
            if (no <= kLastChannel && !seen.contains(no))
                SetChannelField(scratch, ui, no, kColRxFreq, "");
        }
    }
    plan.result = scratch.doc;
    return plan;
}

void ApplyChannelImport(AppContext& app, const CsvImportPlan& plan) {
    if (plan.report.Refused())
        return;
    app.doc.ChannelCount = plan.result.ChannelCount;
    app.doc.Channels = plan.result.Channels;
    ReconcileOptionRefs(app);
    app.docState.Events.Publish(DocumentChange::ChannelTable);
}

} // namespace pmr
