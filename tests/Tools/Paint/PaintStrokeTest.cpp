// Strokes through the scene on a level-2 torus: each function against an
// independent computation, undo, the levels and the files keeping the
// painted shape, and the press rules.
#include <functional>
#include <map>
#include <set>

#include "Mesh/Edge.h"
#include "Tools/Paint/PaintScene.h"

namespace {

// What a function does to vertex p at distance d from the brush point, f its factor.
using Expected = std::function<Point3D(int index, const Point3D& p, float f)>;

class PaintStrokeTest : public PaintScene {
protected:
    // Every vertex of the level within R of P moved by expected(i, p, f) with
    // f = weight × falloff(d) × strength × scale (clamped to 1 when `clamp`);
    // every other vertex stayed.
    void expectMoves(const State& before, const Point3D& P, float scale, bool clamp, const Expected& expected)
    {
        const float R = tool().lastRadius();
        int moved = 0;
        for (int i = 0; i < level().vertices.count(); ++i) {
            const Point3D p = before.positions[i];
            const float d = p.distance(P);
            Point3D delta(0, 0, 0);
            if (d <= R) {
                float f = level().vertices[i]->paintWeight * brush().falloff(d, R) * brush().strength * scale;
                if (clamp)
                    f = std::min(f, 1.0f);
                delta = expected(i, p, f);
            }
            const Vertex& v = *level().vertices[i];
            ASSERT_NEAR(v.x, p.x + delta.x, 1e-5f) << i;
            ASSERT_NEAR(v.y, p.y + delta.y, 1e-5f) << i;
            ASSERT_NEAR(v.z, p.z + delta.z, 1e-5f) << i;
            moved += delta.length() > 0;
        }
        EXPECT_GT(moved, 10);
    }
    // Neighbours by the level's edges, not by the brush's own tables.
    std::map<int, std::set<int>> edgeNeighbours()
    {
        level().renumber();
        std::map<int, std::set<int>> out;
        for (const Edge* e : level().edges) {
            out[e->startVertex->index].insert(e->endVertex->index);
            out[e->endVertex->index].insert(e->startVertex->index);
        }
        return out;
    }
};

} // namespace

TEST_F(PaintStrokeTest, OneDabOfPushPinchSmoothAndFlattenMovesAsTheFormulasSay)
{
    brush().strength = 20;
    EXPECT_NEAR(DisplacementTool::worldRadius(brush(), view(), Point3D(2, 1, 0)), 0.6f, 0);
    const std::map<int, std::set<int>> around = edgeNeighbours();
    struct Case {
        BrushOperation operation;
        float scale;
        bool clamp;
        std::function<Expected(const Point3D& P, const Point3D& N, const State& before)> expected;
    } cases[] = {
        {BrushOperation::PushPull, 0.0025f, false,
         [](const Point3D&, const Point3D& N, const State&) {
             return [N](int, const Point3D&, float f) { return N * f; };
         }},
        {BrushOperation::PinchInflate, 0.01f, true,
         [](const Point3D& P, const Point3D&, const State&) {
             return [P](int, const Point3D& p, float f) { return (P - p) * f; };
         }},
        {BrushOperation::SmoothNoise, 0.4f, true,
         [&around](const Point3D&, const Point3D&, const State& before) {
             return [&around, &before](int i, const Point3D& p, float f) {
                 Point3D mean(0, 0, 0);
                 for (int n : around.at(i))
                     mean += before.positions[n];
                 return (mean * (1.0f / around.at(i).size()) - p) * f;
             };
         }},
        {BrushOperation::Flatten, 0.05f, true,
         [](const Point3D& P, const Point3D& N, const State&) {
             return [P, N](int, const Point3D& p, float f) {
                 const Point3D onPlane = p - N * (p - P).dot(N);
                 return ((p + onPlane) * 0.5f - p) * f;
             };
         }},
    };
    float degrees = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(brushOperationName(c.operation));
        use(c.operation);
        degrees += 60; // a fresh part of the torus each time
        const State before = stateOf(level());
        dabAt(degrees);
        const Point3D P = tool().lastPoint(), N = tool().lastDirection();
        EXPECT_NEAR(N.y, 1, 0.05f) << "the top of the tube faces up";
        EXPECT_NEAR(N.length(), 1, 1e-5f);
        expectMoves(before, P, c.scale, c.clamp, c.expected(P, N, before));
    }
}

