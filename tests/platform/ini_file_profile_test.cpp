#include "platform/posix/ini_file_profile.h"

#include "tests/platform/profile_cases.h"

namespace talvora {
namespace {

INSTANTIATE_TEST_SUITE_P(IniFileProfile, ProfileTableTest,
                         testing::Combine(testing::Values(Under<IniFileProfile>("IniFileProfile")),
                                          testing::ValuesIn(ProfileCases())));

INSTANTIATE_TEST_SUITE_P(IniFileProfile, ProfilePathTest,
                         testing::Values(Under<IniFileProfile>("IniFileProfile")));

}  // namespace
}  // namespace talvora
