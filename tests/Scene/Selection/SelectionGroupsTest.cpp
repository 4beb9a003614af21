// Groups round: storing selections as groups, selecting the groups a
// selection touches, and stepping through them in creation order.
#include "Scene/Selection/SelectionTestScene.h"

namespace {

constexpr int groupSelection = 4, selectAffected = 135, selectNext = 162, deselect = 188;

using SelectionGroupsTest = SelectionTestScene;

} // namespace

TEST_F(SelectionGroupsTest, GroupsStoreTheSelectionOfTheModeUnderFreshNames)
{
    Shape* a = add(fixtures::cube(), true);
    Shape* b = add(fixtures::cube(), true);
    run(groupSelection);
    enter(Selection::FaceMode);
    select(a->faces, {1, 4});
    select(b->faces, {0});
    run(groupSelection);
    const std::vector<Group>& groups = scene.objectManager->groups;
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Group1");
    EXPECT_EQ(groups[0].kind, Group::Objects);
    EXPECT_EQ(groups[0].members, (std::vector<Group::Member>{{a, -1}, {b, -1}}));
    EXPECT_EQ(groups[1].name, "Group2");
    EXPECT_EQ(groups[1].kind, Group::Faces);
    EXPECT_EQ(groups[1].members, (std::vector<Group::Member>{{a, 1}, {a, 4}, {b, 0}}));
    // A name already taken (after a removal) is skipped.
    scene.objectManager->groups.erase(scene.objectManager->groups.begin());
    run(groupSelection);
    EXPECT_EQ(groups.back().name, "Group3");
}

TEST_F(SelectionGroupsTest, AffectedGroupsAreSelectedWholeAndOthersAreLeftAlone)
{
    Shape* a = add(fixtures::cube(), true);
    enter(Selection::EdgeMode);
    select(a->edges, {0, 1});
    run(groupSelection);
    run(deselect);
    select(a->edges, {5});
    run(groupSelection);
    run(deselect);
    select(a->edges, {7});
    run(groupSelection);
    run(deselect);
    select(a->edges, {1, 7});
    run(selectAffected);
    EXPECT_EQ(selectedOf(a->edges), (std::vector<int>{0, 1, 7}));
}

TEST_F(SelectionGroupsTest, NextGroupCyclesInCreationOrderAndSwitchesToItsKind)
{
    Shape* a = add(fixtures::cube(), true);
    Shape* b = add(fixtures::cube());
    run(groupSelection); // objects: a
    enter(Selection::VertexMode);
    select(a->vertices, {2, 3});
    run(groupSelection);
    enter(Selection::ObjectMode);
    run(deselect);
    run(selectNext);
    EXPECT_EQ(selection().mode, Selection::ObjectMode);
    EXPECT_TRUE(a->isSelected());
    EXPECT_FALSE(b->isSelected());
    run(selectNext);
    EXPECT_EQ(selection().mode, Selection::VertexMode);
    EXPECT_EQ(selectedOf(a->vertices), (std::vector<int>{2, 3}));
    EXPECT_EQ(active(), std::vector<Shape*>{a});
    run(selectNext);
    EXPECT_EQ(selection().mode, Selection::ObjectMode) << "after the last group, the first again";
    EXPECT_TRUE(selectedOf(a->vertices).empty());
}

TEST_F(SelectionGroupsTest, MembersThatNoLongerExistOrAreHiddenAreSkipped)
{
    Shape* a = add(fixtures::cube(), true);
    scene.objectManager->groups.push_back({Group::Faces, "Stale", {{a, 2}, {a, 40}, {a, 3}}});
    a->faces[3]->set(Geometry::Hidden);
    run(selectNext);
    EXPECT_EQ(selection().mode, Selection::FaceMode);
    EXPECT_EQ(selectedOf(a->faces), (std::vector<int>{2}));
}
