// One frame of the display manager, drawn into a small framebuffer and read back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <string>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/View/ViewportText.h"
#include "Scene/TavoApplicationWindow.h"
#include "support/Fixtures.h"
#include "support/OffscreenScene.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A drawer that logs each draw pass and whether the lights were on in it.
class PassRecorder : public SceneManager {
public:
    PassRecorder(std::vector<std::string>& passLog, std::string ownerName) : log(passLog), name(std::move(ownerName)) {}
    void drawActiveViewport() override { note("lit"); }
    void drawActiveViewportUnlit() override { note("unlit"); }
    void drawOverlay() override { note("overlay"); }

private:
    void note(const std::string& pass)
    {
        log.push_back(name + "." + pass + (glIsEnabled(GL_LIGHTING) ? " lights on" : " lights off"));
    }
    std::vector<std::string>& log;
    std::string name;
};

class SceneFrame : public OffscreenSceneTest {
protected:
    static constexpr int Size = 64;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openScene(Size));
        // The work grid crosses the centre; these checks look past it.
        scene_->applicationManager->registry.setBool(CommandId::Display, "Show Grids", false);
    }


    // A unit cube (half size 1) at the origin, owned by the scene.
    Shape* addCube()
    {
        Shape* s = take<Shape>(*fixtures::cube());
        s->update(true, false, -1);
        scene_->objectManager->addObject(s);
        return s;
    }

    std::vector<int> centre() { return frame_.pixel(Size / 2, Size / 2); }
    std::vector<int> corner() { return frame_.pixel(1, 1); }

};

} // namespace

TEST_F(SceneFrame, ObjectsFillTheCentreOnTheBackgroundUnlessHiddenAndStandOutWhenSelected)
{
    scene_->draw();
    std::vector<int> background = corner();
    EXPECT_GT(background[0] + background[1] + background[2], 0);
    EXPECT_EQ(centre(), background);
    Shape* cube = addCube();
    cube->set(Geometry::Hidden);
    scene_->draw();
    EXPECT_EQ(centre(), background);
    cube->set(Geometry::Hidden, false);
    scene_->draw();
    std::vector<int> plain = centre();
    EXPECT_NE(plain, background);
    cube->set(Geometry::Selected);
    scene_->draw();
    EXPECT_NE(centre(), plain);
}

TEST_F(SceneFrame, DrawersGetTheLitThenUnlitPassesThenTheOverlay)
{
    std::vector<std::string> log;
    PassRecorder first(log, "first");
    PassRecorder second(log, "second");
    List<SceneManager*> drawers;
    drawers.append(&first);
    drawers.append(&second);
    scene_->displayManager->drawViewports(drawers);
    EXPECT_THAT(log, ElementsAre("first.lit lights on", "second.lit lights on", "first.unlit lights off",
                                 "second.unlit lights off", "first.overlay lights off",
                                 "second.overlay lights off"));
    // An empty drawing area draws nothing.
    log.clear();
    scene_->resize(0, Size);
    scene_->displayManager->drawViewports(drawers);
    EXPECT_THAT(log, IsEmpty());
}

namespace {

std::vector<std::string> namesDrawn;
void recordName(const char* text) { namesDrawn.emplace_back(text); }

} // namespace

TEST_F(SceneFrame, EveryViewportShowsItsCameraAndItsNameButOnlyTheActiveOneGetsTheDrawers)
{
    std::vector<std::string> log;
    PassRecorder recorder(log, "tool");
    List<SceneManager*> drawers;
    drawers.append(&recorder);
    scene_->executeCommand(CommandId::FourViewLayout, "", 0, 0, 0);
    namesDrawn.clear();
    setViewportTextFunction(recordName);
    scene_->displayManager->drawViewports(drawers);
    setViewportTextFunction(nullptr);
    EXPECT_THAT(namesDrawn, ElementsAre("Top", "Perspective", "Front", "Right"));
    EXPECT_THAT(log, ElementsAre("tool.lit lights on", "tool.unlit lights off", "tool.overlay lights off"));
    // Without a font nothing is written, and the frame is still drawn.
    namesDrawn.clear();
    scene_->displayManager->drawViewports(drawers);
    EXPECT_THAT(namesDrawn, IsEmpty());
}
