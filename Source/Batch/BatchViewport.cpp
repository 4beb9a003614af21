// The viewport lines of tavo-batch: mouse, wheel and key events through the
// scene's entry points, projections and the view line. Nothing is drawn.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Batch/BatchScript.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/SettingsVariables.h"

namespace {

constexpr int wheelUp = 5;
constexpr int wheelDown = 6;
// The keys the viewport widget routes to operations of their own.
constexpr int escapeKey = 0x01000000;
constexpr int backspaceKey = 0x01000003;
constexpr int returnKey = 0x01000004;
constexpr int enterKey = 0x01000005;
constexpr int deleteKey = 0x01000007;

std::ostream& operator<<(std::ostream& out, const Point3D& p) { return out << p.x << ',' << p.y << ',' << p.z; }

} // namespace

void BatchRunner::project(const float point[3])
{
    double px = 0, py = 0, depth = 0;
    scene_.displayManager->activeView().project(Point3D(point[0], point[1], point[2]), px, py, depth);
    out_ << "pixel " << std::lround(px) << ' ' << std::lround(height_ - py) << '\n';
}

void BatchRunner::mouse(const BatchLine& line)
{
    const std::vector<int>& n = line.numbers;
    lastX_ = n[0];
    lastY_ = height_ - n[1];
    switch (line.mouseEvent) {
    case BatchLine::Press:
        scene_.mousePress(lastX_, lastY_, n.size() > 2 ? n[2] : 0, n.size() > 3 ? n[3] : 0);
        break;
    case BatchLine::Drag:
        scene_.mouseDrag(lastX_, lastY_);
        break;
    case BatchLine::Release:
        scene_.mouseRelease(lastX_, lastY_);
        break;
    default:
        scene_.mouseHover(lastX_, lastY_);
        break;
    }
}

void BatchRunner::wheel(int steps)
{
    // As the widget does, a turn of no steps counts as one step up.
    const int button = steps < 0 ? wheelDown : wheelUp;
    for (int i = 0; i < std::max(std::abs(steps), 1); ++i)
        scene_.wheel(lastX_, lastY_, button, 0);
}

void BatchRunner::key(int code, int modifiers)
{
    switch (code) {
    case returnKey:
    case enterKey:
        scene_.confirm();
        return;
    case escapeKey:
        scene_.cancel();
        return;
    case backspaceKey:
    case deleteKey:
        scene_.deleteSelection();
        return;
    default:
        scene_.keyPress(code, modifiers);
        scene_.keyReleaseAfterTap(code);
    }
}

void BatchRunner::printView()
{
    const SceneDisplayManager& d = *scene_.displayManager;
    const Camera& c = d.activeCamera();
    out_ << "view layout=" << d.layoutId << " viewports=" << d.layout().viewports.size()
         << " active=" << d.layout().active << " camera=\"" << c.name << "\" space="
         << (scene_.objectManager->uvSpace ? "uv" : "model") << " ortho=" << (c.orthographic ? 1 : 0)
         << " eye=" << c.eye << " target=" << c.target << " up=" << c.up << " halfheight=" << c.halfHeight
         << " fov=" << settingsVariables().cameraFieldOfView << '\n';
}
