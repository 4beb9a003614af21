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

struct TwoIslands {
    MeshPtr grid = fixtures::openGrid(3, 2);
    ShapePtr owner{take<Shape>(*grid)};
    ProxyPtr proxy{take<TextureProxy>(owner.get())};
    std::vector<ProxyVertex*> vertices;
    std::vector<std::array<float, 3>> before;

    TwoIslands()
    {
        owner->renumber();
        vertices = addTwoIslands(*proxy, *owner);
    }
    void snapshot()
    {
        before.clear();
        for (const ProxyVertex* v : vertices)
            before.push_back({v->x, v->y, v->z});
    }
    bool kept(size_t i) const { return std::array<float, 3>{vertices[i]->x, vertices[i]->y, vertices[i]->z} == before[i]; }
};

TEST(UnwrapIslands, TouchedIslandsAndLiveMovesSolveOnlyTheirOwnAndPinsStay)
{
    TwoIslands t;
    const size_t half = t.vertices.size() / 2;
    // Two pins: only they are held, so the island can still come out similar.
    t.vertices[2]->set(PinnedVertex);
    t.vertices[9]->set(PinnedVertex);
    t.snapshot();

    List<Vertex*> moved;
    moved.append(t.vertices[5]);
    ASSERT_EQ(unwrapTouchedIslands(*t.proxy, moved, 100), 1);
    double scale = 0;
    for (size_t i = 0; i < t.vertices.size(); ++i) {
        if (i >= half || i == 2 || i == 9)
            EXPECT_TRUE(t.kept(i)) << "vertex " << i;
        // The flat grid comes out as a similar copy of itself.
        for (size_t j = 0; j < i && i < half; ++j) {
            const ProxyVertex *v = t.vertices[i], *w = t.vertices[j];
            const Vertex *a = v->sourceVertex, *b = w->sourceVertex;
            const double ratio = std::hypot(v->x - w->x, v->y - w->y) / std::hypot(a->x - b->x, a->y - b->y);
            if (scale == 0)
                scale = ratio;
            EXPECT_NEAR(ratio / scale, 1.0, 1e-4);
        }
    }
    EXPECT_TRUE(t.vertices[2]->has(PinnedVertex) && t.vertices[9]->has(PinnedVertex));
    EXPECT_EQ(unwrapIslands(*t.proxy, t.proxy->faces, -1), 2);

    // A live move holds the dragged vertex for its one solve: the island
    // follows, the other stays, and the vertex is left unpinned.
    t.vertices[0]->x += 0.5f;
    t.snapshot();
    List<Vertex*> dragged;
    dragged.append(t.vertices[0]);
    ASSERT_EQ(unwrapAfterMove(*t.proxy, dragged), 1);
    EXPECT_TRUE(t.kept(0) && !t.kept(4) && t.kept(half));
    EXPECT_FALSE(t.vertices[0]->has(PinnedVertex));
}

} // namespace
