#include "platform/win32/win32_profile.h"

#include "tests/platform/profile_cases.h"

namespace talvora {
namespace {

INSTANTIATE_TEST_SUITE_P(Win32Profile, ProfileTableTest,
                         testing::Combine(testing::Values(Under<Win32Profile>("Win32Profile")),
                                          testing::ValuesIn(ProfileCases())));

INSTANTIATE_TEST_SUITE_P(Win32Profile, ProfilePathTest,
                         testing::Values(Under<Win32Profile>("Win32Profile")));

}  // namespace
}  // namespace talvora
