// Undo against a model: random command sequences on random scenes, where the
// model is the list of scene texts the user has passed through. After every
// step the scene, written as text, must be the model's current entry: a
// command that changed the scene adds exactly one step, one that changed
// nothing adds none, and Undo and Redo walk the list exactly.
#include "Scene/Selection/SelectionTestScene.h"

#include <algorithm>
#include <random>
#include <type_traits>

#include "Mesh/ShapeInstance.h"
#include "Mesh/Validate.h"
#include "Settings/CommandIds.h"
#include "Settings/OptionKeys.h"
#include "support/SceneText.h"

namespace {

using namespace CommandId;

constexpr int maxLevel = 2;
using Selection = SceneSelectionManager;

struct Action {
    int command;
    int mode;              // the selection mode the random selection before it is made in; -1: none made
    int selectFirst = -1;  // a selection command run after the random selection
};

// Commands that may change the scene, with the selection that suits them:
// edits of sculpted levels between creations and deletions of objects.
constexpr Action actions[] = {
    {Cube, -1}, {Subdivide, Selection::ObjectMode}, {Subdivide, -1}, {Unsubdivide, -1},
    {ToggleCurrentSubdivision, Selection::FaceMode}, {ClearHigherSubdivision, -1},
    {ClearHigherSubdivision, Selection::FaceMode}, {RefineControlMesh, Selection::ObjectMode},
    {CreaseEdges, Selection::EdgeMode}, {UncreaseEdges, Selection::EdgeMode, SelectAllCreasedEdges},
    {Triangulate, Selection::FaceMode}, {Triangulate, Selection::ObjectMode}, {ReverseNormals, Selection::FaceMode},
    {FillHole, Selection::EdgeMode}, {FillHole, Selection::EdgeMode}, {CombineObjects, Selection::ObjectMode},
    {HideSelection, Selection::FaceMode}, {HideSelection, Selection::ObjectMode}, {ShowAll, Selection::ObjectMode},
    {Copy, Selection::ObjectMode}, {Paste, -1}, {Duplicate, Selection::ObjectMode}, {Instance, Selection::ObjectMode},
    {DeInstantiateInstance, Selection::ObjectMode}, {Array, Selection::ObjectMode},
    {InstanceMirrorToggle, Selection::ObjectMode}, {Merge, Selection::FaceMode}, {Bridge, Selection::EdgeMode},
    {Bridge, Selection::ObjectMode}, {Cut, Selection::EdgeMode}, {MoveSelectionUp, Selection::FaceMode},
    {MoveSelectionLeft, Selection::ObjectMode}, {SetObjectAxis, Selection::FaceMode},
    {RecenterObjectAxis, Selection::ObjectMode},
};

class UndoModelTest : public SelectionTestScene, public ::testing::WithParamInterface<int> {
protected:
    ~UndoModelTest() override { registry().set(Options::MaxSubdivisionLevel, 10); }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    List<Shape*>& objects() { return scene.objectManager->objects; }
    UndoStack& stack() { return scene.commandManager->geometryUndo; }

    void buildScene()
    {
        const MeshPtr meshes[] = {fixtures::cube(), fixtures::openGrid(2, 2), fixtures::openTube(4, 2),
                                  fixtures::quadWithHole(), fixtures::mixedPolygons()};
        const int count = 1 + pick(3);
        for (int i = 0; i < count; ++i)
            add(meshes[pick(5)]);
        // Sculpted levels, so that stepping down pushes displacement into lower levels.
        Shape& s = *objects()[pick(count)];
        s.subdivide();
        s.subdivide();
        for (int level = 1; level <= 2; ++level)
            for (Vertex* v : s.levelStack.levelMesh(level)->vertices)
                if (pick(3) == 0)
                    v->ensureDisplacement()[pick(3)] = 0.25f * static_cast<float>(1 + pick(4));
        s.update(true, true, -1);
        // Subdivide and Unsubdivide step the source of an instance.
        if (pick(2) == 0)
            scene.objectManager->addObject(take<ShapeInstance>(objects()[0]));
        scene.commandManager->clearUndo();
    }

    // A few elements; edges on a border are favoured, so that holes get filled.
    template <class T>
    void selectSome(List<T*>& list)
    {
        for (int k = 1 + pick(3), tries = 20; k > 0 && tries > 0 && !list.empty(); --tries) {
            T* e = list[pick(list.count())];
            if constexpr (std::is_same_v<T, Edge>)
                if (e->faces.count() != 1 && pick(2))
                    continue;
            if (!e->isHidden()) {
                e->set(Geometry::Selected);
                --k;
            }
        }
    }

