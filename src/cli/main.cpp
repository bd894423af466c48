// appearance-calc: the calculator's two pages for scripts and batches.
#include "app/platform.h"
#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/console.h"
#include "cli/console_platform.h"
#include "cli/page_calculator.h"
#include "cli/standard_output.h"

int main(int argc, char** argv) {
  cli::prepareStandardStreams();
  cli::ConsolePlatform platform(argc > 0 ? argv[0] : "");
  app::installPlatform(&platform);

  const cli::ParsedArguments parsed = cli::parseArguments(cli::commandLineArguments(argc, argv));
  const cli::Request& request = parsed.request;
  if (!parsed.error.empty()) {
    cli::reportProblem(parsed.error);
    std::fwrite(cli::usageText().data(), 1, cli::usageText().size(), stderr);
    return 2;
  }
  if (request.action != cli::Request::Action::calculate) {
    cli::writeOutput(request.action == cli::Request::Action::showHelp ? cli::usageText()
                                                                      : cli::versionText());
    return cli::flushOutput() ? 0 : 1;
  }

  platform.writeErrorsInGbk(request.encoding == cli::InputEncoding::gbk);
  cli::PageCalculator calculator(request.page);
  if (request.texts.empty()) return cli::calculateStandardInput(calculator, request.encoding);
  const auto textEncoding = cli::kArgumentsAreUtf8 ? cli::InputEncoding::utf8 : request.encoding;
  return cli::calculateTexts(calculator, request.texts, textEncoding);
}
