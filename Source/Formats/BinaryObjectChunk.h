#pragma once
// Reading one "SHAP" or "TEXP" chunk of the ".tvb" format.
#include <cstddef>

class SceneReadState;

// Decodes the object chunk whose payload is data[begin, end), finishes the
// object, appends it to the objects read (unless it is empty) and then
// loads its displacement.
void readBinaryObjectChunk(const unsigned char* data, size_t begin, size_t end, SceneReadState& state, bool proxy);
