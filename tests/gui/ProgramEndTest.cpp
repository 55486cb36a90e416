// How the program ends: right after start when asked to, and with the demo's
// simulated radio when the program itself is ended by a signal.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// The program started as a user starts it, in a home of its own and without a display.
void StartProgram(QProcess& program, const QTemporaryDir& home, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + "/.config");
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(PMR_PROGRAM_DIR "/pmrprog"), arguments);
}

// The field after the command name in /proc/<pid>/stat: its state and its parent.
QList<QByteArray> StatFields(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray s = stat.readAll();
    return s.mid(s.lastIndexOf(')') + 2).split(' ');
}

// A running (not ended, not a zombie) child of `parent` with command name `name`.
qint64 ChildNamed(qint64 parent, const QByteArray& name) {
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QList<QByteArray> fields = StatFields(pid);
        if (fields.size() < 2 || fields[1].toLongLong() != parent || fields[0] == "Z")
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name)
            return pid;
    }
    return 0;
}

bool Ended(qint64 pid) {
    const QList<QByteArray> fields = StatFields(pid);
    return fields.isEmpty() || fields[0] == "Z" || fields[0] == "X";
}

TEST(ProgramEnd, QuitAfterStartEndsWithoutFurtherSwitches) {
    QTemporaryDir home;
    QProcess program;
    StartProgram(program, home, {QStringLiteral("--quit-after-start")});
    ASSERT_TRUE(program.waitForStarted(10000));
    const bool finished = program.waitForFinished(60000);
    if (!finished)
        program.kill();
    ASSERT_TRUE(finished) << "the program was still running";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(ProgramEnd, SimulatedRadioEndsWithAProgramEndedBySignal) {
    QTemporaryDir home;
    QProcess program;
    StartProgram(program, home, {QStringLiteral("--demo")});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 pid = program.processId();
    qint64 radio = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (radio = ChildNamed(pid, "pmr-radio-sim")) != 0; },
                                60000))
        << "the demo started no simulated radio";

    ::kill(static_cast<pid_t>(pid), SIGTERM); // as `timeout` ends a program
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
    const bool ended = QTest::qWaitFor([&] { return Ended(radio); }, 10000);
    if (!ended)
        ::kill(static_cast<pid_t>(radio), SIGKILL);
    EXPECT_TRUE(ended) << "the simulated radio outlived the program";
}

} // namespace
