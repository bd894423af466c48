// The focus rules on the program's own definition and on a small definition whose focusOrder
// values and flags make each tie-break visible.
#include "ui/focus_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace ui {
namespace {

const WindowDefinition& real = mainWindowDefinition();

ControlId idOf(const WindowDefinition& definition, std::string_view name) {
  return findControl(definition, name).value();
}

std::vector<std::string> namesOf(const WindowDefinition& definition,
                                 const std::vector<ControlId>& ids) {
  std::vector<std::string> names;
  for (ControlId id : ids) names.emplace_back(definition.controls[id].name);
  return names;
}

std::string nameOf(const WindowDefinition& definition, std::optional<ControlId> id) {
  return id ? std::string(definition.controls[*id].name) : std::string();
}

// What the window shows while `page` is selected: the tab control, the page's members and
// their children.
ShownOnScreen shownWithPage(const WindowDefinition& definition, std::int32_t page) {
  ShownOnScreen shown(definition.controls.size(), false);
  for (ControlId id = 0; id < shown.size(); ++id) {
    std::optional<std::int32_t> memberOf = pageOf(definition, id);
    const std::string_view parent = definition.controls[id].parent;
    std::optional<ControlId> parentId = findControl(definition, parent);
    if (!memberOf && parentId && parentId != tabControlOf(definition))
      memberOf = pageOf(definition, *parentId);
    shown[id] = definition.controls[id].kind == ControlKind::tabControl || memberOf == page;
  }
  return shown;
}

TEST(FocusRules, FirstFocusOnTheRealWindowIsTheLatestCandidate) {
  EXPECT_EQ(nameOf(real, firstFocus(real, shownWithPage(real, 0))), "按钮2");
  EXPECT_EQ(nameOf(real, firstFocus(real, shownWithPage(real, 1))), "编辑框1");
  EXPECT_EQ(firstFocus(real, shownWithPage(real, 2)), std::nullopt);
  EXPECT_EQ(firstFocus(real, ShownOnScreen(real.controls.size(), false)), std::nullopt);
}

TEST(FocusRules, PageFocusTargetOnTheRealWindowIsTheFirstStoredCandidate) {
  EXPECT_EQ(nameOf(real, pageFocusTarget(real, 0)), "编辑框4");
  EXPECT_EQ(nameOf(real, pageFocusTarget(real, 1)), "按钮1");
  EXPECT_EQ(pageFocusTarget(real, 2), std::nullopt);
  EXPECT_EQ(pageFocusTarget(real, 3), std::nullopt);
  EXPECT_EQ(pageFocusTarget(real, -1), std::nullopt);
}

TEST(FocusRules, TabRingOnTheRealWindowRunsInReverseDefinitionOrder) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(namesOf(real, tabRing(real, shownWithPage(real, 0))),
            (Names{"按钮2", "编辑框3", "编辑框4"}));
  EXPECT_EQ(namesOf(real, tabRing(real, shownWithPage(real, 1))),
            (Names{"编辑框1", "编辑框2", "按钮1"}));
  EXPECT_TRUE(tabRing(real, shownWithPage(real, 2)).empty());
}

// One page whose candidates differ in focusOrder, flags and kind:
//   position 0 甲 edit box, focusOrder 2
//   position 1 乙 button,   focusOrder 1
//   position 2 丙 edit box, focusOrder 1
//   position 3 丁 edit box, focusOrder 0, disabled
//   position 4 戊 label,    focusOrder 0, a tab stop (labels never take the focus)
//   position 5 己 edit box, focusOrder 1, no tab stop
//   position 6 页 the tab control
// Stored page order: 乙, 丙, 甲, 丁, 戊, 己.
constexpr std::array<std::string_view, 6> members{"乙", "丙", "甲", "丁", "戊", "己"};
constexpr std::array pages{PageDefinition{members}};
constexpr std::array<std::string_view, 1> captions{"页"};
constexpr TabControlProperties tabProperties{.pageCaptions = captions, .pages = pages};
constexpr std::array<ControlDefinition, 7> ranked{{
    {.name = "甲", .kind = ControlKind::editBox, .parent = "页", .tabStop = true, .focusOrder = 2},
    {.name = "乙", .kind = ControlKind::button, .parent = "页", .tabStop = true, .focusOrder = 1},
    {.name = "丙", .kind = ControlKind::editBox, .parent = "页", .tabStop = true, .focusOrder = 1},
    {.name = "丁", .kind = ControlKind::editBox, .parent = "页", .enabled = false, .tabStop = true},
    {.name = "戊", .kind = ControlKind::label, .parent = "页", .tabStop = true},
    {.name = "己", .kind = ControlKind::editBox, .parent = "页", .focusOrder = 1},
    {.name = "页", .kind = ControlKind::tabControl, .tabControl = &tabProperties},
}};
const WindowDefinition rankedWindow{.window = {}, .controls = ranked};

