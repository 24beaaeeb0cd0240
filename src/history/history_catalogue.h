#pragma once

#include "app/option_catalogue.h"

namespace history {

// The History Cleaner's ten quick-start erasers, in the order they run.
app::OptionCatalogue HistoryOptionCatalogue();

}  // namespace history
