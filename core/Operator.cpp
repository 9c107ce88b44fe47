#include "core/Operator.h"

namespace fw {

Operator operatorFromCode(int code)
{
    switch (code) {
    case 1: return Operator::Add;
    case 2: return Operator::Subtract;
    case 3: return Operator::Multiply;
    case 4: return Operator::Divide;
    default: return Operator::None;
    }
}

std::string_view rowText(Operator op)
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

std::string_view answerText(Operator op)
{
    return op == Operator::Divide ? "/" : rowText(op);
}

Operator paletteOperator(int index)
{
    switch (index) {
    case 0: return Operator::Subtract;
    case 1: return Operator::Add;
    case 3: return Operator::Divide;
    case 4: return Operator::Multiply;
    default: return Operator::None;
    }
}

long long applyRowOperator(Operator op, long long total, std::int16_t next)
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
