#include "Batch/BatchKeys.h"

namespace {

struct NamedKey {
    std::string_view name;
    int code;
};

// Codes as the toolkit numbers them: printable keys by their upper-case
// character, the others from 0x01000000 on.
constexpr int special = 0x01000000;
constexpr NamedKey namedKeys[] = {
    {"Escape", special + 0x00},   {"Tab", special + 0x01},      {"Backspace", special + 0x03},
    {"Return", special + 0x04},   {"Enter", special + 0x05},    {"Insert", special + 0x06},
    {"Delete", special + 0x07},   {"Home", special + 0x10},     {"End", special + 0x11},
    {"Left", special + 0x12},     {"Up", special + 0x13},       {"Right", special + 0x14},
    {"Down", special + 0x15},     {"PageUp", special + 0x16},   {"PageDown", special + 0x17},
    {"Space", ' '},               {"Plus", '+'},                {"Minus", '-'},
    {"Comma", ','},               {"Period", '.'},              {"Slash", '/'},
    {"Equal", '='},               {"QuoteLeft", '`'},           {"BracketLeft", '['},
    {"BracketRight", ']'},
};
constexpr int firstFunctionKey = special + 0x30; // F1; F2 to F12 follow

} // namespace

int batchKeyCode(std::string_view name)
{
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return name[0];
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (char c : name.substr(1))
            n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : -100;
        if (n >= 1 && n <= 12)
            return firstFunctionKey + n - 1;
    }
    for (const NamedKey& k : namedKeys)
        if (k.name == name)
            return k.code;
    return -1;
}
