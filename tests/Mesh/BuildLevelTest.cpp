// One step of subdivision against the scheme's counts and formulas, and the
// layout of the level it builds (element order, maps, ids).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

namespace {

ShapePtr subdivided(const InnerShape& mesh, int levels, std::initializer_list<std::pair<int, int>> creases = {})
{
    ShapePtr s(take<Shape>(mesh));
    for (auto [a, b] : creases)
        s->findEdge(s->vertices[a], s->vertices[b])->set(Geometry::Creased);
    for (int i = 0; i < levels; ++i)
        EXPECT_TRUE(s->levelStack.stepUp());
    return s;
}

ShapePtr subdividedCube(int levels, std::initializer_list<std::pair<int, int>> creases = {})
{
    MeshPtr cube = fixtures::cube();
    return subdivided(*cube, levels, creases);
}

// Level 1 lists face points, then edge points, then vertex points.
const Vertex* facePoint(const Shape& s, int f) { return s.levelStack.levelMesh(1)->vertices[f]; }
const Vertex* edgePoint(const Shape& s, const Edge* e)
{
    return facePoint(s, s.faces.count() + s.edges.indexOf(const_cast<Edge*>(e)));
}
const Vertex* vertexPoint(const Shape& s, int i) { return facePoint(s, s.faces.count() + s.edges.count() + i); }
int indexOf(const Shape& s, const Vertex* v) { return s.vertices.indexOf(const_cast<Vertex*>(v)); }

void expectAt(const Vertex* v, const Point3D& p)
{
    EXPECT_NEAR(v->distance(p), 0.0f, 1e-5f) << v->x << ", " << v->y << ", " << v->z;
}

TEST(BuildLevel, ChildQuadsRunFaceEdgeVertexEdge)
{
    MeshPtr quad = fixtures::openGrid(1, 1, 2.0f);
    ShapePtr s = subdivided(*quad, 1);
    const InnerShape& level = *s->levelStack.levelMesh(1);
    const Face* f = s->faces[0];
    ASSERT_EQ(level.faces.count(), 4);
    for (int k = 0; k < 4; ++k) {
        const Face* child = level.faces[k];
        EXPECT_EQ(child->corners[0].vertex, facePoint(*s, 0));
        EXPECT_EQ(child->corners[1].vertex, edgePoint(*s, f->corners[k].edge));
        EXPECT_EQ(child->corners[2].vertex, vertexPoint(*s, indexOf(*s, f->corners[(k + 1) % 4].vertex)));
        EXPECT_EQ(child->corners[3].vertex, edgePoint(*s, f->corners[(k + 1) % 4].edge));
        EXPECT_EQ(child->corners[0].edge, level.edges[8 + k]);
    }
    // Edge i's halves: (vertex point of start → edge point), (edge point → vertex point of end).
    for (int i = 0; i < s->edges.count(); ++i) {
        const Edge* e = s->edges[i];
        EXPECT_EQ(level.edges[2 * i]->startVertex, vertexPoint(*s, indexOf(*s, e->startVertex)));
        EXPECT_EQ(level.edges[2 * i]->endVertex, edgePoint(*s, e));
        EXPECT_EQ(level.edges[2 * i + 1]->endVertex, vertexPoint(*s, indexOf(*s, e->endVertex)));
    }
    EXPECT_EQ(validateTopology(level), "");
}

TEST(BuildLevel, ThreeCreasedEdgesKeepTheirVertexFixedOnEveryLevel)
{
    ShapePtr s = subdividedCube(3, {{6, 2}, {6, 5}, {6, 7}});
    // Follow the vertex point of the vertex point down the levels.
    int id = 6;
    for (int level = 1; level <= 3; ++level) {
        const int at = s->levelStack.levels[level]->vertexMap[id].vertexPoint;
        const Vertex* child = s->levelStack.levelMesh(level)->vertices[at];
        expectAt(child, *s->vertices[6]);
        id = child->id;
    }
}

// A dart's vertex point and the point of a creased edge between darts follow
// the smooth rules: they land where the uncreased cube puts them.
TEST(BuildLevel, DartsAndCreasesBetweenSmoothVerticesAreSmoothButStayCreased)
{
    ShapePtr plain = subdividedCube(1);
    // Vertex 1 has two creased edges; 0 and 2 have one each (darts).
    ShapePtr s = subdividedCube(1, {{0, 1}, {1, 2}});
    EXPECT_TRUE(s->vertices[1]->has(Geometry::CreaseVertex));
    EXPECT_FALSE(s->vertices[0]->has(Geometry::CreaseVertex));
    ShapePtr t = subdividedCube(2, {{4, 5}});
    for (auto [shape, a, b] : {std::tuple{s.get(), 0, 1}, {t.get(), 4, 5}}) {
        const Edge* e = shape->findEdge(shape->vertices[a], shape->vertices[b]);
        expectAt(edgePoint(*shape, e), *edgePoint(*plain, plain->findEdge(plain->vertices[a], plain->vertices[b])));
    }
    for (auto [shape, v] : {std::pair{s.get(), 0}, {s.get(), 2}, {t.get(), 4}, {t.get(), 5}})
        expectAt(vertexPoint(*shape, v), *vertexPoint(*plain, v));
    const InnerShape& level = *t->levelStack.levelMesh(1);
    const int i = t->edges.indexOf(t->findEdge(t->vertices[4], t->vertices[5]));
    EXPECT_TRUE(level.edges[2 * i]->has(Geometry::Creased) && level.edges[2 * i + 1]->has(Geometry::Creased));
    EXPECT_EQ(std::count_if(level.edges.begin(), level.edges.end(),
                            [](const Edge* h) { return h->has(Geometry::Creased); }),
              2);
}

TEST(BuildLevel, AWireEdgeSplitsIntoBoundaryHalvesAndLooseVerticesStay)
{
    MeshPtr line = fixtures::meshFrom({{0, 0, 0}, {2, 0, 4}, {5, 6, 7}}, {});
    line->addEdge(take<Edge>(line->vertices[0], line->vertices[1]));
    ShapePtr s = subdivided(*line, 2);
    const InnerShape& level = *s->levelStack.levelMesh(1);
    ASSERT_EQ(level.vertices.count(), 4);
    ASSERT_EQ(level.edges.count(), 2);
    for (const Edge* e : level.edges)
        EXPECT_TRUE(e->has(Geometry::Boundary));
    const Point3D expected[] = {{1, 0, 2}, {0, 0, 0}, {2, 0, 4}, {5, 6, 7}};
    for (int i = 0; i < 4; ++i)
        expectAt(level.vertices[i], expected[i]);
    EXPECT_EQ(s->levelStack.levelMesh(2)->edges.count(), 4);
}

TEST(BuildLevel, StencilsMapsAndIdsChainFromTheControlMesh)
{
    ShapePtr s = subdividedCube(2);
    const Vertex* vp = vertexPoint(*s, 0);
    EXPECT_TRUE(vp->has2(Geometry::VertexPoint));
    ASSERT_EQ(vp->stencil.count(), 7);
    EXPECT_EQ(vp->stencil[0].source, s->vertices[0]);
    EXPECT_EQ(vp->stencil[0].flags, StencilEntry::Parent);
    EXPECT_EQ(std::count_if(vp->stencil.begin(), vp->stencil.end(),
                            [](const StencilEntry& e) { return (e.flags & StencilEntry::Expand) != 0; }),
              3);
    EXPECT_FALSE(facePoint(*s, 0)->has2(Geometry::VertexPoint));
    for (const Face* f : s->faces)
        EXPECT_TRUE(f->has(Geometry::Psub));
    const LevelRecord& one = *s->levelStack.levels[1];
    const LevelRecord& two = *s->levelStack.levels[2];
    for (const LevelRecord* r : {&one, &two})
        ASSERT_EQ(std::tuple(r->vertexMap.count(), r->edgeMap.count(), r->faceMap.count()), std::tuple(8, 12, 6));
    const InnerShape& level1 = *s->levelStack.levelMesh(1);
    EXPECT_TRUE(level1.displayFlags & InnerShape::SubdivisionLevel);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(one.vertexMap[i].vertexPoint == 18 + i && level1.vertices[18 + i]->id == i) << i;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(one.faceMap[i].firstChild, 4 * i);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(one.edgeMap[i].firstHalf, 2 * i);
    EXPECT_EQ(level1.vertices[0]->id, -1);
    // Level 2 continues level 1's vertex points: 24 + 48 face and edge points come first.
    EXPECT_EQ(two.vertexMap[3].parent, 18 + 3);
    EXPECT_EQ(two.vertexMap[3].vertexPoint, 24 + 48 + 18 + 3);
    EXPECT_EQ(two.faceMap[2].firstChild, 4 * 4 * 2);
}

TEST(BuildLevel, ChildFacesOfAControlFaceAtEachLevel)
{
    MeshPtr mixed = fixtures::mixedPolygons();
    ShapePtr s = subdivided(*mixed, 2);
    LevelStack& stack = s->levelStack;
    // Hexagon, quad, two triangles: 6 + 4 + 3 + 3 children on level 1, four each on level 2.
    EXPECT_EQ(stack.segmentsPerEdge(), 4);
    const int rows[][4] = {{2, 2, 40, 12}, {2, 1, 24, 16}, {1, 3, 13, 3}, {0, 3, 3, 1}}; // level, face, start, count
    for (const auto& r : rows) {
        stack.currentLevel = r[0];
        EXPECT_EQ(stack.childFaceStart(r[1]), r[2]) << r[0] << " " << r[1];
        EXPECT_EQ(stack.childFaceCount(r[1]), r[3]) << r[0] << " " << r[1];
    }
}

// The position the stencil lists describe, displacement of expanded
// vertices left out.
Point3D stencilSum(const Vertex* v)
{
    Point3D sum(0, 0, 0);
    for (const StencilEntry& e : v->stencil) {
        const auto* src = static_cast<const Vertex*>(e.source);
        sum += ((e.flags & StencilEntry::Expand) ? stencilSum(src) : Point3D(src)) * e.weight;
    }
    return sum;
}

// The table a build fills from slots (with its kernels for the regular
// stencils) against one rebuilt from the stencil lists, and both against the
// lists evaluated entry by entry: grids have regular vertices, creases and
// boundaries; mixed polygons have face points of other sizes. Offsets added
// after a first evaluation must count.
TEST(BuildLevel, BuiltTablesAgreeWithTheStencilListsAndDisplacement)
{
    MeshPtr grid = fixtures::openGrid(4, 3);
    MeshPtr mixed = fixtures::mixedPolygons();
    ShapePtr shapes[] = {subdivided(*grid, 2, {{6, 7}, {7, 8}}), subdivided(*mixed, 2)};
    for (ShapePtr& s : shapes) {
        s->update(true, true, -1);
        s->levelStack.levelMesh(1)->vertices[0]->ensureDisplacement()[2] = 0.5f;
        s->levelStack.levelMesh(2)->vertices[3]->ensureDisplacement()[0] = -0.25f;
        s->vertices[1]->setPosition(0.5f, -0.25f, 0.75f);
        s->update(true, true, -1);
        for (int i = 1; i <= 2; ++i) {
            InnerShape* level = s->levelStack.levelMesh(i);
            std::vector<Point3D> built;
            for (const Vertex* v : level->vertices) {
                expectAt(v, v->displacement ? stencilSum(v) + Point3D(v->displacement) : stencilSum(v));
                built.emplace_back(v);
            }
            level->touch();
            level->update(false, true, -1);
            for (int k = 0; k < level->vertices.count(); ++k)
                EXPECT_TRUE(level->vertices[k]->x == built[k].x && level->vertices[k]->z == built[k].z)
                    << "level " << i << " vertex " << k;
        }
    }
}

// What a build takes from the level built just before (the tables of that
// build) must be what it would read from the level's elements: a level
// touched in between is read from its elements instead. A level is compared
// as one list of numbers: positions, ids, flags, stencils, connectivity by
// list position, face normals.
std::vector<float> describe(const InnerShape& level)
{
    std::vector<float> out;
    auto add = [&](std::initializer_list<float> values) { out.insert(out.end(), values); };
    auto at = [](const Geometry* g) { return g ? static_cast<float>(g->index) : -1.0f; };
    for (const Vertex* v : level.vertices) {
        add({v->x, v->y, v->z, float(v->id), float(v->flags), float(v->flags2), float(v->stencil.count())});
        for (const StencilEntry& e : v->stencil)
            add({at(e.source), e.weight, float(e.flags)});
    }
    for (const Edge* e : level.edges) {
        add({at(e->startVertex), at(e->endVertex), float(e->id), float(e->flags), float(e->faces.count())});
        for (const Face* f : e->faces)
            add({at(f)});
    }
    for (const Face* f : level.faces) {
        add({float(f->id), float(f->flags), f->normal.x, f->normal.y, f->normal.z, float(f->cornerCount())});
        for (const Corner& c : f->corners)
            add({at(c.vertex), at(c.edge)});
    }
    return out;
}

TEST(BuildLevel, BuildingOnTheLastLevelBuiltMatchesReadingItsElements)
{
    MeshPtr grid = fixtures::openGrid(4, 3);
    MeshPtr mixed = fixtures::mixedPolygons();
    const std::pair<const InnerShape*, std::vector<std::pair<int, int>>> meshes[] = {
        {grid.get(), {{6, 7}, {7, 8}, {8, 13}}}, {mixed.get(), {}}};
    for (const auto& [mesh, creases] : meshes) {
        ShapePtr built(take<Shape>(*mesh));
        ShapePtr read(take<Shape>(*mesh));
        for (Shape* s : {built.get(), read.get()})
            for (auto [a, b] : creases)
                s->findEdge(s->vertices[a], s->vertices[b])->set(Geometry::Creased);
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(built->levelStack.stepUp());
            read->levelStack.levelMesh(i)->touch();
            ASSERT_TRUE(read->levelStack.stepUp());
        }
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(describe(*built->levelStack.levelMesh(i)), describe(*read->levelStack.levelMesh(i))) << i;
    }
}

TEST(BuildLevel, IdsGivenAtTheBuildAreTheOnesNumberingGives)
{
    MeshPtr mixed = fixtures::mixedPolygons();
    // A face whose corners have no edges yet gets a face point but no children.
    Face* loose = take<Face>();
    for (int i : {2, 1, 0})
        loose->appendCorner(mixed->vertices[i]);
    List<Face*> faces;
    faces.append(loose);
    for (Face* f : mixed->faces)
        faces.append(f);
    mixed->faces = faces;
    ShapePtr s = subdivided(*mixed, 3);
    for (int level = 1; level <= 2; ++level) {
        InnerShape& mesh = *s->levelStack.levelMesh(level);
        const std::vector<float> built = describe(mesh);
        mesh.touch();
        s->levelStack.numberIds(level);
        EXPECT_EQ(describe(mesh), built) << "level " << level;
    }
}

} // namespace
