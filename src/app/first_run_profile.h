#pragma once

#include <string_view>
#include <vector>

#include "platform/private_profile.h"

namespace app {

// First-run marks of the boolean sections, Item1 first.
inline constexpr std::string_view kIERepairerMarks = "111110100000";
inline constexpr std::string_view kSystemRepairerMarks = "1111100100";
inline constexpr std::string_view kHistoryCleanerMarks = "00001100";
inline constexpr std::string_view kGeneralMarks = "0000";
inline constexpr std::string_view kOneClickMarks = "1111";

struct ProfileEntry {
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

// Every key of a new profile with its first-run value, in file order. A missing key reads as
// the same value.
const std::vector<ProfileEntry>& FirstRunProfile();

// Writes the complete first-run profile, key by key.
void WriteFirstRunProfile(platform::PrivateProfile& profile);

}  // namespace app
