#pragma once

// The one child-process harness: runs the game, the scripted player on it
// (reliability/GameProbe.cpp) or a test's own program as a process of its
// own with a settings directory chosen by the test, and reads what it says
// line by line.

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <memory>
#include <unistd.h>

namespace fwtest {

// A path a CMake test property put into the environment.
inline QString fromEnvironment(const char *variable)
{
    return QString::fromLocal8Bit(qgetenv(variable));
}

// Under root, file permissions do not hold; a check that needs them runs
// the program as "nobody" through setpriv. Empty when no change is needed.
inline QStringList unprivilegedPrefix()
{
    if (::geteuid() != 0)
        return {};
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
        QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"), QStringLiteral("--")};
}

class ChildProcess {
public:
    // Starts `program` with `arguments`, on the offscreen platform, with its
    // settings under `configHome`; `prefix` runs it through another program,
    // `extraEnvironment` holds "NAME=value" texts, and names alone of
    // variables the program must not have.
    ChildProcess(const QString &program, const QStringList &arguments, const QString &configHome,
        const QStringList &prefix = {}, const QStringList &extraEnvironment = {},
        const QString &workingDirectory = {})
        : m_process(std::make_unique<QProcess>())
    {
        if (!workingDirectory.isEmpty())
            m_process->setWorkingDirectory(workingDirectory);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.multimedia*=false"));
        // A directory every user may write, for whoever the program runs as.
        env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
        // Another user may not use this user's runtime directory.
        if (!prefix.isEmpty())
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        for (const QString &assignment : extraEnvironment) {
            if (!assignment.contains(QLatin1Char('=')))
                env.remove(assignment);
            else
                env.insert(assignment.section(QLatin1Char('='), 0, 0),
                    assignment.section(QLatin1Char('='), 1));
        }
        m_process->setProcessEnvironment(env);
        m_process->setProcessChannelMode(QProcess::SeparateChannels);
        QStringList command = prefix;
        command << program << arguments;
        m_process->start(command.takeFirst(), command);
    }

    ~ChildProcess()
    {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(10000);
        }
    }

    // Waits for a line that starts with `start`; returns it, or an empty
    // text when the process ended or the time ran out first.
    QString waitForLine(const QString &start, int ms = 60000)
    {
        const QDeadlineTimer deadline(ms);
        for (;;) {
            collect();
            for (const QString &line : std::as_const(m_lines)) {
                if (line.startsWith(start))
                    return line;
            }
            if (deadline.hasExpired() || m_process->state() == QProcess::NotRunning)
                return {};
            m_process->waitForReadyRead(50);
        }
    }

    bool finish(int ms = 60000)
    {
        const bool finished = m_process->waitForFinished(ms);
        collect();
        return finished;
    }

    // SIGKILL: no handler runs, nothing is flushed.
    void killHard()
    {
        m_process->kill();
        m_process->waitForFinished(10000);
        collect();
    }

    bool endedWell() const
    {
        return m_process->exitStatus() == QProcess::NormalExit && m_process->exitCode() == 0;
    }
    QProcess::ExitStatus exitStatus() const { return m_process->exitStatus(); }
    const QStringList &lines() const { return m_lines; }
    QString errors() const { return m_errors; }
    QString transcript() const
    {
        return QStringLiteral("said:\n  %1\nerrors:\n%2")
            .arg(m_lines.join(QStringLiteral("\n  ")), m_errors.right(3000));
    }

private:
    void collect()
    {
        m_pending += QString::fromLocal8Bit(m_process->readAllStandardOutput());
        m_errors += QString::fromLocal8Bit(m_process->readAllStandardError());
        qsizetype end;
        while ((end = m_pending.indexOf(QLatin1Char('\n'))) >= 0) {
            m_lines << m_pending.left(end);
            m_pending.remove(0, end + 1);
        }
    }

    std::unique_ptr<QProcess> m_process;
    QString m_pending;
    QStringList m_lines;
    QString m_errors;
};

// A value as the settings file on disk holds it, read from the text itself
// (the first "Key=" line of the section), or "<missing>".
inline QString valueOnDisk(const QString &file, const QString &section, const QString &key)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("<no file>");
    QString current;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            current = line.mid(1, line.size() - 2);
        else if (current == section && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("<missing>");
}

} // namespace fwtest
