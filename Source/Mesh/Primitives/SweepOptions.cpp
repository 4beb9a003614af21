#include "Mesh/Primitives/SweepOptions.h"

#include "Mesh/Primitives/Lathe.h"
#include "Mesh/Primitives/PathExtrude.h"
#include "Mesh/Primitives/StraightExtrude.h"

namespace {
const Point3D WorldAxes[3] = {Point3D(1, 0, 0), Point3D(0, 1, 0), Point3D(0, 0, 1)};

// Choices of the lathe's "Axis": World X, Y, Z, Local X, Y, Z, Endpoints.
enum LatheAxis { LatheLocalX = 3, LatheEndpoints = 6 };
// Choices of the extrusion's "Axis": World X, Y, Z, Normal.
enum ExtrusionAxis { ExtrusionNormal = 3 };
} // namespace

Shape* makeLathe(const InnerShape& profile, const LatheOptions& options, float layoutSpacing)
{
    bool closed = false;
    const std::vector<Point3D> points = profileChain(profile, closed);
    const int axisChoice = options.axis;
    Point3D origin(0, 0, 0);
    Point3D direction(0, 1, 0);
    if (axisChoice >= 0 && axisChoice < LatheLocalX) {
        direction = WorldAxes[axisChoice];
    } else if (axisChoice >= LatheLocalX && axisChoice < LatheEndpoints) {
        const Vertex& pivot = profile.axisFrame[InnerShape::AxisPivot];
        const Vertex& local = profile.axisFrame[InnerShape::AxisX + axisChoice - LatheLocalX];
        origin = Point3D(pivot.x, pivot.y, pivot.z);
        direction = Point3D(local.x, local.y, local.z);
    } else if (axisChoice == LatheEndpoints && points.size() >= 2) {
        origin = points.front();
        direction = points.back() - points.front();
    }
    return take<Lathe>(points, closed, origin, direction, options.degrees, options.sections, options.capEnds,
                       options.mergeTolerance, layoutSpacing);
}

Shape* makeExtrusion(const InnerShape& profile, const ExtrusionOptions& options, float layoutSpacing)
{
    bool closed = false;
    const std::vector<Point3D> points = profileChain(profile, closed);
    const int axisChoice = options.axis;
    const Point3D direction =
        axisChoice == ExtrusionNormal ? loopNormal(points) : WorldAxes[axisChoice >= 0 && axisChoice < 3 ? axisChoice : 1];
    return take<StraightExtrude>(points, closed, direction, options.height, options.sections, layoutSpacing);
}

Shape* makePathExtrusion(const InnerShape& profile, const InnerShape& path, const PathExtrusionOptions& options,
                         float layoutSpacing)
{
    bool closed = false;
    bool pathClosed = false;
    const std::vector<Point3D> points = profileChain(profile, closed);
    std::vector<Point3D> route = profileChain(path, pathClosed);
    // A closed path comes back to where it started.
    if (pathClosed && !route.empty())
        route.push_back(route.front());
    return take<PathExtrude>(points, closed, route, options.capEnds, options.scale, options.rotation,
                             layoutSpacing);
}
