#pragma once
// The user's side of a transfer: the questions and messages (inherited from
// UserInteraction, with the texts already looked up), the password dialog, the
// progress display and the few window actions a transfer triggers.
//
// Contract for implementers:
// - Ask() and AskPassword() may run a nested event loop (modal dialogs). The
//   driver switches reception off while any question is open, so receive events
//   and timers delivered meanwhile do no harm; it discards input afterwards.
// - The progress display is NOT modal in the blocking sense: OpenProgress()
//   shows it and returns at once; the transfer runs while it is shown. It must
//   not offer a way to close it that bypasses the driver (use Abort()).
// - Every method but the inherited two and AskPassword has a do-nothing
//   default, so a command-line front end overrides only what it shows.

#include "app/UserInteraction.h"
#include "link/LinkMode.h"

#include <optional>
#include <string>

namespace pmr {

class LinkUser : public UserInteraction {
public:
    /// The password dialog FrmPassWord, shown with `current` (the entered
    /// password, masked). The entered text on OK (at most 4 characters), nothing
    /// on Cancel.
    virtual std::optional<std::string> AskPassword(const std::string& current) = 0;

    /// Make the open editors commit the edit of their focused control: the
    /// channel grid before a read, every open editor before a write.
    virtual void CommitEdits(LinkMode /*mode*/) {}
    /// Whether editors commit and windows close through events of their own,
    /// so that a write waits 100 ms before it starts and a read 500 ms before
    /// it is decoded. A front end without editors (the command line) says no.
    virtual bool HasEditors() const { return true; }

    /// The progress window FrmProgress (reads and writes only): caption (text
    /// 9027 / 9028), label (text 9029), bar 0 and "0%".
    virtual void OpenProgress(const std::string& /*caption*/, const std::string& /*label*/) {}
    /// Bar = percent (0 to 100), percentage label = the number followed by "%".
    virtual void SetProgress(int /*percent*/) {}
    /// A new label beside the bar: a write that keeps a backup names each of
    /// its phases (the backup read, the write, the read-back), and the bar
    /// starts again from 0 for each.
    virtual void SetProgressLabel(const std::string& /*label*/) {}
    /// A new title (the link search's, then the old one again).
    virtual void SetProgressCaption(const std::string& /*caption*/) {}
    virtual void CloseProgress() {}

    /// Status bar panel 3 after the link search saved a port setting: `text` is
    /// text 12008 followed by the port number.
    virtual void ShowPortStatus(const std::string& /*text*/) {}
    /// The link search starts: the ports it tries, and the consoles it leaves out.
    virtual void ShowSearchPorts(const std::string& /*tried*/, const std::string& /*consoles*/) {}

    /// A read succeeded: close all child windows before the image is decoded.
    virtual void CloseAllChildWindows() {}
    /// The read image has been decoded into the document (500 ms after the
    /// read ended): relabel the main window, open the channel grid, cascade.
    virtual void ReadDecoded() {}
    /// The radio information was read and decoded: open FrmRadioInfo.
    virtual void ShowRadioInfo() {}

    /// The user chose to start the program version that fits the radio, and
    /// it has been started: end this program now (the transfer is over).
    virtual void EndProgram() {}
};

} // namespace pmr
