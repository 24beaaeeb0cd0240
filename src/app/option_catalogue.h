#pragma once

#include <span>

#include "ui/check_list.h"

namespace app {

// One quick-start option: its check-list text (also what the result box reports) and the
// progress lines written before and after it runs.
struct QuickStartOption {
  const char* item;
  const char* before;
  const char* after;
};

using OptionCatalogue = std::span<const QuickStartOption>;

// Gives a check list one unmarked item per option, in catalogue order.
void ShowCatalogue(ui::CheckList& list, OptionCatalogue catalogue);

}  // namespace app
