#include "Settings/OptionType.h"

namespace {

struct TypeWord {
    OptionType type;
    const char* word; // null: not written
};

// Reading a word back takes the first row that carries it, so "string" reads
// back as a plain string, never as a file path.
constexpr TypeWord typeWords[] = {
    {OptionType::Int, "int"},
    {OptionType::Bool, "bool"},
    {OptionType::Float, "float"},
    {OptionType::Choice, "choice"},
    {OptionType::String, "string"},
    {OptionType::Colour, "color"},
    {OptionType::FilePath, "string"},
    {OptionType::Command, nullptr},
    {OptionType::Point, "point"},
};

} // namespace

const char* optionTypeName(int code)
{
    for (const TypeWord& row : typeWords)
        if (row.type == baseTypeOf(code))
            return row.word;
    return nullptr;
}

int optionTypeFromName(std::string_view name)
{
    for (const TypeWord& row : typeWords)
        if (row.word && name == row.word)
            return static_cast<int>(row.type);
    return -1;
}
