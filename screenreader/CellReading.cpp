#include "screenreader/CellReading.h"

#include "cells/CellBox.h"

#include <QAccessibleWidget>

namespace fw::screenreader {

namespace {

// A cell reads as a locked one-line text box: its name says which cell it
// is, its text what it shows. The text is a number or an operator of a
// character or two, so a word, a line or a sentence of it is all of it.
class CellAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CellAccessible(cells::CellBox *cell)
        : QAccessibleWidget(cell, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.checkable = state.selectable = cell()->isDragSource();
        state.checked = state.selected = cell()->isHeld();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return cell()->text();
        return QAccessibleWidget::text(t);
    }

    // Nothing can be selected in a locked cell, and no caret shows.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }

    QString text(int startOffset, int endOffset) const override
    {
        const int count = characterCount();
        startOffset = qBound(0, startOffset, count);
        endOffset = endOffset < 0 ? count : qBound(startOffset, endOffset, count);
        return cell()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(cell()->text().size()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return piece(offset, boundary, startOffset, endOffset);
    }
    // Only a character has a neighbour: any longer piece is the whole text.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return piece(boundary == QAccessible::CharBoundary ? offset - 1 : -1,
            QAccessible::CharBoundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return piece(boundary == QAccessible::CharBoundary ? offset + 1 : -1,
            QAccessible::CharBoundary, startOffset, endOffset);
    }

    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return 0; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const cells::CellBox *cell() const { return static_cast<const cells::CellBox *>(widget()); }

    // One character of the text, or all of it for any longer boundary.
    QString piece(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const
    {
        const int count = characterCount();
        if (boundary == QAccessible::CharBoundary) {
            if (offset < 0 || offset >= count) {
                *startOffset = *endOffset = -1;
                return {};
            }
            *startOffset = offset;
            *endOffset = offset + 1;
            return cell()->text().mid(offset, 1);
        }
        *startOffset = 0;
        *endOffset = count;
        return cell()->text();
    }
};

QAccessibleInterface *cellFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fw::cells::CellBox") && object && object->isWidgetType())
        return new CellAccessible(static_cast<cells::CellBox *>(object));
    return nullptr;
}

} // namespace

void installCellReading()
{
    QAccessible::installFactory(cellFactory);
}

} // namespace fw::screenreader
