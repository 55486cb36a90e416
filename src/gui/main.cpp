// The program: start-up, then the main window until it is closed.
//   --demo            a simulated radio on a pseudo-terminal is the configured port;
//                     the run writes none of the program's files
//   --startup-time    prints the milliseconds from process start to the window shown
//   --quit-after-start  ends once the window is shown

#include "DemoRadio.h"
#include "DocumentBridge.h"
#include "LinkController.h"
#include "PortMapping.h"
#include "QtInteraction.h"
#include "QtProgramLauncher.h"
#include "QtTranslations.h"
#include "StandardWindows.h"
#include "app/AppContext.h"
#include "app/Startup.h"
#include "app/StartupReport.h"
#include "editors/channels/ChannelRowCommands.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process.
double ProcessAgeMs() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const int close = s.lastIndexOf(')');
    const QList<QByteArray> fields = s.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startTicks = fields[19].toDouble(); // field 22: start time in ticks
    const double up = uptime.readAll().split(' ').value(0).toDouble();
    return (up - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool demo = args.contains(QStringLiteral("--demo"));
    const bool reportStartup = args.contains(QStringLiteral("--startup-time"));
    const bool quitAfterStart = args.contains(QStringLiteral("--quit-after-start"));
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).absolutePath();

    pmr::AppContext app;
    pmr::QtInteraction ui(app.texts);
    pmr::QtProgramLauncher launcher;
    pmr::DocumentBridge docs(app, ui, launcher);
    pmr::StartupHooks hooks;
    hooks.templates = &docs.Templates();
    hooks.user = pmr::UserEnvironment::FromProcess();
    // The demo is a look around: it leaves the user's setup as it found it.
    hooks.writeFiles = !demo;
    pmr::RunStartup(app, programFolder.toStdString(), ui, hooks);
    // Qt's standard buttons and file dialog speak the program's language; the
    // main window loads them again when the language changes.
    pmr::LoadQtTranslations(app.config.CurrentLanguage);
    // Started from a terminal, the program says where its installation lives
    // and what it read, which is the first thing to check when it misbehaves.
    std::fputs(pmr::DescribeStartup(app).c_str(), stdout);
    std::fflush(stdout);

    pmr::frmMain main(app, ui, docs);
    pmr::RegisterStandardWindows(main.Windows());
    pmr::InstallChannelRowCommands(main);
    main.Load();
    docs.SetDocumentWindows(&main);
    ui.SetParentWindow(&main);
    pmr::LinkController link(app, ui, main, launcher);
    launcher.SetEndProgram([] { QCoreApplication::exit(0); });

    pmr::DemoRadio radio;
    if (demo) {
        QString error;
        if (radio.Start(pmr::DemoRadio::FindSimulator(programFolder), error)) {
            link.Mapping().SetOverride(app.config.ComPort, radio.Device().toStdString());
            main.ShowConfiguredPort();
        } else {
            std::fprintf(stderr, "pmrprog: --demo: %s\n", qPrintable(error));
        }
    }

    main.show();
    main.OnActivated();
    if (reportStartup || quitAfterStart) {
        // The first turn of the event loop: the window has been shown.
        QTimer::singleShot(0, [reportStartup, quitAfterStart] {
            if (reportStartup) {
                std::printf("startup-ms: %.0f\n", ProcessAgeMs());
                std::fflush(stdout);
            }
            if (quitAfterStart)
                QCoreApplication::exit(0);
        });
    }
    return qapp.exec();
}
