#include "host/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace talvora {
namespace {

struct CommandLineCase {
  std::string arguments;
  StartupMode mode;
  std::int32_t handle;
  friend std::ostream& operator<<(std::ostream& out, const CommandLineCase& c) {
    return out << '"' << c.arguments << '"';
  }
};

class DecideStartupTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(DecideStartupTest, ChoosesModeAndHandle) {
  const CommandLineCase& c = GetParam();
  EXPECT_EQ(DecideStartup(c.arguments), (StartupDecision{c.mode, c.handle}))
      << '"' << c.arguments << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Switches, DecideStartupTest,
    testing::Values(CommandLineCase{"", StartupMode::kFullScreen, 0},
                    CommandLineCase{"   ", StartupMode::kFullScreen, 0},
                    CommandLineCase{"/s", StartupMode::kFullScreen, 0},
                    CommandLineCase{"/S", StartupMode::kFullScreen, 0},
                    CommandLineCase{"  /s  ", StartupMode::kFullScreen, 0},
                    CommandLineCase{"/scr", StartupMode::kFullScreen, 0},
                    CommandLineCase{"/p 1234", StartupMode::kPreview, 1234},
                    CommandLineCase{"/P 1234", StartupMode::kPreview, 1234},
                    CommandLineCase{"/p:1234", StartupMode::kPreview, 1234},
                    CommandLineCase{"/p", StartupMode::kPreview, 0},
                    CommandLineCase{"/p abc", StartupMode::kPreview, 0},
                    CommandLineCase{"/p 12x34", StartupMode::kPreview, 34},
                    CommandLineCase{"/p 2.5", StartupMode::kPreview, 2},
                    CommandLineCase{"/p 99999999999", StartupMode::kPreview, 2147483647},
                    // The longest tail that is a number, read from the end.
                    CommandLineCase{"/p 1.2.3e1", StartupMode::kPreview, 23},
                    CommandLineCase{"/p 5e+1", StartupMode::kPreview, 50},
                    CommandLineCase{"/p x.e1", StartupMode::kPreview, 1},
                    CommandLineCase{"/p:--7", StartupMode::kPreview, -7},
                    CommandLineCase{"/p - 7", StartupMode::kPreview, 7},
                    CommandLineCase{"/p 1.5e", StartupMode::kPreview, 0},
                    CommandLineCase{"/p 3d2", StartupMode::kPreview, 300},
                    CommandLineCase{"/c", StartupMode::kSetup, 0},
                    CommandLineCase{"/c:1234", StartupMode::kSetup, 0},
                    CommandLineCase{"/C 55", StartupMode::kSetup, 0},
                    CommandLineCase{"/a 1234", StartupMode::kPasswordChange, 1234},
                    CommandLineCase{"/a", StartupMode::kPasswordChange, 0},
                    CommandLineCase{"/a:77", StartupMode::kPasswordChange, 0},
                    CommandLineCase{" /a 1234", StartupMode::kPasswordChange, 0},
                    CommandLineCase{"/a 12 34", StartupMode::kPasswordChange, 1234},
                    CommandLineCase{"/x", StartupMode::kNone, 0},
                    CommandLineCase{"-s", StartupMode::kNone, 0},
                    CommandLineCase{"s", StartupMode::kNone, 0},
                    CommandLineCase{"é/s", StartupMode::kNone, 0}));

// Found by fuzzing: a command line at the Windows limit of 32767 characters took seconds, as
// every tail was read anew; the handle is now read in one pass from the end.
TEST(DecideStartup, ReadsThePreviewHandleOfTheLongestCommandLine) {
  EXPECT_EQ(DecideStartup("/p " + std::string(32760, '1') + "x").windowHandle, 0);
  EXPECT_EQ(DecideStartup("/p " + std::string(32760, 'x') + " 42").windowHandle, 42);
}

TEST(DecideStartup, PasswordHandleIsReadAsALeadingNumber) {
  EXPECT_EQ(DecideStartup("/a 0x10").windowHandle, 0);
  EXPECT_EQ(DecideStartup("/a 12abc").windowHandle, 12);
  EXPECT_EQ(DecideStartup("/a &H10").windowHandle, 16);
}

struct ProgramArgumentsCase {
  std::string commandLine;
  std::string arguments;
  friend std::ostream& operator<<(std::ostream& out, const ProgramArgumentsCase& c) {
    return out << '"' << c.commandLine << '"';
  }
};

class ProgramArgumentsTest : public testing::TestWithParam<ProgramArgumentsCase> {};

TEST_P(ProgramArgumentsTest, DropsTheProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(ProgramArguments(GetParam().commandLine), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramArgumentsTest,
    testing::Values(ProgramArgumentsCase{"\"C:\\Program Files\\Talvora.scr\" /p 1234", "/p 1234"},
                    ProgramArgumentsCase{"C:\\WINDOWS\\TALVORA.SCR /s", "/s"},
                    ProgramArgumentsCase{"Talvora.scr", ""},
                    ProgramArgumentsCase{"\"Talvora.scr\"", ""},
                    ProgramArgumentsCase{"\"Talvora.scr\"/c:42", "/c:42"},
                    ProgramArgumentsCase{"Talvora.scr \t  /a 77  ", "/a 77  "},
                    ProgramArgumentsCase{"\"unclosed /s", ""}, ProgramArgumentsCase{"", ""}));

}  // namespace
}  // namespace talvora
