#pragma once
// Every member of the document a user edits, once: its key, the window and
// caption that name it, the values its window stores and how a value is shown.
// The check before a write, the compare of two documents and taking a value
// over from another document all name members from this table, so a caption
// is the same wherever a member is named.

#include "document/RadioDocument.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

class TextCatalog;

/// What the user does to mend a value: the line of a refused write says it.
enum class Mend : std::uint8_t {
    Channel, // correct it in the channel list
    Choose,  // open the window and choose an entry of the list
    Tick,    // open the window and tick or clear the box
    Retype,  // open the window and type the text again
};

/// The values a member's window stores, and what a new document holds before
/// the window was ever opened (a DTMF rate of 0, say). A value outside reaches
/// the radio as a setting it has no meaning for.
struct Allowed {
    int low = 0;
    int high = 255;
    int step = 1;
    std::uint32_t except = 0; // bit v set: the value v (below 32) is not one
};
bool Holds(const Allowed& allowed, int value);

/// How a number member is shown. In this order: a value 0..3 with a text in
/// `texts`; a value below `textCount` as text `textBase` + value; a value with
/// an entry in `symbols`; otherwise the number (value + add) x times, in tenths
/// when `tenths`, between `prefix` and `suffix`. Channel numbers are numbers:
/// the lists show the VFO as 129.
enum class ShownAs : std::uint8_t {
    Number, // as above
    Flag,   // a check box: text 16047 ("On") for any value but 0, else 16046
    Tone,   // a tone name ("67.0", "D023N"); 0 is text 15030 ("Off")
    Custom, // made by `custom` (entries whose texts are put together)
};
struct NumberShape {
    ShownAs as = ShownAs::Number;
    std::array<int, 4> texts{};
    int textBase = 0;
    int textCount = 0;
    std::span<const std::string_view> symbols{};
    int add = 0;
    int times = 1;
    bool tenths = false;
    std::string_view prefix{};
    std::string_view suffix{};
    std::string (*custom)(const TextCatalog& texts, int value) = nullptr;
};

/// What names a member wherever it is shown: the caption text `labelId` (0:
/// none; `key` is shown), a number after it (a preset's, memory's or line's)
/// and a second caption it is made of (a key's press).
struct MemberName {
    std::string key;  // "RxFreq", "Opt.FreqStep", "FmPresets 3"
    int windowId = 0; // a radio-wide setting: the caption of the window that edits it
    int labelId = 0;
    int number = 0;
    int partId = 0;
};

/// A member of every channel record.
struct ChannelMember {
    MemberName name;
    NumberShape shape;
    /// A number member; nullptr for a text member (frequency, offset, name, ID code).
    Integer ChannelRecord::*field = nullptr;
    /// A text member as the channel editors show it.
    std::string (*text)(const ChannelRecord&) = nullptr;
    /// A text member: copies it from `from` to `to`, with the members that
    /// follow from it (a frequency's step flag, an ID code's length).
    void (*take)(ChannelRecord& to, const ChannelRecord& from) = nullptr;
    /// A number the write check compares through the image as it is (the
    /// scan skip flag, compared as the one bit the radio keeps, and the text
    /// members have checks of their own).
    bool checked = false;
};

/// A radio-wide member (the settings windows' and the FM presets).
struct SettingMember {
    MemberName name;
    NumberShape shape;
    Mend mend = Mend::Choose;
    /// A number member: reads and writes it; empty for a text member.
    std::function<int(const RadioDocument&)> get;
    std::function<void(RadioDocument&, int)> set;
    /// A text member as its window shows it.
    std::function<std::string(const RadioDocument&)> text;
    std::function<void(RadioDocument& to, const RadioDocument& from)> take;
    /// A number the write check compares through the image and with
    /// `allowed` (the texts and the revert channel have checks of their own).
    bool checked = false;
    Allowed allowed{};
};

/// The channel members in the order of the channel edit dialog.
const std::vector<ChannelMember>& ChannelMembers();
/// The radio-wide members window by window, in the order of each window.
const std::vector<SettingMember>& SettingMembers();

/// Copies member `m` of channel `from` into channel `to`.
void TakeMember(const ChannelMember& m, ChannelRecord& to, const ChannelRecord& from);

/// The member with this key; throws std::out_of_range for a key not in the table.
const ChannelMember& ChannelMemberNamed(std::string_view key);
const SettingMember& SettingMemberNamed(std::string_view key);

} // namespace pmr
