// The channel window opens on the document's contents whenever the document
// is replaced: after a read from the radio, after New and after a change of
// language.

#include "ChannelGridSupport.h"
#include "DemoRadio.h"
#include "LinkController.h"
#include "PortMapping.h"
#include "app/AppContext.h"
#include "document/FrequencyText.h"

#include <QFileInfo>
#include <algorithm>

using namespace pmr;
using namespace pmr::testing;

namespace {

/// Every row of the grid shows what the document holds for that channel number.
void ExpectGridShowsDocument(GridHarness& g) {
    frmCommChInfo* grid = g.Grid();
    ASSERT_NE(grid, nullptr);
    for (int row = 1; row <= 129; ++row) {
        ChannelRecord* ch = g.Channel(row);
        const QString rx =
            ch ? QString::fromStdString(FreqStoredToText(g.h.app, g.h.ui, TrimFix(ch->RxFreq)))
               : QString();
        ASSERT_EQ(g.Cell(row, 1), rx) << row;
        const QString name = ch ? QString::fromLatin1(TrimFix(ch->Name).c_str()) : QString();
        ASSERT_EQ(g.Cell(row, 3), name) << row;
    }
}

TEST(ChannelGridOpening, NewDocumentReopensTheGridOnItsContents) {
    TestInstall install;
    GridHarness g(install);
    ASSERT_TRUE(AddChannel(g.h.app, 9, "446.09375"));
    g.Grid()->SetGridData();
    ASSERT_FALSE(g.Cell(9, 1).isEmpty());

    g.h.main->LoadNewDoc();
    ASSERT_TRUE(WaitFor([&] { return g.Grid() != nullptr && g.Channel(9) == nullptr; }));
    // Becoming the active window the first time enters channel 1's frequency.
    EXPECT_TRUE(WaitFor([&] { return g.OpenEditor() == "Combo8(1)"; }));
    EXPECT_TRUE(g.Cell(9, 1).isEmpty());
    ExpectGridShowsDocument(g);
}

TEST(ChannelGridOpening, LanguageChangeReopensTheGridInTheNewLanguage) {
    TestInstall install(2); // the first activation relabels into Chinese
    GridHarness g(install);
    ASSERT_EQ(g.h.app.config.ShownLanguage, 2);
    ASSERT_TRUE(WaitFor([&] { return g.Grid() != nullptr; }));
    QAbstractItemModel* model = g.Grid()->Grid()->model();
    EXPECT_NE(g.h.Text(14002), "RX Freq");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), g.h.Text(14002));
    EXPECT_EQ(g.Cell(1, 4), g.h.Text(14013));
    EXPECT_TRUE(g.Grid()->windowTitle().startsWith(g.h.Text(14012)));

    // Relabelling an open grid keeps one window and shows the same contents.
    g.Grid()->ReShowChInfoByLanguage();
    ExpectGridShowsDocument(g);
    EXPECT_EQ(g.h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});
}

TEST(ChannelGridOpening, ReadEndsWithTheGridOpenOnTheRadiosChannels) {
    TestInstall install;
    GridHarness g(install);
    LinkController link(g.h.app, g.h.ui, *g.h.main, g.h.launcher);
    DemoRadio radio;
    QString error;
    const QString simulator = QStringLiteral(PMR_SIM_EXECUTABLE);
    ASSERT_TRUE(QFileInfo(simulator).isExecutable() && radio.Start(simulator, error, {}))
        << "the simulated radio did not start";
    link.Mapping().SetOverride(g.h.app.config.ComPort, radio.Device().toStdString());

    // Something the radio does not hold, to see it go.
    g.Channel(1)->Name = "GONE";
    g.Grid()->SetGridData();
    ASSERT_EQ(g.Cell(1, 3), "GONE");

    g.h.ui.AnswerNext(Answer::Ok);
    g.h.main->StartRead();
    const std::string done = g.h.app.texts.GetLangText(9009);
    ASSERT_TRUE(WaitFor(
        [&] {
            const auto m = g.h.ui.Messages();
            return std::find(m.begin(), m.end(), done) != m.end() && !link.Busy();
        },
        30000));
    ASSERT_TRUE(WaitFor([&] { return g.Grid() != nullptr; }, 5000));
    EXPECT_NE(g.Cell(1, 3), "GONE");
    ExpectGridShowsDocument(g);
    EXPECT_EQ(g.h.main->OpenChildWindowNames(), QStringList{"frmCommChInfo"});
}

} // namespace
