// The UV commands driven through a real scene: recreation by each method,
// the refusals, unwrapping a selection, pins and seams, each one undo step.
#include "Scene/Selection/SelectionTestScene.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "Mesh/Edge.h"
#include "Mesh/Face.h"
#include "Mesh/ObjectCopies.h"
#include "Mesh/TextureProxy.h"
#include "Mesh/Validate.h"
#include "Scene/Commands/DispatchMessages.h"
#include "UV/ProxyBuild.h"
#include "UV/UnwrapIslands.h"
#include "support/SceneText.h"

namespace {

constexpr int undoCommand = 68, redoCommand = 69;
constexpr int xyz = 248, perFace = 276, planar = 277, lscm = 278, unwrap = 249;
constexpr int selectSeams = 299, merge = 73, deleteCommand = 10;
constexpr int pin = 257, pinToggle = 266, unpin = 267, markSeams = 268, unmarkSeams = 269, nudgeUPlus = 287;

// Twice the signed area of a proxy face in UV space: positive when its
// corners run counter-clockwise, as every face seen from the front should.
float signedArea(const Face& f)
{
    float sum = 0;
    for (int k = 0; k < f.cornerCount(); ++k) {
        const Vertex* a = f.cornerVertex(k);
        const Vertex* b = f.cornerVertex(k + 1);
        sum += a->x * b->y - b->x * a->y;
    }
    return sum;
}

class UVCommandsTest : public SelectionTestScene {
protected:
    Shape* addCube() { return add(fixtures::cube(), true); }
    TextureProxy* proxyOf(const Shape* s) { return findProxy(scene.objectManager->objects, s); }
    int doneCount() const { return scene.commandManager->geometryUndo.doneCount(); }

    // Seams along a spanning tree of the cube's vertices: cut there, the
    // cube opens into one flat net.
    static void seamSpanningTree(Shape& s)
    {
        std::vector<int> parent(s.vertices.count());
        std::iota(parent.begin(), parent.end(), 0);
        auto root = [&](int i) {
            while (parent[i] != i)
                i = parent[i];
            return i;
        };
        for (Edge* e : s.edges) {
            const int a = root(e->startVertex->index), b = root(e->endVertex->index);
            if (a != b) {
                parent[a] = b;
                e->set2(Geometry::UVSeam);
            }
        }
    }

    // Runs `command` with an undo round trip: Undo gives back the scene
    // text of before, Redo that of after.
    void runUndoably(int command)
    {
        const std::string before = sceneAsText(scene);
        const int done = doneCount();
        run(command);
        ASSERT_EQ(doneCount(), done + 1) << command;
        const std::string after = sceneAsText(scene);
        EXPECT_NE(after, before) << command;
        run(undoCommand);
        EXPECT_EQ(sceneAsText(scene), before) << command;
        run(redoCommand);
        EXPECT_EQ(sceneAsText(scene), after) << command;
    }
};

} // namespace

TEST_F(UVCommandsTest, RecreationBuildsAValidProxyOfUnflippedIslandsMatchingTheOwner)
{
    struct Case {
        int command;
        bool seamed;
        size_t islands;
    };
    for (const Case& c : {Case{perFace, false, 6}, Case{planar, false, 6}, Case{lscm, true, 1}, Case{xyz, false, 0}}) {
        Shape* cube = addCube();
        if (c.seamed)
            seamSpanningTree(*cube);
        runUndoably(c.command);
        TextureProxy* proxy = proxyOf(cube);
        ASSERT_NE(proxy, nullptr) << c.command;
        EXPECT_FALSE(proxy->isSelected());
        EXPECT_EQ(validateTopology(*proxy), "") << c.command;
        if (c.islands)
            EXPECT_EQ(proxyIslands(proxy->faces).size(), c.islands) << c.command;
        for (int i = 0; i < proxy->faces.count(); ++i) {
            const Face& f = *proxy->faces[i];
            if (c.islands)
                EXPECT_GT(signedArea(f), 1e-6f) << c.command << " face " << i;
            for (int k = 0; k < f.cornerCount(); ++k) {
                const Vertex* v = f.cornerVertex(k);
                EXPECT_FALSE(v->has(PinnedVertex));
                EXPECT_TRUE(v->x >= 0 && v->x <= 1 && v->y >= 0 && v->y <= 1) << c.command;
                EXPECT_EQ(proxy->sourceFaces[i]->corners[k].u, v->x);
                EXPECT_EQ(proxy->sourceFaces[i]->corners[k].v, v->y);
            }
        }
        // Recreating the first face again replaces the proxy rather than
        // adding one, and keeps the pins of the faces left as they were.
        const int objectCount = scene.objectManager->objects.count();
        for (Vertex* v : proxy->vertices)
            v->set(PinnedVertex);
        enter(Selection::FaceMode);
        cube->faces[0]->set(Geometry::Selected);
        run(planar);
        EXPECT_EQ(scene.objectManager->objects.count(), objectCount);
        proxy = proxyOf(cube);
        for (int i = 0; i < proxy->faces.count(); ++i)
            for (const Corner& corner : proxy->faces[i]->corners)
                EXPECT_EQ(corner.vertex->has(PinnedVertex), proxy->sourceFaces[i] != cube->faces[0]) << c.command;
        scene.objectManager->clearObjects();
        enter(Selection::ObjectMode);
    }
}

