#pragma once
// A real scene that draws into an offscreen framebuffer, for the tests that
// read back what a frame shows. Open it in SetUp; TearDown gives the GL
// objects back while the context is still current.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Scene/Scene.h"
#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/ObjectDrawing.h"
#include "support/GLTestSupport.h"

using Image = std::vector<unsigned char>; // RGBA rows from the bottom

class OffscreenSceneTest : public ::testing::Test {
protected:
    // A scene whose drawing area is size × size pixels; fails fatally
    // without a GL context (call it inside ASSERT_NO_FATAL_FAILURE).
    void openScene(int size)
    {
        ASSERT_NO_FATAL_FAILURE(frame_.open(size, size));
        scene_ = std::make_unique<Scene>(&window_, "");
        scene_->resize(size, size);
        size_ = size;
    }
    // Draws the scene and reads the frame back.
    Image draw()
    {
        scene_->draw();
        glFinish();
        Image out(static_cast<size_t>(size_) * size_ * 4);
        glReadPixels(0, 0, size_, size_, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
        return out;
    }
    void TearDown() override
    {
        releaseObjectDrawCaches();
        scene_.reset();
        frame_.close();
    }

    TavoApplicationWindow window_;
    OffscreenFramebuffer frame_;
    std::unique_ptr<Scene> scene_;
    int size_ = 0;
};
