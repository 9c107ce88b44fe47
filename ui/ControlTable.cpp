#include "ui/ControlTable.h"

#include "ui/CellBox.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace fw::ui {

namespace {

// A control inherits its parent's face; only a different one is set.
void setFaceOf(QWidget *widget, const Face &face)
{
    const QFont font = gameFont(face.points, face.bold, face.italic);
    if (font != widget->font())
        widget->setFont(font);
}

QString translated(const char *source)
{
    return QCoreApplication::translate(kTextContext, source);
}

QWidget *makeLabel(QWidget *parent, const ControlSpec &spec, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // keeps runs of blanks as typed
    label->setAlignment((spec.align & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// The picture is given at the size it is shown at (see scaledPicture) once
// the label has its place; should the label be resized, QLabel scales it.
QWidget *makePicture(QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setScaledContents(true);
    return picture;
}

// A text box lays its text out at once, so it gets its face before its text.
QWidget *makeCell(QWidget *parent, const ControlSpec &spec, const QString &text)
{
    auto *cell = new CellBox(spec.id, parent);
    setFaceOf(cell, spec.face);
    cell->setText(text);
    cell->setAlignment(spec.align | Qt::AlignVCenter);
    cell->setDragSource(spec.dragSource);
    cell->setAcceptDrops(spec.dropTarget);
    return cell;
}

QWidget *makeToolbar(QWidget *parent)
{
    auto *toolbar = new QToolBar(parent);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setAutoFillBackground(true);
    return toolbar;
}

QWidget *makeStatusBar(QWidget *parent, const QString &text)
{
    auto *bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(false);
    bar->setAutoFillBackground(true);
    bar->addWidget(new QLabel(text, bar), 1);
    return bar;
}

QWidget *make(QWidget *parent, const ControlSpec &spec)
{
    const QString text = translated(spec.text);
    switch (spec.kind) {
    case ControlKind::Label: return makeLabel(parent, spec, text);
    case ControlKind::Button: return new QPushButton(text, parent);
    case ControlKind::Cell: return makeCell(parent, spec, text);
    case ControlKind::TextBox: return new QLineEdit(text, parent);
    case ControlKind::Picture: return makePicture(parent);
    case ControlKind::Frame: return new QGroupBox(text, parent);
    case ControlKind::Line: return new QWidget(parent);
    case ControlKind::Toolbar: return makeToolbar(parent);
    case ControlKind::StatusBar: return makeStatusBar(parent, text);
    }
    return new QWidget(parent);
}

} // namespace

QWidget *buildControl(QWidget *parent, const ControlSpec &spec, QPoint offset)
{
    QWidget *widget = make(parent, spec);
    widget->setObjectName(QString::fromStdString(spec.name ? spec.name : controlName(spec.id)));
    widget->setGeometry(twipsRect(spec.twips).translated(offset));
    setFaceOf(widget, spec.face);
    if (spec.kind == ControlKind::Picture && spec.resource)
        static_cast<QLabel *>(widget)->setPixmap(
            scaledPicture(QString::fromLatin1(spec.resource), widget->size(), widget->devicePixelRatioF()));
    if (spec.background.isValid())
        setBackground(widget, spec.background);
    if (spec.color.isValid())
        setTextColor(widget, spec.color);
    if (spec.tip)
        widget->setToolTip(translated(spec.tip));
    if (spec.spoken)
        widget->setAccessibleName(translated(spec.spoken));
    if (spec.hidden)
        widget->hide();
    if (auto *label = qobject_cast<QLabel *>(widget); label && spec.kind == ControlKind::Label) {
        if (spec.fit == Fit::Narrow)
            fitTextToWidth(label);
        else if (spec.fit == Fit::ToText)
            fitToText(label);
    }
    return widget;
}

QList<QWidget *> buildControls(QWidget *parent, std::span<const ControlSpec> table, QPoint offset)
{
    // Built from the back forward, so each control covers those made before it.
    QList<QWidget *> built(qsizetype(table.size()));
    for (auto n = qsizetype(table.size()) - 1; n >= 0; --n)
        built[n] = buildControl(parent, table[std::size_t(n)], offset);
    return built;
}

} // namespace fw::ui