TEST_F(UVCommandsTest, RefusalsChangeNothing)
{
    // Command, refusal variant, and whether a cube is there: selected,
    // closed, no seams.
    struct Case {
        int command, variant;
        bool withCube;
    } cases[] = {{lscm, 1, true}, {xyz, 0, false}, {unwrap, 0, true}, {pin, 0, true},
                 {unpin, 0, true}, {markSeams, 0, false}, {nudgeUPlus, 0, true}};
    for (const Case& c : cases) {
        scene.objectManager->clearObjects();
        if (c.withCube)
            addCube(); // selected, but without a proxy nothing of it is UV
        const std::string before = sceneAsText(scene);
        const int done = doneCount();
        run(c.command);
        const int asked = c.command == unpin ? pin : c.command;
        EXPECT_EQ(lastStatus(), refusalMessage(asked, c.variant)) << c.command;
        EXPECT_EQ(doneCount(), done) << c.command;
        EXPECT_EQ(sceneAsText(scene), before) << c.command;
    }
}

TEST_F(UVCommandsTest, UnwrappingASelectionMovesOnlyItsSelectedVertices)
{
    Shape* cube = addCube();
    seamSpanningTree(*cube);
    run(lscm);
    TextureProxy* proxy = proxyOf(cube);
    scene.objectManager->uvSpace = true;
    cube->set(Geometry::Selected, false);
    enter(Selection::MultiMode);
    Face* face = proxy->faces[0];
    Vertex* moved = face->cornerVertex(0);
    const float solvedU = moved->x;
    moved->x += 0.25f;
    face->set(Geometry::Selected);
    moved->set(Geometry::Selected);
    std::vector<Vertex> others;
    for (int k = 1; k < face->cornerCount(); ++k)
        others.push_back(*face->cornerVertex(k));
    runUndoably(unwrap);
    EXPECT_NEAR(moved->x, solvedU, 1e-3f) << "the selected vertex goes back where the solve puts it";
    for (int k = 1; k < face->cornerCount(); ++k)
        EXPECT_TRUE(face->cornerVertex(k)->x == others[k - 1].x && face->cornerVertex(k)->y == others[k - 1].y) << k;
    for (const Vertex* v : proxy->vertices)
        EXPECT_FALSE(v->has(PinnedVertex)) << "temporary pins are gone";
}

TEST_F(UVCommandsTest, PinsAndSeamsFollowTheSelectionInBothSpaces)
{
    Shape* cube = addCube();
    run(perFace);
    TextureProxy* proxy = proxyOf(cube);
    // Model space: pinning a cube vertex pins every UV vertex of it.
    enter(Selection::VertexMode);
    cube->vertices[0]->set(Geometry::Selected);
    runUndoably(pin);
    int pinned = 0;
    for (const Vertex* v : proxy->vertices) {
        const bool ofVertex0 = static_cast<const ProxyVertex*>(v)->sourceVertex == cube->vertices[0];
        EXPECT_EQ(v->has(PinnedVertex), ofVertex0);
        pinned += ofVertex0;
    }
    EXPECT_EQ(pinned, 3) << "a cube corner has three faces, each its own island";
    runUndoably(pinToggle);
    EXPECT_FALSE(proxy->vertices[0]->has(PinnedVertex));
    // UV space: a proxy edge marks the seam on the cube edge under it.
    cube->vertices[0]->set(Geometry::Selected, false);
    scene.objectManager->uvSpace = true;
    enter(Selection::EdgeMode);
    Edge* uvEdge = proxy->edges[0];
    uvEdge->set(Geometry::Selected);
    runUndoably(markSeams);
    const Edge* source = cube->findEdge(static_cast<ProxyVertex*>(uvEdge->startVertex)->sourceVertex,
                                        static_cast<ProxyVertex*>(uvEdge->endVertex)->sourceVertex);
    ASSERT_NE(source, nullptr);
    for (const Edge* e : cube->edges)
        EXPECT_EQ(e->has2(Geometry::UVSeam), e == source);
    // The proxy carries the seam on both UV edges of that cube edge, so
    // "Select All UV Seams" finds them in UV space.
    uvEdge->set(Geometry::Selected, false);
    run(selectSeams);
    int seamEdges = 0;
    for (const Edge* e : proxy->edges) {
        EXPECT_EQ(e->isSelected(), e->has2(Geometry::UVSeam));
        seamEdges += e->isSelected();
    }
    EXPECT_EQ(seamEdges, 2);
    runUndoably(unmarkSeams);
    runUndoably(nudgeUPlus);
}

