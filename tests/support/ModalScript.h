#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// The one modal-window closer of the tests. It meets the modal windows the
// code under test opens, in the expected order: each step names the window,
// may act on it, and then closes it as the frame's close control does (at
// once, or after closeAfterMs). A step whose act closes the window itself
// says so; a window the act leaves open is a problem. Any other window, or
// none within the time limit, is a problem too and is closed, so the test
// cannot hang. After closeAnyWindow() it closes whatever opens, expecting
// nothing in particular.
class ModalScript : public QObject {
public:
    struct Step {
        QString name;
        std::function<void(QWidget *)> act = {};
        int closeAfterMs = 0;
        bool actCloses = false;
    };

    explicit ModalScript(QList<Step> steps = {}, int stepTimeoutMs = 15000)
        : m_steps(std::move(steps))
        , m_stepTimeoutMs(stepTimeoutMs)
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, &ModalScript::poll);
        m_poll.start();
        m_sinceStep.start();
    }

    // Windows expected after those already met.
    void expect(QList<Step> steps)
    {
        m_steps += std::move(steps);
        m_sinceStep.restart();
    }

    // Closes every window that opens, at the next turn of the event loop.
    void closeAnyWindow()
    {
        m_anyWindow = true;
        m_poll.setInterval(0);
    }

    QStringList seen;     // names of the windows met, in order
    QStringList titles;   // their titles
    QStringList problems; // anything that went wrong

private:
    void poll()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || window == m_handled) {
            if (!m_steps.isEmpty() && m_sinceStep.hasExpired(m_stepTimeoutMs)) {
                problems.append(QStringLiteral("no window %1 opened").arg(m_steps.first().name));
                m_steps.clear();
            }
            if (window && m_sinceStep.hasExpired(m_stepTimeoutMs + m_closeAfterMs))
                window->close();
            return;
        }
        m_handled = window;
        m_sinceStep.restart();
        seen.append(window->objectName());
        titles.append(window->windowTitle());
        if (m_anyWindow) {
            window->close();
            return;
        }
        if (m_steps.isEmpty() || m_steps.first().name != window->objectName()) {
            problems.append(QStringLiteral("unexpected window %1").arg(window->objectName()));
            window->close();
            return;
        }
        const Step step = m_steps.takeFirst();
        QPointer<QWidget> target(window);
        if (step.act)
            step.act(window);
        m_closeAfterMs = step.closeAfterMs;
        if (step.actCloses && target && target->isVisible()) {
            problems.append(QStringLiteral("window %1 stayed open").arg(step.name));
            target->close();
        } else if (step.closeAfterMs > 0) {
            QTimer::singleShot(step.closeAfterMs, Qt::PreciseTimer, this, [target] {
                if (target)
                    target->close();
            });
        } else if (target && target->isVisible()) {
            target->close();
        }
    }

    QList<Step> m_steps;
    int m_stepTimeoutMs;
    int m_closeAfterMs = 0;
    bool m_anyWindow = false;
    QTimer m_poll;
    QElapsedTimer m_sinceStep;
    QPointer<QWidget> m_handled;
};
