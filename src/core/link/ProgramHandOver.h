#pragma once
// A radio whose data is of a version this program does not list can be handed
// over to the program version that fits it. The user is asked; on yes a
// changed document is offered for saving first, and the fitting program is
// started. The transfer learns only whether this program stays or ends.

#include "link/LinkHooks.h"
#include "link/TransferQuestions.h"

#include <optional>
#include <string>

namespace pmr {

struct AppContext;

enum class HandOver {
    Stays,   // declined, the save cancelled or failed, or no program to start
    Started, // the fitting program runs: this one ends
};

/// Nothing when the transfer was ended while a question was open.
std::optional<HandOver> OfferProgramHandOver(AppContext& app, const LinkHooks& hooks,
                                             TransferQuestions& questions,
                                             const std::string& programTag,
                                             const std::string& dataTag);

} // namespace pmr
