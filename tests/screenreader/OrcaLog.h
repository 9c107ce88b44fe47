#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <chrono>
#include <thread>

// What Orca has said, read from its debug log as it grows: one entry for
// each "SPEECH OUTPUT:" line. Waiting for a line moves past it, so a run of
// waits checks that Orca said those things in that order.
class OrcaLog {
public:
    explicit OrcaLog(const QString &path)
        : m_file(path)
    {
    }

    // Waits until Orca says a line that matches, after the last one waited
    // for; the line, or an empty string after `seconds`.
    QString waitFor(const QRegularExpression &pattern, int seconds = 30)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        do {
            readMore();
            for (; m_next < m_heard.size(); ++m_next) {
                if (pattern.match(m_heard[m_next]).hasMatch())
                    return m_heard[m_next++];
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        } while (std::chrono::steady_clock::now() < until);
        return {};
    }
    QString waitFor(const QString &words, int seconds = 30)
    {
        return waitFor(QRegularExpression(QRegularExpression::escape(words)), seconds);
    }

    // From now on, only what Orca says next counts.
    void skipAll()
    {
        readMore();
        m_next = m_heard.size();
    }

    // Everything Orca has said so far.
    const QStringList &heard()
    {
        readMore();
        return m_heard;
    }

private:
    void readMore()
    {
        if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly))
            return;
        m_pending += m_file.readAll();
        const qsizetype end = m_pending.lastIndexOf('\n');
        if (end < 0)
            return;
        const QList<QByteArray> lines = m_pending.left(end).split('\n');
        m_pending.remove(0, end + 1);
        // SPEECH OUTPUT: 'words'{'voice settings'}
        static const QRegularExpression said(
            QStringLiteral("SPEECH OUTPUT: '(.*)'\\s*(\\{.*\\})?$"));
        for (const QByteArray &line : lines) {
            const auto match
                = said.match(QString::fromUtf8(line).trimmed()); // a terminal ends lines with \r\n
            if (match.hasMatch())
                m_heard << match.captured(1);
        }
    }

    QFile m_file;
    QByteArray m_pending;
    QStringList m_heard;
    qsizetype m_next = 0;
};
