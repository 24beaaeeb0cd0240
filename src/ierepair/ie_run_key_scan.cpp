#include "ierepair/ie_run_key_scan.h"

#include "platform/registry.h"
#include "platform/text.h"

namespace ierepair {

namespace {

using platform::RegistryRoot;

// Tried in this order; the first hit decides.
constexpr std::string_view kRunMarkers[] = {"htm", "html", "asp",        "php",
                                            "hta", "url",  "regedit /s", "http://"};

// The user's RunServicesOnce is left alone.
constexpr struct {
  RegistryRoot root;
  const char* key;
} kRunKeys[] = {
    {RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Runonce"},
    {RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices"},
    {RegistryRoot::HKEY_LOCAL_MACHINE,
     "Software\\Microsoft\\Windows\\CurrentVersion\\RunServicesOnce"},
    {RegistryRoot::HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {RegistryRoot::HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Runonce"},
    {RegistryRoot::HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices"},
};

}  // namespace

bool HasRunMarker(std::string_view data) {
  for (std::string_view marker : kRunMarkers) {
    if (platform::ContainsNoCase(data, marker)) return true;
  }
  return false;
}

void RunKeyScan(platform::RegistryService& registry) {
  for (const auto& [root, key] : kRunKeys) {
    // Fresh lists for every key, so that data i belongs to name i of this key only.
    platform::TextList data;
    platform::TextList names;
    platform::RegReadValueList(registry, root, key, &data, &names);
    for (std::size_t i = 0; i < names.size() && i < data.size(); ++i) {
      if (HasRunMarker(data[i])) platform::RegRemoveValue(registry, root, key, names[i]);
    }
  }
}

}  // namespace ierepair
