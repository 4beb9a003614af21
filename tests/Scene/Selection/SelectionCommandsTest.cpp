// The selection commands through a real scene: every refusal sentence, and
// what all, none, invert, special selection, hiding and the shading of the
// unselected objects do to the flags.
#include "Scene/Selection/SelectionTestScene.h"

#include <algorithm>

#include "Mesh/Material.h"
#include "support/MeshDescription.h"

namespace {

using SelectionCommandsTest = SelectionTestScene;

constexpr int selectAll = 14, deselectInactive = 15, invert = 16, selectSpecial = 43, deselect = 188;
constexpr int hideSelection = 11, showAll = 12, hideUnselected = 13;

// Every object as text, to see that a refusal changed nothing.
std::string stateOf(const List<Shape*>& objects)
{
    std::string out;
    for (const Shape* o : objects)
        out += std::to_string(o->flags) + "\n" + fixtures::describe(*o);
    return out;
}

} // namespace

// One row per way a sentence is chosen; the walk over every command checks
// that the others speak at all.
TEST_F(SelectionCommandsTest, EachCommandRefusesWithItsSentenceAndChangesNothing)
{
    struct Refusal {
        int command;
        int mode;       // entered with the cube selected; object mode: nothing selected at all
        int selectOne;  // -1, or the mode's element 0 is selected first
        const char* sentence;
    };
    constexpr int none = -1, first = 0;
    const Refusal refusals[] = {
        {4, Selection::FaceMode, none, "You must select vertices, edges, faces, or objects to group"},
        {hideSelection, Selection::EdgeMode, first, "You must select at least one object or face to hide"},
        {hideUnselected, Selection::FaceMode, none, "You must select at least one face to hide unselected faces"},
        {hideUnselected, Selection::VertexMode, first, "You must select at least one face or object to hide unselected"},
        {invert, Selection::FaceMode, none, "Nothing is selected"},
        {135, Selection::FaceMode, none, "You must select vertices, edges, faces, or objects to select affected groups"},
        {135, Selection::FaceMode, first, "There are no groups in the scene to select affected groups"},
        {56, Selection::VertexMode, first, "You must select at least one edge or two faces to select a loop"},
        {241, Selection::ObjectMode, none, "You must select vertices, edges, or faces to select a path"},
        {241, Selection::VertexMode, first, "Two or more vertices from exactly one object must be selected to select vertex path"},
        {297, Selection::EdgeMode, first, "You must select at least one face to select all with same material"},
        {40, Selection::ObjectMode, none, "You must select at least one object or edge to calculate symmetry"},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.sentence);
        Shape* cube = add(fixtures::cube(), r.mode != Selection::ObjectMode);
        enter(r.mode);
        ASSERT_EQ(selection().mode, r.mode);
        if (r.selectOne == first) {
            if (r.mode == Selection::VertexMode)
                select(cube->vertices, {0});
            else if (r.mode == Selection::EdgeMode)
                select(cube->edges, {0});
            else
                select(cube->faces, {0});
        }
        const std::string before = stateOf(scene.objectManager->objects);
        run(r.command);
        EXPECT_EQ(lastStatus(), r.sentence) << r.command;
        EXPECT_EQ(stateOf(scene.objectManager->objects), before) << r.command;
        EXPECT_TRUE(scene.objectManager->groups.empty());
        scene.objectManager->clearObjects();
        enter(Selection::ObjectMode);
    }
}

// Hidden and excluded elements are never selected; only active objects are
// searched in a component mode, and there deselecting keeps them active.
TEST_F(SelectionCommandsTest, AllNoneInvertAndDeselectInactive)
{
    run(259);
    EXPECT_EQ(lastStatus(), "There are no shapes in the scene to toggle symmetry");
    Shape* a = add(fixtures::cube(), true);
    Shape* b = add(fixtures::cube(), true);
    Shape* c = add(fixtures::cube(), false);
    a->faces[1]->set(Geometry::Hidden);
    a->faces[2]->flags2 |= 1 << 2;
    enter(Selection::FaceMode);
    run(selectAll);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{0, 3, 4, 5}));
    EXPECT_TRUE(selectedOf(c->faces).empty());
    run(deselect);
    EXPECT_TRUE(selectedOf(a->faces).empty());
    EXPECT_TRUE(b->isSelected());
    select(a->faces, {0, 3});
    run(deselectInactive);
    EXPECT_EQ(active(), std::vector<Shape*>{a});
    run(invert);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{4, 5}));
    Shape* hidden = add(fixtures::cube());
    hidden->set(Geometry::Hidden);
    enter(Selection::ObjectMode);
    run(selectAll);
    EXPECT_EQ(active(), (std::vector<Shape*>{a, b, c}));
    enter(Selection::VertexMode);
    select(a->vertices, {0});
    select(b->vertices, {1});
    run(241);
    EXPECT_EQ(lastStatus(), "Two or more vertices from exactly one object must be selected to select vertex path");
    enter(Selection::ObjectMode);
    run(deselect);
    EXPECT_TRUE(selection().activeObjects.empty());
    EXPECT_EQ(selection().mode, Selection::ObjectMode);
}

