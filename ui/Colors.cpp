#include "ui/Colors.h"

#include <QPalette>
#include <QWidget>

namespace fw::ui {

namespace {

QPalette makeDesignedPalette()
{
    const QColor face(239, 239, 239);
    const QColor disabledText(190, 190, 190);
    // Window text, button face, light, dark, mid, text, bright text, base, window.
    QPalette palette(kBlack, face, kWhite, QColor(159, 159, 159), QColor(184, 184, 184), kBlack,
        kWhite, kWhite, face);
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, kWhite);
    palette.setColor(QPalette::Link, kBlue);
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, kBlack);
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Dark, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(177, 177, 177));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

// A widget with colours of its own goes on from them; any other starts
// from the designed palette.
QPalette designedPaletteOf(const QWidget *widget)
{
    return widget->testAttribute(Qt::WA_SetPalette) ? widget->palette() : designedPalette();
}

} // namespace

const QPalette &designedPalette()
{
    static const QPalette palette = makeDesignedPalette();
    return palette;
}

void useDesignedPalette(QWidget *widget)
{
    if (!widget->testAttribute(Qt::WA_SetPalette))
        widget->setPalette(designedPalette());
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = designedPaletteOf(widget);
    palette.setColor(widget->backgroundRole(), color);
    if (widget->inherits("QAbstractButton"))
        palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = designedPaletteOf(widget);
    palette.setColor(widget->foregroundRole(), color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

} // namespace fw::ui
