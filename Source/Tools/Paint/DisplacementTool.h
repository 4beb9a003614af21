#pragma once
// SKELETON: the displacement painting tool; its owner's branch fills it in.
// The public surface below is what the shell's brush editor and cursor use.
#include "Tools/Paint/Brush.h"
#include "Tools/Paint/BrushCursor.h"
#include "Tools/Tool.h"

class DisplacementTool : public Tool {
public:
    DisplacementTool();

    // The brush list; the brush editor edits it and then calls `brushesChanged`.
    BrushList brushes;
    // After the brush editor changed the list or the active brush.
    void brushesChanged();
    // The brush circle; its stamp changes whenever it moves or changes.
    BrushCursor cursor;
};
