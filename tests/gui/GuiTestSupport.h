#pragma once
// What the widget tests share: one QApplication, a private installation
// folder with the language files, and the main window over a scripted
// interaction layer with a stand-in channel grid.

#include "ChildWindow.h"
#include "DocumentBridge.h"
#include "QtProgramLauncher.h"
#include "ScriptedInteraction.h"
#include "StandardWindows.h"
#include "app/AppContext.h"
#include "app/Startup.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace pmr::testing {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

/// Runs the event loop until `condition` holds or `ms` have passed.
template <typename F> bool WaitFor(F condition, int ms = 5000) {
    return QTest::qWaitFor(condition, ms);
}

/// A stand-in for the channel grid: records what the main window asks of it
/// (-1 commit, 0 leave editing).
class FakeGrid : public QWidget, public ChannelGridWindow {
public:
    explicit FakeGrid(std::vector<int>& log) : log_(log) {}
    void CommitFocusedEdit() override { log_.push_back(-1); }
    void SetEditDisable() override { log_.push_back(0); }
    void reShowGrid(int) override {}
    void reShowAllGrid() override {}
    void ReShowAllTxFre(bool) override {}
    void ReShowChInfoByLanguage() override {}
    int CurrentRow() const override { return row_; }
    void SetCurrentRow(int row) override { row_ = row; }
    int TopRow() const override { return top_; }
    void SetTopRow(int row) override { top_ = row; }
    int ShownRowCount() const override { return 10; }
    void SetCodeMoveTopRow(bool) override {}
    void SetOLdTopRow(int) override {}

private:
    std::vector<int>& log_;
    int row_ = 1;
    int top_ = 1;
};

/// An installation laid out in a temporary folder: <root>/language/mysetup.ini,
/// <root>/V100/language/*.ini, optionally the help pages and a factory marker.
class TestInstall {
public:
    explicit TestInstall(int language = 1, bool help = false) {
        const QString root = dir_.path();
        QDir().mkpath(root + "/language");
        QDir().mkpath(root + "/V100/language");
        QFile setup(root + "/language/mysetup.ini");
        setup.open(QIODevice::WriteOnly);
        setup.write(QStringLiteral("[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=0\n"
                                   "StopBit=1\nCurrentLanguage=%1\n")
                        .arg(language)
                        .toLatin1());
        setup.close();
        for (const char* file : {"english.ini", "chinese.ini"})
            QFile::copy(QStringLiteral(PMR_SOURCE_DIR "/data/language/") + file,
                        root + "/V100/language/" + file);
        QFile::copy(QStringLiteral(PMR_SOURCE_DIR "/data/Version.ini"), root + "/Version.ini");
        if (help) {
            for (const char* lang : {"english", "chinese"}) {
                const QString from = QStringLiteral(PMR_SOURCE_DIR "/data/help/") + lang;
                const QString to = root + "/V100/help/" + lang;
                QDir().mkpath(to);
                for (const QString& page : QDir(from).entryList(QDir::Files))
                    QFile::copy(from + "/" + page, to + "/" + page);
            }
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/settings");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root + "/settings");
    }
    QString Root() const { return dir_.path(); }
    QString ProgramFolder() const { return dir_.path() + "/V100"; }

private:
    QTemporaryDir dir_;
};

/// The main window over a scripted interaction layer, started as the program starts.
struct Harness {
    /// With `fakeGrid` the channel window is a recording stand-in; without it
    /// the program's own channel windows open.
    explicit Harness(const TestInstall& install, bool factory = false,
                     std::uint8_t dtmfSwitch = 0, bool fakeGrid = true) {
        App();
        RunStartup(app, install.ProgramFolder().toStdString(), ui);
        app.factory.TestDataEnabled = factory;
        app.config.ConfiguredFeatures[3] = dtmfSwitch;
        main = std::make_unique<frmMain>(app, ui, docs);
        RegisterStandardWindows(main->Windows());
        if (fakeGrid)
            main->Windows().Register(QStringLiteral("frmCommChInfo"),
                                     [this](frmMain&) -> QWidget* {
                                         auto* grid = new FakeGrid(gridLog);
                                         grid->setWindowTitle(QStringLiteral("Channels"));
                                         grid->resize(300, 200);
                                         return grid;
                                     });
        // Row commands are recorded after the grid's log entries.
        main->SetRowCommandRunner([this](int command) { gridLog.push_back(command); });
        docs.SetDocumentWindows(main.get());
        main->Load();
        main->show();
    }
    ~Harness() {
        // Leave without the closing question.
        app.fileBuffer = app.doc;
        main.reset();
    }
    QAction* Menu(const char* name) const { return main->MenuEntry(QString::fromLatin1(name)); }
    QAction* Button(const char* key) const { return main->ToolbarButton(QString::fromLatin1(key)); }
    QString Text(int id) const { return QString::fromStdString(app.texts.GetLangText(id)); }
    std::vector<QString> TreeKeys() const;

    AppContext app;
    ScriptedInteraction ui;
    QtProgramLauncher launcher;
    DocumentBridge docs{app, ui, launcher};
    std::vector<int> gridLog;
    std::unique_ptr<frmMain> main;
};

} // namespace pmr::testing
