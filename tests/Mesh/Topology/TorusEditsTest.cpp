// The everyday edits on a closed quad surface of genus 1: a torus of 3 × 4
// quads subdivided once (a 6 × 8 grid wrapped both ways, every vertex of
// valence 4) and refined into the control mesh. Before any edit
// V − E + F = 48 − 96 + 48 = 0.
#include <gtest/gtest.h>

#include <initializer_list>

#include "Mesh/MirrorPlane.h"
#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Topology/BreakEdges.h"
#include "Mesh/Topology/Bridge.h"
#include "Mesh/Topology/DeleteElements.h"
#include "Mesh/Topology/ExtractFaces.h"
#include "Mesh/Topology/MergeVertices.h"
#include "Mesh/Topology/MirrorGeometry.h"
#include "Mesh/Topology/Smooth.h"
#include "Mesh/Topology/SpinEdge.h"
#include "Mesh/Topology/UnifyNormals.h"
#include "EditSupport.h"
#include "support/ShapeFixtures.h"

using fixtures::allFaces;

namespace {

template <class T>
List<T*> of(std::initializer_list<T*> items)
{
    List<T*> out;
    for (T* item : items)
        out.append(item);
    return out;
}

List<Edge*> edgesAt(const InnerShape& m, const Vertex* v)
{
    List<Edge*> out;
    for (Edge* e : m.edges)
        if (e->startVertex == v || e->endVertex == v)
            out.append(e);
    return out;
}

// A face on the far side of the hole from f, sharing no vertex with it.
Face* farthestFrom(const InnerShape& m, const Face* f)
{
    auto distance = [f](const Face* g) {
        const Point3D d = *g->corners[0].vertex - *f->corners[0].vertex;
        return d.x * d.x + d.y * d.y + d.z * d.z;
    };
    Face* best = m.faces[0];
    for (Face* g : m.faces)
        if (distance(g) > distance(best))
            best = g;
    return best;
}

struct Row {
    const char* name;
    EditCounts expected;
    void (*edit)(Shape&); // runs the edit and checks one adjacency fact
};

const Row rows[] = {
    // One hole: F − 1, its 4 sides become borders; V − E + F = −1.
    {"delete face", {48, 96, 47, 4}, [](Shape& s) {
         Face* f = s.faces[0];
         Edge* side = f->corners[0].edge;
         EXPECT_EQ(deleteFaces(s, of({f})), 1);
         EXPECT_EQ(side->faces.count(), 1);
     }},
    // V − 1, its 4 edges and 4 faces go; the 8 outer sides of the fan are the hole's rim.
    {"delete vertex", {47, 92, 44, 8}, [](Shape& s) {
         EXPECT_EQ(deleteVertices(s, of({s.vertices[0]})), 1);
     }},
    // Dissolving a side merges two quads into a hexagon: E − 1, F − 1.
    {"delete edge", {48, 95, 47, 0}, [](Shape& s) {
         Face* f = s.faces[0];
         EXPECT_EQ(deleteEdges(s, of({f->corners[0].edge})), 1);
         EXPECT_EQ(f->cornerCount(), 6);
     }},
    // Collapsing a side: V − 1, E − 1, the two quads on it become triangles.
    {"merge vertices", {47, 95, 48, 0}, [](Shape& s) {
         const Edge* e = s.faces[0]->corners[0].edge;
         Vertex* kept = e->startVertex;
         EXPECT_EQ(mergeVertices(s, of({kept, e->endVertex})), 1);
         EXPECT_EQ(edgesAt(s, kept).count(), 6); // 4 + 4 − the collapsed side counted twice
     }},
    // A handle: two faces go, 4 quads and 4 edges come; genus 2, V − E + F = −2.
    {"bridge", {48, 100, 50, 0}, [](Shape& s) {
         Face* a = s.faces[0];
         Edge* side = a->corners[0].edge;
         ASSERT_TRUE(bridgeFaces(s, a, farthestFrom(s, a)));
         EXPECT_EQ(side->faces.count(), 2); // the old rim now borders the tube
     }},
    // Positions only; every vertex is interior, so all 48 move.
    {"smooth", {48, 96, 48, 0}, [](Shape& s) {
         EXPECT_EQ(smoothVertices(s, allVertices(s), 2, 0.5f), 48);
     }},
    // One face turned against its neighbours is turned back.
    {"unify normals", {48, 96, 48, 0}, [](Shape& s) {
         s.flipFaces(of({s.faces[5]}));
         EXPECT_FALSE(windingConsistent(s));
         EXPECT_EQ(unifyNormals(s, allFaces(s)), 1);
         EXPECT_TRUE(windingConsistent(s));
     }},
    // The side steps on a corner; both quads stay quads.
    {"spin edge", {48, 96, 48, 0}, [](Shape& s) {
         Face* f = s.faces[0];
         Edge* e = f->corners[0].edge;
         Vertex* start = e->startVertex;
         Vertex* end = e->endVertex;
         EXPECT_EQ(spinEdges(s, of({e})), 1);
         EXPECT_FALSE(e->joins(start, end));
         EXPECT_EQ(e->faces[0]->cornerCount() + e->faces[1]->cornerCount(), 8);
     }},
    // A slit along two sides through one vertex: only the middle vertex has
    // two fans, so V + 1, E + 2, 4 borders; V − E + F = −1.
    {"break edges", {49, 98, 48, 4}, [](Shape& s) {
         const List<Edge*> two = edgesAt(s, s.vertices[0]);
         EXPECT_EQ(breakEdges(s, of({two[0], two[1]})), 1);
         EXPECT_EQ(two[0]->faces.count(), 1);
     }},
    // A copy of two quads sharing a side: 6 vertices, 7 edges, 6 of them borders.
    {"extract faces", {48, 96, 48, 0}, [](Shape& s) {
         const Edge* e = s.faces[0]->corners[0].edge;
         ShapePtr part(extractFaces(s, of({e->faces[0], e->faces[1]})));
         ASSERT_NE(part, nullptr);
         EXPECT_EQ(countsOf(*part), (EditCounts{6, 7, 2, 6}));
         EXPECT_EQ(validateTopology(*part), "");
     }},
};

ShapePtr subdividedTorus()
{
    ShapePtr s(take<Torus>(1.f, 2.f, 3, 4));
    s->subdivide();
    s->refineControlMesh();
    return s;
}

TEST(TorusEdits, CountsAndAdjacencyAfterEachEdit)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ShapePtr s = subdividedTorus();
        ASSERT_EQ(countsOf(*s), (EditCounts{48, 96, 48, 0}));
        row.edit(*s);
        EXPECT_EQ(countsOf(*s), row.expected);
        EXPECT_EQ(validateTopology(*s), "");
    }
}

// The torus is symmetric across x = 0 with two rings of 6 vertices on it:
// half of it (24 faces) is kept and mirrored back, the same mesh again.
TEST(TorusEdits, MirrorAcrossTwoRingsKeepsOneHalf)
{
    ShapePtr s = subdividedTorus();
    MirrorPlane plane;
    plane.set(Point3D(0, 0, 0), Point3D(1, 0, 0));
    EXPECT_EQ(mirrorGeometry(*s, plane, 0.001f, true), 24);
    EXPECT_EQ(countsOf(*s), (EditCounts{48, 96, 48, 0}));
    EXPECT_EQ(validateTopology(*s), "");
    for (const Vertex* v : s->vertices)
        EXPECT_NE(v->mirror, nullptr);
}

} // namespace
