// Pinned UV vertices are saved and read back by both formats.
#include <gtest/gtest.h>

#include "Formats/SceneFileFixtures.h"
#include "Mesh/TextureProxy.h"
#include "UV/UnwrapIslands.h"

TEST(ProxyPins, SurviveBothFormats)
{
    OwnedContents original;
    buildRichScene(original);
    constexpr int proxyIndex = 2;
    Shape& proxy = original.object(proxyIndex);
    ASSERT_EQ(proxy.shapeKind(), InnerShape::KindTextureProxy);
    proxy.vertices[0]->set(PinnedVertex);
    proxy.vertices[2]->set(PinnedVertex);
    // The binary format stores proxies after instances and lights, so they are read back later.
    auto proxyOf = [](const OwnedContents& c) -> Shape& {
        for (Shape* s : c.objects)
            if (s->shapeKind() == InnerShape::KindTextureProxy)
                return *s;
        return c.object(0);
    };
    auto pins = [](const Shape& s) {
        std::vector<int> at;
        for (int i = 0; i < s.vertices.count(); ++i)
            if (s.vertices[i]->has(PinnedVertex))
                at.push_back(i);
        return at;
    };
    const std::vector<int> expected{0, 2};
    OwnedContents fromText;
    fromText.readText(original.text());
    EXPECT_EQ(pins(proxyOf(fromText)), expected);
    EXPECT_TRUE(pins(fromText.object(1)).empty()) << "only UV vertices carry pins";
    OwnedContents fromBytes;
    fromBytes.readBytes(original.bytes());
    EXPECT_EQ(pins(proxyOf(fromBytes)), expected);
}
