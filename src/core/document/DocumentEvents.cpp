#include "document/DocumentEvents.h"

#include <vector>

namespace pmr {

int DocumentEvents::Subscribe(unsigned kinds, Listener listener) {
    const int id = next_++;
    subscriptions_[id] = {kinds, std::move(listener)};
    return id;
}

void DocumentEvents::Unsubscribe(int id) {
    subscriptions_.erase(id);
}

bool DocumentEvents::Publish(DocumentChange change, int channelNo) const {
    // A listener may open or close windows: tell the ones subscribed now.
    std::vector<Listener> listeners;
    for (const auto& [id, s] : subscriptions_)
        if (s.kinds & Kinds(change))
            listeners.push_back(s.listener);
    for (const Listener& listener : listeners)
        listener(change, channelNo);
    return !listeners.empty();
}

} // namespace pmr
