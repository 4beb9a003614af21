#include "Geometry.h"

void Geometry::copyFrom(const Geometry&) {}
