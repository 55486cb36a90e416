#include "image/ChannelCodec.h"

#include "app/AppContext.h"
#include "document/StepGrid.h"
#include "document/TrimFix.h"
#include "image/CodecText.h"
#include "image/HexText.h"
#include "image/ImageBits.h"
#include "image/MemoryMap.h"

#include <algorithm>
#include <charconv>

namespace pmr {
namespace {

using namespace image_detail;
using namespace image_map;

constexpr int kRadioChannels = 128;
constexpr std::uint32_t kMaxRxSteps = 199999;   // above: an erased or foreign record
constexpr std::uint64_t kMaxRxValue = 99999999; // what 8 digits of 10 Hz can hold
constexpr std::uint64_t kMaxShiftValue = 9999999;
constexpr int kMaxToneCode = 1074;
constexpr int kCtcssTones = 50;
constexpr int kFirstDcsCode = 51;

int RecordBase(int channelNo) {
    return channelNo > kRadioChannels ? kVfoRecord : (channelNo - 1) * kChannelRecordSize;
}

std::uint64_t StepOf(Integer step625) {
    return step625 == 1 ? 625 : 500;
}

/// The image's three tone fields: type (0 off, 1 CTCSS, 2 DCS), the CTCSS
/// byte (number - 1) and the 10-bit DCS number (bit 9 = inverted polarity).
struct ToneFields {
    int type = 0;
    int ctcss = 0;
    int dcs = 0;
};

ToneFields SplitTone(int code) {
    ToneFields f;
    if (code <= 0 || code > kMaxToneCode)
        return f; // not a tone code: sent as "off" rather than as a stray value
    if (code <= kCtcssTones) {
        f.type = 1;
        f.ctcss = code - 1;
    } else {
        f.type = 2;
        f.dcs = code - kFirstDcsCode;
    }
    return f;
}

Integer JoinTone(int type, std::uint8_t ctcss, std::uint8_t dcsLow, int bit8, int bit9) {
    if (type == 1)
        return ctcss < kCtcssTones ? static_cast<Integer>(ctcss + 1) : 0;
    if (type == 2)
        return static_cast<Integer>(kFirstDcsCode + dcsLow + 256 * bit8 + 512 * bit9);
    return 0;
}

std::string Digits(std::uint64_t value, int width) {
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    std::string text(buf, end);
    if (text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

bool TableHolds(const RadioDocument& doc, int channelNo) {
    for (int i = 0; i < doc.ChannelCount; ++i)
        if (doc.Channels[static_cast<std::size_t>(i)].ChannelNo == channelNo)
            return true;
    return false;
}

} // namespace

void EncodeChannel(AppContext& app, ChannelRecord& entry) {
    Image& img = app.images.ImageBuf;
    const std::string rx = TrimFix(entry.RxFreq);
    entry.IsEmpty = (rx.empty() || rx == "FFFFFFFF") ? 1 : 0;

    const int no = entry.ChannelNo;
    if (no < 1 || no > kVfoChannelNo)
        return;
    // A flag that names the wrong grid would put the radio on another frequency
    // than the one shown; a value on neither grid never gets here (a write
    // refuses it first).
    AlignStepFlags(entry);
    if (entry.RxStep625 != 0 && entry.RxStep625 != 1)
        entry.RxStep625 = 0;
    if (entry.TxStep625 != 0 && entry.TxStep625 != 1)
        entry.TxStep625 = 0;
    if (entry.TxPower < 0 || entry.TxPower > 2)
        entry.TxPower = 0;

    // A channel without a numeric receive frequency cannot be put on the air:
    // it stays marked empty (and the VFO record stays erased).
    const std::string rxDigits = HexOrBlank(rx);
    if (entry.IsEmpty != 0 || !IsDecimalDigits(rxDigits))
        return;

    if (no <= kRadioChannels) {
        // Set, not toggled: a channel number present twice must not cancel itself out.
        SetBitmapBit(img, kEmptyBitmap, no - 1, false);
        SetBitmapBit(img, kScanSkipBitmap, no - 1, entry.ScanSkip != 0);
    }

    std::uint8_t* rec = img.data() + RecordBase(no);
    std::fill(rec, rec + kChannelRecordSize, std::uint8_t{0});

    const auto rxSteps = RoundHalfEven(DecimalValue(rxDigits), StepOf(entry.RxStep625));
    rec[0] = static_cast<std::uint8_t>(rxSteps >> 16);
    rec[1] = static_cast<std::uint8_t>(rxSteps >> 8);
    rec[2] = static_cast<std::uint8_t>(rxSteps);

    const std::string shift = TrimFix(entry.TxShift);
    std::uint64_t shiftValue = 0;
    if (shift != "FFFFFFF" && IsDecimalDigits(shift))
        shiftValue = DecimalValue(shift);
    const auto shiftSteps = RoundHalfEven(shiftValue, StepOf(entry.TxStep625));
    rec[3] = static_cast<std::uint8_t>(shiftSteps >> 8);
    rec[4] = static_cast<std::uint8_t>(shiftSteps);

    const ToneFields rxTone = SplitTone(entry.RxTone);
    const ToneFields txTone = SplitTone(entry.TxTone);
    rec[5] = Field(rxTone.dcs >> 9, 1, 7) | Flag(entry.RxStep625, 6) | Flag(entry.TxStep625, 5) |
             Flag(entry.Scramble, 4) | Field(entry.BusyLock, 2, 2) | Field(rxTone.type, 2, 0);
    rec[6] = Field(txTone.dcs >> 9, 1, 7) | Flag(entry.Compander, 6) |
             Field(entry.TxShiftDir, 2, 4) | Flag(entry.TxInhibit, 3) | Field(txTone.type, 2, 0);
    rec[7] = Flag(entry.Whisper, 7) | Flag(entry.SignalRelation, 6) | Field(entry.OptSignal, 2, 4) |
             Field(entry.PttId, 2, 2) | Field(2 - entry.TxPower, 2, 0);
    rec[8] = Field(entry.ChSpacing, 2, 4) | Field(rxTone.dcs >> 8, 1, 0);
    rec[9] = Field(txTone.dcs >> 8, 1, 0);
    rec[11] = LowByte(entry.AutoDialMem);
    rec[12] = rxTone.type == 1 ? LowByte(rxTone.ctcss) : 0;
    rec[13] = txTone.type == 1 ? LowByte(txTone.ctcss) : 0;
    rec[14] = rxTone.type == 2 ? LowByte(rxTone.dcs) : 0;
    rec[15] = txTone.type == 2 ? LowByte(txTone.dcs) : 0;

    if (no <= kRadioChannels) {
        const std::string name = TrimFix(entry.Name);
        for (std::size_t i = 0; i < 6; ++i)
            rec[16 + i] = i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0;
    }

    // ID code: 3 to 10 digits, two per byte; "123" becomes 12 30.
    std::string id = TrimFix(entry.IdCode);
    if (id.size() < 3)
        id.append(3 - id.size(), '\0');
    if (id.size() > 10)
        id.resize(10);
    const auto digitCount = static_cast<std::uint8_t>(id.size());
    if (id.size() % 2 != 0)
        id += '0';
    for (std::size_t i = 0; i < id.size() / 2; ++i)
        rec[22 + i] = HexByte(id[2 * i], id[2 * i + 1]);
    // With DTMF signalling the radio sends channel IDs as three digits.
    rec[27] = app.doc.Settings.Dtmf.DtmfSignalling == 1 ? 3 : digitCount;
}

bool DecodeChannel(AppContext& app, int index) {
    RadioDocument& doc = app.doc;
    const Image& img = app.images.ImageBuf;
    if (index < 0 || index > kRadioChannels)
        return false;
    if (doc.ChannelCount < 0 || doc.ChannelCount >= kMaxChannelEntries)
        return false;
    const int no = index + 1;
    if (index < kRadioChannels && BitmapBit(img, kEmptyBitmap, index))
        return false;
    if (TableHolds(doc, no))
        return false;

    const std::uint8_t* rec = img.data() + RecordBase(no);
    const std::uint32_t rxSteps =
        (std::uint32_t{rec[0]} << 16) | (std::uint32_t{rec[1]} << 8) | rec[2];
    const std::uint32_t shiftSteps = (std::uint32_t{rec[3]} << 8) | rec[4];
    if (rxSteps > kMaxRxSteps)
        return false; // erased memory (all FF) never yields a channel
    const Integer rxStep625 = static_cast<Integer>(Bits(rec[5], 1, 6));
    const Integer txStep625 = static_cast<Integer>(Bits(rec[5], 1, 5));
    const std::uint64_t rxValue = rxSteps * StepOf(rxStep625);
    if (rxValue > kMaxRxValue)
        return false; // above 999.99999 MHz: no 8-digit text can hold it

    ChannelRecord& e = doc.Channels[static_cast<std::size_t>(doc.ChannelCount)];
    ++doc.ChannelCount;
    // Members the image does not hold get a new channel's values, never what the
    // slot held before: reading the same radio twice gives the same document.
    e = ChannelRecord{};
    e.Name = "";
    e.ScanSkip =
        index < kRadioChannels ? static_cast<Integer>(BitmapBit(img, kScanSkipBitmap, index)) : 0;
    e.IsEmpty = 0;
    e.ChannelNo = static_cast<Integer>(no);

    e.RxStep625 = rxStep625;
    e.TxStep625 = txStep625;
    e.Scramble = static_cast<Integer>(Bits(rec[5], 1, 4));
    e.BusyLock = static_cast<Integer>(Bits(rec[5], 2, 2));
    e.Compander = static_cast<Integer>(Bits(rec[6], 1, 6));
    int shiftDir = Bits(rec[6], 2, 4);
    e.TxInhibit = static_cast<Integer>(Bits(rec[6], 1, 3));
    e.Whisper = static_cast<Integer>(Bits(rec[7], 1, 7));
    e.SignalRelation = static_cast<Integer>(Bits(rec[7], 1, 6));
    e.OptSignal = static_cast<Integer>(Bits(rec[7], 2, 4));
    e.PttId = static_cast<Integer>(Bits(rec[7], 2, 2));
    e.TxPower = static_cast<Integer>(2 - std::min(Bits(rec[7], 2, 0), 2));
    e.ChSpacing = static_cast<Integer>(Bits(rec[8], 2, 4));
    e.AutoDialMem = rec[11];

    e.RxTone =
        JoinTone(Bits(rec[5], 2, 0), rec[12], rec[14], Bits(rec[8], 1, 0), Bits(rec[5], 1, 7));
    e.TxTone =
        JoinTone(Bits(rec[6], 2, 0), rec[13], rec[15], Bits(rec[9], 1, 0), Bits(rec[6], 1, 7));

    if (index < kRadioChannels) {
        std::string name;
        bool ended = false;
        for (int i = 16; i < 22; ++i) {
            if (rec[i] == 0xFF || rec[i] == 0) {
                ended = true;
                break;
            }
            name += static_cast<char>(rec[i]);
        }
        if (ended)
            name += '\0';
        e.Name = name;
    }

    int count = rec[27];
    if (count < 3 || count > 10)
        count = 3;
    std::string id;
    for (int i = 0; i < (count + 1) / 2; ++i)
        id += HexPad(rec[22 + i], 2);
    id.resize(static_cast<std::size_t>(count));
    if (!IsDecimalDigits(id))
        id = "000";
    e.IdCode = id + '\0';

    e.RxFreq = Digits(rxValue, 8);
    const std::uint64_t shiftValue = shiftSteps * StepOf(txStep625);
    if (shiftDir > 2)
        shiftDir = 0;
    if (shiftValue > kMaxShiftValue) {
        // 7 digits cannot hold it: read as no offset instead of a cut-off number.
        e.TxShift = "0000000";
        shiftDir = 0;
    } else {
        e.TxShift = Digits(shiftValue, 7);
    }
    e.TxShiftDir = static_cast<Byte>(shiftDir);
    return true;
}

} // namespace pmr
