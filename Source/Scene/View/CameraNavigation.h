#pragma once
// How the view commands move a camera. Pure math on `Camera`, so that the
// rules can be checked without a display.
#include "Scene/View/Camera.h"

// Orbits eye, target and up vector about `pivot`: `yaw` degrees about the
// world Y axis, then `pitch` degrees about the camera's right-hand axis.
void orbitCamera(Camera& camera, const Point3D& pivot, float yaw, float pitch);
// The same turn about the eye: the camera looks around where it stands.
void turnCamera(Camera& camera, float yaw, float pitch);
// One zoom step of `amount` (negative zooms in): step := 0.007 × amount × d
// × −1, where d is `walkSpeed` when `walkthrough` is set and the eye's
// distance to the target otherwise. A perspective camera moves its eye by
// the step towards the target (in walkthrough mode the target goes along);
// an orthographic camera magnifies by (1 + 0.005 × step). A step that would
// reach the target or turn the view inside out goes only part of the way.
void zoomCamera(Camera& camera, float amount, bool walkthrough, float walkSpeed);
// Moves eye and target in the view plane so that the point under
// (fromX, fromY) at the target's depth comes under (toX, toY); pixels of
// `rect`, y upward.
void panCamera(Camera& camera, const ViewRect& rect, double fromX, double fromY, double toX, double toY);
// Looks at `centre` from where the camera stands, moving eye and target together.
void centreCamera(Camera& camera, const Point3D& centre);
// Centres `centre` and comes as close as lets a sphere of `radius` fill the
// viewport of `aspect` (width / height) with a small margin.
void fitCamera(Camera& camera, const Point3D& centre, float radius, double aspect);
// The camera settings: `fieldOfView` is the full vertical angle in degrees
// (so the camera's half angle is half of it) and `nearRatio` the near
// plane's share of the far plane, which lies well beyond the target.
void applyLensSettings(Camera& camera, float fieldOfView, float nearRatio);
