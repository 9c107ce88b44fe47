#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Every window is built from a table of its controls, listed front to back:
// the first one listed covers those after it.
//
// A control's text, tooltip and spoken name are shown translated: tables mark
// them QT_TRANSLATE_NOOP("Figurewheel", "..."), the one context of all the
// game's texts, and the builder looks them up there (Texts::tr). Numbers and
// operators are left unmarked and show as written.
namespace fw::ui {

enum class ControlKind : std::uint8_t {
    Label, // text on a see-through background
    Button,
    Cell,    // a locked text box of the main window's board, made by its window
    TextBox, // a text box that takes typing
    Picture, // a picture stretched to its rectangle
    Frame,   // a group box, with its text as caption
    Line,    // a rectangle filled with the background colour
    Toolbar,
    StatusBar, // a status bar showing its text
};

// How a label's text is made to fit: its face narrowed where the text would
// overrun the rectangle, the rectangle sized to the text, or left alone.
enum class Fit : std::uint8_t { Narrow, ToText, None };

struct Face {
    double points = 8;
    bool bold = false;
    bool italic = false;
};

struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    const char *name = nullptr; // the object name; the main window names its own
    QRect twips;                // left, top, width, height
    const char *text = "";
    Face face {};
    QColor background {}; // none: the style's
    QColor color {};      // the text's; none: the style's
    Qt::Alignment align = Qt::AlignLeft;
    Fit fit = Fit::Narrow;
    bool hidden = false;
    bool dragSource = false;
    bool dropTarget = false;
    int tab = -1;                   // place in the tab order, -1 for none
    const char *tip = nullptr;      // tooltip
    const char *resource = nullptr; // a picture's resource
    const char *spoken = nullptr;   // what a screen reader says, where the text does not say it
};

// Builds one control into parent, `offset` pixels from its place; a control
// the window made itself (a cell) is given and laid out as its row says.
QWidget *buildControl(
    QWidget *parent, const ControlSpec &row, QPoint offset = {}, QWidget *made = nullptr);

// Sets a control's face, unless it has it already: a control inherits its
// parent's, and only a different one is set.
void setFaceOf(QWidget *widget, const Face &face);

// A table's controls as built, in the table's order, each beside its row.
// A window takes a control it works on by the name its row gives it, as the
// kind of widget it works with: a name missing from the table, or a control
// of another kind, stops the program as the window is built.
struct BuiltControls {
    struct Entry {
        const ControlSpec *row;
        QWidget *widget;
    };
    std::vector<Entry> entries;

    template <typename T> T *get(std::string_view name) const
    {
        auto *control = qobject_cast<T *>(find(name));
        if (!control)
            qFatal("control %s is not a %s", name.data(), T::staticMetaObject.className());
        return control;
    }
    QWidget *find(std::string_view name) const;
};

// Builds a table's controls, each covering the ones listed after it. A
// control with a colour of its own is drawn in the designed palette (see
// Colors.h); so is the whole window when a label with a colour of its own
// stands on the window's face rather than on a picture listed behind it.
BuiltControls buildControls(
    QWidget *parent, std::span<const ControlSpec> table, QPoint offset = {});

} // namespace fw::ui
