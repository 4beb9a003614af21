#pragma once
// The key binding table: which command a key runs with each modifier code.
// Entries stay in the order they were added and may repeat a (key, modifier)
// pair; the first one added wins. The application manager owns one instance;
// the key editor and the preferences rebuild it entry by entry.
#include <cstdint>

#include "Mesh/List.h"

class KeyBindings {
public:
    struct Entry {
        int32_t key;       // the toolkit's key code
        int32_t modifiers; // modifier code, 0 to 6 or 8
        int32_t command;   // command id
        bool operator==(const Entry& o) const
        {
            return key == o.key && modifiers == o.modifiers && command == o.command;
        }
    };

    // The command of the first entry with this key and modifier code; -1 if none.
    int keyBinding(int key, int modifiers) const;

    void add(int key, int modifiers, int commandId) { entries_.append({key, modifiers, commandId}); }
    // Removes entry i (0 to count() - 1); later entries move up one place.
    void removeAt(int i) { entries_.removeAt(i); }
    void clear() { entries_.clear(); }

    int count() const { return entries_.count(); }
    // i: 0 to count() - 1.
    const Entry& operator[](int i) const { return entries_[i]; }
    Entry& operator[](int i) { return entries_[i]; }
    const Entry* begin() const { return entries_.begin(); }
    const Entry* end() const { return entries_.end(); }

private:
    List<Entry> entries_; // insertion order
};
