#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fw {

// Operator codes of the hidden solution.
enum OperatorCode : std::int16_t { OpAdd = 1, OpSubtract = 2, OpMultiply = 3, OpDivide = 4 };

// Texts the solution row shows for codes 1..4 (index 0 unused).
inline constexpr std::array<std::string_view, 5> kAnswerOpText{"", "+", "--", "X", "/"};

// Texts of the operator palette, the ones a player drops into the row:
// txtOp(1) "+", txtOp(0) "--", txtOp(4) "X", txtOp(3) " /". The
// palette's indexes are 0, 1, 3 and 4; there is no cell 2.
inline constexpr std::array<int, 4> kPaletteIndexes{0, 1, 3, 4};
inline constexpr std::array<std::string_view, 5> kPaletteText{"--", "+", "", " /", "X"};

// Texts the evaluation of the player's row recognises; any other text adds.
inline constexpr std::string_view kRowSubtract = "--";
inline constexpr std::string_view kRowMultiply = "X";
inline constexpr std::string_view kRowDivide = " /";

} // namespace fw
