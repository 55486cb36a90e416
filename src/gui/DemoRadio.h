#pragma once
// The --demo switch: the simulated radio on a pseudo-terminal, mapped as the
// configured serial port for this run, so the program can read and write at once.

#include <QProcess>
#include <QString>

namespace pmr {

class DemoRadio {
public:
    DemoRadio() = default;
    ~DemoRadio();
    /// Starts the simulated radio executable and waits for its device path.
    /// False with a reason in `error` when it did not start.
    bool Start(const QString& simulator, QString& error, const QStringList& arguments = {});
    QString Device() const { return device_; }
    /// The simulated radio beside the program, or else the one of the build.
    static QString FindSimulator(const QString& programFolder);

private:
    QProcess process_;
    QString device_;
};

} // namespace pmr
