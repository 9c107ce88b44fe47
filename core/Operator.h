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
Operator operatorFromCode(int code);

// How an operator is written in the player's row and on the palette, and
// in the solution row: the two division texts differ (" /" and "/").
std::string_view rowText(Operator op);
std::string_view answerText(Operator op);

// The palette's cells are txtOp(0, 1, 3, 4); there is no cell 2.
inline constexpr std::array<int, 4> kPaletteIndexes{0, 1, 3, 4};
// The operator a palette cell holds (None for an index that names no cell).
Operator paletteOperator(int index);

// One step of the player's row, strictly left to right: an empty operator
// cell adds like "+"; division is 32-bit and truncates toward zero.
long long applyRowOperator(Operator op, long long total, std::int16_t next);

} // namespace fw
