// Cutting faces between selected edges or vertices.
#include <gtest/gtest.h>

#include "Mesh/Topology/CutFaces.h"
#include "EditSupport.h"

using namespace fixtures;

namespace {

TEST(CutFaces, FacesAreCutBetweenTheirTwoSites)
{
    // Grids whose quad corners are numbered row by row: 0 1 (2) below, then the row above.
    const struct {
        const char* name;
        int columns;
        std::initializer_list<std::pair<int, int>> edges;
        std::initializer_list<int> vertices;
        int sections, added;
        EditCounts expected;
    } cases[] = {
        {"two sides, one cut", 2, {{0, 1}, {3, 4}}, {}, 1, 1, {8, 10, 3, 8}},
        {"two sides, two cuts", 2, {{0, 1}, {3, 4}}, {}, 2, 2, {10, 13, 4, 10}},
        {"the diagonal", 1, {}, {0, 3}, 1, 1, {4, 5, 2, 4}},
        {"neighbouring corners", 1, {}, {0, 1}, 1, 0, {4, 4, 1, 4}},
        {"a side and a corner", 1, {{0, 1}}, {3}, 1, 1, {5, 6, 2, 5}},
        {"one side is only divided", 1, {{0, 1}}, {}, 3, 0, {7, 7, 1, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MeshPtr m = openGrid(c.columns, 1);
        for (Face* f : m->faces)
            for (Corner& k : f->corners)
                std::tie(k.u, k.v) = std::pair{k.vertex->x, k.vertex->y};
        List<Vertex*> vertices;
        for (int i : c.vertices)
            vertices.append(m->vertices[i]);
        EXPECT_EQ(cutFaces(*m, edgesBetween(*m, c.edges), vertices, c.sections), c.added);
        EXPECT_EQ(countsOf(*m), c.expected);
        EXPECT_TRUE(windingConsistent(*m));
        EXPECT_EQ(validateTopology(*m), "");
        // New corners interpolate the mapping along their sides.
        for (const Face* f : m->faces)
            for (const Corner& k : f->corners) {
                EXPECT_FLOAT_EQ(k.u, k.vertex->x);
                EXPECT_FLOAT_EQ(k.v, k.vertex->y);
            }
    }
}

} // namespace
