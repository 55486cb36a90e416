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

namespace {

template <typename T> void AtLeast(T& value, int least) {
    if (value < least)
        value = static_cast<T>(least);
}

} // namespace

void StoreAsTheWindowsShow(RadioDocument& doc) {
    OptFeatures& opt = doc.Settings.Opt;
    // The channel display (DisplayMode 1) works in channel mode only.
    if (opt.DisplayMode == 1 && doc.ChannelCount > 1)
        opt.WorkMode = 1;
    opt.PowerOnText = "";
    DtmfSettings& dtmf = doc.Settings.Dtmf;
    // In 50 ms units: the shortest tone is 50 ms, the shortest first-digit
    // delay 100 ms.
    AtLeast(dtmf.DtmfRate, 1);
    AtLeast(dtmf.FirstDigitDelay, 2);
    // Channel 1, the first channel every new document has.
    ScanSettings& scan = doc.Settings.Scan;
    AtLeast(scan.PriorityCh1, 1);
    AtLeast(scan.PriorityCh2, 1);
    AlertSettings& alert = doc.Settings.Alert;
    AtLeast(alert.EmergencyCh, 1);
    // The alert's times, in seconds, start at 1.
    AtLeast(alert.AlarmTime, 1);
    AtLeast(alert.TxTime, 1);
    AtLeast(alert.RxTime, 1);
}

} // namespace pmr
