#pragma once
// The one route by which the document tells the open windows what changed.
// A window subscribes to the kinds it shows while it is open and ends its
// subscription when it closes (DocumentSubscription does both).

#include <cstdint>
#include <functional>
#include <map>

namespace pmr {

enum class DocumentChange : std::uint8_t {
    /// The channel table or the FM presets changed: the channel and preset
    /// references of the options must follow. A window that shows them takes
    /// this over from the plain reconciliation.
    OptionRefs = 1,
    /// A channel's fields changed (a field set, the ID length rule applied);
    /// published with the channel's number, or 0 when several changed.
    ChannelFields = 2,
    /// A DTMF auto-dial memory changed.
    DtmfMemories = 4,
    /// The scan mode changed: the key assignments show their values again.
    ScanMode = 8,
    /// Channels were added, deleted or changed in bulk (batch settings): the
    /// windows that show channels show them all again.
    ChannelTable = 16,
    /// The whole document was put back as it was at another time (undo,
    /// redo): every open window shows all of it again.
    Whole = 32,
};

class DocumentEvents {
public:
    /// Told the kind of change and the one channel it touched (0: any or none).
    using Listener = std::function<void(DocumentChange, int channelNo)>;

    /// Listens to the changes whose bits are in `kinds`; returns the
    /// subscription's number for Unsubscribe.
    int Subscribe(unsigned kinds, Listener listener);
    void Unsubscribe(int id);
    /// Tells every listener of `change` (about channel `channelNo`, 0 for any);
    /// returns whether anyone listened.
    bool Publish(DocumentChange change, int channelNo = 0) const;

private:
    struct Subscription {
        unsigned kinds;
        Listener listener;
    };
    std::map<int, Subscription> subscriptions_;
    int next_ = 1;
};

inline unsigned Kinds(DocumentChange change) {
    return static_cast<unsigned>(change);
}
inline unsigned operator|(DocumentChange a, DocumentChange b) {
    return Kinds(a) | Kinds(b);
}

/// A subscription that ends with its owner.
class DocumentSubscription {
public:
    DocumentSubscription() = default;
    DocumentSubscription(DocumentEvents& events, unsigned kinds, DocumentEvents::Listener listener)
        : events_(&events), id_(events.Subscribe(kinds, std::move(listener))) {}
    ~DocumentSubscription() { End(); }
    DocumentSubscription(const DocumentSubscription&) = delete;
    DocumentSubscription& operator=(const DocumentSubscription&) = delete;
    DocumentSubscription& operator=(DocumentSubscription&& other) noexcept {
        End();
        events_ = other.events_;
        id_ = other.id_;
        other.events_ = nullptr;
        return *this;
    }
    void End() {
        if (events_)
            events_->Unsubscribe(id_);
        events_ = nullptr;
    }

private:
    DocumentEvents* events_ = nullptr;
    int id_ = 0;
};

} // namespace pmr
