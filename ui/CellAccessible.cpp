#include "ui/CellAccessible.h"

#include "ui/CellBox.h"

#include <QAccessibleWidget>

namespace fw::ui {

namespace {

class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellBox *cell)
        : QAccessibleWidget(cell, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        const auto *cell = static_cast<const CellBox *>(widget());
        state.checkable = state.selectable = cell->isDragSource();
        state.checked = state.selected = cell->isHeld();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const CellBox *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *cellFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fw::ui::CellBox") && object && object->isWidgetType())
        return new CellAccessible(static_cast<CellBox *>(object));
    return nullptr;
}

} // namespace

void installCellAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(cellFactory);
        return true;
    }();
    (void)installed;
}

} // namespace fw::ui