TEST_F(PaintStrokeTest, SmudgeAndMoveFollowTheBrushPointBetweenDabs)
{
    for (BrushOperation operation : {BrushOperation::Smudge, BrushOperation::Move}) {
        SCOPED_TRACE(brushOperationName(operation));
        use(operation);
        const float degrees = operation == BrushOperation::Smudge ? 90 : 200;
        const State before = stateOf(level());
        int x, y;
        topOfTube(degrees, x, y);
        scene.mousePress(x, y, 0, 0);
        EXPECT_EQ(stateOf(level()), before) << "the first dab only starts the motion";
        const Point3D first = tool().lastPoint();
        scene.mouseDrag(x + 6, y);
        const Point3D second = tool().lastPoint();
        scene.mouseRelease(x + 6, y);
        EXPECT_GT(first.distance(second), 0.01f);
        if (operation == BrushOperation::Smudge) {
            // The second dab gathers around the new point.
            expectMoves(before, second, 0.5f, false,
                        [&](int, const Point3D&, float f) { return (second - first) * f; });
        } else {
            // Move keeps what the first dab gathered, with its factors.
            EXPECT_NEAR((second - first).dot(view().target - view().eye), 0, 1e-4f) << "in the view plane";
            expectMoves(before, first, 1.0f, false,
                        [&](int, const Point3D&, float f) { return (second - first) * f; });
        }
    }
}

TEST_F(PaintStrokeTest, PullAndPushCancelAndRightButtonPulls)
{
    const State before = stateOf(level());
    dabAt(30);                              // push
    dabAt(30, 0, 1);                        // Ctrl: pull
    for (int i = 0; i < level().vertices.count(); ++i)
        ASSERT_NEAR(level().vertices[i]->y, before.positions[i].y, 2e-5f) << "P and N moved a little";
    dabAt(30, 2, 0);                        // right button: pull
    float lowest = 0;
    for (int i = 0; i < level().vertices.count(); ++i)
        lowest = std::min(lowest, level().vertices[i]->y - before.positions[i].y);
    EXPECT_LT(lowest, -1e-4f);
}

TEST_F(PaintStrokeTest, AStrokeIsOneUndoStepThatRestoresPositionsAndDisplacementExactly)
{
    const State before = stateOf(level());
    int x, y;
    topOfTube(45, x, y);
    scene.mousePress(x, y, 0, 0);
    for (int step = 1; step <= 4; ++step)
        scene.mouseDrag(x + 3 * step, y + step);
    scene.mouseRelease(x + 12, y + 4);
    const State painted = stateOf(level());
    ASSERT_NE(painted, before);
    for (size_t i = 0; i < painted.positions.size(); ++i)
        if (!(painted.positions[i] == before.positions[i]))
            ASSERT_EQ(painted.displacements[i].size(), 3u) << "every painted vertex keeps its move";
    run(CommandId::Undo);
    EXPECT_EQ(stateOf(level()), before);
    run(CommandId::Redo);
    EXPECT_EQ(stateOf(level()), painted);
    run(CommandId::Undo);
    run(CommandId::Undo); // nothing older: the stroke was one step
    EXPECT_EQ(stateOf(level()), before);
}

TEST_F(PaintStrokeTest, PaintedDetailSurvivesControlEditsLevelStepsAndBothFileFormats)
{
    brush().strength = 40;
    dabAt(0);
    const State painted = stateOf(level());
    // A control vertex far from the brush moves; the level follows but keeps its displacement.
    Vertex& far = *torus->vertices[torus->vertices.count() / 2];
    far.y += 0.5f;
    torus->update(true, true, -1);
    EXPECT_EQ(validateTopology(*torus), "");
    EXPECT_EQ(stateOf(level()).displacements, painted.displacements);
    far.y -= 0.5f;
    torus->update(true, true, -1);
    const State settled = stateOf(level());
    for (size_t i = 0; i < settled.positions.size(); ++i)
        ASSERT_LT(settled.positions[i].distance(painted.positions[i]), 1e-5f) << i;
    // Down with propagation and up again: the surface looks the same.
    torus->setLevel(1, true);
    torus->setLevel(2, true);
    for (size_t i = 0; i < settled.positions.size(); ++i)
        ASSERT_LT(stateOf(level()).positions[i].distance(settled.positions[i]), 1e-4f) << i;
    const State kept = stateOf(level());
    for (const char* name : {"painted.tva", "painted.tvb"}) {
        SCOPED_TRACE(name);
        run(CommandId::SaveSceneAs, file(name));
        run(CommandId::NewScene);
        run(CommandId::OpenScene, file(name));
        ASSERT_EQ(objectCount(), 1);
        auto* read = static_cast<Shape*>(scene.objectManager->objects[0]);
        ASSERT_EQ(read->currentLevel(), 2);
        const State opened = stateOf(*read->currentLevelMesh());
        ASSERT_EQ(opened.positions.size(), kept.positions.size());
        for (size_t i = 0; i < kept.positions.size(); ++i)
            ASSERT_LT(opened.positions[i].distance(kept.positions[i]), 1e-5f) << i;
        torus = read;
    }
}

TEST_F(PaintStrokeTest, PressesThatDoNotPaintGoToTheCamera)
{
    const State before = stateOf(level());
    scene.mousePress(5, 5, 0, 0); // background
    scene.mouseRelease(5, 5);
    torus->displayFlags |= InnerShape::Locked;
    dabAt(0);
    torus->displayFlags &= ~InnerShape::Locked;
    dabAt(0, 0, 2); // Alt is no painting press
    EXPECT_EQ(stateOf(level()), before);
    EXPECT_FALSE(tool().isStroking());
}

