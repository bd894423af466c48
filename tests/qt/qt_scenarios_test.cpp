// The table of user scenarios, each run from a fresh start against the real window.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include "program_run.h"
#include "scenario_table.h"

namespace scenarios {
// Failure messages name the scenario rather than dump its bytes.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << "line " << scenario.line << ": " << scenario.title;
}
}  // namespace scenarios

namespace qttest {
namespace {

class UserScenario : public testing::TestWithParam<scenarios::Scenario> {};

TEST_P(UserScenario, Holds) {
  launcher_testing::StandInBrowser browser;
  runProgramWith(
      [&](qtfront::QtWindowing&, WindowDriver& driver) {
        for (const scenarios::Action& action : GetParam().actions) {
          driver.perform(action);
          if (testing::Test::HasFatalFailure()) return;
        }
      },
      &browser);
}

std::string testName(const testing::TestParamInfo<scenarios::Scenario>& info) {
  std::string name = std::to_string(info.index) + "_";
  for (char c : info.param.title) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Table, UserScenario, testing::ValuesIn(scenarios::userScenarios()),
                         testName);

}  // namespace
}  // namespace qttest
