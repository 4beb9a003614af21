#include "Scene/View/ShadingCycle.h"

namespace {

constexpr int wireframe = 4;

} // namespace

void stepShading(int& mode, bool& wire, int direction)
{
    if (direction >= 0) {
        if (mode == wireframe) {
            mode = 0;
            wire = false;
        } else if (wire) {
            mode = mode + 1;
            wire = false;
        } else {
            wire = true;
        }
        return;
    }
    if (mode == wireframe) {
        mode = 3;
        wire = true;
    } else if (!wire) {
        mode = mode == 0 ? wireframe : mode - 1;
        wire = true;
    } else {
        wire = false;
    }
}