    void select(int mode)
    {
        for (Shape* s : objects()) {
            s->set(Geometry::Selected, false);
            for (auto* v : s->vertices)
                v->set(Geometry::Selected, false);
            for (auto* e : s->edges)
                e->set(Geometry::Selected, false);
            for (auto* f : s->faces)
                f->set(Geometry::Selected, false);
        }
        selection().mode = mode;
        for (int k = 1 + pick(3); k > 0 && !objects().empty(); --k) {
            Shape& s = *objects()[pick(objects().count())];
            if (s.isHidden())
                continue;
            if (mode == Selection::ObjectMode)
                s.set(Geometry::Selected);
            else if (mode == Selection::EdgeMode)
                selectSome(s.edges);
            else
                selectSome(s.faces);
        }
        if (pick(4) == 0)
            run(pick(2) ? SelectAll : InvertSelection);
    }

    // The scene text, plus the level state the text does not show (built
    // levels that "Toggle Current Subdivision" and "Subdivide" return to).
    std::string state()
    {
        std::string levels;
        for (Shape* s : objects())
            levels += std::to_string(s->levelStack.maxBuiltLevel()) + "/" + std::to_string(s->toggleLevel) + " ";
        return sceneAsText(scene) + levels;
    }

    // Where the two states part, for a readable failure.
    static std::string firstDifference(const std::string& a, const std::string& b)
    {
        const size_t i = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
        return "now: " + a.substr(i, 60) + " | expected: " + b.substr(i, 60);
    }

    void expectValid()
    {
        for (Shape* s : objects())
            if (s->shapeKind() == InnerShape::KindShape)
                ASSERT_EQ(validateTopology(*s), "");
    }

    // One random step, checked against the model.
    void step(int undoLevel)
    {
        const std::string before = state();
        const int done = stack().doneCount();
        const int32_t changes = stack().changeCount();
        const int roll = pick(10);
        if (roll < 2 || count(&InnerShape::faces) > 1500) { // refining level 2 again and again would grow without bound
            run(Undo);
            if (at > 0)
                --at;
        } else if (roll < 3) {
            run(Redo);
            if (at + 1 < history.size())
                ++at;
        } else if (roll < 4) {
            select(pick(4) == 0 ? Selection::VertexMode : Selection::FaceMode);
            run(pick(2) ? SelectAll : InvertSelection);
        } else {
            const Action& a = actions[pick(static_cast<int>(std::size(actions)))];
            if (a.mode >= 0)
                select(a.mode);
            if (a.selectFirst >= 0)
                run(a.selectFirst);
            SCOPED_TRACE(a.command);
            run(a.command);
            const std::string after = state();
            if (after == before) {
                EXPECT_EQ(stack().doneCount(), done);
                EXPECT_EQ(stack().changeCount(), changes);
            } else {
                history.resize(at + 1);
                history.push_back(after);
                ++at;
                while (at > static_cast<size_t>(undoLevel)) {
                    history.erase(history.begin());
                    --at;
                }
            }
        }
        ASSERT_NO_FATAL_FAILURE(expectValid());
        const std::string now = state();
        ASSERT_TRUE(now == history[at]) << firstDifference(now, history[at]);
        EXPECT_EQ(stack().doneCount(), static_cast<int>(at));
        EXPECT_EQ(stack().undoneCount(), static_cast<int>(history.size() - 1 - at));
    }

    void runSequence(int undoLevel, int steps)
    {
        registry().set(Options::UndoLevel, undoLevel);
        registry().set(Options::MaxSubdivisionLevel, maxLevel);
        buildScene();
        history = {state()};
        at = 0;
        for (int i = 0; i < steps; ++i) {
            SCOPED_TRACE(i);
            ASSERT_NO_FATAL_FAILURE(step(undoLevel));
        }
    }

    std::mt19937 random{static_cast<unsigned>(GetParam())};
    std::vector<std::string> history; // scene texts, oldest first
    size_t at = 0;                    // the entry shown now
};

} // namespace

TEST_P(UndoModelTest, EveryStepMatchesTheHistory)
{
    runSequence(10, 200);
}

TEST_P(UndoModelTest, ASmallUndoLevelForgetsTheOldestSteps)
{
    runSequence(3, 60);
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoModelTest, ::testing::Range(1, 9));
