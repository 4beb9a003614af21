#pragma once
// The mouse binding table: the command bound to each mouse button with each
// modifier combination. Its layout is fixed: 58 entries, each stored in the
// preferences under its name in mouseSettingNames. The application manager
// owns one instance; the preferences and the mouse editor address entries by
// index or setting name.
#include <cstdint>
#include <span>
#include <string_view>

#include "Settings/CommandIds.h"
#include "Settings/MouseSettingNames.h"

// The scene's mouse button codes.
struct MouseButtonCode {
    static constexpr int Left = 0;
    static constexpr int Middle = 1;
    static constexpr int Right = 2;
    static constexpr int FirstExtra = 3;
    static constexpr int SecondExtra = 4;
    static constexpr int WheelUp = 5;
    static constexpr int WheelDown = 6;
    static constexpr int LeftDouble = 7;
    static constexpr int MiddleDouble = 8;
    static constexpr int RightDouble = 9;
    static constexpr int FirstExtraDouble = 10;
    static constexpr int SecondExtraDouble = 11;
};

class MouseBindings {
public:
    static constexpr int Count = MouseSettingCount;
    static constexpr int Unbound = CommandId::None;

    // What one entry of the fixed layout stands for.
    struct Entry {
        const char* settingName; // the key it is stored under; unique
        int button;              // button code whose lookup reaches it; -1 for the
                                 // left+middle chord entries, which no lookup reaches
        int modifiers;           // modifier code it is for; None for double clicks
    };

    // The layout, Count entries in index order.
    static std::span<const Entry, Count> layout();
    // The entry a lookup of (button code, modifier code) reads: double clicks
    // ignore the modifiers, and codes without a column of their own (None,
    // TabHeld, anything unknown) read the unmodified entry. -1 for a button
    // code outside 0 to 11.
    static int index(int button, int modifiers);
    // The index of the entry stored under settingName (exact match); -1 if none.
    static int indexOf(std::string_view settingName);

    // Every entry unbound.
    MouseBindings() { clear(); }
    void clear();

    // The command bound to (button code, modifier code); -1 when unbound or
    // the button code is unknown.
    int mouseBinding(int button, int modifiers) const;
    // The command of entry index; -1 for an index outside 0 to Count - 1.
    int command(int index) const;
    // False (nothing changed) for an index outside 0 to Count - 1.
    bool setCommand(int index, int commandId);

    // The Count commands in index order, for settings bound to the entries;
    // the storage lives as long as the table.
    int32_t* data() { return commands_; }
    const int32_t* data() const { return commands_; }

private:
    int32_t commands_[Count]; // command ids, -1 unbound
};
