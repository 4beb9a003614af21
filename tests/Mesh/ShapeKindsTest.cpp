// The UV proxy: named after its owner, with its owner's display flags and faces.
#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Pool.h"
#include "Mesh/ShapeInstance.h"
#include "Mesh/TextureProxy.h"
#include "support/ShapeFixtures.h"

namespace {

TEST(ShapeKinds, ProxyIsNamedAfterItsOwnerAndTakesItsDisplayFlags)
{
    ShapePtr owner(take<Shape>());
    owner->name = "Head";
    owner->displayFlags |= InnerShape::Locked | InnerShape::Symmetry;
    owner->set(Geometry::Selected);
    std::unique_ptr<TextureProxy, ReleaseGeometry> proxy(take<TextureProxy>(owner.get()));
    EXPECT_EQ(proxy->name, "Head UV Proxy");
    EXPECT_EQ(proxy->displayFlags, owner->displayFlags);
    EXPECT_FALSE(proxy->isSelected());
    EXPECT_EQ(proxy->owner, owner.get());
}

TEST(ShapeKinds, ProxyFacesRememberTheOwnersFaces)
{
    MeshPtr grid = fixtures::openGrid(2, 1);
    ShapePtr owner(take<Shape>(*grid));
    std::unique_ptr<TextureProxy, ReleaseGeometry> proxy(take<TextureProxy>(owner.get()));
    for (Face* source : owner->faces) {
        Face* f = take<Face>();
        for (const Corner& c : source->corners) {
            auto* v = take<ProxyVertex>(c.u, c.v, c.vertex);
            proxy->addVertex(v);
            f->appendCorner(v);
        }
        proxy->addProxyFace(f, source);
    }
    proxy->buildEdges();
    ASSERT_EQ(proxy->sourceFaces.count(), 2);
    EXPECT_EQ(proxy->sourceFaces[1], owner->faces[1]);
    const auto* v = static_cast<const ProxyVertex*>(proxy->faces[1]->corners[2].vertex);
    EXPECT_EQ(v->vertexKind(), Vertex::VertexKindProxy);
    EXPECT_EQ(v->sourceVertex, owner->faces[1]->corners[2].vertex);
    EXPECT_EQ(v->z, 0.0f);
    const long proxyVerticesFree = Pool<ProxyVertex>::freeCount();
    proxy.reset();
    EXPECT_EQ(Pool<ProxyVertex>::freeCount(), proxyVerticesFree + 8);
}

} // namespace
