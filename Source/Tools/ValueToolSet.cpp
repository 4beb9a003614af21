// SKELETON: replaced by the value-tools branch.
#include "Tools/ValueToolSet.h"

ValueToolSet::ValueToolSet(ManipulatorFrame&) {}
ValueToolSet::~ValueToolSet() = default;
Tool* ValueToolSet::forCommand(int) { return nullptr; }
