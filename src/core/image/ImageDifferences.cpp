#include "image/ImageDifferences.h"

#include "app/AppContext.h"

namespace pmr {

std::vector<DocumentDifference> CompareImages(const AppContext& app,
                                              const std::array<std::uint8_t, kImageSize>& expected,
                                              const std::array<std::uint8_t, kImageSize>& found,
                                              const TextCatalog& texts,
                                              const std::function<void(AppContext&)>& decode) {
    if (!decode)
        return {};
    AppContext scratch = app;
    scratch.docState.Hooks = {};
    scratch.docState.Events = {};
    scratch.images.ImageBuf = expected;
    decode(scratch);
    const RadioDocument older = scratch.doc;
    scratch.doc = app.doc;
    scratch.images.ImageBuf = found;
    decode(scratch);
    return CompareDocuments(older, scratch.doc, texts);
}

} // namespace pmr
