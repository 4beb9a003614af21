// SKELETON: replaced by the painting branch.
#include "Tools/Paint/DisplacementTool.h"

DisplacementTool::DisplacementTool() : brushes(BrushList::defaults()) {}

void DisplacementTool::brushesChanged() {}
