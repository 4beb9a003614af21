// A running value tool draws its label and value beside its centre through
// the viewport text hook, and nothing once it has ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Scene/View/ViewportText.h"
#include "Settings/CommandIds.h"
#include "support/Fixtures.h"
#include "support/OffscreenScene.h"

namespace {

std::vector<std::string> drawnTexts;

void recordText(const char* text) { drawnTexts.emplace_back(text); }

class ValueToolDraw : public OffscreenSceneTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openScene(256));
        setViewportTextFunction(recordText);
        drawnTexts.clear();
    }
    void TearDown() override
    {
        setViewportTextFunction(nullptr);
        OffscreenSceneTest::TearDown();
    }
    bool drew(const std::string& text) const
    {
        for (const std::string& t : drawnTexts)
            if (t == text)
                return true;
        return false;
    }
};

} // namespace

TEST_F(ValueToolDraw, TheValueTextShowsWhileTheToolRuns)
{
    Shape* s = take<Shape>(*fixtures::openGrid(1, 1, 0.2f));
    s->set(Geometry::Selected);
    scene_->objectManager->addObject(s);
    scene_->executeCommand(CommandId::FaceSelectionMode, "", 0, 0, 0);
    s->faces[0]->set(Geometry::Selected);
    scene_->selectionManager->refreshDisplay();
    scene_->executeCommand(CommandId::LocalMove, "", 0, 0, 0);
    scene_->draw();
    EXPECT_TRUE(drew("Local Move: 0.100000"));
    scene_->confirm();
    drawnTexts.clear();
    scene_->draw();
    EXPECT_FALSE(drew("Local Move: 0.100000"));
}
