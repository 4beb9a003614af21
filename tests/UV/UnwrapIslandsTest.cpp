#include "UV/UnwrapIslands.h"

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "Mesh/Pool.h"
#include "Mesh/TextureProxy.h"
#include "support/ShapeFixtures.h"

namespace {

using ProxyPtr = std::unique_ptr<TextureProxy, ReleaseGeometry>;

// Two islands over the same 3 x 2 grid, each with proxy vertices of its own
// at scrambled UVs. Returns the first island's vertices, then the second's.
std::vector<ProxyVertex*> addTwoIslands(TextureProxy& proxy, Shape& owner)
{
    std::vector<ProxyVertex*> all;
    for (int island = 0; island < 2; ++island) {
        std::vector<ProxyVertex*> made(owner.vertices.count(), nullptr);
        for (Face* source : owner.faces) {
            Face* f = take<Face>();
            for (const Corner& c : source->corners) {
                ProxyVertex*& v = made[c.vertex->index];
                if (!v) {
                    const float k = static_cast<float>(all.size());
                    v = take<ProxyVertex>(std::fmod(k * 0.37f, 1.0f), std::fmod(k * 0.61f, 1.0f), c.vertex);
                    proxy.addVertex(v);
                    all.push_back(v);
                }
                f->appendCorner(v);
            }
            proxy.addProxyFace(f, source);
        }
    }
    return all;
}

TEST(UnwrapIslands, TouchedIslandsOnlyAndPinsStay)
{
    MeshPtr grid = fixtures::openGrid(3, 2);
    ShapePtr owner(take<Shape>(*grid));
    owner->renumber();
    ProxyPtr proxy(take<TextureProxy>(owner.get()));
    const std::vector<ProxyVertex*> vertices = addTwoIslands(*proxy, *owner);
    const size_t half = vertices.size() / 2;
    // Two pins: only they are held, so the island can still come out similar.
    vertices[2]->set(PinnedVertex);
    vertices[9]->set(PinnedVertex);
    std::vector<std::array<float, 3>> before;
    for (const ProxyVertex* v : vertices)
        before.push_back({v->x, v->y, v->z});

    List<Vertex*> moved;
    moved.append(vertices[5]);
    ASSERT_EQ(unwrapTouchedIslands(*proxy, moved, 100), 1);
    double scale = 0;
    for (size_t i = 0; i < vertices.size(); ++i) {
        const ProxyVertex* v = vertices[i];
        if (i >= half || i == 2 || i == 9) {
            EXPECT_EQ((std::array<float, 3>{v->x, v->y, v->z}), before[i]) << "vertex " << i;
        }
        // The flat grid comes out as a similar copy of itself.
        for (size_t j = 0; j < i && i < half; ++j) {
            const Vertex* a = v->sourceVertex;
            const Vertex* b = vertices[j]->sourceVertex;
            const double ratio = std::hypot(v->x - vertices[j]->x, v->y - vertices[j]->y) / std::hypot(a->x - b->x, a->y - b->y);
            if (scale == 0)
                scale = ratio;
            EXPECT_NEAR(ratio / scale, 1.0, 1e-4);
        }
    }
    EXPECT_TRUE(vertices[2]->has(PinnedVertex) && vertices[9]->has(PinnedVertex));

    EXPECT_EQ(unwrapIslands(*proxy, proxy->faces, -1), 2);
    for (size_t i = half; i < vertices.size(); ++i)
        EXPECT_EQ(vertices[i]->z, 0.0f);
}

} // namespace
