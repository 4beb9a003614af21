// The exported UV layout opens as an ordinary PNG with the outlines where
// the UVs put them (v up).
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "UV/UVLayoutImage.h"
#include "support/Fixtures.h"

TEST(UVLayoutImage, PngOpensWithEveryPixelAsDrawn)
{
    // One square from UV (0.25, 0.25) to (0.75, 0.75), drawn on 9 x 9 pixels.
    const MeshPtr square = fixtures::meshFrom({{0.25f, 0.25f, 0}, {0.75f, 0.25f, 0}, {0.75f, 0.75f, 0}, {0.25f, 0.75f, 0}},
                                              {{0, 1, 2, 3}});
    const RgbImage image = drawUVLayout(square->faces, 9, 9, {1, 1, 1}, {0, 0, 0.5f});
    const std::string path = (std::filesystem::temp_directory_path() / "tavo-uv-layout.png").string();
    ASSERT_TRUE(writePng(path, image));
    const QImage read(QString::fromStdString(path));
    ASSERT_EQ(read.size(), QSize(9, 9));
    const QRgb ink = qRgb(0, 0, 128), paper = qRgb(255, 255, 255);
    EXPECT_EQ(read.pixel(2, 6), ink) << "UV (0.25, 0.25) lies low on the left";
    EXPECT_EQ(read.pixel(6, 2), ink) << "UV (0.75, 0.75) lies high on the right";
    EXPECT_EQ(read.pixel(4, 4), paper);
    EXPECT_EQ(read.pixel(0, 0), paper);
    std::filesystem::remove(path);
}