TEST_F(UVCommandsTest, MergeInUVSpaceBringsTheSelectedUVVerticesToTheirCentre)
{
    Shape* cube = addCube();
    run(perFace);
    TextureProxy* proxy = proxyOf(cube);
    scene.objectManager->uvSpace = true;
    cube->set(Geometry::Selected, false);
    enter(Selection::VertexMode);
    Vertex* a = proxy->vertices[0];
    Vertex* b = proxy->vertices[5];
    a->set(Geometry::Selected);
    run(merge);
    EXPECT_EQ(lastStatus(), refusalMessage(merge));
    b->set(Geometry::Selected);
    const float u = (a->x + b->x) / 2, v = (a->y + b->y) / 2;
    runUndoably(merge);
    EXPECT_EQ(a->x, u);
    EXPECT_EQ(b->y, v);
}

TEST_F(UVCommandsTest, ADeletedOwnerLeavesItsProxyWithoutOneUntilUndo)
{
    Shape* cube = addCube();
    run(perFace);
    TextureProxy* proxy = proxyOf(cube);
    runUndoably(deleteCommand);
    EXPECT_EQ(proxy->owner, nullptr);
    run(undoCommand);
    EXPECT_EQ(proxy->owner, cube);
}

TEST_F(UVCommandsTest, ProxiesFollowTheTopologyEditsOfTheirOwners)
{
    auto countProxies = [&] {
        return std::count_if(scene.objectManager->objects.begin(), scene.objectManager->objects.end(),
                             [](const Shape* o) { return o->shapeKind() == InnerShape::KindTextureProxy; });
    };
    auto expectMatches = [&](Shape* owner, int faces) {
        TextureProxy* proxy = proxyOf(owner);
        ASSERT_NE(proxy, nullptr);
        EXPECT_EQ(validateTopology(*proxy), "");
        ASSERT_EQ(proxy->faces.count(), faces);
        for (const Face* f : proxy->sourceFaces)
            EXPECT_TRUE(owner->faces.contains(const_cast<Face*>(f)));
    };
    Shape* cube = addCube();
    run(perFace);
    proxyOf(cube)->faces[1]->cornerVertex(0)->set(PinnedVertex);
    enter(Selection::FaceMode);
    cube->faces[0]->set(Geometry::Selected);
    runUndoably(deleteCommand);
    expectMatches(cube, 5);
    EXPECT_EQ(std::count_if(proxyOf(cube)->vertices.begin(), proxyOf(cube)->vertices.end(),
                            [](const Vertex* v) { return v->has(PinnedVertex); }),
              1);
    // Two objects bridged: one object, one proxy of all its faces.
    scene.objectManager->clearObjects();
    enter(Selection::ObjectMode);
    Shape* other = addCube();
    run(perFace);
    cube = addCube();
    cube->set(Geometry::Selected, false);
    moveObject(*other, {0, 0, 3});
    other->set(Geometry::Selected, false);
    cube->set(Geometry::Selected);
    run(perFace);
    other->set(Geometry::Selected);
    runUndoably(231);
    EXPECT_EQ(countProxies(), 1);
    expectMatches(other, 14);
}

TEST_F(UVCommandsTest, MoveAndSewJoinsTheTwinIslandOntoTheSelectedBorderEdge)
{
    Shape* cube = addCube();
    run(perFace);
    TextureProxy* proxy = proxyOf(cube);
    scene.objectManager->uvSpace = true;
    cube->set(Geometry::Selected, false);
    enter(Selection::EdgeMode);
    Edge* edge = proxy->edges[0];
    Vertex* a = edge->startVertex;
    Vertex* b = edge->endVertex;
    edge->set(Geometry::Selected);
    runUndoably(285);
    EXPECT_EQ(validateTopology(*proxy), "");
    EXPECT_EQ(proxy->vertices.count(), 6 * 4 - 2);
    EXPECT_EQ(proxyIslands(proxy->faces).size(), 5u);
    const Edge* sewn = proxy->findEdge(a, b);
    ASSERT_NE(sewn, nullptr);
    EXPECT_EQ(sewn->faces.count(), 2);
    for (const Face* f : proxy->faces)
        EXPECT_GT(signedArea(*f), 0.0f) << "the moved island keeps its orientation";
    // Sewn, the edge has no twin left: the command refuses.
    run(285);
    EXPECT_EQ(lastStatus(), refusalMessage(285));
}

TEST_F(UVCommandsTest, ExportWritesTheChosenImageAndRecordsNothing)
{
    addCube();
    run(perFace);
    const std::string path = (std::filesystem::temp_directory_path() / "tavo-uv-export.png").string();
    window.chosenFiles.push_back(path);
    const int done = doneCount();
    run(295);
    EXPECT_EQ(doneCount(), done);
    EXPECT_TRUE(std::filesystem::remove(path)) << "the image was written";
}
