#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fw {

// What stands between two numbers: nothing yet (an empty operator cell of
// the row), or one of the four operations.
enum class Operator : std::uint8_t { None, Add, Subtract, Multiply, Divide };

// The hidden solution's operators are drawn as codes 1 to 4: add,
// subtract, multiply, divide.
constexpr Operator operatorFromCode(int code)
{
    return code >= 1 && code <= 4 ? Operator(code) : Operator::None;
}

// How an operator is written in the player's row and on the palette.
constexpr std::string_view rowText(Operator op)
{
    switch (op) {
    case Operator::Add: return "+";
    case Operator::Subtract: return "--";
    case Operator::Multiply: return "X";
    case Operator::Divide: return " /";
    case Operator::None: break;
    }
    return "";
}

// How the solution row writes it: its division text has no blank.
constexpr std::string_view answerText(Operator op)
{
    return op == Operator::Divide ? "/" : rowText(op);
}

// The palette's cells are txtOp(0, 1, 3, 4); there is no cell 2.
inline constexpr std::array<int, 4> kPaletteIndexes {0, 1, 3, 4};

// The operator a palette cell holds (None for an index that names no cell).
constexpr Operator paletteOperator(int index)
{
    constexpr std::array<Operator, 5> palette {
        Operator::Subtract, Operator::Add, Operator::None, Operator::Divide, Operator::Multiply};
    return index >= 0 && index < 5 ? palette[std::size_t(index)] : Operator::None;
}

// One step of the player's row, strictly left to right: an empty operator
// cell adds like "+"; division is 32-bit and truncates toward zero.
constexpr long long applyRowOperator(Operator op, long long total, std::int16_t next)
{
    switch (op) {
    case Operator::Subtract: return total - next;
    case Operator::Multiply: return total * next;
    case Operator::Divide: return static_cast<std::int32_t>(total) / next;
    case Operator::Add:
    case Operator::None: break;
    }
    return total + next;
}

} // namespace fw
