#include "screenreader/Announcer.h"

#include <QAccessibleWidget>

namespace fw::screenreader {

namespace {

QAccessibleInterface *announcerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fw::screenreader::Announcer") && object
        && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAnnouncerReading()
{
    QAccessible::installFactory(announcerFactory);
}

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &line)
{
    if (line.isEmpty())
        return;
    // The notification appears afresh for every line, even a repeated one.
    hide();
    setAccessibleName(line);
    show();
}

} // namespace fw::screenreader
