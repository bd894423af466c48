// The window model over the in-memory windowing layer: building, pages, focus, keys, events.
#include "ui/window_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/handlers.h"
#include "fake_windowing.h"
#include "ui/control_text.h"

namespace ui {
namespace {

using testing_support::FakeWindowing;
using Names = std::set<std::string>;
using Sequence = std::vector<std::string>;

const Names page0 = {"选择夹1", "分组框1", "标签5", "标签3",
                     "编辑框4", "编辑框3", "标签4", "按钮2"};
const Names page1 = {"选择夹1", "按钮1", "编辑框2", "标签2", "标签1", "编辑框1"};
const Names page2 = {"选择夹1", "标签8", "标签7", "标签6"};

std::string eventName(Event event) {
  switch (event) {
    case Event::clicked:
      return "clicked";
    case Event::leftButtonPressed:
      return "leftButtonPressed";
    case Event::contentChanged:
      return "contentChanged";
    case Event::closeQuery:
      return "closeQuery";
    case Event::pageSelectionChanging:
      return "pageSelectionChanging";
    case Event::pageSelectionChanged:
      return "pageSelectionChanged";
  }
  return "?";
}

// A copy of the program's definition with some controls or window properties changed.
struct ChangedDefinition {
  std::vector<ControlDefinition> controls{mainWindowDefinition().controls.begin(),
                                          mainWindowDefinition().controls.end()};
  WindowDefinition definition{mainWindowDefinition().window, {}};
  ControlDefinition& control(std::string_view name) {
    return controls[findControl(mainWindowDefinition(), name).value()];
  }
  const WindowDefinition& get() {
    definition.controls = controls;
    return definition;
  }
};

// One window over a fake windowing layer, with handlers that note what ran.
class Session {
 public:
  Session() {
    loadWindow(WindowId::mainWindow);
    hooks.handlersMayRun = [this] { return handlersMayRun; };
    hooks.windowEnded = [this] { ++windowEnds; };
  }
  ~Session() {
    window.reset();
    unloadWindow(WindowId::mainWindow);
  }

  // Binds a handler to (control, event) that notes "<control> <event>", runs `also` and gives
  // back `result`. No control: the main window's own event.
  void bind(std::optional<std::string_view> control, Event event,
            std::optional<bool> result = std::nullopt, std::function<void()> also = {}) {
    std::optional<ControlId> id;
    if (control) id = findControl(mainWindowDefinition(), *control).value();
    std::string note = std::string(control.value_or("window")) + " " + eventName(event);
    handlers[{id, event}] = [this, note, result, also](const EventArgs& args) {
      ran.push_back(note);
      lastArgs = args;
      if (also) also();
      return result;
    };
  }

  bool build(const WindowDefinition& definition = mainWindowDefinition()) {
    window = std::make_unique<MainWindow>(definition, fake, handlers, hooks);
    return window->loadMainWindow();
  }

