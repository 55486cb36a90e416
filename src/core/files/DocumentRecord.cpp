#include "files/DocumentRecord.h"

#include <algorithm>
#include <cassert>

namespace pmr {
namespace {

// Sequential writer over the record; the offset checks below keep the member
// order honest against the file layout.
class RecordWriter {
public:
    explicit RecordWriter(DocumentRecordBytes& out) : out_(out) {}

    void integer(Integer v) {
        const auto u = static_cast<std::uint16_t>(v);
        out_[pos_++] = static_cast<std::uint8_t>(u & 0xFF);
        out_[pos_++] = static_cast<std::uint8_t>(u >> 8);
    }
    void byte(Byte v) { out_[pos_++] = v; }
    template <std::size_t N> void text(const FixedText<N>& t) {
        for (std::size_t i = 0; i < N; ++i)
            out_[pos_++] = static_cast<std::uint8_t>(t[i]);
    }
    std::size_t pos() const { return pos_; }

private:
    DocumentRecordBytes& out_;
    std::size_t pos_ = 0;
};

class RecordReader {
public:
    explicit RecordReader(const DocumentRecordBytes& in) : in_(in) {}

    Integer integer() {
        const auto lo = static_cast<std::uint16_t>(in_[pos_++]);
        const auto hi = static_cast<std::uint16_t>(in_[pos_++]);
        return static_cast<Integer>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    Byte byte() { return in_[pos_++]; }
    template <std::size_t N> void text(FixedText<N>& t) {
        for (std::size_t i = 0; i < N; ++i)
            t[i] = static_cast<char>(in_[pos_++]);
    }
    std::size_t pos() const { return pos_; }

private:
    const DocumentRecordBytes& in_;
    std::size_t pos_ = 0;
};

void WriteChannel(RecordWriter& w, const ChannelRecord& c) {
    w.integer(c.ChannelNo);
    w.integer(c.IsEmpty);
    w.text(c.RxFreq);
    w.byte(c.TxShiftDir);
    w.text(c.TxShift);
    w.integer(c.RxTone);
    w.integer(c.TxTone);
    w.integer(c.RxStep625);
    w.integer(c.TxStep625);
    w.integer(c.Scramble);
    w.integer(c.BusyLock);
    w.integer(c.RevTalkMode);
    w.integer(c.TxInhibit);
    w.integer(c.Talkaround);
    w.integer(c.Spare);
    w.integer(c.PttId);
    w.integer(c.Whisper);
    w.integer(c.ChSpacing);
    w.integer(c.OptSignal);
    w.integer(c.Compander);
    w.integer(c.Reverse);
    w.integer(c.TxPower);
    w.integer(c.AutoDialMem);
    w.integer(c.ScanSkip);
    w.text(c.Name);
    w.text(c.IdCode);
    w.integer(c.IdCodeMaxLen);
    w.integer(c.SignalRelation);
}

void ReadChannel(RecordReader& r, ChannelRecord& c) {
    c.ChannelNo = r.integer();
    c.IsEmpty = r.integer();
    r.text(c.RxFreq);
    c.TxShiftDir = r.byte();
    r.text(c.TxShift);
    c.RxTone = r.integer();
    c.TxTone = r.integer();
    c.RxStep625 = r.integer();
    c.TxStep625 = r.integer();
    c.Scramble = r.integer();
    c.BusyLock = r.integer();
    c.RevTalkMode = r.integer();
    c.TxInhibit = r.integer();
    c.Talkaround = r.integer();
    c.Spare = r.integer();
    c.PttId = r.integer();
    c.Whisper = r.integer();
    c.ChSpacing = r.integer();
    c.OptSignal = r.integer();
    c.Compander = r.integer();
    c.Reverse = r.integer();
    c.TxPower = r.integer();
    c.AutoDialMem = r.integer();
    c.ScanSkip = r.integer();
    r.text(c.Name);
    r.text(c.IdCode);
    c.IdCodeMaxLen = r.integer();
    c.SignalRelation = r.integer();
}

void WriteOpt(RecordWriter& w, const OptFeatures& o) {
    for (Integer v :
         {o.FreqStep,     o.SqlLevel,    o.PriorityCh,    o.DisplayMode,    o.ScreenColor,
          o.Backlight,    o.BatterySave, o.TailElimMode,  o.VoicePrompt,    o.KeyBeep,
          o.PromptVolume, o.Spare,       o.VoxTone,       o.PowerOnDisplay, o.WiredClone,
          o.FactoryTest,  o.Whisper,     o.NoSigTailElim, o.WorkMode,       o.FmWorkMode,
          o.ScanMode,     o.FmRadio,     o.ScramblerFreq, o.CurrentCh,      o.FmCurrentCh,
          o.Tot,          o.ScanPause,   o.TotPreAlert,   o.TotRekey,       o.TotReset,
          o.Vox,          o.VoxLevel,    o.VoxDelay,      o.NoInit})
        w.integer(v);
    w.text(o.PowerOnText);
    w.integer(o.ChannelLock);
    w.integer(o.Alarm);
    w.integer(o.DirectCh1);
    w.integer(o.DirectCh2);
}

void ReadOpt(RecordReader& r, OptFeatures& o) {
    for (Integer* v :
         {&o.FreqStep,     &o.SqlLevel,    &o.PriorityCh,    &o.DisplayMode,    &o.ScreenColor,
          &o.Backlight,    &o.BatterySave, &o.TailElimMode,  &o.VoicePrompt,    &o.KeyBeep,
          &o.PromptVolume, &o.Spare,       &o.VoxTone,       &o.PowerOnDisplay, &o.WiredClone,
          &o.FactoryTest,  &o.Whisper,     &o.NoSigTailElim, &o.WorkMode,       &o.FmWorkMode,
          &o.ScanMode,     &o.FmRadio,     &o.ScramblerFreq, &o.CurrentCh,      &o.FmCurrentCh,
          &o.Tot,          &o.ScanPause,   &o.TotPreAlert,   &o.TotRekey,       &o.TotReset,
          &o.Vox,          &o.VoxLevel,    &o.VoxDelay,      &o.NoInit})
        *v = r.integer();
    r.text(o.PowerOnText);
    o.ChannelLock = r.integer();
    o.Alarm = r.integer();
    o.DirectCh1 = r.integer();
    o.DirectCh2 = r.integer();
}

void WriteDtmfCode(RecordWriter& w, const DtmfCode& c) {
    w.integer(c.Len);
    w.text(c.Digits);
}

void ReadDtmfCode(RecordReader& r, DtmfCode& c) {
    c.Len = r.integer();
    r.text(c.Digits);
}

void WriteDtmf(RecordWriter& w, const DtmfSettings& d) {
    for (Integer v :
         {d.DtmfRate, d.FirstDigitTime, d.FirstDigitDelay, d.StarHashTime, d.DKey, d.SideTone,
          d.DtmfSignalling, d.CallPrompt, d.AutoAnswer, d.MiddleCode, d.GroupCode, d.AutoResetTime})
        w.integer(v);
    WriteDtmfCode(w, d.BotCode);
    WriteDtmfCode(w, d.EotCode);
    WriteDtmfCode(w, d.StunCode);
    WriteDtmfCode(w, d.KillCode);
    for (const DtmfCode& c : d.DialMemory)
        WriteDtmfCode(w, c);
}

void ReadDtmf(RecordReader& r, DtmfSettings& d) {
    for (Integer* v : {&d.DtmfRate, &d.FirstDigitTime, &d.FirstDigitDelay, &d.StarHashTime, &d.DKey,
                       &d.SideTone, &d.DtmfSignalling, &d.CallPrompt, &d.AutoAnswer, &d.MiddleCode,
                       &d.GroupCode, &d.AutoResetTime})
        *v = r.integer();
    ReadDtmfCode(r, d.BotCode);
    ReadDtmfCode(r, d.EotCode);
    ReadDtmfCode(r, d.StunCode);
    ReadDtmfCode(r, d.KillCode);
    for (DtmfCode& c : d.DialMemory)
        ReadDtmfCode(r, c);
}

void WriteKeys(RecordWriter& w, const KeySettings& k) {
    for (Integer v :
         {k.LongPressTime, k.Pf1Long, k.Pf1Short, k.Pf2Long, k.Pf2Short, k.Key3Long, k.Key4Long,
          k.Key5Long, k.Key6Long, k.Key3Short, k.Key4Short, k.Key5Short, k.Key6Short})
        w.integer(v);
}

void ReadKeys(RecordReader& r, KeySettings& k) {
    for (Integer* v : {&k.LongPressTime, &k.Pf1Long, &k.Pf1Short, &k.Pf2Long, &k.Pf2Short,
                       &k.Key3Long, &k.Key4Long, &k.Key5Long, &k.Key6Long, &k.Key3Short,
                       &k.Key4Short, &k.Key5Short, &k.Key6Short})
        *v = r.integer();
}

void WriteAlert(RecordWriter& w, const AlertSettings& a) {
    for (Byte v : {a.Type, a.IdType, a.IdMemory, a.AlarmTime, a.TxTime, a.RxTime, a.ChannelSel,
                   a.EmergencyCh, a.Cycles})
        w.byte(v);
}

void ReadAlert(RecordReader& r, AlertSettings& a) {
    for (Byte* v : {&a.Type, &a.IdType, &a.IdMemory, &a.AlarmTime, &a.TxTime, &a.RxTime,
                    &a.ChannelSel, &a.EmergencyCh, &a.Cycles})
        *v = r.byte();
}

void WriteScan(RecordWriter& w, const ScanSettings& s) {
    for (Byte v :
         {s.Mode, s.PriorityMode, s.RevertCh, s.LookBackA, s.LookBackB, s.RxResumeDelay,
          s.TxResumeDelay, s.EntryTone, s.ExitTone, s.PriorityCh1, s.PriorityCh2, s.WaitTime})
        w.byte(v);
}

void ReadScan(RecordReader& r, ScanSettings& s) {
    for (Byte* v :
         {&s.Mode, &s.PriorityMode, &s.RevertCh, &s.LookBackA, &s.LookBackB, &s.RxResumeDelay,
          &s.TxResumeDelay, &s.EntryTone, &s.ExitTone, &s.PriorityCh1, &s.PriorityCh2, &s.WaitTime})
        *v = r.byte();
}

} // namespace

DocumentRecordBytes EncodeDocumentRecord(const RadioDocument& doc) {
    DocumentRecordBytes out{};
    RecordWriter w(out);
    w.text(doc.Version);
    w.integer(doc.ChannelCount);
    for (const ChannelRecord& c : doc.Channels)
        WriteChannel(w, c);
    assert(w.pos() == record::kFmPresets);
    for (const FmPreset& p : doc.FmPresets) {
        w.integer(p.IsEmpty);
        w.text(p.Freq);
    }
    assert(w.pos() == record::kTestFreqs);
    for (const TestFreqPair& t : doc.TestFreqs) {
        w.text(t.RxFreq);
        w.text(t.TxFreq);
    }
    assert(w.pos() == record::kModel);
    w.text(doc.Model.ModelName);
    w.integer(doc.Model.BandCode);
    assert(w.pos() == record::kOpt);
    WriteOpt(w, doc.Settings.Opt);
    assert(w.pos() == record::kDtmf);
    WriteDtmf(w, doc.Settings.Dtmf);
    assert(w.pos() == record::kEmbMsg);
    w.text(doc.Settings.EmbMsg.Line1);
    w.text(doc.Settings.EmbMsg.Line2);
    w.text(doc.Settings.EmbMsg.Line3);
    w.text(doc.Settings.EmbMsg.Line4);
    assert(w.pos() == record::kKeys);
    WriteKeys(w, doc.Settings.Keys);
    assert(w.pos() == record::kAlert);
    WriteAlert(w, doc.Settings.Alert);
    assert(w.pos() == record::kScan);
    WriteScan(w, doc.Settings.Scan);
    assert(w.pos() == record::kAlarmMode);
    w.byte(doc.AlarmMode);
    assert(w.pos() == kDocumentRecordSize);
    return out;
}

RadioDocument DecodeDocumentRecord(std::span<const std::uint8_t> bytes) {
    DocumentRecordBytes in{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), in.size()), in.begin());
    RadioDocument doc;
    RecordReader r(in);
    r.text(doc.Version);
    doc.ChannelCount = r.integer();
    for (ChannelRecord& c : doc.Channels)
        ReadChannel(r, c);
    for (FmPreset& p : doc.FmPresets) {
        p.IsEmpty = r.integer();
        r.text(p.Freq);
    }
    for (TestFreqPair& t : doc.TestFreqs) {
        r.text(t.RxFreq);
        r.text(t.TxFreq);
    }
    r.text(doc.Model.ModelName);
    doc.Model.BandCode = r.integer();
    ReadOpt(r, doc.Settings.Opt);
    ReadDtmf(r, doc.Settings.Dtmf);
    r.text(doc.Settings.EmbMsg.Line1);
    r.text(doc.Settings.EmbMsg.Line2);
    r.text(doc.Settings.EmbMsg.Line3);
    r.text(doc.Settings.EmbMsg.Line4);
    ReadKeys(r, doc.Settings.Keys);
    ReadAlert(r, doc.Settings.Alert);
    ReadScan(r, doc.Settings.Scan);
    doc.AlarmMode = r.byte();
    assert(r.pos() == kDocumentRecordSize);
    return doc;
}

} // namespace pmr
