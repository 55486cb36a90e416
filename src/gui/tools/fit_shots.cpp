// Screenshots that show every window fits the screen it opens on:
//   pmr-fit-shots <program folder> <output folder> <prefix>
// For English and Chinese in turn: the main window as it first opens, then
// with every child window opened one after another from the menu (each
// cascaded over the ones before), the batch settings dialog with its item list
// open, and the test data dialog. Whole-screen shots, so run it under a virtual
// X display of the size to check; writes <prefix>-<language>-<what>.png and
// prints, for each shot, whether every window lies inside the screen's work
// area (exit status 1 when one does not).

#include "DocumentBridge.h"
#include "QtProgramLauncher.h"
#include "ScriptedInteraction.h"
#include "StandardWindows.h"
#include "app/AppContext.h"
#include "app/LanguageChoice.h"
#include "app/Startup.h"
#include "editors/channels/ChannelRowCommands.h"
#include "frmMain.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

namespace {

struct Shots {
    QDir out;
    QString prefix;
    int failures = 0;

    void Shoot(const QString& name) {
        QTest::qWait(300);
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        const QString path = out.filePath(prefix + "-" + name + ".png");
        const bool ok = !shot.isNull() && shot.save(path);
        std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
        failures += !ok;
    }

    /// `window` (a top-level window) lies inside the work area.
    void CheckInside(const QWidget& window, const QString& what) {
        const QRect area = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        const bool inside = area.contains(frame);
        std::printf("%s %s: %dx%d at %d,%d in %dx%d\n", inside ? "inside" : "OUTSIDE",
                    qPrintable(what), frame.width(), frame.height(), frame.x(), frame.y(),
                    area.width(), area.height());
        failures += !inside;
    }

    /// Every child window lies inside the work area of the main window.
    void CheckChildren(const pmr::frmMain& main) {
        const QRect area(QPoint(0, 0), main.Mdi()->viewport()->size());
        for (QMdiSubWindow* sub : main.Mdi()->subWindowList()) {
            const bool inside = area.contains(sub->geometry());
            const QString name = sub->widget() ? sub->widget()->objectName() : QString();
            std::printf("%s %s: %dx%d at %d,%d in %dx%d\n", inside ? "inside" : "OUTSIDE",
                        qPrintable(name), sub->width(), sub->height(), sub->x(), sub->y(),
                        area.width(), area.height());
            failures += !inside;
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: pmr-fit-shots <program folder> <output folder> <prefix>\n");
        return 2;
    }
    const QString programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    Shots shots{QDir(QString::fromLocal8Bit(argv[2])), QString::fromLocal8Bit(argv[3])};
    QDir().mkpath(shots.out.path());

    pmr::AppContext app;
    pmr::ScriptedInteraction ui;
    pmr::QtProgramLauncher launcher;
    pmr::DocumentBridge docs(app, ui, launcher);
    pmr::StartupHooks hooks;
    hooks.templates = &docs.Templates();
    pmr::RunStartup(app, programFolder.toStdString(), ui, hooks);
    // Every window the program has, the DTMF and factory ones included.
    app.config.ConfiguredFeatures[3] = 1;
    app.config.ShowBatchAndTestFreq = true;
    app.factory.TestDataEnabled = true;
    pmr::frmMain main(app, ui, docs);
    pmr::RegisterStandardWindows(main.Windows());
    pmr::InstallChannelRowCommands(main);
    main.Load();
    docs.SetDocumentWindows(&main);
    main.show();
    main.OnActivated();

    int count = 0;
    const pmr::WindowRow* rows = pmr::WindowTable(&count);
    for (const int language : {0, 1}) {
        pmr::ApplyLanguageChoice(app, language);
        main.Change_Language();
        const QString tag = language == 0 ? QStringLiteral("en") : QStringLiteral("zh");
        main.CloseCurAllWindows();
        shots.CheckInside(main, tag + " main window");
        shots.Shoot(tag + "-main");

        for (int i = 0; i < count; ++i) {
            // The dialogs come below, each with what makes it grow.
            if (!rows[i].menuEntry || !rows[i].commitsBeforeWrite)
                continue;
            if (QAction* entry = main.MenuEntry(QString::fromLatin1(rows[i].menuEntry)))
                entry->trigger();
            QTest::qWait(100);
        }
        shots.CheckChildren(main);
        shots.Shoot(tag + "-all-windows");
        main.CloseCurAllWindows();

        const auto switches = app.config.BatchSwitches;
        app.config.BatchSwitches.fill(1);
        ui.HandleDialogNext([&](QDialog& dialog) {
            dialog.show();
            if (auto* items = dialog.findChild<QPushButton*>(QStringLiteral("cmdSelectItems")))
                items->click();
            QTest::qWait(200);
            shots.CheckInside(dialog, tag + " batch dialog");
            shots.Shoot(tag + "-batch");
            dialog.hide();
            return int(QDialog::Rejected);
        });
        main.ShowChildWindow(QStringLiteral("FrmCHBatch"));
        app.config.BatchSwitches = switches;

        ui.HandleDialogNext([&](QDialog& dialog) {
            dialog.show();
            QTest::qWait(200);
            shots.CheckInside(dialog, tag + " test data dialog");
            shots.Shoot(tag + "-testdata");
            dialog.hide();
            return int(QDialog::Rejected);
        });
        main.ShowChildWindow(QStringLiteral("FrmTestData"));
    }
    pmr::ApplyLanguageChoice(app, 0);
    app.fileBuffer = app.doc;
    return shots.failures == 0 ? 0 : 1;
}
