// File > Print... and File > Export PDF... through the main window, with the
// save dialog and the print preview answered by script.

#include "DocumentReportCommands.h"

#include "GuiTestSupport.h"

#include <QFile>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

using namespace pmr;
using namespace pmr::testing;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(DocumentReportCommands, PrintAndExportPdfStandInTheFileMenuAndThePrintButtonWorks) {
    TestInstall install;
    Harness h(install);
    const QList<QAction*> file = h.Menu("mnuFile")->menu()->actions();
    const auto print = file.indexOf(h.Menu("mnuFilePrint"));
    ASSERT_GE(print, 0);
    EXPECT_EQ(file.indexOf(h.Menu("mnuFileExportPdf")), print + 1);
    for (const char* name : {"mnuFilePrint", "mnuFileExportPdf"}) {
        EXPECT_TRUE(h.Menu(name)->isVisible()) << name;
        EXPECT_TRUE(h.Menu(name)->isEnabled()) << name;
    }
    EXPECT_EQ(h.Menu("mnuFilePrint")->text(), h.Text(10005));
    EXPECT_EQ(h.Menu("mnuFileExportPdf")->text(), h.Text(10907));
    EXPECT_TRUE(h.Button("Print")->isEnabled());
}

TEST(DocumentReportCommands, PrintShowsThePreviewOfTheReport) {
    TestInstall install;
    Harness h(install);
    int pages = 0;
    bool preview = false;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        preview = qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr;
        if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) {
            widget->updatePreview();
            pages = widget->pageCount();
        }
        return int(QDialog::Rejected);
    });
    h.Button("Print")->trigger();
    ASSERT_EQ(h.ui.Events().size(), 1u);
    EXPECT_EQ(h.ui.Events()[0].kind, ScriptedInteraction::Event::Dialog);
    EXPECT_EQ(h.ui.Events()[0].text, "PrintPreview");
    EXPECT_TRUE(preview);
    EXPECT_GE(pages, 1);
    EXPECT_TRUE(h.ui.ScriptUsedUp());
}

TEST(DocumentReportCommands, ExportPdfWritesTheFileTheSaveDialogNames) {
    TestInstall install;
    Harness h(install);
    const QString path = install.Root() + "/report.pdf";
    h.ui.ChooseFileNext(path.toStdString());
    h.Menu("mnuFileExportPdf")->trigger();
    ASSERT_EQ(h.ui.Events().size(), 1u); // the save dialog, no message
    EXPECT_EQ(h.ui.Events()[0].kind, ScriptedInteraction::Event::SaveFile);
    EXPECT_TRUE(QString::fromStdString(h.ui.Events()[0].text).endsWith(".pdf"));
    const QByteArray bytes = ReadFile(path);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/Type /Page"));
}

TEST(DocumentReportCommands, ExportThatCannotWriteSaysSoAndCancelWritesNothing) {
    TestInstall install;
    Harness h(install);
    const std::string path = (install.Root() + "/no such folder/report.pdf").toStdString();
    h.ui.ChooseFileNext(path);
    h.Menu("mnuFileExportPdf")->trigger();
    ASSERT_EQ(h.ui.Messages().size(), 1u);
    EXPECT_EQ(h.ui.Messages()[0], FillMarker(h.app.texts.GetLangText(9336), "%1", path));
    EXPECT_EQ(h.ui.Events().back().severity, Severity::Critical);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));

    h.ui.Clear();
    h.ui.ChooseFileNext(std::nullopt);
    EXPECT_FALSE(ExportDocumentReportPdf(h.app.doc, h.app.texts, "", h.ui));
    EXPECT_TRUE(h.ui.Messages().empty());
    EXPECT_EQ(h.ui.Events()[0].text, "report.pdf");
}

} // namespace
