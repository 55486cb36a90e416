#include "QtProgramLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace pmr {

std::string QtProgramLauncher::OwnExecutableName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}

bool QtProgramLauncher::StartProgram(const std::string& path) {
    const QString program = QString::fromStdString(path);
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

void QtProgramLauncher::EndThisProgram() {
    if (endProgram_) {
        QTimer::singleShot(0, endProgram_);
        return;
    }
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
}

} // namespace pmr
