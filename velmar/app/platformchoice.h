// Which windowing platform velmar asks Qt for. Its dialogs are centred on the
// frame and its toolbar docks again after floating: both rely on the program
// placing its own windows, which X11 grants and Wayland compositors do not.
// So in a Wayland session that offers XWayland it runs on XWayland, unless the
// user named a platform. The decision itself needs no toolkit.
#pragma once

#include <span>
#include <string_view>

namespace velmar {

// The environment the decision reads; an unset variable is an empty view.
struct PlatformEnvironment {
  std::string_view qpaPlatform;     // QT_QPA_PLATFORM
  std::string_view waylandDisplay;  // WAYLAND_DISPLAY
  std::string_view sessionType;     // XDG_SESSION_TYPE
  std::string_view x11Display;      // DISPLAY
};

// The platform to ask for ("xcb"), or an empty view to leave Qt's own choice.
// ARGUMENTS is the whole command line, program name first.
std::string_view ChoosePlatform(const PlatformEnvironment& environment,
                                std::span<const char* const> arguments);

// Reads the environment and, when ChoosePlatform names a platform, sets
// QT_QPA_PLATFORM to it. Call before the application object exists.
void PreferXWayland(int argc, const char* const* argv);

}  // namespace velmar
