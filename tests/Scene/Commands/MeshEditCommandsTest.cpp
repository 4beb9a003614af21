// The everyday mesh edits driven through a real scene: each refuses with
// nothing fitting selected, changes the scene as one undo step that leaves
// valid meshes, and one "Undo" gives the scene back byte for byte.
#include "Scene/Selection/SelectionTestScene.h"

#include <algorithm>
#include <functional>

#include "Mesh/ObjectCopies.h"
#include "Mesh/Validate.h"
#include "Scene/Commands/DispatchMessages.h"
#include "Settings/CommandIds.h"
#include "Settings/OptionKeys.h"
#include "support/SceneText.h"

using namespace CommandId;

namespace {

class MeshEditCommandsTest : public SelectionTestScene {
protected:
    // Empties the scene and its undo history, back in object mode.
    void restart()
    {
        scene.objectManager->clearObjects();
        scene.commandManager->clearUndo();
        selection().mode = Selection::ObjectMode;
    }
    // A cube selected and made active in `mode`.
    Shape* cubeIn(int mode)
    {
        Shape* s = add(fixtures::cube(), true);
        if (mode != Selection::ObjectMode)
            enter(mode);
        return s;
    }
    // Two overlapping cubes, both selected; the first is A.
    void twoCubes()
    {
        add(fixtures::cube(), true);
        moveObject(*add(fixtures::cube(), true), {1.0f, 0.5f, 0.25f});
    }
};

// The face of `s` that shares no corner with face 0.
Face* oppositeOfFirst(Shape& s)
{
    for (Face* f : s.faces) {
        bool shares = false;
        for (const Corner& c : f->corners)
            for (const Corner& d : s.faces[0]->corners)
                shares = shares || c.vertex == d.vertex;
        if (!shares)
            return f;
    }
    return nullptr;
}

struct Case {
    const char* name;
    int command;
    int mode;
    std::function<void(MeshEditCommandsTest&, Shape&)> select; // null: the whole object, in object mode
    int objects, faces, vertices;                              // after; -1 where the count may vary
};

} // namespace

TEST_F(MeshEditCommandsTest, EachRefusesWithNothingFittingSelected)
{
    const std::pair<int, std::string_view> cases[] = {
        {Delete, Refusal::NothingSelected},           {Merge, Refusal::CombineObjects},
        {Bridge, refusalMessage(Bridge)},             {Flatten, refusalMessage(Flatten)},
        {Smooth, refusalMessage(Smooth)},             {UnifyNormals, refusalMessage(UnifyNormals)},
        {SpinEdge, refusalMessage(SpinEdge)},         {Break, refusalMessage(Break)},
        {BooleanSubtract, refusalMessage(BooleanSubtract)}, {Cut, refusalMessage(Cut)},
    };
    cubeIn(Selection::EdgeMode);
    const std::string before = sceneAsText(scene);
    for (const auto& [command, sentence] : cases) {
        run(command);
        EXPECT_EQ(lastStatus(), sentence) << command;
    }
    EXPECT_EQ(sceneAsText(scene), before);
    EXPECT_EQ(scene.commandManager->geometryUndo.doneCount(), 0);
}

