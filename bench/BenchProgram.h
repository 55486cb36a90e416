#pragma once
// The program as the window benchmarks run it: started on a private
// installation, its main window shown, with a full channel table (128
// channels and the VFO) whose tones and names all differ.

#include "DocumentBridge.h"
#include "QtProgramLauncher.h"
#include "ScriptedInteraction.h"
#include "StandardWindows.h"
#include "app/AppContext.h"
#include "app/Startup.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "editors/channels/frmCommChInfo.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

namespace pmr::bench {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

/// The program started on a private installation with a full channel table.
struct Program {
    Program() {
        App();
        const QString root = dir.path();
        QDir().mkpath(root + "/language");
        QDir().mkpath(root + "/V100/language");
        QFile setup(root + "/language/mysetup.ini");
        setup.open(QIODevice::WriteOnly);
        setup.write("[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=0\nStopBit=1\n"
                    "CurrentLanguage=1\n");
        setup.close();
        for (const char* file : {"english.ini", "chinese.ini"})
            QFile::copy(QStringLiteral(PMR_SOURCE_DIR "/data/language/") + file,
                        root + "/V100/language/" + file);
        QFile::copy(QStringLiteral(PMR_SOURCE_DIR "/data/Version.ini"), root + "/Version.ini");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/settings");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root + "/settings");
        pmr::RunStartup(app, (root + "/V100").toStdString(), ui);
        main = std::make_unique<pmr::frmMain>(app, ui, docs);
        pmr::RegisterStandardWindows(main->Windows());
        docs.SetDocumentWindows(main.get());
        main->Load();
        main->show();
        for (int ch = 1; ch <= 128; ++ch)
            if (!pmr::FindChannel(app.doc, ch))
                pmr::AddChannel(app, ch, pmr::FormatUnits(44600625 + ((ch - 1) % 16) * 1250, 5));
        for (int i = 0; i < app.doc.ChannelCount; ++i) {
            pmr::ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(i)];
            e.RxTone = static_cast<pmr::Integer>(e.ChannelNo * 7 % 1075);
            e.TxTone = static_cast<pmr::Integer>(e.ChannelNo * 3 % 1075);
            e.Name = "CH" + std::to_string(e.ChannelNo);
        }
        QApplication::processEvents();
    }
    ~Program() {
        app.fileBuffer = app.doc;
        main.reset();
    }
    pmr::frmCommChInfo* Grid() const {
        return dynamic_cast<pmr::frmCommChInfo*>(main->FindChildWindow("frmCommChInfo"));
    }

    QTemporaryDir dir;
    pmr::AppContext app;
    pmr::ScriptedInteraction ui;
    pmr::QtProgramLauncher launcher;
    pmr::DocumentBridge docs{app, ui, launcher};
    std::unique_ptr<pmr::frmMain> main;
};

} // namespace pmr::bench
