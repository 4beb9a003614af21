#include "Scene/View/ViewportText.h"

namespace {

ViewportTextFunction installed = nullptr;

} // namespace

void setViewportTextFunction(ViewportTextFunction draw) { installed = draw; }

ViewportTextFunction viewportTextFunction() { return installed; }
