// Takes the documentation's screenshots of the real windows against the
// simulated radio, answering the questions by script:
//   pmr-screenshots <program folder> <output folder>
// writes main-after-read.png, progress.png and radio-info.png (whole screen,
// so run it under a virtual X display), dialog-*.png of the small dialogs and
// testfre-*.png, testdata-*.png of the factory tools and csv-import-report.png
// of the CSV import's report.

#include "DemoRadio.h"
#include "DocumentBridge.h"
#include "LinkController.h"
#include "PortMapping.h"
#include "QtProgramLauncher.h"
#include "ScriptedInteraction.h"
#include "StandardWindows.h"
#include "app/AppContext.h"
#include "app/LanguageChoice.h"
#include "app/Startup.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmModelInfo.h"
#include "dialogs/FrmPassWord.h"
#include "dialogs/FrmProgress.h"
#include "dialogs/FrmSetComm.h"
#include "dialogs/FrmSetLanguage.h"
#include "editors/channels/ChannelRowCommands.h"
#include "editors/factory/FrmTestData.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

namespace {

bool Shoot(const QString& path) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen->grabWindow(0);
    const bool ok = !shot.isNull() && shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: pmr-screenshots <program folder> <output folder>\n");
        return 2;
    }
    const QString programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    pmr::AppContext app;
    pmr::ScriptedInteraction ui;
    pmr::QtProgramLauncher launcher;
    pmr::DocumentBridge docs(app, ui, launcher);
    pmr::StartupHooks hooks;
    hooks.templates = &docs.Templates();
    pmr::RunStartup(app, programFolder.toStdString(), ui, hooks);
    pmr::frmMain main(app, ui, docs);
    pmr::RegisterStandardWindows(main.Windows());
    pmr::InstallChannelRowCommands(main);
    main.Load();
    docs.SetDocumentWindows(&main);
    pmr::LinkController link(app, ui, main, launcher);

    pmr::DemoRadio radio;
    QString error;
    if (!radio.Start(pmr::DemoRadio::FindSimulator(programFolder), error, {"--pace"})) {
        std::fprintf(stderr, "pmr-screenshots: %s\n", qPrintable(error));
        return 1;
    }
    link.Mapping().SetOverride(app.config.ComPort, radio.Device().toStdString());
    main.ShowConfiguredPort();

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    main.setGeometry(area.adjusted(20, 20, -20, -20));
    main.show();
    main.OnActivated();
    QTest::qWait(400);

    int failures = 0;
    bool progressShot = false;
    QObject::connect(link.Progress()->ProgressBar1(), &QProgressBar::valueChanged, [&](int value) {
        if (!progressShot && value >= 37) {
            progressShot = true;
            QTest::qWait(50);
            failures += !Shoot(out.filePath("progress.png"));
        }
    });
    const std::string finished = app.texts.GetLangText(9009);
    bool readDone = false;
    ui.OnMessage([&](const std::string& text) { readDone = readDone || text == finished; });
    ui.AnswerNext(pmr::Answer::Ok); // read now?
    main.StartRead();
    if (!QTest::qWaitFor([&] { return readDone && !link.Busy(); }, 120000)) {
        std::fprintf(stderr, "pmr-screenshots: the read did not finish\n");
        return 1;
    }
    QTest::qWait(600);
    failures += !Shoot(out.filePath("main-after-read.png"));

    if (QWidget* edit = main.ShowModelessWindow(QStringLiteral("FrmCHInfoEdit"))) {
        edit->move(main.geometry().center() - edit->rect().center());
        QTest::qWait(400);
        failures += !Shoot(out.filePath("channel-edit.png"));
        // The same in Chinese: the open channel windows take the language as they stand.
        pmr::ApplyLanguageChoice(app, 1);
        main.Change_Language();
        edit->move(main.geometry().center() - edit->rect().center());
        QTest::qWait(400);
        failures += !Shoot(out.filePath("channel-edit-zh.png"));
        pmr::ApplyLanguageChoice(app, 0);
        main.Change_Language();
        edit->close();
        QTest::qWait(100);
    }

    main.OnTreeNodeClicked(QStringLiteral("N7"));
    if (!QTest::qWaitFor([&] { return main.FindChildWindow("FrmRadioInfo") != nullptr; }, 60000)) {
        std::fprintf(stderr, "pmr-screenshots: the radio information did not arrive\n");
        return 1;
    }
    QTest::qWait(400);
    failures += !Shoot(out.filePath("radio-info.png"));

    // The radio-wide settings windows, in English and then in Chinese.
    const char* settings[] = {"FrmOptFeatures", "FrmDTMF", "FrmRadio", "FrmEmbMsg",
                              "FrmKey",         "FrmScan", "FrmAlert"};
    auto shootSettings = [&](const char* suffix) {
        for (const char* name : settings) {
            main.CloseCurAllWindows();
            QWidget* w = main.ShowChildWindow(QString::fromLatin1(name));
            if (!w)
                continue;
            QWidget* frame = w->parentWidget() ? w->parentWidget() : w;
            frame->resize(frame->sizeHint().expandedTo(QSize(320, 200)));
            QTest::qWait(300);
            const QString path =
                out.filePath(QStringLiteral("settings-%1%2.png").arg(QString::fromLatin1(name).toLower(), QString::fromLatin1(suffix)));
            const bool ok = frame->grab().save(path);
            std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
            failures += !ok;
        }
        main.CloseCurAllWindows();
    };
    shootSettings("");
    pmr::ApplyLanguageChoice(app, 1);
    main.Change_Language();
    shootSettings("-zh");
    pmr::ApplyLanguageChoice(app, 0);
    main.Change_Language();

    // The batch channel settings dialog with every item and the item list
    // shown, in English and in Chinese; the switch file is left as it was.
    for (const char* suffix : {"en", "zh"}) {
        pmr::ApplyLanguageChoice(app, suffix[0] == 'z' ? 1 : 0);
        main.Change_Language();
        const auto switches = app.config.BatchSwitches;
        app.config.BatchSwitches.fill(1);
        ui.HandleDialogNext([&](QDialog& dialog) {
            if (auto* items = dialog.findChild<QPushButton*>(QStringLiteral("cmdSelectItems")))
                items->click();
            dialog.show();
            QTest::qWait(300);
            const QString path = out.filePath(QStringLiteral("batch-%1.png").arg(QString::fromLatin1(suffix)));
            const bool ok = dialog.grab().save(path);
            std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
            failures += !ok;
            dialog.hide();
            return int(QDialog::Rejected);
        });
        main.ShowChildWindow(QStringLiteral("FrmCHBatch"));
        app.config.BatchSwitches = switches;
    }
    pmr::ApplyLanguageChoice(app, 0);
    main.Change_Language();

    // The small dialogs, each on its own.
    auto grab = [&](QDialog& dialog, const char* name) {
        dialog.show();
        QTest::qWait(150);
        const QString path = out.filePath(QString::fromLatin1(name));
        const bool ok = dialog.grab().save(path);
        std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
        failures += !ok;
        dialog.hide();
    };
    {
        pmr::FrmSetComm port(app, link.Ports(), &main);
        grab(port, "dialog-port.png");
        pmr::FrmPassWord password(app, &main);
        password.Text1()->setText(QStringLiteral("1234"));
        grab(password, "dialog-password.png");
        pmr::FrmSetLanguage language(app, &main);
        grab(language, "dialog-language.png");
        pmr::FrmModelInfo model(app, ui, main, &main);
        grab(model, "dialog-model.png");
        pmr::FrmAbout about(app, &main);
        grab(about, "dialog-about.png");
    }
    // The report of a CSV channel list import, with rows refused, changed and
    // noted; cancelled, so the document stays as it was.
    {
        const QString csv = QDir::temp().filePath(QStringLiteral("channels.csv"));
        QFile file(csv);
        if (file.open(QIODevice::WriteOnly)) {
            const char* header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                 "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,"
                                 "Power,Comment\r\n";
            const char* rest = "Tone->Tone,NFM,6.25,,Low,\r\n";
            file.write(header);
            file.write(QByteArray("1,Hut,446.006250,,0.000000,,88.5,88.5,023,NN,023,") + rest);
            file.write("2,LAKE,446.018750,,0.000000,Tone,94.8,88.5,023,NN,023,"
                       "Tone->Tone,NFM,6.25,,High,\r\n");
            file.write(QByteArray("3,CAMP,446.031250,,0.000000,TSQL,88.5,100.0,023,NN,023,") + rest);
            file.write(QByteArray("4,RELAY,446.100000,+,0.600000,,88.5,88.5,023,NN,023,") + rest);
            file.write(QByteArray("5,FAR,145.500000,,0.000000,,88.5,88.5,023,NN,023,") + rest);
            file.write(QByteArray("6,BASE,446.068750,,0.000000,Tone,72.0,88.5,023,NN,023,") + rest);
            file.write(QByteArray("200,EXTRA,446.081250,,0.000000,,88.5,88.5,023,NN,023,") + rest);
            file.write("7,GATE,446.093750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,"
                       "Low,\r\n");
            file.close();
        }
        ui.ChooseFileNext(csv.toStdString());
        ui.HandleDialogNext([&](QDialog& dialog) {
            grab(dialog, "csv-import-report.png");
            return int(QDialog::Rejected);
        });
        main.ImportChannelsCsv();
        QFile::remove(csv);
    }
    // The factory tools, in English and in Chinese: the test frequencies
    // window and the test data dialog.
    for (int language : {0, 1}) {
        pmr::ApplyLanguageChoice(app, language);
        main.Change_Language();
        const std::string suffix = language == 0 ? "en" : "zh";
        main.CloseCurAllWindows();
        if (QWidget* w = main.ShowChildWindow(QStringLiteral("FrmTestFre"))) {
            QWidget* frame = w->parentWidget() ? w->parentWidget() : w;
            frame->resize(frame->sizeHint());
            QTest::qWait(300);
            const QString path = out.filePath(QString::fromStdString("testfre-" + suffix + ".png"));
            const bool ok = frame->grab().save(path);
            std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
            failures += !ok;
        }
        main.CloseCurAllWindows();
        pmr::FrmTestData data(app, ui, 0, &main);
        grab(data, ("testdata-" + suffix + ".png").c_str());
    }
    pmr::ApplyLanguageChoice(app, 0);
    main.Change_Language();

    app.fileBuffer = app.doc;
    return failures == 0 ? 0 : 1;
}