  FakeWindowing fake;
  HandlerTable handlers;
  ModelHooks hooks;
  std::unique_ptr<MainWindow> window;
  Sequence ran;
  EventArgs lastArgs;
  int windowEnds = 0;
  bool handlersMayRun = true;
};

// --- Building and showing.

TEST(Building, CentresTheWindowTruncatingTowardZero) {
  struct Case {
    ScreenSize screen;
    std::int32_t left, top;
  };
  const Case cases[] = {
      {{1024, 768}, 382, 283}, {{1025, 769}, 382, 283},  // odd sizes: .5 is cut off
      {{259, 201}, 0, 0},                                // -0.5 is cut toward zero, not down to -1
      {{257, 199}, -1, -1},                              // -1.5 gives -1
      {{200, 100}, -30, -51},                            // smaller than the window
      {{0, 0}, -130, -101},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.screen.width << " x " << c.screen.height);
    Session session;
    session.fake.screen = c.screen;
    ASSERT_TRUE(session.build());
    EXPECT_EQ(session.fake.windowRect(), (Rect{c.left, c.top, 260, 202}));
  }
}

TEST(Building, StoredStartPositionUsesTheStoredPlace) {
  ChangedDefinition changed;
  changed.definition.window.startPosition = StartPosition::stored;
  Session session;
  ASSERT_TRUE(session.build(changed.get()));
  EXPECT_EQ(session.fake.windowRect(), (Rect{50, 50, 260, 202}));
}

TEST(Building, CreatesInReverseOrderReparentsThenShowsPageZero) {
  Session session;
  ASSERT_TRUE(session.build());
  const auto& log = session.fake.log();

  Sequence created;
  for (auto it = mainWindowDefinition().controls.rbegin();
       it != mainWindowDefinition().controls.rend(); ++it)
    created.push_back("createControl " + std::string(it->name));
  EXPECT_EQ(log.startingWith("createControl"), created);

  Sequence reparented;
  for (const ControlDefinition& control : mainWindowDefinition().controls)
    if (!control.parent.empty())
      reparented.push_back("reparent " + std::string(control.name) + " " +
                           std::string(control.parent));
  EXPECT_EQ(log.startingWith("reparent"), reparented);

  // Milestones in order: the window, the last control, the last re-parent, the first
  // visibility, showing (with the first focus on activation), then showPage.
  Sequence commands = log.commands();
  auto at = [&](const std::string& command) {
    return std::find(commands.begin(), commands.end(), command) - commands.begin();
  };
  EXPECT_EQ(at("createMainWindow 382,283 260x202"), 0);
  EXPECT_LT(at("createControl 标签8"), at("reparent 标签8 选择夹1"));
  EXPECT_LT(at("reparent 编辑框1 选择夹1"), at("hide 编辑框1"));
  EXPECT_LT(at("hide 编辑框1"), at("showMainWindow"));
  EXPECT_EQ(at("setFocus 按钮2"), at("showMainWindow") + 1);

  // First visibility shows page 0 (with 标签5) and the tab control, and hides the rest.
  Names firstShown;
  for (auto entry = commands.begin(); *entry != "showMainWindow"; ++entry)
    if (entry->starts_with("show ")) firstShown.insert(entry->substr(5));
  EXPECT_EQ(firstShown, page0);
  EXPECT_EQ(session.fake.controlsOnScreen(), page0);
  EXPECT_EQ(session.fake.focusName(), "按钮2");
  // showPage at the end of building moves no focus.
  EXPECT_EQ(log.startingWith("setFocus").size(), 1u);
  EXPECT_TRUE(anyWindowLive());
}

TEST(Building, SelectedPageIsClampedToThePages) {
  struct Case {
    std::int32_t stored, selected;
    const Names& onScreen;
  };
  const Case cases[] = {{1, 1, page1}, {7, 2, page2}, {-3, 0, page0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    TabControlProperties tab = *mainWindowDefinition().controls.back().tabControl;
    tab.currentPage = c.stored;
    ChangedDefinition changed;
    changed.control("选择夹1").tabControl = &tab;
    Session session;
    ASSERT_TRUE(session.build(changed.get()));
    EXPECT_EQ(session.fake.page(), c.selected);
    EXPECT_EQ(session.fake.controlsOnScreen(), c.onScreen);
  }
}

TEST(Building, AWindowThatCannotBeCreatedBuildsNothing) {
  Session session;
  session.fake.failMainWindow = true;
  EXPECT_FALSE(session.build());
  EXPECT_TRUE(session.fake.log().startingWith("createControl").empty());
  EXPECT_FALSE(session.window->isLive());
  EXPECT_FALSE(anyWindowLive());
}

TEST(Building, AControlThatCannotBeCreatedStopsTheBuilding) {
  Session session;
  session.fake.failControl = "编辑框3";
  EXPECT_FALSE(session.build());
  EXPECT_EQ(session.fake.log().startingWith("createControl").back(), "createControl 编辑框3");
  EXPECT_TRUE(session.fake.log().startingWith("reparent").empty());
  EXPECT_FALSE(session.fake.windowShown());
  EXPECT_FALSE(anyWindowLive());
  // The half-built window still exists, so the end procedure can destroy it.
  ASSERT_TRUE(session.window->isLive());
  session.window->destroy();
  EXPECT_FALSE(session.fake.windowExists());
}

TEST(Building, NoHandlerRunsForInputWhileBuilding) {
  Session session;
  session.bind("标签6", Event::leftButtonPressed);
  session.bind("按钮2", Event::clicked);
  session.bind("编辑框3", Event::contentChanged);
  session.fake.whileShowing = [](FakeWindowing& fake) {
    EXPECT_FALSE(fake.pressOn("标签6"));
    fake.clickButton("按钮2");
    fake.typeInto("编辑框3", "1");
  };
  ASSERT_TRUE(session.build());
  EXPECT_TRUE(session.ran.empty());
  session.fake.clickButton("按钮2");
  EXPECT_EQ(session.ran, (Sequence{"按钮2 clicked"}));
}

TEST(Building, AWindowClosedWhileBeingShownEndsWithoutShowingPages) {
  Session session;
  session.fake.whileShowing = [](FakeWindowing& fake) { fake.requestClose(); };
  EXPECT_TRUE(session.build());
  EXPECT_FALSE(session.window->isLive());
  EXPECT_EQ(session.windowEnds, 1);
  EXPECT_TRUE(session.fake.log().startingWith("setFocus").empty());
}

// --- Pages.

TEST(Pages, EachChangeShowsThePageAndMovesTheFocus) {
  struct Case {
    const char* label;
    std::vector<std::int32_t> pages;  // the user's changes, in order
    const Names& onScreen;
    const char* focus;
  };
  const Case cases[] = {
      {"at start", {}, page0, "按钮2"},
      {"to monster", {1}, page1, "按钮1"},
      {"monster, then equipment: the result box", {1, 0}, page0, "编辑框4"},
      {"to About: the focus stays", {2}, page2, "按钮2"},
      {"monster, then About: the focus stays", {1, 2}, page2, "按钮1"},
      {"About, then monster", {2, 1}, page1, "按钮1"},
      {"About, then equipment", {2, 0}, page0, "编辑框4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Session session;
    ASSERT_TRUE(session.build());
    for (std::int32_t page : c.pages) session.fake.selectPage(page);
    EXPECT_EQ(session.fake.controlsOnScreen(), c.onScreen);
    EXPECT_EQ(session.fake.focusName(), c.focus);
  }
}

TEST(Pages, AHeaderClickOnAboutLeavesTheFocusOnTheTabControl) {
  Session session;
  ASSERT_TRUE(session.build());
  session.fake.clickHeader(2);
  EXPECT_EQ(session.fake.controlsOnScreen(), page2);
  EXPECT_EQ(session.fake.focusName(), "选择夹1");
}

TEST(Pages, ChangeRaisesChangingThenChanged) {
  Session session;
  session.bind("选择夹1", Event::pageSelectionChanging);
  session.bind("选择夹1", Event::pageSelectionChanged);
  ASSERT_TRUE(session.build());
  session.fake.selectPage(1);
  EXPECT_EQ(session.ran,
            (Sequence{"选择夹1 pageSelectionChanging", "选择夹1 pageSelectionChanged"}));
  EXPECT_EQ(session.fake.controlsOnScreen(), page1);
}

TEST(Pages, AChangingHandlerGivingFalseKeepsTheOldPage) {
  Session session;
  session.bind("选择夹1", Event::pageSelectionChanging, false);
  ASSERT_TRUE(session.build());
  session.fake.selectPage(1);
  EXPECT_EQ(session.fake.page(), 0);
  EXPECT_EQ(session.fake.controlsOnScreen(), page0);
}

TEST(Pages, AChangedHandlerThatClosesTheWindowShowsNoPage) {
  Session session;
  session.bind("选择夹1", Event::pageSelectionChanged, std::nullopt,
               [&] { session.window->close(); });
  ASSERT_TRUE(session.build());
  session.fake.selectPage(1);
  EXPECT_FALSE(session.fake.windowExists());
  EXPECT_TRUE(session.fake.log().startingWith("show 按钮1").empty());
}

TEST(Pages, TextsSurvivePageChanges) {
  Session session;
  ASSERT_TRUE(session.build());
  session.fake.typeInto("编辑框3", "12 ab");
  session.fake.typeInto("编辑框1", "３");
  writeControlText(WindowId::mainWindow, "编辑框4", std::string("7"));
  for (std::int32_t page : {1, 2, 0, 1, 0}) session.fake.selectPage(page);
  EXPECT_EQ(session.fake.text("编辑框3"), "12 ab");
  EXPECT_EQ(session.fake.text("编辑框1"), "３");
  EXPECT_EQ(session.fake.text("编辑框4"), "7");
  EXPECT_EQ(session.fake.log().startingWith("setControlText").size(), 1u);
}

// --- Keyboard focus.

TEST(Focus, ActivationReturnsToTheRememberedControlOnce) {
  Session session;
  ASSERT_TRUE(session.build());
  EXPECT_EQ(session.fake.focusName(), "按钮2");
  session.fake.pressKey(Key::tab);
  ASSERT_EQ(session.fake.focusName(), "编辑框3");

  session.fake.deactivate();
  EXPECT_EQ(session.fake.focusName(), "");
  session.fake.activate();
  EXPECT_EQ(session.fake.focusName(), "编辑框3");

  // The memory is cleared: an activation without a loss in between uses the first-focus rule.
  session.fake.activate();
  EXPECT_EQ(session.fake.focusName(), "按钮2");
}

TEST(Focus, ActivationAfterALossWithoutFocusUsesTheFirstFocusRule) {
  Session session;
  ASSERT_TRUE(session.build());
  session.fake.selectPage(1);
  session.fake.focusWindowItself();
  session.fake.deactivate();
  session.fake.activate();
  EXPECT_EQ(session.fake.focusName(), "编辑框1");  // the latest candidate on page 1
}

TEST(Focus, TabCyclesBothWaysOnBothCalculationPages) {
  struct Case {
    const char* label;
    std::int32_t page;
    Modifiers modifiers;
    Sequence stops;  // from the control the page change focused
  };
  const Case cases[] = {
      {"equipment, Tab", 0, 0, {"编辑框3", "编辑框4", "按钮2"}},
      {"equipment, Shift+Tab", 0, shiftKey, {"编辑框4", "编辑框3", "按钮2"}},
      {"monster, Tab", 1, 0, {"编辑框1", "编辑框2", "按钮1"}},
      {"monster, Shift+Tab", 1, shiftKey, {"编辑框2", "编辑框1", "按钮1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Session session;
    ASSERT_TRUE(session.build());
    session.fake.selectPage(c.page);
    Sequence stops;
    for (std::size_t press = 0; press < c.stops.size(); ++press) {
      EXPECT_TRUE(session.fake.pressKey(Key::tab, c.modifiers));
      stops.push_back(session.fake.focusName());
    }
    EXPECT_EQ(stops, c.stops);
  }
}

TEST(Focus, TabFromOutsideTheRing) {
  struct Case {
    const char* label;
    std::function<void(FakeWindowing&)> focus;
    const char* afterTab;
    const char* afterShiftTab;
  };
  const Case cases[] = {
      {"the tab control after a click on the selected header",
       [](FakeWindowing& fake) { fake.clickHeader(0); }, "按钮2", "编辑框4"},
      {"the window itself", [](FakeWindowing& fake) { fake.focusWindowItself(); }, "按钮2",
       "编辑框4"},
  };
  for (const Case& c : cases) {
    for (bool backward : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.label << (backward ? ", Shift+Tab" : ", Tab"));
      Session session;
      ASSERT_TRUE(session.build());
      c.focus(session.fake);
      EXPECT_TRUE(session.fake.pressKey(Key::tab, backward ? shiftKey : 0));
      EXPECT_EQ(session.fake.focusName(), backward ? c.afterShiftTab : c.afterTab);
    }
  }
}

TEST(Focus, TabOnTheAboutPageIsConsumedAndMovesNothing) {
  Session session;
  ASSERT_TRUE(session.build());
  session.fake.selectPage(2);
  const std::size_t moves = session.fake.log().startingWith("setFocus").size();
  EXPECT_TRUE(session.fake.pressKey(Key::tab));
  EXPECT_TRUE(session.fake.pressKey(Key::tab, shiftKey));
  EXPECT_EQ(session.fake.focusName(), "按钮2");
  EXPECT_EQ(session.fake.log().startingWith("setFocus").size(), moves);
}

TEST(Focus, TabWithCtrlOrAltIsLeftToTheControl) {
  for (Modifiers modifiers :
       {Modifiers{ctrlKey}, Modifiers{altKey}, Modifiers{ctrlKey | shiftKey}}) {
    SCOPED_TRACE(static_cast<int>(modifiers));
    Session session;
    ASSERT_TRUE(session.build());
    EXPECT_FALSE(session.fake.pressKey(Key::tab, modifiers));
    EXPECT_EQ(session.fake.focusName(), "按钮2");
  }
}

// --- Esc, Enter and closing.

TEST(Keys, EscAloneClosesEnterDoesNothing) {
  struct Case {
    const char* label;
    Key key;
    Modifiers modifiers;
    bool consumed;
    bool closes;
  };
  const Case cases[] = {
      {"Esc", Key::escape, 0, true, true},
      {"Shift+Esc", Key::escape, shiftKey, false, false},
      {"Ctrl+Esc", Key::escape, ctrlKey, false, false},
      {"Alt+Esc", Key::escape, altKey, false, false},
      {"Enter", Key::enter, 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Session session;
    session.bind("按钮1", Event::clicked);
    session.bind("按钮2", Event::clicked);
    ASSERT_TRUE(session.build());
    session.fake.focusOn("编辑框3");
    EXPECT_EQ(session.fake.pressKey(c.key, c.modifiers), c.consumed);
    EXPECT_EQ(session.fake.windowExists(), !c.closes);
    EXPECT_EQ(session.windowEnds, c.closes ? 1 : 0);
    EXPECT_TRUE(session.ran.empty());
  }
}

TEST(Keys, EscClosesFromEveryPage) {
  for (std::int32_t page : {0, 1, 2}) {
    SCOPED_TRACE(page);
    Session session;
    ASSERT_TRUE(session.build());
    session.fake.selectPage(page);
    EXPECT_TRUE(session.fake.pressKey(Key::escape));
    EXPECT_FALSE(session.fake.windowExists());
  }
}

TEST(Keys, EscDoesNotCloseWhenTheWindowSaysSo) {
  ChangedDefinition changed;
  changed.definition.window.escCloses = false;
  Session session;
  ASSERT_TRUE(session.build(changed.get()));
  EXPECT_FALSE(session.fake.pressKey(Key::escape));
  EXPECT_TRUE(session.fake.windowExists());
}

// The rule for windows that have default buttons or move the focus on Enter; the program's
// own window has neither (see EscAloneClosesEnterDoesNothing).
TEST(Keys, EnterFollowsTheDefaultButtonRule) {
  struct Case {
    const char* label;
    std::function<void(ChangedDefinition&)> change;
    std::int32_t page;
    const char* focus;
    bool consumed;
    Sequence ran;
    const char* focusAfter;
  };
  const Case cases[] = {
      {"the first default button in definition order",
       [](ChangedDefinition& d) { d.control("按钮1").defaultButton = true; },
       0,
       "编辑框3",
       true,
       {"按钮1 clicked"},
       "编辑框3"},
      {"the focused default button before the first",
       [](ChangedDefinition& d) {
         d.control("按钮1").defaultButton = true;
         d.control("按钮2").defaultButton = true;
       },
       1,
       "按钮1",
       true,
       {"按钮1 clicked"},
       "按钮1"},
      {"a disabled default button is not clicked",
       [](ChangedDefinition& d) {
         d.control("按钮1").defaultButton = true;
         d.control("按钮1").enabled = false;
       },
       0,
       "编辑框3",
       false,
       {},
       "编辑框3"},
      {"Enter moves the focus as Tab",
       [](ChangedDefinition& d) { d.definition.window.enterMovesFocus = true; },
       0,
       "按钮2",
       true,
       {},
       "编辑框3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ChangedDefinition changed;
    c.change(changed);
    Session session;
    session.bind("按钮1", Event::clicked);
    session.bind("按钮2", Event::clicked);
    ASSERT_TRUE(session.build(changed.get()));
    session.fake.selectPage(c.page);
    session.fake.focusOn(c.focus);
    EXPECT_EQ(session.fake.pressKey(Key::enter), c.consumed);
    EXPECT_EQ(session.ran, c.ran);
    EXPECT_EQ(session.fake.focusName(), c.focusAfter);
  }
}

TEST(Closing, CloseQueryRunsFirstThenTheWindowEnds) {
  Session session;
  session.bind(std::nullopt, Event::closeQuery, std::nullopt,
               [&] { EXPECT_TRUE(session.fake.windowExists()); });
  ASSERT_TRUE(session.build());
  session.fake.requestClose();
  EXPECT_EQ(session.ran, (Sequence{"window closeQuery"}));
  EXPECT_FALSE(session.fake.windowExists());
  EXPECT_FALSE(session.window->isLive());
  EXPECT_EQ(session.windowEnds, 1);
  EXPECT_FALSE(anyWindowLive());
}

TEST(Closing, CloseQueryGivingFalseKeepsTheWindowOpen) {
  for (bool byEsc : {false, true}) {
    SCOPED_TRACE(byEsc ? "Esc" : "close button");
    Session session;
    session.bind(std::nullopt, Event::closeQuery, false);
    ASSERT_TRUE(session.build());
    if (byEsc)
      EXPECT_TRUE(session.fake.pressKey(Key::escape));
    else
      session.fake.requestClose();
    EXPECT_TRUE(session.fake.windowExists());
    EXPECT_EQ(session.windowEnds, 0);
  }
}

TEST(Closing, DestroyEndsTheWindowWithoutAsking) {
  Session session;
  session.bind(std::nullopt, Event::closeQuery, false);
  ASSERT_TRUE(session.build());
  session.window->destroy();
  EXPECT_FALSE(session.fake.windowExists());
  EXPECT_TRUE(session.ran.empty());
  EXPECT_EQ(session.windowEnds, 1);
}

// --- Events of the controls.

TEST(LabelPress, TheHandlersResultDecidesWhetherThePressGoesOn) {
  struct Case {
    const char* label;
    std::optional<bool> result;
    bool consumed;
  };
  const Case cases[] = {
      {"标签6", std::nullopt, false},
      {"标签7", false, true},
      {"标签8", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Session session;
    session.bind(c.label, Event::leftButtonPressed, c.result);
    ASSERT_TRUE(session.build());
    session.fake.selectPage(2);
    EXPECT_EQ(session.fake.pressOn(c.label, 65535, 3, ctrlKey | altKey), c.consumed);
    EXPECT_EQ(session.ran, (Sequence{std::string(c.label) + " leftButtonPressed"}));
    EXPECT_EQ(session.lastArgs.x, 65535);
    EXPECT_EQ(session.lastArgs.y, 3);
    EXPECT_EQ(session.lastArgs.keys, 5);
  }
}

TEST(LabelPress, APressWithoutAHandlerGoesOn) {
  Session session;
  session.bind("标签6", Event::leftButtonPressed);
  ASSERT_TRUE(session.build());
  for (const char* control : {"标签1", "标签5", "编辑框3", "分组框1"}) {
    SCOPED_TRACE(control);
    EXPECT_FALSE(session.fake.pressOn(control));
  }
  EXPECT_TRUE(session.ran.empty());
}

TEST(LabelPress, APressIsDroppedWhenTheHandlerEndedTheWindow) {
  Session session;
  session.bind("标签6", Event::leftButtonPressed, std::nullopt, [&] { session.window->close(); });
  ASSERT_TRUE(session.build());
  EXPECT_TRUE(session.fake.pressOn("标签6"));
  EXPECT_FALSE(session.fake.windowExists());
}

TEST(Events, NoHandlerRunsOnceTheEndHasBegun) {
  Session session;
  session.bind("标签6", Event::leftButtonPressed, false);
  session.bind("按钮2", Event::clicked);
  session.bind("编辑框3", Event::contentChanged);
  session.bind("选择夹1", Event::pageSelectionChanging, false);
  session.bind(std::nullopt, Event::closeQuery, false);
  ASSERT_TRUE(session.build());
  session.handlersMayRun = false;

  EXPECT_FALSE(session.fake.pressOn("标签6"));
  session.fake.clickButton("按钮2");
  session.fake.typeInto("编辑框3", "1");
  writeControlText(WindowId::mainWindow, "编辑框3", std::string("2"));
  session.fake.selectPage(1);
  EXPECT_EQ(session.fake.page(), 1);  // the veto did not run
  session.fake.requestClose();
  EXPECT_FALSE(session.fake.windowExists());  // nor did closeQuery's
  EXPECT_TRUE(session.ran.empty());
}

TEST(Events, ContentChangedOncePerWriteAlsoForTheSameText) {
  Session session;
  session.bind("编辑框4", Event::contentChanged);
  ASSERT_TRUE(session.build());
  writeControlText(WindowId::mainWindow, "编辑框4", std::string("5"));
  EXPECT_EQ(session.ran.size(), 1u);
  writeControlText(WindowId::mainWindow, "编辑框4", std::string("5"));
  EXPECT_EQ(session.ran.size(), 2u);
  writeControlText(WindowId::mainWindow, "编辑框4", std::nullopt);
  EXPECT_EQ(session.ran.size(), 3u);
  EXPECT_EQ(session.fake.text("编辑框4"), "");
  // The user's own typing raises it as well.
  session.fake.typeInto("编辑框4", "x");
  EXPECT_EQ(session.ran.size(), 4u);
}

TEST(Events, ControlTextIsReadFromTheWindow) {
  Session session;
  ASSERT_TRUE(session.build());
  EXPECT_EQ(readControlText(WindowId::mainWindow, "编辑框3"), std::nullopt);
  session.fake.typeInto("编辑框3", " 12x");
  EXPECT_EQ(readControlText(WindowId::mainWindow, "编辑框3"), " 12x");
  EXPECT_EQ(readControlText(WindowId::mainWindow, "按钮2"), "计  算");
}

TEST(Events, AClickRunsTheBoundCalculation) {
  struct Case {
    const char* valueBox;
    const char* typed;
    const char* button;
    const char* resultBox;
    const char* result;
  };
  const Case cases[] = {
      {"编辑框3", "２４００", "按钮2", "编辑框4", "2"},
      {"编辑框1", "5", "按钮1", "编辑框2", "40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    Session session;
    session.handlers = app::resolveBindings(mainWindowDefinition());
    ASSERT_TRUE(session.build());
    session.fake.selectPage(
        pageOf(mainWindowDefinition(), findControl(mainWindowDefinition(), c.button).value())
            .value());
    session.fake.typeInto(c.valueBox, c.typed);
    session.fake.clickButton(c.button);
    EXPECT_EQ(session.fake.text(c.resultBox), c.result);
  }
}

}  // namespace
}  // namespace ui
