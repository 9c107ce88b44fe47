#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QTextLayout>
#include <QWidget>

// Where a control's text does not fit it, readable in a failure message, or
// an empty string when it fits: a label's line within its contents' width
// (a wrapped label's lines within its height), a button's text within its
// frame with a little air on each side.
inline QString overrun(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control)) {
        const QString text = label->text();
        if (text.isEmpty())
            return {};
        const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                             : label->fontMetrics().horizontalAdvance(text);
        const int room = label->wordWrap() ? label->height()
                                           : label->contentsRect().width() - 2 * label->margin();
        if (needed > room)
            return QStringLiteral("%1 \"%2\" %3 > %4")
                .arg(label->objectName(), text)
                .arg(needed)
                .arg(room);
        // Its line must also stand inside its window, wherever the label
        // reaches (one sized to its text grows from its right edge).
        if (!label->wordWrap() && label->parentWidget()) {
            const QRect box = label->geometry();
            const int left = label->alignment() & Qt::AlignRight ? box.right() + 1 - needed
                : label->alignment() & Qt::AlignHCenter ? box.left() + (box.width() - needed) / 2
                                                        : box.left();
            if (left < 0 || left + needed > label->parentWidget()->width())
                return QStringLiteral("%1 \"%2\" stands outside its window")
                    .arg(label->objectName(), text);
        }
        return {};
    }
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const QString text = button->text();
        const int margin
            = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
        const int needed = button->fontMetrics().horizontalAdvance(text) + 2 * margin;
        if (!text.isEmpty() && needed > button->width())
            return QStringLiteral("%1 \"%2\" %3 > %4")
                .arg(button->objectName(), text)
                .arg(needed)
                .arg(button->width());
    }
    return {};
}

// The labels and buttons on view in a window whose texts do not fit them.
inline QStringList overrunning(const QWidget *window)
{
    QStringList overruns;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisibleTo(window))
            if (const QString problem = overrun(control); !problem.isEmpty())
                overruns << problem;
    }
    return overruns;
}

// Whether the font, with the faces the system finds for what it lacks, has a
// glyph for every character of the text: none would show as an empty box.
inline bool drawsEveryGlyph(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    for (const QGlyphRun &run : runs) {
        const auto glyphs = run.glyphIndexes();
        if (glyphs.contains(0u))
            return false;
    }
    return true;
}

// The labels and buttons on view in a window whose texts would show a
// character as an empty box.
inline QStringList withoutGlyphs(const QWidget *window)
{
    QStringList missing;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<const QLabel *>(control))
            text = label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(control))
            text = button->text();
        if (control->isVisibleTo(window) && !drawsEveryGlyph(text, control->font()))
            missing << QStringLiteral("%1 \"%2\" has no glyphs").arg(control->objectName(), text);
    }
    return missing;
}
