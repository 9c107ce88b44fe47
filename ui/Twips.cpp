#include "ui/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <QtMath>

namespace fw::ui {

int px(int twips)
{
    return qRound(twips / double(kTwipsPerPixel));
}

int twipsFromPx(int pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height)
{
    // Round the edges, not the sizes, so neighbouring cells stay flush.
    const int x = px(left);
    const int y = px(top);
    return QRect(x, y, px(left + width) - x, px(top + height) - y);
}

QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

QColor colorFromNumber(std::int32_t number)
{
    return QColor(number & 0xff, (number >> 8) & 0xff, (number >> 16) & 0xff);
}

std::int32_t numberFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QFont gameFont(double points, bool bold, bool italic)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qMax(1, qRound(points * 4.0 / 3.0)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont defaultFont()
{
    return gameFont(8);
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QLabel *addLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                 const QFont &font, const QColor &textColor)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    if (textColor.isValid())
        setTextColor(label, textColor);
    return label;
}

QLabel *addPicture(QWidget *parent, const QString &name, const QRect &rect, const QString &resource,
                   const QString &spokenName)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(rect);
    picture->setScaledContents(true); // QLabel scales smoothly
    if (!resource.isEmpty())
        picture->setPixmap(QPixmap(resource));
    picture->setAccessibleName(spokenName);
    return picture;
}

void fitTextToWidth(QLabel *label)
{
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(font).horizontalAdvance(label->text());
    const int room = label->width() - 2 * label->margin();
    if (needed > room && needed > 0)
        font.setStretch(qMax(50, room * 100 / needed));
    label->setFont(font);
}

} // namespace fw::ui
