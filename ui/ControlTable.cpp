#include "ui/ControlTable.h"

#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace fw::ui {

namespace {

QWidget *makeLabel(QWidget *parent, const ControlSpec &row, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // keeps runs of blanks as typed
    label->setAlignment((row.align & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
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

// Whether a picture listed behind the row lies under the whole of it.
bool standsOnPicture(std::span<const ControlSpec> table, std::size_t n)
{
    for (std::size_t behind = n + 1; behind < table.size(); ++behind)
        if (table[behind].kind == ControlKind::Picture
            && table[behind].twips.contains(table[n].twips))
            return true;
    return false;
}

// A label coloured by the design that stands on its window's face needs the
// face the colour was chosen for, whatever the desktop's scheme.
void keepFaceForColouredLabels(QWidget *parent, std::span<const ControlSpec> table)
{
    for (std::size_t n = 0; n < table.size(); ++n) {
        const ControlSpec &row = table[n];
        if (row.kind == ControlKind::Label && row.color.isValid() && !row.background.isValid()
            && !standsOnPicture(table, n)) {
            useDesignedPalette(parent->window());
            return;
        }
    }
}

QWidget *make(QWidget *parent, const ControlSpec &row)
{
    const QString text = Texts::tr(row.text);
    switch (row.kind) {
    case ControlKind::Label: return makeLabel(parent, row, text);
    case ControlKind::Button: return new QPushButton(text, parent);
    case ControlKind::Cell: break; // made by the window it belongs to
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

void setFaceOf(QWidget *widget, const Face &face)
{
    const QFont font = gameFont(face.points, face.bold, face.italic);
    if (font != widget->font())
        widget->setFont(font);
}

QWidget *buildControl(QWidget *parent, const ControlSpec &row, QPoint offset, QWidget *made)
{
    QWidget *widget = made ? made : make(parent, row);
    if (row.name)
        widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(twipsRect(row.twips).translated(offset));
    setFaceOf(widget, row.face);
    if (row.kind == ControlKind::Picture && row.resource)
        static_cast<QLabel *>(widget)->setPixmap(scaledPicture(
            QString::fromLatin1(row.resource), widget->size(), widget->devicePixelRatioF()));
    if (row.background.isValid())
        setBackground(widget, row.background);
    if (row.color.isValid())
        setTextColor(widget, row.color);
    if (row.tip)
        widget->setToolTip(Texts::tr(row.tip));
    if (row.spoken)
        widget->setAccessibleName(Texts::tr(row.spoken));
    if (row.hidden)
        widget->hide();
    if (auto *label = qobject_cast<QLabel *>(widget); label && row.kind == ControlKind::Label) {
        if (row.fit == Fit::Narrow)
            fitTextToWidthWhenShown(label);
        else if (row.fit == Fit::ToText)
            fitToText(label);
    }
    return widget;
}

BuiltControls buildControls(QWidget *parent, std::span<const ControlSpec> table, QPoint offset)
{
    // Built from the back forward, so each control covers those made before it.
    BuiltControls built {std::vector<BuiltControls::Entry>(table.size())};
    for (std::size_t n = table.size(); n-- > 0;)
        built.entries[n] = {&table[n], buildControl(parent, table[n], offset)};
    keepFaceForColouredLabels(parent, table);
    return built;
}

QWidget *BuiltControls::find(std::string_view name) const
{
    for (const auto &[row, widget] : entries)
        if (row->name && row->name == name)
            return widget;
    qFatal("no control %s in the table", name.data());
}

} // namespace fw::ui
