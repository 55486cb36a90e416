#include "DemoRadio.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace pmr {

DemoRadio::~DemoRadio() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(2000))
        process_.kill();
    process_.waitForFinished(1000);
}

bool DemoRadio::Start(const QString& simulator, QString& error, const QStringList& arguments) {
    if (simulator.isEmpty() || !QFileInfo(simulator).isExecutable()) {
        error = QStringLiteral("the simulated radio (pmr-radio-sim) was not found");
        return false;
    }
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The simulated radio ends with the program however the program ends: a
    // signal or a crash runs no destructor, and an orphaned radio would keep
    // its terminal and go on answering. Set between fork and exec, so a
    // program that died in between is noticed by its changed parent.
    const pid_t program = getpid();
    process_.setChildProcessModifier([program] {
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != program)
            _exit(1);
    });
    process_.start(simulator, arguments);
    if (!process_.waitForStarted(3000)) {
        error =
            QStringLiteral("the simulated radio could not be started: ") + process_.errorString();
        return false;
    }
    // Its first output line is the device path of its terminal.
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(3000)) {
            error = QStringLiteral("the simulated radio did not name its terminal");
            process_.kill();
            return false;
        }
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return !device_.isEmpty();
}

QString DemoRadio::FindSimulator(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("pmr-radio-sim"));
    if (QFileInfo(beside).isExecutable())
        return beside;
#ifdef PMR_SIM_EXECUTABLE
    const QString built = QStringLiteral(PMR_SIM_EXECUTABLE);
    if (QFileInfo(built).isExecutable())
        return built;
#endif
    return {};
}

} // namespace pmr
