// Building objects from file records: linking faces as they are read
// against linking them all at the end, and lookups that stay cheap around
// a vertex of many edges. Record positions and twin records are checked
// through the ".tva" reader's rules.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Formats/ObjectAssembly.h"
#include "Formats/SceneReadState.h"
#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

// Finishes `a` as a read of a large file would.
ShapePtr finished(ObjectAssembly& a)
{
    SceneContents contents;
    SceneReadState state(contents, "", size_t(1) << 30, {});
    return ShapePtr(a.finish(state));
}

// A 3 x 2 grid of quads (vertices 0-11, row by row); `edgeRecords` lists
// the sides the file names, the rest are left for the faces to make.
struct GridRecords {
    std::vector<std::pair<long, long>> edges;
    std::vector<std::vector<long>> faces;
    GridRecords()
    {
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 3; ++i) {
                const long v = j * 4 + i;
                faces.push_back({v, v + 4, v + 5, v + 1});
            }
    }
};

ShapePtr assemble(const GridRecords& records, bool linkAsRead)
{
    ObjectAssembly a(false);
    if (linkAsRead)
        a.linkFacesAsRead();
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i)
            a.addVertex(static_cast<float>(i), static_cast<float>(j), 0.0f);
    for (auto [from, to] : records.edges)
        a.addEdge(from, to);
    for (const std::vector<long>& corners : records.faces) {
        Face* f = a.newFace(nullptr);
        for (long v : corners)
            a.addCorner(f, v, 0.0f, 0.0f);
        a.endFace(f);
    }
    return finished(a);
}

// Everything linking decides, in list order: edge ends, face lists, Boundary, corner edges.
std::vector<long> linkDigest(const Shape& s)
{
    std::vector<long> out;
    for (const Edge* e : s.edges) {
        out.push_back(e->startVertex->index);
        out.push_back(e->endVertex->index);
        out.push_back(e->has(Geometry::Boundary));
        for (const Face* f : e->faces)
            out.push_back(f->index);
        out.push_back(-1);
    }
    for (const Face* f : s.faces)
        for (const Corner& c : f->corners)
            out.push_back(c.edge->index);
    return out;
}

template <class List>
void expectNumbered(const List& elements)
{
    for (int i = 0; i < elements.count(); ++i)
        EXPECT_EQ(elements[i]->index, i);
}

void expectNumbered(const Shape& s)
{
    expectNumbered(s.vertices);
    expectNumbered(s.edges);
    expectNumbered(s.faces);
}

} // namespace

TEST(ObjectAssembly, LinkingAsReadMatchesLinkingAtTheEnd)
{
    GridRecords records;
    // Some sides named by the file (one of them twice, once reversed), the others made by faces.
    records.edges = {{0, 4}, {4, 5}, {5, 1}, {1, 0}, {5, 4}, {9, 10}, {6, 7}};
    ShapePtr atEnd = assemble(records, false);
    ShapePtr asRead = assemble(records, true);
    ASSERT_TRUE(atEnd && asRead);
    EXPECT_EQ(validateTopology(*atEnd), "");
    EXPECT_EQ(validateTopology(*asRead), "");
    EXPECT_EQ(atEnd->edges.count(), 17);
    EXPECT_EQ(linkDigest(*asRead), linkDigest(*atEnd));
    expectNumbered(*asRead);
    expectNumbered(*atEnd);
    for (Face* f : asRead->faces) {
        const Point3D kept = f->normal;
        f->computeNormal();
        EXPECT_EQ(kept.z, -1.0f);
        EXPECT_EQ(kept.z, f->normal.z);
    }
}

TEST(ObjectAssembly, AHubOfManyEdgesReadsInLinearWork)
{
    // A fan of triangles around vertex 0, hub first: walking the hub's edges
    // for every lookup would take some 10^10 steps.
    const long n = 100000;
    for (bool edgeRecords : {false, true}) {
        ObjectAssembly a(false);
        a.linkFacesAsRead();
        a.addVertex(0, 0, 0);
        for (long i = 0; i <= n; ++i)
            a.addVertex(std::cos(i * 1e-5f), std::sin(i * 1e-5f), 0);
        if (edgeRecords)
            for (long i = 1; i <= n + 1; ++i)
                a.addEdge(0, i);
        for (long i = 1; i <= n; ++i) {
            Face* f = a.newFace(nullptr);
            for (long v : {0L, i, i + 1})
                a.addCorner(f, v, 0, 0);
            a.endFace(f);
        }
        const uint64_t lookups = (edgeRecords ? n + 1 : 0) + 3 * n;
        EXPECT_LT(a.lookupSteps(), 16 * lookups) << edgeRecords;
        ShapePtr s = finished(a);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->edges.count(), 2 * n + 1);
        EXPECT_EQ(validateTopology(*s), "");
    }
}
