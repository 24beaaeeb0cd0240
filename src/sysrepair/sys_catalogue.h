#pragma once

#include "app/option_catalogue.h"

namespace sysrepair {

// The System Repairer's ten quick-start fixes, in the order they run.
app::OptionCatalogue SystemOptionCatalogue();

}  // namespace sysrepair
