// The main window's controls as designed: places in twips, first texts,
// colours and faces, listed front to back; the tab order is their `tab`.
#include "mainwindow/MainControls.h"

#include "cells/CellBox.h"
#include "core/Operator.h"
#include "screenreader/Words.h"
#include "ui/Colors.h"
#include "ui/Translations.h"

#include <algorithm>
#include <array>
#include <variant>

#include <QWidget>

namespace fw {

namespace {

using C = Control;
using enum ui::ControlKind;

constexpr ui::Face kNumberFace {18, true};
constexpr ui::Face kOperatorFace {12, true};
constexpr ui::Face kHintFace {18, false, true};
// A palette cell shows the operator it holds.
constexpr const char *paletteText(int index)
{
    return rowText(paletteOperator(index)).data();
}

constexpr char kHowMany[] = QT_TRANSLATE_NOOP("Figurewheel", "How many numbers do you want?");

} // namespace

std::span<const MainControl> mainControls()
{
    // clang-format off
    static const std::array kControls{
    MainControl{{C::cmdNums, 6}, {.kind = Button, .twips = {2040, 0, 492, 372}, .text = "6", .face = {13.8}, .tab = 43, .tip = kHowMany}},
    MainControl{{C::cmdNums, 5}, {.kind = Button, .twips = {1560, 0, 492, 372}, .text = "5", .face = {13.8}, .tab = 42}},
    MainControl{{C::cmdNums, 4}, {.kind = Button, .twips = {1080, 0, 492, 372}, .text = "4", .face = {13.8}, .tab = 41}},
    MainControl{{C::cmdNums, 3}, {.kind = Button, .twips = {600, 0, 492, 372}, .text = "3", .face = {13.8}, .tab = 40}},
    MainControl{{C::cmdNums, 2}, {.kind = Button, .twips = {120, 0, 492, 372}, .text = "2", .face = {13.8}, .tab = 39}},
    MainControl{{C::Toolbar1}, {.kind = Toolbar, .twips = {0, 0, 9504, 504}}},
    MainControl{{C::cmdHoorayTest}, {.kind = Button, .twips = {7920, 2160, 1095, 495}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Hooray"), .hidden = true, .tab = 38}},
    MainControl{{C::txtOp, 4}, {.kind = Cell, .twips = {6360, 1200, 315, 345}, .text = paletteText(4), .face = kOperatorFace, .background = ui::kRed, .dragSource = true, .tab = 37}},
    MainControl{{C::txtOp, 3}, {.kind = Cell, .twips = {6360, 1560, 315, 345}, .text = paletteText(3), .face = kOperatorFace, .background = ui::kRed, .dragSource = true, .tab = 36}},
    MainControl{{C::txtOp, 0}, {.kind = Cell, .twips = {6000, 1560, 315, 345}, .text = paletteText(0), .face = kOperatorFace, .background = ui::kRed, .dragSource = true, .tab = 35}},
    MainControl{{C::txtOp, 1}, {.kind = Cell, .twips = {6000, 1200, 315, 345}, .text = paletteText(1), .face = kOperatorFace, .background = ui::kRed, .dragSource = true, .tab = 34}},
    MainControl{{C::cmdHint}, {.kind = Button, .twips = {240, 5160, 1095, 495}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Hint"), .tab = 33}},
    MainControl{{C::cmdAnswers}, {.kind = Button, .twips = {240, 4680, 1095, 495}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Answer"), .tab = 32}},
    MainControl{{C::txtAnswer, 1}, {.kind = Cell, .twips = {1800, 4680, 375, 495}, .text = "3", .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .tab = 31}},
    MainControl{{C::txtAnswer, 2}, {.kind = Cell, .twips = {2925, 4680, 375, 495}, .text = "1", .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .tab = 30}},
    MainControl{{C::txtAnswer, 3}, {.kind = Cell, .twips = {4080, 4680, 375, 495}, .text = "2", .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .tab = 29}},
    MainControl{{C::txtAnswer, 4}, {.kind = Cell, .twips = {5190, 4680, 375, 495}, .text = "4", .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .tab = 28}},
    MainControl{{C::txtAnswer, 5}, {.kind = Cell, .twips = {6315, 4680, 375, 495}, .text = "3", .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .tab = 27}},
    MainControl{{C::txtAnswer, 6}, {.kind = Cell, .twips = {7440, 4680, 375, 495}, .text = "5", .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .tab = 26}},
    MainControl{{C::txtAnswerOp, 1}, {.kind = Cell, .twips = {2400, 4800, 315, 345}, .text = "+", .face = kOperatorFace, .background = ui::kRed, .tab = 25}},
    MainControl{{C::txtAnswerOp, 2}, {.kind = Cell, .twips = {3480, 4800, 315, 345}, .text = "Text1", .face = kOperatorFace, .background = ui::kRed, .tab = 24}},
    MainControl{{C::txtAnswerOp, 3}, {.kind = Cell, .twips = {4680, 4800, 315, 345}, .text = "Text1", .face = kOperatorFace, .background = ui::kRed, .tab = 23}},
    MainControl{{C::txtAnswerOp, 4}, {.kind = Cell, .twips = {5880, 4800, 315, 345}, .text = "Text1", .face = kOperatorFace, .background = ui::kRed, .tab = 22}},
    MainControl{{C::txtAnswerOp, 5}, {.kind = Cell, .twips = {6960, 4800, 315, 345}, .text = "Text1", .face = kOperatorFace, .background = ui::kRed, .tab = 21}},
    MainControl{{C::txtCurrentTotal}, {.kind = Cell, .twips = {8160, 3360, 1335, 615}, .face = {24, true}, .background = ui::kDarkBlue, .color = ui::kLightYellow, .tab = 20}},
    MainControl{{C::txtGuessOp, 5}, {.kind = Cell, .twips = {6960, 3600, 315, 345}, .face = kOperatorFace, .background = ui::kRed, .dropTarget = true, .tab = 19}},
    MainControl{{C::txtGuessOp, 4}, {.kind = Cell, .twips = {5880, 3600, 315, 345}, .face = kOperatorFace, .background = ui::kRed, .dropTarget = true, .tab = 18}},
    MainControl{{C::txtGuessOp, 3}, {.kind = Cell, .twips = {4680, 3600, 315, 345}, .face = kOperatorFace, .background = ui::kRed, .dropTarget = true, .tab = 17}},
    MainControl{{C::txtGuessOp, 2}, {.kind = Cell, .twips = {3480, 3600, 315, 345}, .face = kOperatorFace, .background = ui::kRed, .dropTarget = true, .tab = 16}},
    MainControl{{C::txtGuessOp, 1}, {.kind = Cell, .twips = {2400, 3600, 315, 345}, .face = kOperatorFace, .background = ui::kRed, .dropTarget = true, .tab = 15}},
    MainControl{{C::txtGuess, 6}, {.kind = Cell, .twips = {7440, 3480, 375, 495}, .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .dropTarget = true, .tab = 14}},
    MainControl{{C::txtGuess, 5}, {.kind = Cell, .twips = {6312, 3480, 375, 495}, .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .dropTarget = true, .tab = 13}},
    MainControl{{C::txtGuess, 4}, {.kind = Cell, .twips = {5184, 3480, 375, 495}, .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .dropTarget = true, .tab = 12}},
    MainControl{{C::txtGuess, 3}, {.kind = Cell, .twips = {4080, 3480, 375, 495}, .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .dropTarget = true, .tab = 11}},
    MainControl{{C::txtGuess, 2}, {.kind = Cell, .twips = {2880, 3480, 375, 495}, .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .dropTarget = true, .tab = 10}},
    MainControl{{C::txtGuess, 1}, {.kind = Cell, .twips = {1800, 3480, 375, 495}, .face = kNumberFace, .background = ui::kBlue, .color = ui::kLightYellow, .dropTarget = true, .tab = 9}},
    MainControl{{C::txtTimer}, {.kind = Cell, .twips = {240, 1200, 1095, 675}, .text = "00", .face = {24}, .color = ui::kRed, .align = Qt::AlignRight, .tab = 8}},
    MainControl{{C::txtNumber, 6}, {.kind = Cell, .twips = {4920, 1440, 375, 495}, .text = "2", .face = kNumberFace, .background = ui::kYellow, .dragSource = true, .dropTarget = true, .tab = 7}},
    MainControl{{C::txtNumber, 5}, {.kind = Cell, .twips = {4440, 1200, 375, 495}, .text = "1", .face = kNumberFace, .background = ui::kGreen, .dragSource = true, .dropTarget = true, .tab = 6}},
    MainControl{{C::txtNumber, 4}, {.kind = Cell, .twips = {3960, 1440, 375, 495}, .text = "4", .face = kNumberFace, .background = ui::kCyan, .dragSource = true, .dropTarget = true, .tab = 5}},
    MainControl{{C::txtNumber, 3}, {.kind = Cell, .twips = {3960, 960, 375, 495}, .text = "3", .face = kNumberFace, .background = ui::kCyan, .dragSource = true, .dropTarget = true, .tab = 4}},
    MainControl{{C::txtNumber, 2}, {.kind = Cell, .twips = {3000, 1440, 375, 495}, .text = "3", .face = kNumberFace, .background = ui::kGreen, .dragSource = true, .dropTarget = true, .tab = 3}},
    MainControl{{C::txtNumber, 1}, {.kind = Cell, .twips = {3480, 1200, 375, 495}, .text = "5", .face = kNumberFace, .background = ui::kYellow, .dragSource = true, .dropTarget = true, .tab = 2}},
    MainControl{{C::txtNumber, 0}, {.kind = Cell, .twips = {8040, 1200, 1335, 495}, .text = "  67", .face = {24, true}, .background = ui::kLightGrey, .dropTarget = true, .tab = 1}},
    MainControl{{C::cmdNew}, {.kind = Button, .twips = {240, 720, 1095, 495}, .text = QT_TRANSLATE_NOOP("Figurewheel", "New Game"), .background = ui::kInactiveBorder, .tab = 0}},
    MainControl{{C::sbStatusBar}, {.kind = StatusBar, .twips = {0, 6372, 9504, 276}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Welcome to Figurewheel! Make the target and beat the clock. - Fig W.")}},
    MainControl{{C::Frame2}, {.kind = Frame, .twips = {1560, 3120, 6495, 1095}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Your Guess"), .background = ui::kLightYellow}},
    MainControl{{C::Label2}, {.kind = Label, .twips = {8040, 600, 1452, 372}, .text = QT_TRANSLATE_NOOP("Figurewheel", "To make this"), .face = {13.8, true}, .color = ui::kRed}},
    MainControl{{C::Label1}, {.kind = Label, .twips = {3360, 600, 2652, 372}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Combine these"), .face = {12, true}, .color = ui::kRed}},
    MainControl{{C::lblDone}, {.kind = Label, .twips = {1680, 2160, 4812, 852}, .text = "!Way to go!", .face = {24, true, true}, .color = ui::kDarkGreen, .hidden = true}},
    MainControl{{C::lblHint3}, {.kind = Label, .twips = {3960, 5280, 855, 495}, .text = "1", .face = kHintFace, .color = ui::kNavy, .align = Qt::AlignHCenter}},
    MainControl{{C::lblHint2}, {.kind = Label, .twips = {4800, 5280, 1095, 375}, .text = QT_TRANSLATE_NOOP("Figurewheel", "hints"), .face = kHintFace, .color = ui::kNavy}},
    MainControl{{C::lblHint1}, {.kind = Label, .twips = {1800, 5280, 2175, 375}, .text = QT_TRANSLATE_NOOP("Figurewheel", "You've used"), .face = kHintFace, .color = ui::kNavy}},
    MainControl{{C::lblPeeked}, {.kind = Label, .twips = {5520, 6360, 3975, 735}, .text = QT_TRANSLATE_NOOP("Figurewheel", "You peeked!"), .face = {24, true, true}, .color = ui::kDarkRed}},
    MainControl{{C::Image1}, {.kind = Picture, .twips = {0, 0, 9612, 7212}, .resource = ":/pictures/background.bmp", .spoken = QT_TRANSLATE_NOOP("Figurewheel", "Background picture")}},
    };
    // clang-format on
    return kControls;
}

std::vector<std::pair<ControlId, QWidget *>> buildMainControls(QWidget *client)
{
    // Built from the back forward, so each control covers those made before it.
    std::vector<std::pair<ControlId, QWidget *>> controls;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    const auto table = mainControls();
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        QWidget *made = row->look.kind == ui::ControlKind::Cell
            ? cells::makeCell(client, row->id, row->look)
            : nullptr;
        QWidget *widget = ui::buildControl(client, row->look, {}, made);
        widget->setObjectName(QString::fromStdString(controlName(row->id)));
        controls.emplace_back(row->id, widget);
        if (const QString spoken = screenreader::spokenName(row->id); !spoken.isEmpty())
            widget->setAccessibleName(spoken);
        if (row->look.tab >= 0)
            tabOrder.emplace_back(row->look.tab, widget);
        if (!takesPart(row->id))
            widget->setFocusPolicy(Qt::ClickFocus); // a click still focuses it, as always
    }
    std::reverse(controls.begin(), controls.end()); // front to back, as listed
    // Every count button says what the buttons are for, as the one with the
    // tooltip shows it.
    QString howMany;
    for (const auto &[id, widget] : controls)
        if (id.kind == Control::cmdNums && !widget->toolTip().isEmpty())
            howMany = widget->toolTip();
    for (const auto &[id, widget] : controls)
        if (id.kind == Control::cmdNums)
            widget->setAccessibleDescription(howMany);
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t n = 1; n < tabOrder.size(); ++n)
        QWidget::setTabOrder(tabOrder[n - 1].second, tabOrder[n].second);
    return controls;
}

bool takesPart(ControlId id)
{
    static constexpr std::array kShowOnly {
        Control::txtAnswer, Control::txtAnswerOp, Control::txtCurrentTotal, Control::txtTimer};
    return !(id.kind == Control::txtNumber && id.index == 0)
        && std::find(kShowOnly.begin(), kShowOnly.end(), id.kind) == kShowOnly.end();
}

} // namespace fw
