#include "launcher/open_web_site.h"

#include <string_view>

#include "launcher/run_program.h"
#include "ui/window_definition.h"

namespace launcher {
namespace {

constexpr std::string_view preferredBrowser = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";

// The host comes from the text that 标签8 shows, so the link and the label cannot disagree.
std::string siteAddress() {
  constexpr std::string_view caption = "官网：";
  const ui::WindowDefinition& definition = ui::mainWindowDefinition();
  std::string_view host;
  if (const auto label = ui::findControl(definition, "标签8"))
    host = definition.controls[*label].text;
  if (host.starts_with(caption)) host.remove_prefix(caption.size());
  return "http://" + std::string(host);
}

}  // namespace

const std::string& siteCommandLine() {
  static const std::string commandLine = webBrowserCommand(preferredBrowser) + " " + siteAddress();
  return commandLine;
}

void openWebSite(std::uint16_t /*x*/, std::uint16_t /*y*/, ui::Modifiers /*keys*/) {
  runProgram(siteCommandLine());
}

}  // namespace launcher
