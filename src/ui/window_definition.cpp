#include "ui/window_definition.h"

#include <algorithm>
#include <array>
#include <set>

namespace ui {
namespace {

using enum ControlKind;

constexpr std::string_view tabs = "选择夹1";
constexpr std::string_view valueCaption = "数值：";
constexpr std::string_view resultCaption = "结果：";
constexpr std::string_view calculate = "计  算";

constexpr std::array monsterButtonBindings{EventBinding{Event::clicked, "calculateMonster"}};
constexpr std::array equipmentButtonBindings{EventBinding{Event::clicked, "calculateEquipment"}};
constexpr std::array aboutLineBindings{EventBinding{Event::leftButtonPressed, "openWebSite"}};

constexpr std::array<std::string_view, 3> pageCaptions{"装备外观计算", "怪物外观计算", "关于"};
constexpr std::array<std::string_view, 6> equipmentPage{"分组框1", "标签3", "编辑框4",
                                                        "编辑框3", "标签4", "按钮2"};
constexpr std::array<std::string_view, 5> monsterPage{"按钮1", "编辑框2", "标签2", "标签1",
                                                      "编辑框1"};
constexpr std::array<std::string_view, 3> aboutPage{"标签8", "标签7", "标签6"};
constexpr std::array pages{PageDefinition{equipmentPage}, PageDefinition{monsterPage},
                           PageDefinition{aboutPage}};

constexpr TabControlProperties tabControlProperties{
    .tabPlacement = 0,
    .multiLineTabs = false,
    .headerless = false,
    .pageCaptions = pageCaptions,
    .pages = pages,
    .currentPage = 0,
};

// Definition order. Every control is visible and enabled, with focusOrder 0, an empty tag and
// the default mouse pointer; only the edit boxes and the buttons are tab stops.
constexpr std::array<ControlDefinition, 16> controls{{
    {.name = "标签8", .kind = label, .parent = tabs, .rect = {16, 80, 176, 24},
     .text = "官网：www.example.com", .bindings = aboutLineBindings},
    {.name = "标签7", .kind = label, .parent = tabs, .rect = {16, 56, 176, 24},
     .text = "OICQ：1234567890", .bindings = aboutLineBindings},
    {.name = "标签6", .kind = label, .parent = tabs, .rect = {16, 32, 176, 24},
     .text = "作者：Morrowick", .bindings = aboutLineBindings},
    {.name = "标签5", .kind = label, .parent = "分组框1", .rect = {32, 24, 192, 32},
     .text = "以装备第一张图片为准写入数值\r\n后计算出的结果就是装备外观了",
     .lineLayout = LineLayout::wordWrapped},
    {.name = "分组框1", .kind = groupBox, .parent = tabs, .rect = {8, 104, 232, 64},
     .text = "说明"},
    {.name = "标签3", .kind = label, .parent = tabs, .rect = {128, 48, 32, 16},
     .text = resultCaption},
    {.name = "编辑框4", .kind = editBox, .parent = tabs, .rect = {160, 48, 80, 16},
     .tabStop = true},
    {.name = "编辑框3", .kind = editBox, .parent = tabs, .rect = {48, 48, 80, 16},
     .tabStop = true},
    {.name = "标签4", .kind = label, .parent = tabs, .rect = {8, 48, 32, 16},
     .text = valueCaption},
    {.name = "按钮2", .kind = button, .parent = tabs, .rect = {80, 72, 96, 24},
     .text = calculate, .tabStop = true, .bindings = equipmentButtonBindings},
    {.name = "按钮1", .kind = button, .parent = tabs, .rect = {72, 96, 96, 24},
     .text = calculate, .tabStop = true, .bindings = monsterButtonBindings},
    {.name = "编辑框2", .kind = editBox, .parent = tabs, .rect = {160, 48, 80, 16},
     .tabStop = true},
    {.name = "标签2", .kind = label, .parent = tabs, .rect = {128, 48, 32, 16},
     .text = resultCaption},
    {.name = "标签1", .kind = label, .parent = tabs, .rect = {8, 48, 32, 16},
     .text = valueCaption},
    {.name = "编辑框1", .kind = editBox, .parent = tabs, .rect = {48, 48, 80, 16},
     .tabStop = true},
    {.name = tabs, .kind = tabControl, .rect = {0, 0, 256, 176},
     .tabControl = &tabControlProperties},
}};

constexpr WindowDefinition definition{
    .window =
        {
            .title = "Quellmar装备怪物外观计算器1.0",
            .rect = {50, 50, 260, 202},
            .borderStyle = BorderStyle::fixed,
            .controlBox = true,
            .maximizeBox = false,
            .minimizeBox = false,
            .startPosition = StartPosition::centred,
            .movable = true,
            .escCloses = true,
            .enterMovesFocus = false,
            .showInTaskbar = true,
            .alwaysOnTop = false,
            .visible = true,
            .enabled = true,
        },
    .controls = controls,
};

}  // namespace

const WindowDefinition& mainWindowDefinition() { return definition; }

std::optional<ControlId> findControl(const WindowDefinition& window, std::string_view name) {
  for (ControlId id = 0; id < window.controls.size(); ++id)
    if (window.controls[id].name == name) return id;
  return std::nullopt;
}

ControlId tabControlOf(const WindowDefinition& window) {
  auto found = std::find_if(window.controls.begin(), window.controls.end(),
                            [](const ControlDefinition& c) { return c.kind == tabControl; });
  return static_cast<ControlId>(found - window.controls.begin());
}

std::optional<std::int32_t> pageOf(const WindowDefinition& window, ControlId control) {
  const TabControlProperties* tab = window.controls[tabControlOf(window)].tabControl;
  std::string_view name = window.controls[control].name;
  for (std::size_t page = 0; page < tab->pages.size(); ++page) {
    const auto& members = tab->pages[page].members;
    if (std::find(members.begin(), members.end(), name) != members.end())
      return static_cast<std::int32_t>(page);
  }
  return std::nullopt;
}

bool isValidDefinition(const WindowDefinition& window) {
  const auto& all = window.controls;
  std::set<std::string_view> names;
  for (const ControlDefinition& control : all)
    if (control.name.empty() || !names.insert(control.name).second) return false;
  for (const ControlDefinition& control : all)
    if (!control.parent.empty() && (control.parent == control.name || !names.contains(control.parent)))
      return false;

  if (std::count_if(all.begin(), all.end(), [](const auto& c) { return c.kind == tabControl; }) != 1)
    return false;
  const ControlDefinition& tab = all[tabControlOf(window)];
  if (tab.tabControl == nullptr || !tab.parent.empty() ||
      tab.tabControl->pages.size() != tab.tabControl->pageCaptions.size())
    return false;

  std::multiset<std::string_view> members;
  for (const PageDefinition& page : tab.tabControl->pages)
    for (std::string_view member : page.members) {
      auto id = findControl(window, member);
      if (!id || all[*id].parent != tab.name) return false;
      members.insert(member);
    }
  for (const ControlDefinition& control : all) {
    bool onPageOrNested = control.kind == tabControl || control.parent != tab.name;
    if (!onPageOrNested && members.count(control.name) != 1) return false;
    if (onPageOrNested && members.count(control.name) != 0) return false;
  }
  // A nested control must sit in a page member, so that it shows and hides with it.
  for (const ControlDefinition& control : all)
    if (control.kind != tabControl && control.parent != tab.name &&
        members.count(control.parent) != 1)
      return false;
  return true;
}

}  // namespace ui
