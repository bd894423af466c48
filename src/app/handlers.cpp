#include "app/handlers.h"

#include "calc/calculations.h"
#include "launcher/open_web_site.h"

namespace app {

ui::Handler handlerNamed(std::string_view name) {
  if (name == "calculateEquipment")
    return [](const ui::EventArgs&) -> std::optional<bool> {
      calc::calculateEquipment();
      return std::nullopt;
    };
  if (name == "calculateMonster")
    return [](const ui::EventArgs&) -> std::optional<bool> {
      calc::calculateMonster();
      return std::nullopt;
    };
  if (name == "openWebSite")
    return [](const ui::EventArgs& args) -> std::optional<bool> {
      launcher::openWebSite(args.x, args.y, args.keys);
      return std::nullopt;
    };
  return {};
}

ui::HandlerTable resolveBindings(const ui::WindowDefinition& definition) {
  ui::HandlerTable table;
  for (ui::ControlId id = 0; id < definition.controls.size(); ++id)
    for (const ui::EventBinding& binding : definition.controls[id].bindings)
      if (ui::Handler handler = handlerNamed(binding.handler))
        table.emplace(std::pair{std::optional<ui::ControlId>(id), binding.event},
                      std::move(handler));
  return table;
}

}  // namespace app
