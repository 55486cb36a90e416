// pmr-cli diff A.dat B.dat, and diff --port PORT DOC.dat: the differences
// between two documents, or between a document and what the radio holds, one
// line each or as JSON; the exit status says whether there are any.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "app/InstallPaths.h"
#include "document/DocumentCompare.h"
#include "document/MemberCaption.h"
#include "image/ImageCodec.h"
#include "link/TransferDriver.h"

#include <cstdio>
#include <memory>

namespace pmr::cli {

namespace {

/// `text` as a JSON string: quotes, backslashes and control characters
/// escaped. The texts are UTF-8 (the values were made so, the catalogue is).
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

const char* KindName(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::ChannelAdded:
        return "channel-added";
    case DifferenceKind::ChannelRemoved:
        return "channel-removed";
    case DifferenceKind::ChannelMember:
        return "channel-changed";
    case DifferenceKind::Setting:
        break;
    }
    return "setting";
}

void PrintJson(std::ostream& out, const TextCatalog& texts,
               const std::vector<DocumentDifference>& differences) {
    out << "[";
    const char* separator = "\n";
    for (const DocumentDifference& d : differences) {
        const bool setting = d.kind == DifferenceKind::Setting;
        out << separator << "  {\"kind\": \"" << KindName(d.kind)
            << "\", \"channel\": " << d.channelNo << ", \"member\": " << JsonString(d.name.key)
            << ", \"window\": " << JsonString(setting ? texts.GetLangText(d.name.windowId) : "")
            << ", \"caption\": " << JsonString(DifferenceCaption(texts, d))
            << ", \"old\": " << JsonString(d.oldValue) << ", \"new\": " << JsonString(d.newValue)
            << "}";
        separator = ",\n";
    }
    out << (differences.empty() ? "]\n" : "\n]\n");
}

/// The failures of opening a file, with the status that does not read as
/// "they differ".
int NotCompared(int rc) {
    return rc == kExitFailure ? kExitNotCompared : rc;
}

} // namespace

int DiffCommand(CliSession& session, const CliOptions& options) {
    AppContext& app = session.App();
    if (const int rc = OpenDocumentArgument(session, options.file); rc != kExitOk)
        return NotCompared(rc);
    const RadioDocument older = app.doc;
    if (options.output.empty()) {
        // Nothing a transfer does may write over the file: the radio goes into
        // this run's memory only.
        app.docState.CurrentFileName.clear();
        const TransferResult result =
            session.Run([](TransferDriver& d) { return d.StartRead(); }, true);
        if (result != TransferResult::Success) {
            session.Tell(std::string("reading failed: ") + DescribeResult(result), true);
            return NotCompared(ExitCodeFor(result));
        }
    } else if (const int rc = OpenDocumentArgument(session, options.output); rc != kExitOk) {
        return NotCompared(rc);
    }

    // The command line speaks English, whatever language the program shows.
    TextCatalog english;
    if (!english.Load(LanguageFilePath(app.paths, "english.ini"))) {
        session.Tell("the English language file of the program folder cannot be read", true);
        return kExitNotCompared;
    }
    // The radio as it is: a read moves PMR446 channels that lie between the
    // sixteen channels onto the nearest one, which would hide the difference.
    const RadioDocument* newer = &app.doc;
    std::unique_ptr<AppContext> radio;
    if (options.output.empty()) {
        radio = std::make_unique<AppContext>(app);
        DecodeImage(*radio);
        newer = &radio->doc;
    }
    const auto differences = CompareDocuments(older, *newer, english);
    std::ostream& out = session.Out();
    if (options.json) {
        PrintJson(out, english, differences);
    } else {
        for (const DocumentDifference& d : differences)
            out << DifferenceLine(english, d) << '\n';
    }
    const std::string other = options.output.empty() ? std::string("the radio") : options.output;
    const std::size_t n = differences.size();
    session.Tell((n == 0 ? std::string("no difference")
                         : std::to_string(n) + (n == 1 ? " difference" : " differences")) +
                 " between " + options.file + " and " + other);
    return differences.empty() ? kExitOk : kExitDiffer;
}

} // namespace pmr::cli
