#pragma once

#include <string_view>

#include "platform/registry_service.h"

namespace ierepair {

// True when a Run value's data holds one of the texts that mark a web page or a registry import
// started at log-on: a plain substring test, letter case ignored.
bool HasRunMarker(std::string_view data);

// Deletes, from the Run keys of the machine and the user, every value whose data has a run
// marker. Only the data is tested, never the name; a missing key is not created.
void RunKeyScan(platform::RegistryService& registry);

}  // namespace ierepair
