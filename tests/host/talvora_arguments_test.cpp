#include "host/live/talvora_arguments.h"

#include <gtest/gtest.h>

#include <ostream>

namespace talvora {
namespace {

struct ArgumentsCase {
  std::vector<std::string_view> arguments;
  std::optional<std::string_view> xscreensaverWindow;
  DisplayTarget target;
  std::optional<std::int64_t> x11Window;
  std::string moduleCommandLine;
  int width = 800;
  int height = 600;

  friend std::ostream& operator<<(std::ostream& out, const ArgumentsCase& c) {
    out << '[';
    for (std::string_view a : c.arguments) out << ' ' << a;
    return out << " ] XSCREENSAVER_WINDOW=" << c.xscreensaverWindow.value_or("(unset)");
  }
};

class TalvoraArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(TalvoraArgumentsTest, ChoosesWhereToDraw) {
  const ArgumentsCase& c = GetParam();
  const ParsedTalvoraArguments parsed = ParseTalvoraArguments(c.arguments, c.xscreensaverWindow);
  ASSERT_TRUE(parsed.options) << parsed.usageError;
  EXPECT_EQ(parsed.options->target, c.target);
  EXPECT_EQ(parsed.options->x11Window, c.x11Window);
  EXPECT_EQ(parsed.options->moduleCommandLine, c.moduleCommandLine);
  EXPECT_EQ(parsed.options->windowWidth, c.width);
  EXPECT_EQ(parsed.options->windowHeight, c.height);
}

using enum DisplayTarget;
constexpr std::nullopt_t kUnset = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Cases, TalvoraArgumentsTest,
    ::testing::Values(ArgumentsCase{{}, kUnset, kFullScreen, kUnset, ""},
                      ArgumentsCase{{"/s"}, kUnset, kFullScreen, kUnset, "/s"},
                      ArgumentsCase{{"/S"}, kUnset, kFullScreen, kUnset, "/S"},
                      ArgumentsCase{{"/c:1234"}, kUnset, kFullScreen, kUnset, "/c:1234"},
                      ArgumentsCase{{"/a", "77"}, kUnset, kFullScreen, kUnset, "/a 77"},
                      ArgumentsCase{{"/p", "1234"}, kUnset, kX11Window, 1234, "/p 1234"},
                      ArgumentsCase{{"/p:5678"}, kUnset, kX11Window, 5678, "/p:5678"},
                      // A preview switch without a window has nowhere to draw; start-up decides.
                      ArgumentsCase{{"/p"}, kUnset, kFullScreen, kUnset, "/p"},
                      ArgumentsCase{{"--window"}, kUnset, kWindow, kUnset, ""},
                      ArgumentsCase{{"--window=640x480"}, kUnset, kWindow, kUnset, "", 640, 480},
                      ArgumentsCase{{"--window=1X2", "/s"}, kUnset, kWindow, kUnset, "/s", 1, 2},
                      ArgumentsCase{{"-window-id", "4194311"}, kUnset, kX11Window, 4194311, ""},
                      ArgumentsCase{{"-window-id", "0x400007"}, kUnset, kX11Window, 0x400007, ""},
                      ArgumentsCase{{"--window-id=0X1F"}, kUnset, kX11Window, 31, ""},
                      ArgumentsCase{{"-window-id", "12"}, "0x99", kX11Window, 12, ""},
                      ArgumentsCase{{"-root"}, kUnset, kX11Window, kUnset, ""},
                      ArgumentsCase{{"-root"}, "0x99", kX11Window, 0x99, ""},
                      ArgumentsCase{{}, "153", kX11Window, 153, ""},
                      // A switch or a window of our own asked for outranks XScreenSaver's variable.
                      ArgumentsCase{{"/s"}, "153", kFullScreen, kUnset, "/s"},
                      ArgumentsCase{{"--window"}, "153", kWindow, kUnset, ""},
                      ArgumentsCase{{"-s"}, kUnset, kFullScreen, kUnset, "-s"}));

struct UsageErrorCase {
  std::vector<std::string_view> arguments;
  std::optional<std::string_view> xscreensaverWindow;

  friend std::ostream& operator<<(std::ostream& out, const UsageErrorCase& c) {
    for (std::string_view a : c.arguments) out << a << ' ';
    return out;
  }
};

class TalvoraUsageErrorTest : public ::testing::TestWithParam<UsageErrorCase> {};

TEST_P(TalvoraUsageErrorTest, SaysWhatIsWrong) {
  const ParsedTalvoraArguments parsed =
      ParseTalvoraArguments(GetParam().arguments, GetParam().xscreensaverWindow);
  EXPECT_FALSE(parsed.options);
  EXPECT_FALSE(parsed.usageError.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TalvoraUsageErrorTest,
    ::testing::Values(
        UsageErrorCase{{"-window-id"}, kUnset}, UsageErrorCase{{"-window-id", "0"}, kUnset},
        UsageErrorCase{{"-window-id", "-5"}, kUnset}, UsageErrorCase{{"-window-id", "0x"}, kUnset},
        UsageErrorCase{{"-window-id", "12ab"}, kUnset},
        UsageErrorCase{{"-window-id", "4294967296"}, kUnset},
        UsageErrorCase{{"-window-id", "5", "/s"}, kUnset}, UsageErrorCase{{"--window=640"}, kUnset},
        UsageErrorCase{{"--window=0x480"}, kUnset}, UsageErrorCase{{"--window", "-root"}, kUnset},
        UsageErrorCase{{"--window", "/p", "5"}, kUnset}, UsageErrorCase{{"-root", "/s"}, kUnset},
        UsageErrorCase{{"--store"}, kUnset}, UsageErrorCase{{"-set", "Saver"}, kUnset},
        UsageErrorCase{{"-set", "=3"}, kUnset}, UsageErrorCase{{}, "window"}));

TEST(TalvoraArguments, TakesThePlacesAndTheSettingsForOneRun) {
  const std::vector<std::string_view> arguments = {
      "--store",   "/tmp/s.reg",      "--program-dir=/opt/talvora",
      "--drive-c", "/tmp/c",          "-set",
      "Saver=3",   "--set=SS03Vel=7", "/s"};
  const auto parsed = ParseTalvoraArguments(arguments, std::nullopt);
  ASSERT_TRUE(parsed.options) << parsed.usageError;
  EXPECT_EQ(parsed.options->store, "/tmp/s.reg");
  EXPECT_EQ(parsed.options->programDir, "/opt/talvora");
  EXPECT_EQ(parsed.options->driveC, "/tmp/c");
  using Setting = std::pair<std::string, std::string>;
  EXPECT_EQ(parsed.options->settings, (std::vector<Setting>{{"Saver", "3"}, {"SS03Vel", "7"}}));
  EXPECT_EQ(parsed.options->moduleCommandLine, "/s");
}

TEST(TalvoraArguments, ThePreviewOfAWindowIsTheModulesPreviewSwitch) {
  EXPECT_EQ(PreviewCommandLine(4194311), "/p 4194311");
}

}  // namespace
}  // namespace talvora
