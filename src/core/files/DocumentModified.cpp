#include "files/DocumentModified.h"

#include "app/AppContext.h"
#include "document/TrimFix.h"

#include <algorithm>

namespace pmr {
namespace {

template <std::size_t N> bool SameText(const FixedText<N>& a, const FixedText<N>& b) {
    return TrimFix(a) == TrimFix(b);
}

bool SameChannel(const ChannelRecord& a, const ChannelRecord& b) {
    return a.ChannelNo == b.ChannelNo && a.IsEmpty == b.IsEmpty && SameText(a.RxFreq, b.RxFreq) &&
           a.TxShiftDir == b.TxShiftDir && SameText(a.TxShift, b.TxShift) && a.RxTone == b.RxTone &&
           a.TxTone == b.TxTone && a.RxStep625 == b.RxStep625 && a.TxStep625 == b.TxStep625 &&
           a.Scramble == b.Scramble && a.BusyLock == b.BusyLock && a.RevTalkMode == b.RevTalkMode &&
           a.TxInhibit == b.TxInhibit && a.Talkaround == b.Talkaround && a.Spare == b.Spare &&
           a.PttId == b.PttId && a.Whisper == b.Whisper && a.ChSpacing == b.ChSpacing &&
           a.OptSignal == b.OptSignal && a.Compander == b.Compander && a.Reverse == b.Reverse &&
           a.TxPower == b.TxPower && a.AutoDialMem == b.AutoDialMem && a.ScanSkip == b.ScanSkip &&
           SameText(a.Name, b.Name) && SameText(a.IdCode, b.IdCode) &&
           a.IdCodeMaxLen == b.IdCodeMaxLen && a.SignalRelation == b.SignalRelation;
}

int UsedEntries(const RadioDocument& doc) {
    return std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
}

bool SameChannelTable(const RadioDocument& work, const RadioDocument& saved) {
    if (work.ChannelCount != saved.ChannelCount)
        return false;
    const int used = UsedEntries(saved);
    for (int i = 0; i < used; ++i) {
        const ChannelRecord& s = saved.Channels[static_cast<std::size_t>(i)];
        const ChannelRecord* w = &work.Channels[static_cast<std::size_t>(i)];
        if (w->ChannelNo != s.ChannelNo) {
            const auto begin = work.Channels.begin();
            const auto found = std::find_if(begin, begin + used, [&](const ChannelRecord& c) {
                return c.ChannelNo == s.ChannelNo;
            });
            if (found == begin + used)
                return false;
            w = &*found;
        }
        if (!SameChannel(*w, s))
            return false;
    }
    return true;
}

bool SameOpt(const OptFeatures& a, const OptFeatures& b) {
    OptFeatures x = a;
    OptFeatures y = b;
    const bool sameText = SameText(x.PowerOnText, y.PowerOnText);
    x.PowerOnText = y.PowerOnText = FixedText<12>{};
    return sameText && x == y;
}

bool SameDtmfCode(const DtmfCode& a, const DtmfCode& b) {
    return a.Len == b.Len && SameText(a.Digits, b.Digits);
}

bool SameDtmf(const DtmfSettings& a, const DtmfSettings& b) {
    if (!(a.DtmfRate == b.DtmfRate && a.FirstDigitTime == b.FirstDigitTime &&
          a.FirstDigitDelay == b.FirstDigitDelay && a.StarHashTime == b.StarHashTime &&
          a.DKey == b.DKey && a.SideTone == b.SideTone && a.DtmfSignalling == b.DtmfSignalling &&
          a.CallPrompt == b.CallPrompt && a.AutoAnswer == b.AutoAnswer &&
          a.MiddleCode == b.MiddleCode && a.GroupCode == b.GroupCode &&
          a.AutoResetTime == b.AutoResetTime))
        return false;
    if (!(SameDtmfCode(a.BotCode, b.BotCode) && SameDtmfCode(a.EotCode, b.EotCode) &&
          SameDtmfCode(a.StunCode, b.StunCode) && SameDtmfCode(a.KillCode, b.KillCode)))
        return false;
    for (std::size_t i = 0; i < a.DialMemory.size(); ++i)
        if (!SameDtmfCode(a.DialMemory[i], b.DialMemory[i]))
            return false;
    return true;
}

bool SameEmbMsg(const EmbMessage& a, const EmbMessage& b) {
    return SameText(a.Line1, b.Line1) && SameText(a.Line2, b.Line2) && SameText(a.Line3, b.Line3) &&
           SameText(a.Line4, b.Line4);
}

bool SameFmPresets(const RadioDocument& a, const RadioDocument& b) {
    for (std::size_t i = 0; i < a.FmPresets.size(); ++i)
        if (a.FmPresets[i].IsEmpty != b.FmPresets[i].IsEmpty ||
            !SameText(a.FmPresets[i].Freq, b.FmPresets[i].Freq))
            return false;
    return true;
}

bool SameTestFreqs(const RadioDocument& a, const RadioDocument& b) {
    for (std::size_t i = 0; i < a.TestFreqs.size(); ++i)
        if (!SameText(a.TestFreqs[i].RxFreq, b.TestFreqs[i].RxFreq) ||
            !SameText(a.TestFreqs[i].TxFreq, b.TestFreqs[i].TxFreq))
            return false;
    return true;
}

} // namespace

bool IsDocumentModified(const AppContext& app) {
    const RadioDocument& work = app.doc;
    const RadioDocument& saved = app.fileBuffer;
    const bool unchanged =
        SameChannelTable(work, saved) && SameText(work.Model.ModelName, saved.Model.ModelName) &&
        work.Model.BandCode == saved.Model.BandCode &&
        SameEmbMsg(work.Settings.EmbMsg, saved.Settings.EmbMsg) && SameFmPresets(work, saved) &&
        SameOpt(work.Settings.Opt, saved.Settings.Opt) && SameTestFreqs(work, saved) &&
        SameDtmf(work.Settings.Dtmf, saved.Settings.Dtmf) &&
        work.Settings.Keys == saved.Settings.Keys && work.Settings.Scan == saved.Settings.Scan &&
        work.Settings.Alert == saved.Settings.Alert && work.AlarmMode == saved.AlarmMode &&
        (!app.factory.TestDataEnabled || app.factory.TestData == app.factory.SavedTestData);
    return !unchanged;
}

} // namespace pmr
