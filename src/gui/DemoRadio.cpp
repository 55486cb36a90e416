#include "DemoRadio.h"

#include <QDir>
#include <QFileInfo>

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
