// Damaged and hostile input: every prefix of a small file and files with
// bytes changed at random read without crashing, and no file makes a read
// build more levels than its budget allows.
#include <gtest/gtest.h>

#include <random>

#include "Formats/AsciiText.h"
#include "Formats/SceneFileFixtures.h"
#include "Formats/SceneReadLimits.h"
#include "Mesh/Shape.h"

namespace {

// Sets the read budget for one test and puts the old one back.
struct Budget {
    explicit Budget(int64_t most) : saved(sceneReadLimits())
    {
        sceneReadLimits().maxReadElements = most;
        sceneReadLimits().minReadElements = most;
    }
    ~Budget() { sceneReadLimits() = saved; }
    SceneReadLimits saved;
};

const std::string quad = "-Shape -vert 0 0 0 -vert 1 0 0 -vert 1 1 0 -vert 0 1 0 -edge 0 1 -edge 1 2 -edge 2 3 "
                         "-edge 3 0 -face 4 0 0 0 0 1 1 0 0 2 2 0 0 3 3 0 0 ";

} // namespace

TEST(TruncatedInput, EveryPrefixReads)
{
    OwnedContents source;
    buildSmallScene(source);
    const std::string text = source.text();
    TokenReader tokens(text);
    std::string_view token;
    while (tokens.next(token)) {
        OwnedContents read;
        read.readText(std::string_view(text).substr(0, tokens.position()));
    }
    const std::vector<unsigned char> bytes = source.bytes();
    for (size_t n = 0; n <= bytes.size(); ++n) {
        OwnedContents read;
        read.readBytes(std::span(bytes.data(), n));
        if (n == bytes.size())
            EXPECT_EQ(read.objects.size(), 3u);
    }
}

TEST(TruncatedInput, RandomlyChangedBytesAndTokens)
{
    Budget budget(20000); // changed level numbers must not build millions of faces
    OwnedContents source;
    buildSmallScene(source);
    const std::vector<unsigned char> bytes = source.bytes();
    const std::string text = source.text();
    std::mt19937 random(7);
    const char* const noise[] = {"-1", "2147483647", "-face", "-endShape", "\"", "nan", "1e39", "-Shape", "-disl"};
    for (int round = 0; round < 300; ++round) {
        std::vector<unsigned char> damaged = bytes;
        for (int k = 0; k < 4; ++k)
            damaged[random() % damaged.size()] = static_cast<unsigned char>(random());
        OwnedContents b;
        b.readBytes(damaged);
        std::string garbled = text;
        for (int k = 0; k < 3; ++k)
            garbled.insert(random() % garbled.size(), std::string(" ") + noise[random() % 9] + " ");
        OwnedContents a;
        a.readText(garbled);
        for (Shape* s : a.objects)
            EXPECT_LE(s->currentLevelMesh()->faces.count(), 20000);
    }
}

TEST(TruncatedInput, OneBudgetCoversTheWholeRead)
{
    Budget budget(600);
    bool warned = false;
    OwnedContents read;
    readAsciiSceneFromText(quad + "-subl 9 -endShape " + quad + "-subl 9 -endShape -Disp 1 -disl 8 1 0 1 1 1 -endDisp",
                           sceneFolder, read, {{}, [&](SceneReadWarning w) { warned = w == SceneReadWarning::LevelsCut; }});
    ASSERT_EQ(read.objects.size(), 2u);
    // Level 1 of a quad costs 16 elements, each further level four times
    // more: the first object takes 16 + 64 + 256 of 600, and the second's
    // level 3 no longer fits.
    EXPECT_EQ(read.object(0).currentLevel(), 3);
    EXPECT_EQ(read.object(1).currentLevel(), 2) << "the second object gets what the first left";
    EXPECT_TRUE(warned);
}

TEST(TruncatedInput, TheBudgetGrowsWithTheFile)
{
    sceneReadLimits(); // the defaults
    EXPECT_EQ(LevelBudget(10).left(), sceneReadLimits().minReadElements);
    EXPECT_EQ(LevelBudget(size_t(1) << 40).left(), sceneReadLimits().maxReadElements);
    const size_t mid = static_cast<size_t>(sceneReadLimits().minReadElements / sceneReadLimits().elementsPerFileByte) * 4;
    EXPECT_EQ(LevelBudget(mid).left(), 4 * sceneReadLimits().minReadElements);
    // A tiny file asking for level 99 stops far below a million faces.
    OwnedContents read;
    read.readText(quad + "-subl 99 -endShape");
    ASSERT_EQ(read.objects.size(), 1u);
    EXPECT_LT(read.object(0).currentLevelMesh()->faces.count(), 1 << 20);
    OwnedContents point;
    point.readText("-Shape -vert 0 0 0 -subl 2000000000 -endShape");
    ASSERT_EQ(point.objects.size(), 1u);
    EXPECT_LT(point.object(0).currentLevel(), 30) << "a mesh without faces still pays for each level";
}