TEST_F(MeshEditCommandsTest, EachEditsAsOneStepThatUndoRestores)
{
    using S = Selection;
    // Selects the elements at `at` of one kind, e.g. pick(&InnerShape::faces, {0}).
    auto pick = [](auto list, std::vector<int> at) {
        return [list, at](MeshEditCommandsTest&, Shape& s) {
            for (int i : at)
                (s.*list)[i]->set(Geometry::Selected);
        };
    };
    auto faces = [&](std::vector<int> at) { return pick(&InnerShape::faces, at); };
    auto edges = [&](std::vector<int> at) { return pick(&InnerShape::edges, at); };
    auto vertices = [&](std::vector<int> at) { return pick(&InnerShape::vertices, at); };
    const Case cases[] = {
        {"delete object", Delete, S::ObjectMode, nullptr, 0, 0, 0},
        {"delete face", Delete, S::FaceMode, faces({0}), 1, 5, 8},
        {"delete vertex", Delete, S::VertexMode, vertices({0}), 1, 3, 7},
        {"delete edge", Delete, S::EdgeMode, edges({0}), 1, 5, 8},
        {"duplicate face", Duplicate, S::FaceMode, faces({0}), 2, 7, 12},
        {"duplicate the sides of a face", Duplicate, S::EdgeMode,
         [](MeshEditCommandsTest&, Shape& s) {
             for (const Corner& c : s.faces[0]->corners)
                 c.edge->set(Geometry::Selected);
         },
         2, 7, 12},
        {"merge vertices", Merge, S::VertexMode, vertices({0, 1}), 1, -1, 7},
        {"merge face", Merge, S::FaceMode, faces({0}), 1, -1, 5},
        {"bridge faces", Bridge, S::FaceMode,
         [](MeshEditCommandsTest&, Shape& s) {
             s.faces[0]->set(Geometry::Selected);
             oppositeOfFirst(s)->set(Geometry::Selected);
         },
         1, 8, 8},
        {"cut", Cut, S::EdgeMode,
         [](MeshEditCommandsTest&, Shape& s) {
             // Opposite sides of face 0.
             s.findEdge(s.vertices[0], s.vertices[3])->set(Geometry::Selected);
             s.findEdge(s.vertices[2], s.vertices[1])->set(Geometry::Selected);
         },
         1, 7, 10},
        {"flatten", Flatten, S::VertexMode, vertices({0, 1, 2}), 1, 6, 8},
        {"smooth", Smooth, S::ObjectMode, nullptr, 1, 6, 8},
        {"unify normals", UnifyNormals, S::ObjectMode,
         [](MeshEditCommandsTest&, Shape& s) { s.flipFaces(fixtures::facesAt(s, {0})); }, 1, 6, 8},
        {"spin edge", SpinEdge, S::EdgeMode, edges({0}), 1, 6, 8},
        {"break face", Break, S::FaceMode, faces({0}), 1, 6, 12},
        {"mirror", MirrorGeometry, S::ObjectMode, nullptr, 1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        Shape* s = cubeIn(c.mode);
        if (c.select)
            c.select(*this, *s);
        const std::string before = sceneAsText(scene);
        const int done = scene.commandManager->geometryUndo.doneCount();
        run(c.command);
        EXPECT_EQ(scene.commandManager->geometryUndo.doneCount(), done + 1);
        EXPECT_EQ(scene.objectManager->objects.count(), c.objects);
        EXPECT_TRUE(c.faces < 0 || count(&InnerShape::faces) == c.faces) << count(&InnerShape::faces);
        EXPECT_TRUE(c.vertices < 0 || count(&InnerShape::vertices) == c.vertices) << count(&InnerShape::vertices);
        for (Shape* o : scene.objectManager->objects)
            EXPECT_EQ(validateTopology(*o), "");
        EXPECT_NE(sceneAsText(scene), before);
        run(Undo);
        EXPECT_EQ(sceneAsText(scene), before);
    }
}

TEST_F(MeshEditCommandsTest, BooleansReplaceTheFirstShapeAndSayWhyTheyFail)
{
    for (int command : {BooleanSubtract, BooleanCombine, BooleanIntersect}) {
        SCOPED_TRACE(command);
        restart();
        twoCubes();
        const std::string before = sceneAsText(scene);
        run(command);
        ASSERT_EQ(scene.objectManager->objects.count(), 1);
        EXPECT_EQ(validateTopology(*scene.objectManager->objects[0]), "");
        run(Undo);
        EXPECT_EQ(sceneAsText(scene), before);
    }
    // "Delete Originals" off keeps B; an open A cannot be cut.
    restart();
    registry().set(Options::BooleanDeleteOriginals, false);
    twoCubes();
    run(BooleanCombine);
    EXPECT_EQ(scene.objectManager->objects.count(), 2);
    restart();
    add(fixtures::openGrid(2, 2), true);
    add(fixtures::cube(), true);
    run(BooleanSubtract);
    EXPECT_EQ(lastStatus(), Refusal::BooleanNotClosed);
}

TEST_F(MeshEditCommandsTest, BridgingTwoObjectsMakesThemOneInOneStep)
{
    using S = Selection;
    // Objects 3 apart in z; in edge mode every edge is selected.
    const struct {
        const char* name;
        MeshPtr (*make)();
        int mode;
        int faces, vertices, borders;
    } cases[] = {
        {"border loops of two grids", [] { return fixtures::openGrid(1, 1); }, S::EdgeMode, 6, 8, 0},
        {"two grids whole", [] { return fixtures::openGrid(1, 1); }, S::ObjectMode, 6, 8, 0},
        {"facing faces of two cubes", [] { return fixtures::cube(); }, S::ObjectMode, 14, 16, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        add(c.make(), true);
        moveObject(*add(c.make(), true), {0, 0, 3});
        if (c.mode != S::ObjectMode) {
            enter(c.mode);
            for (Shape* o : scene.objectManager->objects)
                for (Edge* e : o->edges)
                    e->set(Geometry::Selected);
        }
        const std::string before = sceneAsText(scene);
        run(Bridge);
        ASSERT_EQ(scene.objectManager->objects.count(), 1);
        Shape& s = *scene.objectManager->objects[0];
        EXPECT_EQ(validateTopology(s), "");
        EXPECT_EQ(s.faces.count(), c.faces);
        EXPECT_EQ(s.vertices.count(), c.vertices);
        EXPECT_EQ(std::ranges::count_if(s.edges, [](const Edge* e) { return e->faces.count() == 1; }), c.borders);
        EXPECT_EQ(scene.commandManager->geometryUndo.doneCount(), 1);
        run(Undo);
        EXPECT_EQ(sceneAsText(scene), before);
    }
}

TEST_F(MeshEditCommandsTest, MoveSelectionStepsAlongTheScreenAxesAsOneStep)
{
    const struct {
        int command, mode;
        float right, up; // the direction of the step
    } cases[] = {
        {MoveSelectionUp, Selection::VertexMode, 0, 1},
        {MoveSelectionDown, Selection::FaceMode, 0, -1},
        {MoveSelectionLeft, Selection::ObjectMode, -1, 0},
        {MoveSelectionRight, Selection::EdgeMode, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        restart();
        Shape* s = cubeIn(c.mode);
        if (c.mode != Selection::ObjectMode)
            (c.mode == Selection::VertexMode ? static_cast<Geometry*>(s->vertices[0])
             : c.mode == Selection::FaceMode ? static_cast<Geometry*>(s->faces[0])
                                             : static_cast<Geometry*>(s->edges[0]))
                ->set(Geometry::Selected);
        std::vector<Point3D> before;
        for (Vertex* v : s->vertices)
            before.push_back(*v);
        const std::string text = sceneAsText(scene);
        run(c.command);
        EXPECT_EQ(scene.commandManager->geometryUndo.doneCount(), 1);
        int moved = 0;
        for (int i = 0; i < s->vertices.count(); ++i) {
            const Point3D d = *s->vertices[i] - before[static_cast<size_t>(i)];
            if (d.length() == 0)
                continue;
            ++moved;
            EXPECT_GT(d.x * c.right + d.y * c.up, 0);
            EXPECT_FLOAT_EQ(d.z, 0);
        }
        EXPECT_EQ(moved, c.mode == Selection::ObjectMode ? 8 : c.mode == Selection::VertexMode ? 1 : c.mode == Selection::EdgeMode ? 2 : 4);
        run(Undo);
        EXPECT_EQ(sceneAsText(scene), text);
    }
}
