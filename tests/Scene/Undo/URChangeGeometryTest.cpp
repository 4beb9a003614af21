// The topology record: revert gives back the exact state before the edit and
// reapply the state after it, over and over, for every kind of edit; and the
// record keeps only what the edit changed.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <iostream>
#include <string>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Scene/Undo/URChangeGeometry.h"
#include "Scene/Undo/UndoStack.h"
#include "support/Fixtures.h"
#include "support/MeshDescription.h"
#include "support/ShapeFixtures.h"

using fixtures::describe;

namespace {

// --- edits as topology operations would make them ---

void unlinkFace(Face* f)
{
    for (Corner& c : f->corners) {
        Edge* e = c.edge;
        if (!e)
            continue;
        while (e->faces.removeOne(f)) { }
        e->set(Geometry::Boundary, e->faces.count() == 1);
    }
}

// Deletes a face, then the edges and vertices it alone used.
void deleteFace(InnerShape& m, int index)
{
    Face* f = m.faces[index];
    m.touch();
    unlinkFace(f);
    m.faces.removeAt(index);
    for (int i = m.edges.count() - 1; i >= 0; --i)
        if (m.edges[i]->faces.empty()) {
            m.edges[i]->release();
            m.edges.removeAt(i);
        }
    for (Vertex* v : m.vertices)
        v->tag = 0;
    for (const Edge* e : m.edges) {
        e->startVertex->tag = 1;
        e->endVertex->tag = 1;
    }
    int kept = 0;
    for (Vertex* v : m.vertices) {
        if (v->tag)
            m.vertices[kept++] = v;
        else
            v->release();
    }
    m.vertices.truncate(kept);
    f->release();
}

// Adds a triangle with a new apex vertex on edge `edgeIndex`.
void addTriangle(InnerShape& m, int edgeIndex)
{
    m.touch();
    Edge* base = m.edges[edgeIndex];
    Vertex* s = base->startVertex;
    Vertex* e = base->endVertex;
    Vertex* apex = take<Vertex>(s->x, s->y - 1.0f, 0.5f);
    Edge* toApex = take<Edge>(s, apex);
    Edge* fromApex = take<Edge>(apex, e);
    Face* f = take<Face>();
    // The base is walked backwards, as the face beside it walks it forwards.
    f->appendCorner(e, base);
    f->appendCorner(s, toApex);
    f->appendCorner(apex, fromApex);
    for (Edge* edge : {base, toApex, fromApex}) {
        edge->faces.append(f);
        edge->set(Geometry::Boundary, edge->faces.count() == 1);
    }
    m.addVertex(apex);
    m.addEdge(toApex);
    m.addEdge(fromApex);
    m.addFace(f);
}

struct Case {
    const char* name;
    std::function<MeshPtr()> make;
    std::function<void(InnerShape&)> edit;
};

std::vector<Case> cases()
{
    return {
        {"move one vertex", [] { return fixtures::cube(); },
            [](InnerShape& m) { m.vertices[3]->setPosition(7, 8, 9); }},
        {"delete a face inside a grid", [] { return fixtures::openGrid(3, 3); },
            [](InnerShape& m) { deleteFace(m, 4); }},
        {"add a triangle on a boundary edge", [] { return fixtures::twoQuads(); },
            [](InnerShape& m) { addTriangle(m, 0); }},
        {"drop a corner and rebuild every edge", [] { return fixtures::mixedPolygons(); },
            [](InnerShape& m) {
                m.faces[0]->corners.truncate(m.faces[0]->corners.count() - 1);
                m.buildEdges();
            }},
        {"change texture coordinates and flags", [] { return fixtures::cube(); },
            [](InnerShape& m) {
                m.faces[2]->corners[1].u = 0.25f;
                m.faces[2]->corners[1].w = 0.5f;
                m.faces[4]->set(Geometry::Selected);
                m.edges[5]->set(Geometry::Creased);
                m.edges[6]->set2(Geometry::UVSeam);
                m.vertices[0]->set(Geometry::Hidden);
            }},
        {"reorder the lists", [] { return fixtures::mixedPolygons(); },
            [](InnerShape& m) {
                m.faces.reverse();
                m.vertices.reverse();
                std::swap(m.edges[0], m.edges[m.edges.count() - 1]);
            }},
        {"remove a hole", [] { return fixtures::quadWithHole(); },
            [](InnerShape& m) {
                Face* hole = m.faces[0]->holes[0];
                m.faces[0]->holes.clear();
                for (Corner& c : hole->corners)
                    while (c.edge && c.edge->faces.removeOne(m.faces[0])) { }
                hole->release();
            }},
        {"mirror partners and displacement", [] { return fixtures::openGrid(2, 1); },
            [](InnerShape& m) {
                m.vertices[0]->mirror = m.vertices[2];
                m.vertices[2]->mirror = m.vertices[0];
                m.vertices[1]->mirror = m.vertices[1];
                m.faces[0]->mirror = m.faces[1];
                m.vertices[4]->ensureDisplacement()[1] = 0.5f;
                m.vertices[5]->paintWeight = 0.25f;
                m.vertices[5]->faces.append(m.faces[1]);
            }},
        {"non-manifold edge loses a face", [] { return fixtures::nonManifold(); },
            [](InnerShape& m) { deleteFace(m, 1); }},
    };
}

class URChangeGeometryRoundTrip : public ::testing::TestWithParam<Case> { };

} // namespace