TEST_F(SelectionCommandsTest, SpecialSelectionOfFacesWithMoreThanFourSidesPicksTheNGons)
{
    Shape* quads = add(fixtures::cube());
    Shape* mixed = add(fixtures::mixedPolygons());
    Shape* pentagon = add(fixtures::ngon(5));
    ASSERT_TRUE(registry().setChoice(119, "Type", 3)); // "Faces with sides >"
    ASSERT_TRUE(registry().setInt(119, "", 4));
    quads->faces[0]->set(Geometry::Selected);
    run(selectSpecial);
    EXPECT_EQ(selection().mode, Selection::FaceMode);
    EXPECT_TRUE(selectedOf(quads->faces).empty()) << "the selection is cleared first";
    EXPECT_FALSE(quads->isSelected());
    EXPECT_EQ(selectedOf(mixed->faces), (std::vector<int>{0}));
    EXPECT_EQ(selectedOf(pentagon->faces), (std::vector<int>{0}));
    EXPECT_EQ(active(), (std::vector<Shape*>{mixed, pentagon}));
}

TEST_F(SelectionCommandsTest, SpecialSelectionCountsEdgesAtVerticesAndFacesAtEdges)
{
    // The hexagon (face 0) ringed by a quad (1) and two triangles (2, 3),
    // sharing three sides with them.
    struct Case {
        int type;
        int number;
        int mode;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {4, 4, Selection::VertexMode, {1}},             // vertices with edges =
        {7, 3, Selection::VertexMode, {1}},             // vertices with edges >
        {6, 3, Selection::VertexMode, {3, 6, 7, 8, 9}}, // vertices with edges <
        {1, 6, Selection::FaceMode, {1, 2, 3}},         // faces with sides !=
        {2, 3, Selection::FaceMode, {}},                // faces with sides < 3: nothing, nothing changes
    };
    Shape* mixed = add(fixtures::mixedPolygons());
    for (const Case& c : cases) {
        registry().setChoice(119, "Type", c.type);
        registry().setInt(119, "", c.number);
        enter(Selection::ObjectMode);
        run(selectSpecial);
        EXPECT_EQ(c.mode == Selection::VertexMode ? selectedOf(mixed->vertices) : selectedOf(mixed->faces), c.expected)
            << c.type;
    }
    registry().setChoice(119, "Type", 8); // edges with faces =
    registry().setInt(119, "", 2);
    enter(Selection::ObjectMode);
    run(selectSpecial);
    EXPECT_EQ(selection().mode, Selection::EdgeMode);
    ASSERT_EQ(selectedOf(mixed->edges).size(), 3u);
    for (int i : selectedOf(mixed->edges))
        EXPECT_EQ(mixed->edges[i]->faces.count(), 2);
}

TEST_F(SelectionCommandsTest, CreasedEdgesSeamsAndMaterialsSelectByTheirFlags)
{
    Shape* a = add(fixtures::cube(), true);
    Shape* b = add(fixtures::cube());
    a->edges[3]->set(Geometry::Creased);
    b->edges[4]->set(Geometry::Creased); // not searched: an object is active
    a->edges[6]->set2(Geometry::UVSeam);
    run(298);
    EXPECT_EQ(selection().mode, Selection::EdgeMode);
    EXPECT_EQ(selectedOf(a->edges), (std::vector<int>{3}));
    EXPECT_TRUE(selectedOf(b->edges).empty());
    run(299);
    EXPECT_EQ(selectedOf(a->edges), (std::vector<int>{6}));
    Material other;
    a->faces[2]->material = &other;
    a->faces[4]->material = &other;
    enter(Selection::FaceMode);
    select(a->faces, {2});
    run(297);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{2, 4}));
    for (Face* f : a->faces)
        f->material = Material::defaultMaterial();
}

TEST_F(SelectionCommandsTest, HidingSelectedOrUnselectedAndShowAll)
{
    Shape* a = add(fixtures::openGrid(2, 1), true);
    Shape* b = add(fixtures::cube());
    enter(Selection::FaceMode);
    select(a->faces, {0});
    run(hideSelection);
    EXPECT_FALSE(a->faces[0]->isSelected());
    auto hidden = [](const auto& list) { return std::count_if(list.begin(), list.end(), [](auto* g) { return g->isHidden(); }); };
    EXPECT_EQ(hidden(a->faces), 1);
    EXPECT_EQ(hidden(a->vertices), 2) << "the shared side stays visible";
    EXPECT_EQ(hidden(a->edges), 3);
    run(selectAll);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{1}));
    run(showAll);
    EXPECT_EQ(hidden(a->faces) + hidden(a->vertices) + hidden(a->edges), 0);
    run(deselect);
    select(a->faces, {0});
    run(hideUnselected);
    EXPECT_TRUE(a->faces[1]->isHidden() && !a->faces[0]->isHidden());
    EXPECT_FALSE(b->isHidden());
    enter(Selection::ObjectMode);
    run(hideUnselected);
    EXPECT_TRUE(b->isHidden() && !a->isHidden());
    run(hideSelection);
    EXPECT_TRUE(a->isHidden());
    EXPECT_TRUE(selection().activeObjects.empty());
    run(showAll);
    EXPECT_FALSE(a->isHidden() || b->isHidden() || a->faces[1]->isHidden());
}

TEST_F(SelectionCommandsTest, UnselectedObjectsTurnWireframeOrGhosted)
{
    Shape* a = add(fixtures::cube(), true);
    Shape* b = add(fixtures::cube());
    run(84);
    EXPECT_EQ(b->shadingMode(), InnerShape::Wireframe);
    EXPECT_EQ(a->shadingMode(), InnerShape::FlatShade);
    run(301);
    EXPECT_EQ(b->shadingMode(), InnerShape::GhostedShade);
    EXPECT_EQ(a->shadingMode(), InnerShape::FlatShade);
}
