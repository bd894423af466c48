// What the process as a whole needs of the platform, supplied by each front end (and by the
// command-line calculator).
#pragma once

#include <string>

namespace app {

class Platform {
 public:
  virtual ~Platform() = default;

  // Counterparts of OLE initialisation and of the hidden service window. Nothing of the
  // program depends on them, so a platform without them leaves these empty.
  virtual void initialiseOle() {}
  virtual void releaseOle() {}
  virtual void createServiceWindow() {}
  virtual void destroyServiceWindow() {}

  // The full path of the program's own file, as the platform's own bytes, and the character
  // that separates its folder from its name ('\\' on Windows, '/' elsewhere).
  virtual std::string programFilePath() = 0;
  virtual char folderSeparator() const = 0;
  // Makes `folder` the current directory; a failure is ignored.
  virtual void changeCurrentDirectory(const std::string& folder) = 0;

  // Shows the fatal error text (GBK, lines ended by CR LF) in a box captioned "错误" with the
  // stop icon and a single OK button, owned by no window; returns once the box is closed.
  // Where no box can be shown, the text goes to standard error instead.
  virtual void showFatalError(const std::string& text) = 0;

  // Ends the process with `code`: −1 right away (after a fatal error), 0 through the usual
  // process clean-up. Where exit statuses are 8 bits, −1 shows as 255.
  [[noreturn]] virtual void exitProcess(int code) = 0;
};

// The platform that the fatal error report and the end procedure use. Installed once at the
// very start of the program, before anything can fail; it must outlive every later call.
void installPlatform(Platform* platform);
Platform* installedPlatform();

}  // namespace app
