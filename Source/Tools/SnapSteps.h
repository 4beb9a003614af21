#pragma once
// The snapping manipulator's steps: a drag length or an angle goes to the
// nearest multiple of the step only when it comes close to one, so that
// the handle still moves freely between the steps.
#include "Mesh/Point3D.h"

// `t` rescaled to n × step when a multiple of `step` lies within
// `tolerance` of its length (a length within `tolerance` of 0 becomes 0);
// otherwise unchanged. `step` ≤ 0 leaves it unchanged.
Point3D snapDistance(const Point3D& t, float step, float tolerance);

// `degrees` to a multiple of `step` when one lies within min(step / 3, 5)
// degrees of it; otherwise unchanged. `step` ≤ 0 leaves it unchanged.
float snapAngle(float degrees, float step);