TEST_P(URChangeGeometryRoundTrip, RevertAndReapplyReproduceBothStates)
{
    MeshPtr mesh = GetParam().make();
    const std::string before = describe(*mesh);
    auto* record = new URChangeGeometry(*mesh);
    GetParam().edit(*mesh);
    const std::string after = describe(*mesh);
    ASSERT_NE(before, after);
    UndoStack stack;
    stack.push(record);
    EXPECT_EQ(describe(*mesh), after);
    for (int round = 0; round < 3; ++round) {
        stack.undo();
        ASSERT_EQ(stack.undoneCount(), 1);
        EXPECT_EQ(describe(*mesh), before) << "round " << round;
        EXPECT_EQ(validateTopology(*mesh), "");
        stack.redo();
        ASSERT_EQ(stack.doneCount(), 1);
        EXPECT_EQ(describe(*mesh), after) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, URChangeGeometryRoundTrip, ::testing::ValuesIn(cases()), [](const ::testing::TestParamInfo<Case>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name += *c;
        return name;
    });

TEST(URChangeGeometry, RecordsOfSuccessiveEditsUndoInTurn)
{
    MeshPtr mesh = fixtures::openGrid(4, 4);
    UndoStack stack;
    std::vector<std::string> states{describe(*mesh)};
    for (int step = 0; step < 5; ++step) {
        auto* record = new URChangeGeometry(*mesh);
        if (step % 2 == 0)
            deleteFace(*mesh, step);
        else
            addTriangle(*mesh, step);
        stack.push(record);
        states.push_back(describe(*mesh));
    }
    for (size_t step = 5; step > 0; --step) {
        stack.undo();
        ASSERT_EQ(describe(*mesh), states[step - 1]) << "undo to " << step - 1;
    }
    for (size_t step = 1; step <= 5; ++step) {
        stack.redo();
        ASSERT_EQ(describe(*mesh), states[step]) << "redo to " << step;
    }
}

TEST(URChangeGeometry, RefusesAnObjectChangedBehindItsBack)
{
    MeshPtr mesh = fixtures::twoQuads();
    URChangeGeometry record(*mesh);
    EXPECT_FALSE(record.revert()) << "not applied yet";
    deleteFace(*mesh, 1);
    record.apply();
    mesh->addVertex(take<Vertex>());
    const std::string now = describe(*mesh);
    EXPECT_FALSE(record.revert());
    EXPECT_EQ(describe(*mesh), now);
}

TEST(URChangeGeometry, RestoresAnObjectsLevelsThroughItsHooks)
{
    MeshPtr cube = fixtures::cube();
    ShapePtr shape(take<Shape>(*cube));
    const std::string before = describe(*shape);
    URChangeGeometry record(*shape);
    deleteFace(*shape, 2);
    shape->topologyChanged();
    record.apply();
    const int changes = shape->changeCount;
    ASSERT_TRUE(record.revert());
    EXPECT_EQ(describe(*shape), before);
    EXPECT_GT(shape->changeCount, changes);
    EXPECT_EQ(shape->faces[2]->index, 2) << "renumbered by topologyChanged";
}

// A million quads: the memory held after apply must not grow with the object.
TEST(URChangeGeometry, HoldsBytesProportionalToTheEditOfAMillionFaceGrid)
{
    MeshPtr mesh = fixtures::openGrid(1000, 1000);
    ASSERT_EQ(mesh->faces.count(), 1000000);
    URChangeGeometry moved(*mesh);
    for (const Corner& c : mesh->faces[500500]->corners)
        c.vertex->z += 1.0f;
    moved.apply();
    std::cout << "[ bytes    ] held after moving one face: " << moved.heldBytes() << '\n';
    EXPECT_EQ(moved.differenceCount(), 4);
    EXPECT_LT(moved.heldBytes(), 2048u);
    URChangeGeometry deleted(*mesh);
    deleteFace(*mesh, 500500);
    deleted.apply();
    std::cout << "[ bytes    ] held after deleting one face: " << deleted.heldBytes() << '\n';
    EXPECT_EQ(deleted.differenceCount(), 5);
    EXPECT_LT(deleted.heldBytes(), 2048u);
    ASSERT_TRUE(deleted.revert());
    EXPECT_EQ(mesh->faces.count(), 1000000);
    EXPECT_EQ(mesh->faces[500500]->corners[0].vertex->z, 1.0f);
}
