#include "PrimitiveOptions.h"

#include <string_view>

#include "Mesh/Primitives/ArcSpiral.h"
#include "Mesh/Primitives/Box.h"
#include "Mesh/Primitives/Circle.h"
#include "Mesh/Primitives/Cone.h"
#include "Mesh/Primitives/Cylinder.h"
#include "Mesh/Primitives/Grid.h"
#include "Mesh/Primitives/Lathe.h"
#include "Mesh/Primitives/PathExtrude.h"
#include "Mesh/Primitives/Sphere.h"
#include "Mesh/Primitives/StraightExtrude.h"
#include "Mesh/Primitives/Torus.h"
#include "Settings/SettingsRegistry.h"

namespace {
// Identifiers of the option groups (the commands that create the objects).
enum Group {
    CubeGroup = 164,
    CylinderGroup = 165,
    SphereGroup = 166,
    ConeGroup = 167,
    TorusGroup = 168,
    LatheGroup = 169,
    ExtrusionGroup = 170,
    PathExtrusionGroup = 171,
    CircleGroup = 174,
    ArcGroup = 175,
    GridGroup = 176,
    RecreateUVsGroup = 284, // holds "Layout Spacing"
};

// Reads one group, falling back to the given default where the registry
// has no such option.
class GroupReader {
public:
    GroupReader(const SettingsRegistry& registry, int id) : registry_(registry), id_(id) {}
    float number(std::string_view name, float fallback) const
    {
        const float* p = registry_.floatValue(id_, name);
        return p ? *p : fallback;
    }
    int count(std::string_view name, int fallback) const
    {
        const int* p = registry_.intValue(id_, name);
        return p ? *p : fallback;
    }
    bool flag(std::string_view name, bool fallback) const
    {
        const bool* p = registry_.boolValue(id_, name);
        return p ? *p : fallback;
    }
    int choice(std::string_view name, int fallback) const
    {
        const int* p = registry_.choiceValue(id_, name);
        return p ? *p : fallback;
    }

private:
    const SettingsRegistry& registry_;
    int id_;
};

float layoutSpacing(const SettingsRegistry& registry)
{
    return GroupReader(registry, RecreateUVsGroup).number("Layout Spacing", DefaultLayoutSpacing);
}

const Point3D WorldAxes[3] = {Point3D(1, 0, 0), Point3D(0, 1, 0), Point3D(0, 0, 1)};

// Choices of the lathe's "Axis": World X, Y, Z, Local X, Y, Z, Endpoints.
enum LatheAxis { LatheLocalX = 3, LatheEndpoints = 6 };
// Choices of the extrusion's "Axis": World X, Y, Z, Normal.
enum ExtrusionAxis { ExtrusionNormal = 3 };
} // namespace

Shape* makeCubeFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, CubeGroup);
    return take<Box>(g.number("Width", 1), g.number("Height", 1), g.number("Depth", 1), g.count("Width Sections", 1),
                     g.count("Height Sections", 1), g.count("Depth Sections", 1), layoutSpacing(registry));
}

Shape* makeCylinderFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, CylinderGroup);
    return take<Cylinder>(g.number("Radius", 1), g.number("Height", 2), g.count("Sections", 12),
                          g.count("Height Sections", 4), g.flag("Spokes", false), layoutSpacing(registry));
}

Shape* makeConeFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, ConeGroup);
    return take<Cone>(g.number("Top Radius", 0), g.number("Bottom Radius", 1), g.number("Height", 2),
                      g.count("Sections", 12), g.count("Height Sections", 1), g.flag("Spokes", false),
                      layoutSpacing(registry));
}

Shape* makeSphereFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, SphereGroup);
    return take<Sphere>(g.number("Radius", 1), g.count("Sections", 12), g.count("Height Sections", 6),
                        layoutSpacing(registry));
}

Shape* makeTorusFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, TorusGroup);
    return take<Torus>(g.number("Inner Radius", 1), g.number("Outer Radius", 2), g.count("Radial Sections", 10),
                       g.count("Circumference Sections", 10), layoutSpacing(registry));
}

Shape* makeGridFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, GridGroup);
    return take<Grid>(g.number("Width", 1), g.number("Depth", 1), g.number("Height", 0), g.count("Width Sections", 1),
                      g.count("Depth Sections", 1), g.count("Height Sections", 0), layoutSpacing(registry));
}

Shape* makeCircleFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, CircleGroup);
    return take<Circle>(g.number("Radius", 1), g.count("Sections", 5), g.flag("Fill", false), g.flag("Spokes", false),
                        layoutSpacing(registry));
}

Shape* makeArcFromOptions(const SettingsRegistry& registry)
{
    const GroupReader g(registry, ArcGroup);
    return take<ArcSpiral>(g.number("Radius", 1), g.number("Inner Radius", 1), g.number("Height", 1),
                           g.number("Degrees", 360), g.count("Sections", 20));
}

Shape* makeLatheFromOptions(const SettingsRegistry& registry, const InnerShape& profile)
{
    const GroupReader g(registry, LatheGroup);
    bool closed = false;
    const std::vector<Point3D> points = profileChain(profile, closed);
    const int axisChoice = g.choice("Axis", 1);
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
    return take<Lathe>(points, closed, origin, direction, g.number("Degrees", 360), g.count("Sections", 12),
                       g.flag("Cap Ends", false), g.number("Merge Tolerance", 0.001f), layoutSpacing(registry));
}

Shape* makeExtrusionFromOptions(const SettingsRegistry& registry, const InnerShape& profile)
{
    const GroupReader g(registry, ExtrusionGroup);
    bool closed = false;
    const std::vector<Point3D> points = profileChain(profile, closed);
    const int axisChoice = g.choice("Axis", 1);
    const Point3D direction =
        axisChoice == ExtrusionNormal ? loopNormal(points) : WorldAxes[axisChoice >= 0 && axisChoice < 3 ? axisChoice : 1];
    return take<StraightExtrude>(points, closed, direction, g.number("Height", 1), g.count("Sections", 1),
                                 layoutSpacing(registry));
}

Shape* makePathExtrusionFromOptions(const SettingsRegistry& registry, const InnerShape& profile,
                                    const InnerShape& path)
{
    const GroupReader g(registry, PathExtrusionGroup);
    bool closed = false;
    bool pathClosed = false;
    const std::vector<Point3D> points = profileChain(profile, closed);
    std::vector<Point3D> route = profileChain(path, pathClosed);
    // A closed path comes back to where it started.
    if (pathClosed && !route.empty())
        route.push_back(route.front());
    return take<PathExtrude>(points, closed, route, g.flag("Cap Ends", false), g.number("Scale", 1),
                             g.number("Rotation", 0), layoutSpacing(registry));
}
