#pragma once
// The user's channel editing habits (kept in Habit.ini) and the channel clipboard
// of the row commands.

#include "document/RadioDocument.h"

namespace pmr {

struct Habits {
    bool PasteNoPrompt = false;    // paste without asking
    bool PasteInserts = false;     // paste inserts a channel at the row (else overwrites it)
    bool DeleteNoPrompt = false;   // delete without asking
    bool DeleteRemovesRow = false; // delete closes the gap (else leaves an empty channel)
    bool UseOffsetFreq = false;    // the transmit column shows the signed shift
    /// The channel last copied or cut; valid once ClipboardValid is set. Not saved.
    ChannelRecord ChannelClipboard;
    bool ClipboardValid = false;
};

} // namespace pmr
