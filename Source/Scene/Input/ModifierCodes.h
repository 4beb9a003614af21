#pragma once
// Modifier codes: the scene's one number for the modifier keys held with a
// mouse button, wheel turn or key. Toolkit-neutral: the viewport widget turns
// its toolkit's modifier mask into ModifierKeys bits first.

// The scene's modifier codes. Only these six combinations have codes of their
// own; every other combination (all three, anything with Meta on the wheel)
// is None.
struct ModifierCode {
    static constexpr int None = 0;
    static constexpr int Ctrl = 1;
    static constexpr int Alt = 2;
    static constexpr int CtrlAlt = 3;
    static constexpr int Shift = 4;
    static constexpr int CtrlShift = 5;
    static constexpr int AltShift = 6;
    // While the Tab key is held; overrides whatever else is held.
    static constexpr int TabHeld = 8;
};

// Modifier keys held, one bit each; combine with |.
struct ModifierKeys {
    static constexpr unsigned Ctrl = 1;
    static constexpr unsigned Alt = 2;
    static constexpr unsigned Shift = 4;
    static constexpr unsigned Meta = 8;
};

// Code for a mouse press or a key. heldKeys: ModifierKeys bits (other bits
// are ignored). Meta counts as Ctrl and then outweighs every other key held,
// so Meta+Shift is Ctrl.
int pressModifierCode(unsigned heldKeys, bool tabHeld);

// Code for a wheel turn, where Meta is not read as Ctrl: any combination that
// includes Meta is None.
int wheelModifierCode(unsigned heldKeys, bool tabHeld);
