#pragma once

#include "platform/registry_service.h"

namespace ierepair {

// Makes the registry edits of quick-start fix `number` (1 to 12, the catalogue's numbering).
// Writes that cannot open their key are skipped; a value that is not text in a key the fix
// lists raises the registry's data-type error.
void RunIEFix(platform::RegistryService& registry, int number);

}  // namespace ierepair
