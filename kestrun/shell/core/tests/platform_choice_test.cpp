// The platform kestrun asks for, over the sessions it meets: X11 alone,
// Wayland with and without XWayland, and the user's own choice by variable or
// option; and what main() calls, over the real environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/platform_choice.h"

namespace {

using kestrun::ChoosePlatform;
using kestrun::PlatformEnvironment;

struct Case {
  const char* name;
  PlatformEnvironment environment;
  std::vector<const char*> arguments;
  std::string_view expected;
};

TEST(PlatformChoice, XWaylandUnlessTheUserChoseOrThereIsNone) {
  const std::vector<const char*> plain{"kestrun"};
  const std::vector<Case> cases{
      {"nothing", {}, plain, ""},
      {"X11 session", {"", "", "x11", ":0"}, plain, ""},
      {"Wayland without XWayland", {"", "wayland-0", "wayland", ""}, plain, ""},
      {"Wayland with XWayland", {"", "wayland-0", "", ":1"}, plain, "xcb"},
      {"Wayland session named only", {"", "", "wayland", ":1"}, plain, "xcb"},
      {"-platform without a name", {"", "wayland-0", "", ":1"}, {"kestrun", "-platform"}, "xcb"},
      {"variable chooses Wayland", {"wayland", "wayland-0", "", ":1"}, plain, ""},
      {"variable chooses xcb", {"xcb", "wayland-0", "", ":1"}, plain, ""},
      {"-platform chooses Wayland",
       {"", "wayland-0", "", ":1"},
       {"kestrun", "-platform", "wayland"},
       ""},
      {"--platform chooses Wayland",
       {"", "wayland-0", "", ":1"},
       {"kestrun", "--platform", "wayland"},
       ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChoosePlatform(c.environment, c.arguments), c.expected) << c.name;
  }
}

TEST(PlatformChoice, MainSetsTheVariableOnlyWhenUnset) {
  setenv("WAYLAND_DISPLAY", "wayland-9", 1);
  setenv("DISPLAY", ":9", 1);
  unsetenv("QT_QPA_PLATFORM");
  const char* argv[] = {"kestrun"};
  kestrun::PreferXWayland(1, argv);
  EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "xcb");
  setenv("QT_QPA_PLATFORM", "wayland", 1);
  kestrun::PreferXWayland(1, argv);
  EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "wayland");
}

}  // namespace
