#include "link/ProgramHandOver.h"

#include "app/AppContext.h"

namespace pmr {

namespace {

// Before this program ends: true to go on, false to stay (Cancel, or the save
// failed), nothing when the transfer ended meanwhile.
std::optional<bool> OfferSave(AppContext& app, const LinkHooks& hooks,
                              TransferQuestions& questions) {
    if (!hooks.documentChanged || !hooks.documentChanged(app))
        return true;
    const auto answer =
        questions.Ask(app.texts.GetLangText(9006), Buttons::YesNoCancel, Severity::Question);
    if (!answer)
        return std::nullopt;
    if (*answer == Answer::No)
        return true;
    if (*answer == Answer::Yes)
        return hooks.saveDocument && hooks.saveDocument(app);
    return false;
}

} // namespace

std::optional<HandOver> OfferProgramHandOver(AppContext& app, const LinkHooks& hooks,
                                             TransferQuestions& questions,
                                             const std::string& programTag,
                                             const std::string& dataTag) {
    const std::string question =
        hooks.versionQuestion ? hooks.versionQuestion(app, programTag, dataTag) : std::string();
    const auto answer = questions.Ask(question, Buttons::YesNo, Severity::Question);
    if (!answer)
        return std::nullopt;
    if (*answer != Answer::Yes || !hooks.startProgramFor)
        return HandOver::Stays;
    const auto goOn = OfferSave(app, hooks, questions);
    if (!goOn)
        return std::nullopt;
    if (!*goOn)
        return HandOver::Stays;
    if (hooks.startProgramFor(app, dataTag))
        return HandOver::Started;
    // Nothing to hand over to: this program stays, the document too.
    if (!questions.Tell(app.texts.GetLangText(9072), Severity::Information))
        return std::nullopt;
    return HandOver::Stays;
}

} // namespace pmr
