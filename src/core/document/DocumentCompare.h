#pragma once
// The compare of two documents (or of a document and what a radio holds),
// member by member: channels by number, then every radio-wide setting, each
// named by its caption from the table of the document's members and its
// values shown as the program shows them. A difference also says enough to
// take its value over from the other side.

#include "document/DocumentMembers.h"

#include <string>
#include <vector>

namespace pmr {

struct AppContext;
class TextCatalog;

enum class DifferenceKind : std::uint8_t {
    ChannelAdded,   // in the newer document only
    ChannelRemoved, // in the older document only
    ChannelMember,  // a member of a channel both hold
    Setting,        // a radio-wide member
};

struct DocumentDifference {
    DifferenceKind kind = DifferenceKind::Setting;
    int channelNo = 0; // 1..128, 129 for the VFO; 0 for a setting
    /// The member's key, window, caption text id, number and part (a channel
    /// added or removed: empty).
    MemberName name;
    /// The values as shown ("446.03125", "On", "D023N"). A channel added or
    /// removed: its receive frequency on the side that holds it.
    std::string oldValue;
    std::string newValue;
    /// Where the member is in ChannelMembers() or SettingMembers(); -1 for a
    /// channel added or removed.
    int member = -1;
};

/// Every difference from `older` to `newer`: the channels in number order
/// (the VFO last), each channel's members in the order of the channel edit
/// dialog, then the radio-wide members window by window. Captions and shown
/// values are in the language of `texts`. Members that only the stored bytes
/// tell apart (blanks after a name) are equal; a number whose two values show
/// alike (flags 1 and 5 are both ticked) shows each value after its text.
std::vector<DocumentDifference>
CompareDocuments(const RadioDocument& older, const RadioDocument& newer, const TextCatalog& texts);

/// One line for the difference: "Channel 3, RX frequency (MHz): 446.03125 ->
/// 446.04375", "Channel 5: added (446.06250 MHz)" (texts 9186-9188).
std::string DifferenceLine(const TextCatalog& texts, const DocumentDifference& d);

/// The difference's place and caption without the values ("Channel 3, RX
/// frequency (MHz)", "DTMF Settings, DTMF memory 3", "Channel 5"; text 9189).
std::string DifferenceCaption(const TextCatalog& texts, const DocumentDifference& d);

/// Takes the value `from` holds for the difference into the working document
/// `app.doc`: a member is copied, a channel `from` holds and the document
/// lacks is added as it is, one the document holds and `from` lacks is deleted.
/// The change is published on the document's events (and the option
/// references and ID lengths follow as after an edit). False when nothing
/// could be taken: the table is full, the channel is the document's last, or
/// the difference names nothing the documents hold.
bool TakeDifference(AppContext& app, const RadioDocument& from, const DocumentDifference& d);

} // namespace pmr
