// A new document that is only looked at is not a changed document: opening
// every settings window shows its values without rewriting any, in every band
// the program offers, so that leaving asks no question.

#include "GuiTestSupport.h"
#include "document/Bands.h"
#include "files/DocumentModified.h"

#include <QDir>
#include <QFile>

namespace pmr {
namespace {

using testing::Harness;
using testing::TestInstall;

TEST(NewDocument, OpeningEveryWindowInEveryBandLeavesItUnchanged) {
    // From the installed template, and from the program's own defaults where
    // no template is installed.
    for (const bool withTemplate : {true, false}) {
        SCOPED_TRACE(withTemplate ? "template" : "no template");
        TestInstall install;
        if (withTemplate) {
            QDir().mkpath(install.ProgramFolder() + "/Init");
            ASSERT_TRUE(QFile::copy(QStringLiteral(PMR_PROGRAM_DIR "/Init/VX210_4.dat"),
                                    install.ProgramFolder() + "/Init/VX210_4.dat"));
        }
        Harness h(install, true, 1, false);
        int count = 0;
        const WindowRow* rows = WindowTable(&count);
        for (const std::string& band : BandTextsInListOrder()) {
            SCOPED_TRACE(band);
            h.app.docState.ModelNameText = "VX210";
            h.app.docState.BandText = band;
            ComputeBandLimits(h.app.docState);
            h.main->CloseCurAllWindows();
            h.main->LoadNewDoc2();
            ASSERT_FALSE(IsDocumentModified(h.app));
            for (int i = 0; i < count; ++i) {
                // The dialogs (batch, test data) change nothing until applied.
                if (!rows[i].menuEntry || !rows[i].commitsBeforeWrite)
                    continue;
                QAction* entry = h.Menu(rows[i].menuEntry);
                ASSERT_NE(entry, nullptr) << rows[i].name;
                entry->trigger();
                QApplication::processEvents();
                // The first window that changed it is the one named.
                if (IsDocumentModified(h.app)) {
                    ADD_FAILURE() << rows[i].name << " changed the new document";
                    break;
                }
            }
            h.main->CloseCurAllWindows();
            EXPECT_FALSE(IsDocumentModified(h.app));
        }
    }
}

} // namespace
} // namespace pmr
