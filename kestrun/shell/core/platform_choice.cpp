#include "core/platform_choice.h"

#include <cstdlib>
#include <string>

namespace kestrun {

namespace {

bool NamesPlatform(std::span<const char* const> arguments) {
  // Qt takes "-platform NAME" and "--platform NAME" anywhere after the
  // program name; a trailing option without its name chooses nothing.
  for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return false;
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

std::string_view ChoosePlatform(const PlatformEnvironment& environment,
                                std::span<const char* const> arguments) {
  if (!environment.qpaPlatform.empty() || NamesPlatform(arguments)) return {};
  const bool wayland = !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
  if (!wayland || environment.x11Display.empty()) return {};
  return "xcb";
}

void PreferXWayland(int argc, const char* const* argv) {
  const PlatformEnvironment environment{Variable("QT_QPA_PLATFORM"), Variable("WAYLAND_DISPLAY"),
                                        Variable("XDG_SESSION_TYPE"), Variable("DISPLAY")};
  const std::string_view platform =
      ChoosePlatform(environment, std::span(argv, static_cast<std::size_t>(argc)));
  if (!platform.empty()) setenv("QT_QPA_PLATFORM", std::string(platform).c_str(), 1);
}

}  // namespace kestrun
