#pragma once

#include <array>

namespace app {

// The in-memory copy of the profile's boolean keys; element n-1 is the key "Item" n.
struct ProfileFlags {
  std::array<bool, 12> IERepairer{};
  std::array<bool, 10> SystemRepairer{};
  std::array<bool, 8> HistoryCleaner{};
  std::array<bool, 4> General{};
  std::array<bool, 4> OneClick{};
};

}  // namespace app
