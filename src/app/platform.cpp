#include "app/platform.h"

namespace app {
namespace {
Platform* current = nullptr;
}

void installPlatform(Platform* platform) { current = platform; }
Platform* installedPlatform() { return current; }

}  // namespace app
