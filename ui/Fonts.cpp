#include "ui/Fonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QtMath>

namespace fw::ui {

namespace {

// One QFont per size and style, shared by every control that shows it: a
// face built anew for each control costs a lookup of its own when it is
// first drawn, a shared one only once. The family is the one the package
// depends on; where it is missing, the style hint picks the system's sans
// serif. (A list of families would have Qt sort fallback fonts for every
// style at start.)
QFont makeGameFont(int pixels, bool bold, bool italic)
{
    QFont font;
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The GUI thread's only. Emptied as the application goes, so no face
// outlives Qt's font machinery.
QHash<int, QFont> &fontCache()
{
    static QHash<int, QFont> cache;
    return cache;
}

void clearFontCache()
{
    fontCache().clear();
}

// Fits its label each time the label appears.
class FitWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            fitTextToWidth(static_cast<QLabel *>(watched));
        return false;
    }
};

} // namespace

QFont gameFont(double points, bool bold, bool italic)
{
    const int pixels = qMax(1, qRound(points * 4.0 / 3.0));
    const int key = pixels * 4 + (bold ? 2 : 0) + (italic ? 1 : 0);
    QHash<int, QFont> &cache = fontCache();
    if (cache.isEmpty() && QCoreApplication::instance())
        qAddPostRoutine(clearFontCache);
    auto found = cache.constFind(key);
    if (found == cache.cend())
        found = cache.insert(key, makeGameFont(pixels, bold, italic));
    return *found;
}

QFont defaultFont()
{
    return gameFont(8);
}

QFont narrowedToFit(QFont font, const QString &text, int room)
{
    // The face as designed, unstretched; a text that fits keeps it, so the
    // control shares its face with every other control of that size.
    font.setStretch(QFont::AnyStretch);
    const int needed = text.isEmpty() ? 0 : QFontMetrics(font).horizontalAdvance(text);
    if (needed > room && needed > 0)
        font.setStretch(qMax(50, room * 100 / needed));
    return font;
}

void fitTextToWidth(QLabel *label)
{
    const QFont font
        = narrowedToFit(label->font(), label->text(), label->width() - 2 * label->margin());
    if (font != label->font())
        label->setFont(font);
}

void fitTextToWidthWhenShown(QLabel *label)
{
    label->installEventFilter(new FitWhenShown(label));
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
