#pragma once
// A mesh written out as text, with element positions instead of pointers:
// positions, flags, mirrors, displacement, every link and every corner
// (holes included). Two states of a mesh are equal exactly when their texts
// are, which is what an exact undo must give back.
#include <string>

#include "Mesh/InnerShape.h"

namespace fixtures {

std::string describe(const InnerShape& m);

} // namespace fixtures
