#include "document/DocumentDefaults.h"

#include "document/RadioDocument.h"
#include "document/TrimFix.h"

namespace pmr {

void ResetSettings(RadioDocument& doc) {
    RadioSettings& s = doc.Settings;

    s.Opt = OptFeatures{};
    s.Opt.DisplayMode = 1;
    s.Opt.CurrentCh = 1;
    s.Opt.FmCurrentCh = 1;
    s.Opt.DirectCh1 = 1;
    s.Opt.DirectCh2 = 1;
    s.Opt.TailElimMode = 3;
    s.Opt.PowerOnText = kNulText;

    s.EmbMsg.Line1 = kNulText;
    s.EmbMsg.Line2 = kNulText;
    s.EmbMsg.Line3 = kNulText;
    s.EmbMsg.Line4 = kNulText;

    // The PTT-ID, stun and kill codes survive: they belong to the radio's owner.
    DtmfSettings& d = s.Dtmf;
    d.DtmfRate = 0;
    d.FirstDigitTime = 0;
    d.FirstDigitDelay = 0;
    d.StarHashTime = 0;
    d.DKey = 0;
    d.SideTone = 0;
    d.DtmfSignalling = 0;
    d.CallPrompt = 0;
    d.AutoAnswer = 0;
    d.MiddleCode = 0;
    d.GroupCode = 0;
    d.AutoResetTime = 0;
    for (DtmfCode& memory : d.DialMemory) {
        memory.Len = 0;
        memory.Digits = "";
    }

    s.Keys = KeySettings{};
    s.Keys.LongPressTime = 20;

    s.Alert = AlertSettings{};
    doc.AlarmMode = 0;

    s.Scan = ScanSettings{};
    s.Scan.LookBackA = 20;
    s.Scan.LookBackB = 30;
    s.Scan.RxResumeDelay = 30;
    s.Scan.TxResumeDelay = 30;
    s.Scan.WaitTime = 6;
}

} // namespace pmr