TEST(FocusRules, RankedDefinitionIsValid) {
  ASSERT_TRUE(isValidDefinition(rankedWindow));
}

TEST(FocusRules, TieBreaksDifferBetweenFirstFocusPageTargetAndRing) {
  const ShownOnScreen all(ranked.size(), true);
  // Lowest focusOrder among the enabled tab stops: 乙 and 丙; the first-focus rule takes the
  // later one in definition order.
  EXPECT_EQ(nameOf(rankedWindow, firstFocus(rankedWindow, all)), "丙");
  // The page target takes the first of 乙, 丙, 己 in stored order (the disabled 丁 with its
  // lower focusOrder does not count).
  EXPECT_EQ(nameOf(rankedWindow, pageFocusTarget(rankedWindow, 0)), "乙");
  // The ring: ascending focusOrder, ties in reverse definition order.
  EXPECT_EQ(namesOf(rankedWindow, tabRing(rankedWindow, all)),
            (std::vector<std::string>{"丙", "乙", "甲"}));
}

TEST(FocusRules, ControlsNotShownTakeNoFocus) {
  ShownOnScreen shown(ranked.size(), true);
  shown[idOf(rankedWindow, "丙")] = false;
  EXPECT_EQ(nameOf(rankedWindow, firstFocus(rankedWindow, shown)), "乙");
  EXPECT_EQ(namesOf(rankedWindow, tabRing(rankedWindow, shown)),
            (std::vector<std::string>{"乙", "甲"}));
  // A snapshot shorter than the definition counts the missing controls as not shown.
  EXPECT_FALSE(takesFocus(rankedWindow, ShownOnScreen{}, 0));
}

// The ring of page 0 holds 按钮2 (position 9), 编辑框3 (7) and 编辑框4 (6).
TEST(FocusRules, NextInRingFromEveryKindOfFocus) {
  const std::vector<ControlId> ring = tabRing(real, shownWithPage(real, 0));
  struct Case {
    const char* focused;  // "" for the window itself
    const char* forward;
    const char* backward;
  };
  const Case cases[] = {
      {"按钮2", "编辑框3", "编辑框4"},
      {"编辑框3", "编辑框4", "按钮2"},
      {"编辑框4", "按钮2", "编辑框3"},
      // Outside the ring: the first entry not later than the focus, and the one before it.
      {"选择夹1", "按钮2", "编辑框4"},  // position 15: the first entry; Shift+Tab wraps
      {"编辑框1", "按钮2", "编辑框4"},  // a hidden box of page 1, position 14
      {"标签4", "编辑框3", "按钮2"},    // position 8, between the entries
      {"标签3", "按钮2", "编辑框4"},    // position 5, before every entry: none qualifies
      {"", "按钮2", "编辑框4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "focused position "
                 << (*c.focused ? std::to_string(idOf(real, c.focused)) : "none"));
    std::optional<ControlId> focused;
    if (*c.focused) focused = idOf(real, c.focused);
    EXPECT_EQ(nameOf(real, nextInRing(ring, focused, TabDirection::forward)), c.forward);
    EXPECT_EQ(nameOf(real, nextInRing(ring, focused, TabDirection::backward)), c.backward);
  }
}

TEST(FocusRules, EmptyRingMovesNothing) {
  EXPECT_EQ(nextInRing({}, idOf(real, "选择夹1"), TabDirection::forward), std::nullopt);
  EXPECT_EQ(nextInRing({}, std::nullopt, TabDirection::backward), std::nullopt);
}

}  // namespace
}  // namespace ui
