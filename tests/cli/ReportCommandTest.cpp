// pmr-cli report: the PDF it writes (run as the program runs, off screen),
// its pages for a full channel table, the Chinese font of a Chinese report,
// and the same refusal as csv-export for a file that is no document.

#include "CliExitCodes.h"
#include "CliTestSupport.h"

#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <regex>
#include <sstream>

using namespace pmr;
using namespace pmr::test;
using namespace pmr::cli;

namespace {

class ReportCli : public CliTest {
protected:
    /// The built pmr-cli, so that its own start-up of Qt's graphical part is
    /// what draws the report.
    Outcome RunProgram(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(PMR_CLI_EXECUTABLE),
                QStringList(args) << "--program-dir" << QString::fromStdString(install_.ProgramFolder()));
        if (!p.waitForFinished(120000))
            return {-1, {}, "did not end"};
        return {p.exitCode(), p.readAllStandardOutput().toStdString(),
                p.readAllStandardError().toStdString()};
    }

    /// A document with all 128 channels, made by importing a channel list.
    std::string FullDocument() {
        std::string csv = "Location,Name,Frequency,Power\r\n";
        for (int no = 1; no <= 128; ++no) {
            char freq[16];
            std::snprintf(freq, sizeof freq, "446.%06d", 6250 + 12500 * ((no - 1) % 16));
            csv += std::to_string(no) + ",CH" + std::to_string(no) + "," + freq + ",Low\r\n";
        }
        const std::string list = install_.File("full.csv"), dat = install_.File("full.dat");
        std::ofstream(list, std::ios::binary) << csv;
        const Outcome made = Run({"csv-import", list, dat});
        EXPECT_EQ(made.rc, kExitOk) << made.err;
        return dat;
    }

    /// The command's own lines on stderr, without what Qt says of its set-up.
    static std::string OwnLines(const std::string& err) {
        std::istringstream in(err);
        std::string line, out;
        while (std::getline(in, line))
            if (line.rfind("pmr-cli: ", 0) == 0)
                out += line + "\n";
        return out;
    }

    static int PageObjects(const std::string& pdf) {
        const std::regex page("/Type\\s*/Page[^s]");
        return static_cast<int>(
            std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}));
    }

    static std::vector<std::string> FontNames(const std::string& pdf) {
        const std::regex name("/FontName\\s*/([^\\s/>]+)");
        std::vector<std::string> out;
        for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), name);
             it != std::sregex_iterator(); ++it)
            out.push_back((*it)[1]);
        return out;
    }

    static bool AnyChineseFont(const std::vector<std::string>& names) {
        for (const std::string& n : names)
            if (n.find("WenQuanYi") != std::string::npos || n.find("Noto") != std::string::npos ||
                n.find("CJK") != std::string::npos)
                return true;
        return false;
    }
};

TEST_F(ReportCli, AFullChannelTableFillsMoreThanOnePage) {
    const std::string dat = FullDocument();
    const std::string pdf = install_.File("full.pdf");
    const Outcome r = RunProgram({"report", QString::fromStdString(dat),
                                  QString::fromStdString(pdf), "--language", "en"});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    const std::string bytes = Slurp(pdf);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    const int pages = PageObjects(bytes);
    EXPECT_GT(pages, 1);
    // What the command says it wrote is what the file holds.
    EXPECT_NE(r.err.find(std::to_string(pages) + " pages"), std::string::npos) << r.err;
    EXPECT_FALSE(AnyChineseFont(FontNames(bytes)));

    const Outcome small = RunProgram({"report", QString::fromStdString(Template()),
                                      QString::fromStdString(install_.File("small.pdf"))});
    ASSERT_EQ(small.rc, kExitOk) << small.err;
    EXPECT_LT(PageObjects(Slurp(install_.File("small.pdf"))), pages);
}

TEST_F(ReportCli, AChineseReportEmbedsAChineseFont) {
    const std::string pdf = install_.File("zh.pdf");
    const Outcome r = RunProgram({"report", QString::fromStdString(Template()),
                                  QString::fromStdString(pdf), "--language", "zh", "--paper",
                                  "letter"});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    const std::string bytes = Slurp(pdf);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    const auto fonts = FontNames(bytes);
    EXPECT_TRUE(AnyChineseFont(fonts)) << (fonts.empty() ? "no font" : fonts[0]);
    // Letter paper: 612 points wide.
    EXPECT_TRUE(std::regex_search(bytes, std::regex("/MediaBox \\[0 0 612(\\.0*)? 792")));
}

TEST_F(ReportCli, AFileThatIsNoDocumentIsRefusedAsCsvExportRefusesIt) {
    const std::string bad = install_.File("bad.dat");
    std::ofstream(bad, std::ios::binary) << "not a document";
    const Outcome csv = Run({"csv-export", bad, install_.File("x.csv")});
    const Outcome report = RunProgram({"report", QString::fromStdString(bad),
                                       QString::fromStdString(install_.File("x.pdf"))});
    EXPECT_EQ(report.rc, kExitFileError);
    EXPECT_EQ(report.rc, csv.rc);
    EXPECT_FALSE(OwnLines(csv.err).empty());
    EXPECT_EQ(OwnLines(report.err), OwnLines(csv.err));
    EXPECT_FALSE(std::filesystem::exists(install_.File("x.pdf")));
    EXPECT_EQ(Run({"report", install_.File("missing.dat"), install_.File("x.pdf")}).rc,
              kExitFileError);
    // An output that cannot be written is said, and is no success.
    const Outcome unwritable = RunProgram(
        {"report", QString::fromStdString(Template()),
         QString::fromStdString(install_.File("no such folder/x.pdf"))});
    EXPECT_EQ(unwritable.rc, kExitFileError);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos) << unwritable.err;
}

TEST_F(ReportCli, CommandLineOfTheReport) {
    EXPECT_EQ(Run({"report", Template()}).rc, kExitUsage);
    EXPECT_EQ(Run({"report", Template(), "x.pdf", "--language", "fr"}).rc, kExitUsage);
    EXPECT_EQ(Run({"report", Template(), "x.pdf", "--paper", "a3"}).rc, kExitUsage);
    EXPECT_EQ(Run({"csv-export", Template(), "x.csv", "--language", "zh"}).rc, kExitUsage);
    EXPECT_EQ(Run({"report", Template(), "x.pdf", "--port", "3"}).rc, kExitUsage);
    EXPECT_EQ(Run({"report", Template(), "x.pdf", "--power-on-text", "U##"}).rc, kExitUsage);
    EXPECT_NE(Run({"--help"}).out.find("report DOC.dat OUT.pdf"), std::string::npos);
}

} // namespace