TEST_F(PaintStrokeTest, TheCommandTogglesAndTheBrushEditorOnlyJoins)
{
    SceneToolManager& tools = *scene.toolManager;
    EXPECT_EQ(tools.activeTools.count(), 1);
    EXPECT_EQ(tools.activeTools[0], &tool());
    run(CommandId::BrushEditor);
    EXPECT_TRUE(tools.activeTools.contains(&tool())) << "the editor never ends painting";
    run(CommandId::PaintDisplacement);
    EXPECT_FALSE(tools.activeTools.contains(&tool()));
    EXPECT_TRUE(tools.activeTools[0]->isTransformManipulator());
    run(CommandId::PaintDisplacement);
    EXPECT_TRUE(tools.activeTools.contains(&tool()));
    scene.cancel();
    EXPECT_FALSE(tools.activeTools.contains(&tool()));
}

TEST_F(PaintStrokeTest, ShortcutKeysSwitchOnATapAndOnlyWhileHeld)
{
    tool().brushes.brushes[3].shortcutKey = 'F';
    tool().brushes.active = 0;
    EXPECT_TRUE(tool().commandKey('F', 0, 1, -1));
    EXPECT_TRUE(tool().commandKey('F', 0, 4, -1));
    EXPECT_EQ(tool().brushes.active, 3) << "a tap switches";
    tool().brushes.active = 1;
    tool().commandKey('F', 0, 1, -1);
    EXPECT_EQ(tool().brushes.active, 3);
    tool().commandKey('F', 0, 2, -1);
    tool().commandKey('F', 0, 3, -1);
    EXPECT_EQ(tool().brushes.active, 1) << "a hold switches back on release";
    EXPECT_FALSE(tool().commandKey('F', 4, 1, -1)) << "with a modifier the key is not the brush's";
    EXPECT_FALSE(tool().commandKey('G', 0, 1, -1));
}

TEST_F(PaintStrokeTest, SymmetryGivesThePartnerTheMirroredMove)
{
    torus->setSymmetry(true); // the YZ plane
    torus->syncLevelSymmetry();
    brush().strength = 20;
    use(BrushOperation::PushPull);
    dabAt(0); // at x = 2, far from the plane
    int partners = 0;
    for (const Vertex* v : level().vertices) {
        if (!v->hasNonZeroDisplacement() || !v->mirror || v->mirror == v)
            continue;
        ASSERT_TRUE(v->mirror->displacement);
        EXPECT_NEAR(v->mirror->displacement[0], -v->displacement[0], 1e-6f);
        EXPECT_NEAR(v->mirror->displacement[1], v->displacement[1], 1e-6f);
        ++partners;
    }
    EXPECT_GT(partners, 10);
}

TEST_F(PaintStrokeTest, TheMiddleButtonSizesTheBrushAndShiftMiddleItsStrength)
{
    brush().setScreenRadius(50);
    brush().strength = 2;
    const State before = stateOf(level());
    scene.mousePress(400, 300, 1, 0);
    scene.mouseDrag(430, 340);
    scene.mouseRelease(430, 340);
    EXPECT_FLOAT_EQ(brush().screenRadius, 50) << "the distance from the press point";
    scene.mousePress(400, 300, 1, 4);
    scene.mouseDrag(380, 310);
    scene.mouseRelease(380, 310);
    EXPECT_NEAR(brush().strength, 2 * std::pow(1.005f, -20.0f), 1e-5f);
    EXPECT_EQ(stateOf(level()), before) << "resizing paints nothing";
}

TEST_F(PaintStrokeTest, PenPressureScalesOnlyWhatTheBrushFlagsSay)
{
    scene.toolManager->penPressure = 0.5f;
    brush().strength = 10;
    dabAt(0);
    const float R = tool().lastRadius();
    const float fullStrength = tool().lastGathered()[0].strength;
    brush().radiusFlag = brush().strengthFlag = true;
    dabAt(0);
    EXPECT_FLOAT_EQ(tool().lastRadius(), R * 0.5f);
    float largest = 0;
    for (const GatheredVertex& g : tool().lastGathered())
        largest = std::max(largest, g.strength);
    EXPECT_LE(largest, 10 * 0.5f * 0.0025f + 1e-7f);
    EXPECT_GT(fullStrength, 0);
}

TEST_F(PaintStrokeTest, BrushesGoIntoTheSettingsFileAndComeBack)
{
    brush().strength = 3.5f; // brush 0
    tool().brushes.brushes[4].shortcutKey = 'S';
    tool().brushes.active = 4;
    ASSERT_TRUE(app().saveAllSettings(file("all.tvp")));
    tool().brushes = BrushList::defaults();
    app().loadAllSettings(file("all.tvp"));
    EXPECT_EQ(tool().brushes.active, 4);
    EXPECT_EQ(tool().brushes.brushes[4].shortcutKey, 'S');
    EXPECT_EQ(tool().brushes.brushes[0].strength, 3.5f);
    EXPECT_EQ(tool().brushes.brushes[0].radiusType, RadiusType::World);
}
