// The program: start-up, then the main window until it is closed.

#include "DocumentBridge.h"
#include "QtInteraction.h"
#include "QtProgramLauncher.h"
#include "app/AppContext.h"
#include "app/Startup.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    pmr::AppContext app;
    pmr::QtInteraction ui(app.texts);
    pmr::QtProgramLauncher launcher;
    pmr::DocumentBridge docs(app, ui, launcher);
    pmr::StartupHooks hooks;
    hooks.templates = &docs.Templates();
    pmr::RunStartup(app, QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString(),
                    ui, hooks);
    pmr::frmMain main(app, ui, docs);
    docs.SetDocumentWindows(&main);
    ui.SetParentWindow(&main);
    launcher.SetEndProgram([] { QCoreApplication::exit(0); });
    main.show();
    return qapp.exec();
}
