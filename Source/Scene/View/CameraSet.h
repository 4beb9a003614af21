#pragma once
// The ten named cameras every display starts with, and how the view numbers
// of the view commands find them.
#include <vector>

#include "Scene/View/Camera.h"

// Positions in the list `defaultCameras` returns.
enum CameraIndex {
    PerspectiveCamera = 0,
    UV3DCamera,
    UV2DCamera,
    TopCamera,
    FreeOrthoCamera,
    BottomCamera,
    RightCamera,
    LeftCamera,
    FrontCamera,
    BackCamera,
    CameraCount
};

// The cameras in their fixed order, each with its starting placement and
// its work grid in its principal plane.
std::vector<Camera> defaultCameras();

// view: 0 Left, 1 Right, 2 Front, 3 Back, 4 Top, 5 Bottom, 6 Free Ortho,
// 7 Perspective, 8 UV 2D, 9 UV 3D; any other value is Perspective.
int cameraForView(int view);
// The view number of a camera position; 7 (Perspective) for a position
// outside the list.
int viewOfCamera(int camera);
// The position of the camera called `name`; -1 when there is none.
int cameraByName(const std::vector<Camera>& cameras, const std::string& name);
