#include "screenreader/WindowReading.h"

#include "screenreader/Announcer.h"
#include "ui/WindowSetUp.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace fw::screenreader {

namespace {

constexpr char kReadWhole[] = "fwReadWhole";

// Every text a window shows, top to bottom and left to right.
QString readingOf(const QWidget *window)
{
    auto labels = window->findChildren<QLabel *>();
    labels.removeIf([window](const QLabel *label) {
        return label->text().isEmpty() || !label->isVisibleTo(window);
    });
    const auto at = [window](const QLabel *label) { return label->mapTo(window, QPoint()); };
    std::stable_sort(labels.begin(), labels.end(), [&](const QLabel *a, const QLabel *b) {
        return std::pair(at(a).y(), at(a).x()) < std::pair(at(b).y(), at(b).x());
    });
    QStringList said;
    for (const QLabel *label : labels)
        said << label->text();
    return said.join(QLatin1Char(' '));
}

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *window)
        : QAccessibleWidget(window, QAccessible::AlertMessage)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        QStringList said;
        const auto labels = widget()->findChildren<QLabel *>();
        for (const QLabel *label : labels)
            if (label->text().isEmpty() && label->isVisibleTo(widget())
                && !label->accessibleName().isEmpty())
                said << label->accessibleName();
        return said.join(QLatin1String(". "));
    }
};

QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && object->property(kReadWhole).toBool())
        return new WindowAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// A splash screen is never made the active window, so nothing of it is
// read by itself: it says its texts as it appears, or, when it appears
// before assistive technology has reached the program, as soon as it has.
class SaidOnShow : public QObject, public QAccessible::ActivationObserver {
public:
    explicit SaidOnShow(QWidget *window)
        : QObject(window)
        , m_window(window)
        , m_announcer(new Announcer(window))
    {
        window->installEventFilter(this);
        QAccessible::installActivationObserver(this);
    }
    ~SaidOnShow() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override
    {
        if (active && m_untold && m_window->isVisible())
            tell();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_untold = true;
            if (QAccessible::isActive())
                tell();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void tell()
    {
        m_untold = false;
        QMetaObject::invokeMethod(
            m_announcer, [this] { m_announcer->announce(readingOf(m_window)); },
            Qt::QueuedConnection);
    }

    QWidget *m_window;
    Announcer *m_announcer;
    bool m_untold = false;
};

// Marked before anything about it reaches assistive technology.
void readWhole(QWidget &window)
{
    window.setProperty(kReadWhole, true);
    if (window.windowType() == Qt::SplashScreen)
        new SaidOnShow(&window);
}

} // namespace

void installWindowReading()
{
    QAccessible::installFactory(windowFactory);
    ui::setUpEveryWindowWith(readWhole);
}

} // namespace fw::screenreader
