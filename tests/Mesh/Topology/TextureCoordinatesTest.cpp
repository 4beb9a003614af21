// Texture coordinates through the edits: corners keep theirs, and the faces a
// bridge makes take them from the faces they continue.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "Mesh/MirrorPlane.h"
#include "Mesh/Topology/BreakEdges.h"
#include "Mesh/Topology/Bridge.h"
#include "Mesh/Topology/DeleteElements.h"
#include "Mesh/Topology/MirrorGeometry.h"
#include "EditSupport.h"

using namespace fixtures;

namespace {

// A mapping that mirroring across x = 0 keeps.
std::pair<float, float> mapped(const Vertex& v)
{
    return {std::fabs(v.x) + 0.5f * v.y, v.z + 2.0f};
}

void mapAll(InnerShape& m)
{
    for (Face* f : m.faces)
        for (Corner& c : f->corners)
            std::tie(c.u, c.v) = mapped(*c.vertex);
}

// Two unit quads one above the other, facing each other.
MeshPtr facingQuads()
{
    return meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}},
                    {{0, 1, 2, 3}, {4, 7, 6, 5}});
}

TEST(TextureCoordinates, EveryCornerStillCarriesTheMappingOfItsVertex)
{
    auto rims = [](InnerShape& m) { return borderEdges(m); };
    const struct {
        const char* name;
        std::function<MeshPtr()> make;
        std::function<bool(InnerShape&)> edit;
    } cases[] = {
        {"delete face", [] { return cube(); }, [](InnerShape& m) { return deleteFaces(m, facesAt(m, {0})) > 0; }},
        {"delete vertex", [] { return cube(); }, [](InnerShape& m) { return deleteVertices(m, verticesAt(m, {0})) > 0; }},
        {"break", [] { return cube(); }, [](InnerShape& m) { return breakEdges(m, edgesBetween(m, {{0, 1}, {1, 2}})) > 0; }},
        {"mirror", [] { return cube(); },
         [](InnerShape& m) {
             MirrorPlane plane;
             plane.set(Point3D(0, 0, 0), Point3D(1, 0, 0));
             return mirrorGeometry(m, plane, 0.0f, false) > 0;
         }},
        {"bridge faces", facingQuads, [](InnerShape& m) { return bridgeFaces(m, m.faces[0], m.faces[1]); }},
        {"bridge borders", [] { return openTube(8, 2); }, [&](InnerShape& m) { return bridgeBorders(m, rims(m)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeshPtr m = c.make();
        mapAll(*m);
        ASSERT_TRUE(c.edit(*m));
        EXPECT_EQ(validateTopology(*m), "");
        for (const Face* f : m->faces)
            for (const Corner& corner : f->corners) {
                const auto [u, v] = mapped(*corner.vertex);
                EXPECT_FLOAT_EQ(corner.u, u);
                EXPECT_FLOAT_EQ(corner.v, v);
            }
    }
}

} // namespace
