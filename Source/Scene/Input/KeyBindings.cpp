#include "Scene/Input/KeyBindings.h"

int KeyBindings::keyBinding(int key, int modifiers) const
{
    for (const Entry& e : entries_)
        if (e.key == key && e.modifiers == modifiers)
            return e.command;
    return -1;
}
