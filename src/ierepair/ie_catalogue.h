#pragma once

#include "app/option_catalogue.h"

namespace ierepair {

// The IE Repairer's twelve quick-start fixes, in the order they run.
app::OptionCatalogue IEOptionCatalogue();

}  // namespace ierepair
