// Editing UVs in UV space: a click picks a proxy vertex, the move
// manipulator drags it, the owner's texture coordinates follow, live
// unwrapping brings its island along, and one Undo restores everything.
#include "Tools/ManipulatorScene.h"

#include "Mesh/Face.h"
#include "Mesh/TextureProxy.h"
#include "Scene/Input/MouseBindings.h"
#include "Scene/SceneApplicationManager.h"
#include "Settings/CommandIds.h"
#include "UV/ProxyBuild.h"
#include "UV/UnwrapIslands.h"

namespace {

bool same(const Point3D& a, const Point3D& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Each point exactly where it was.
void expectSame(const std::vector<Point3D>& now, const std::vector<Point3D>& was)
{
    ASSERT_EQ(now.size(), was.size());
    for (size_t i = 0; i < now.size(); ++i)
        EXPECT_TRUE(same(now[i], was[i])) << i;
}

// The parameter: live unwrapping on.
class UVDragTest : public ManipulatorScene, public ::testing::WithParamInterface<bool> {
protected:
    // An open grid with an unwrapped proxy, shown in UV space with nothing selected.
    TextureProxy* unwrappedGrid()
    {
        grid = add(fixtures::openGrid(2, 2));
        run(CommandId::RecreateUVsUsingLSCMUnwrapping);
        TextureProxy* proxy = findProxy(scene.objectManager->objects, grid);
        if (proxy)
            expectOwnerMatches(*proxy);
        grid->set(Geometry::Selected, false);
        scene.objectManager->uvSpace = true;
        run(CommandId::VertexSelectionMode);
        return proxy;
    }
    // Every owner corner holds the UV of its proxy corner.
    static void expectOwnerMatches(const TextureProxy& proxy)
    {
        for (int i = 0; i < proxy.faces.count(); ++i)
            for (int k = 0; k < proxy.faces[i]->cornerCount(); ++k) {
                const Corner& c = proxy.sourceFaces[i]->corners[k];
                EXPECT_EQ(c.u, proxy.faces[i]->cornerVertex(k)->x) << i << ' ' << k;
                EXPECT_EQ(c.v, proxy.faces[i]->cornerVertex(k)->y) << i << ' ' << k;
            }
    }
    // Clicks on `v`, then drags the X handle 40 pixels to the right.
    float clickAndDrag(const Vertex& v)
    {
        int x, y;
        screenOf(v, x, y);
        // The selection click (9010) on the left button, as the window binds it.
        scene.applicationManager->setMouseBinding(MouseBindings::index(MouseButtonCode::Left, 0), 9010);
        scene.mousePress(x, y, MouseButtonCode::Left, 0);
        scene.mouseRelease(x, y);
        EXPECT_TRUE(v.isSelected());
        handleAt(0, 0.8f, x, y);
        const float px = pixel();
        drag(x, y, 41, 0);
        return 40 * px;
    }

    Shape* grid = nullptr;
};

TEST_P(UVDragTest, AClickedProxyVertexDragsWithItsIslandFollowingLiveAndUndoesInOneStep)
{
    const bool live = GetParam();
    scene.applicationManager->liveUVUnwrapping = live;
    TextureProxy* proxy = unwrappedGrid();
    ASSERT_TRUE(proxy);
    Vertex* v = proxy->vertices[0];
    const std::vector<Point3D> before = positions(*proxy);
    const std::vector<Point3D> model = positions(*grid);
    const float moved = clickAndDrag(*v);

    expectNear(*v, before[0] + Point3D(moved, 0, 0), 2e-3f);
    expectSame(positions(*grid), model);
    int followed = 0;
    for (int i = 1; i < proxy->vertices.count(); ++i) {
        followed += !same(*proxy->vertices[i], before[i]);
        EXPECT_FALSE(proxy->vertices[i]->has(PinnedVertex)) << "temporary pins are gone";
    }
    EXPECT_EQ(followed > 0, live);
    expectOwnerMatches(*proxy);
    EXPECT_EQ(validateTopology(*proxy), "");

    run(CommandId::Undo);
    expectSame(positions(*proxy), before);
    expectOwnerMatches(*proxy);
}

INSTANTIATE_TEST_SUITE_P(Live, UVDragTest, ::testing::Bool());

} // namespace
