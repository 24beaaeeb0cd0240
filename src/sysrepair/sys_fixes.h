#pragma once

#include "platform/registry_service.h"

namespace sysrepair {

// Makes the registry edits of quick-start fix `option` (0 to 9, the catalogue's order).
// Keys that cannot be opened or created are skipped; an integer write the registry refuses
// raises the registry's error.
void RunSystemFix(platform::RegistryService& registry, int option);

}  // namespace sysrepair
