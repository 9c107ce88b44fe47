#include "ui/Fonts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QtMath>

namespace fw::ui {

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

void fitToText(QLabel *label)
{
    const QRect old = label->geometry();
    QRect fitted(old.topLeft(), label->sizeHint());
    if (label->alignment() & Qt::AlignRight)
        fitted.moveRight(old.right());
    label->setGeometry(fitted);
}

} // namespace fw::ui
