#include "ierepair/ie_fixes.h"

#include <string>

#include "ierepair/ie_keys.h"
#include "ierepair/ie_run_key_scan.h"
#include "platform/registry.h"

namespace ierepair {

namespace {

using platform::RegistryRoot;
using platform::RegistryService;

constexpr RegistryRoot HKCR = RegistryRoot::HKEY_CLASSES_ROOT;
constexpr RegistryRoot HKCU = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot HKLM = RegistryRoot::HKEY_LOCAL_MACHINE;

// The browser maker's search assistant; the browser fills in the language part itself.
constexpr char kSearchHost[] = "http://ie.search.msn.com";

void WriteString(RegistryService& registry, RegistryRoot root, const char* key, const char* name,
                 const std::string& data) {
  platform::RegWriteValue(registry, platform::vkString, root, key, name, data);
}

// A policy value set to 0: not restricted.
void Unrestrict(RegistryService& registry, const char* name) {
  platform::RegWriteValue(registry, platform::vkInteger, HKCU, kRestrictionsKey, name, "0");
}

void WriteMainKeys(RegistryService& registry, const char* name, const char* data) {
  for (const KeyLocation& location : kMainKeys) {
    WriteString(registry, location.root, location.key, name, data);
  }
}

// Empties the browser's list of context-menu extensions; the parking key stays.
void RemoveContextMenuEntries(RegistryService& registry) {
  platform::TextList names;
  platform::RegReadSubKeyNames(registry, HKCU, kMenuExtKey, &names);
  for (const std::string& name : names) {
    platform::RegRemoveKey(registry, HKCU, std::string(kMenuExtKey) + "\\" + name);
  }
}

// Removes every add-on toolbar button and its command mapping.
void RemoveToolbarButtons(RegistryService& registry) {
  platform::TextList names;
  platform::RegReadSubKeyNames(registry, HKLM, kExtensionsKey, &names);
  for (const std::string& name : names) {
    platform::RegRemoveValue(registry, HKCU, kCmdMappingKey, name);
    platform::RegRemoveKey(registry, HKLM, std::string(kExtensionsKey) + "\\" + name);
  }
}

// Deletes the registered toolbars; the value named by one blank stays.
void CleanToolbar(RegistryService& registry) {
  platform::TextList data;
  platform::TextList names;
  platform::RegReadValueList(registry, HKLM, kToolbarKey, &data, &names);
  for (const std::string& name : names) {
    if (name != " ") platform::RegRemoveValue(registry, HKLM, kToolbarKey, name);
  }
}

}  // namespace

void RunIEFix(RegistryService& registry, int number) {
  switch (number) {
    case 1:
      WriteMainKeys(registry, "Window Title", kDefaultTitle);
      break;
    case 2:
      WriteMainKeys(registry, "Start Page", kDefaultStartPage);
      break;
    case 3:
      Unrestrict(registry, "NoBrowserOptions");
      break;
    case 4:
      Unrestrict(registry, "NoBrowserContextMenu");
      break;
    case 5:
      Unrestrict(registry, "NoViewSource");
      break;
    case 6:
      WriteString(registry, HKCU, kToolbarKey, "LinksFolderName", "Link");
      break;
    case 7:
      RunKeyScan(registry);
      break;
    case 8:
      WriteString(registry, HKLM, kSearchKey, "CustomizeSearch",
                  std::string(kSearchHost) + "/{SUB_RFC1766}/srchasst/srchcust.htm");
      WriteString(registry, HKLM, kSearchKey, "SearchAssistant",
                  std::string(kSearchHost) + "/{SUB_RFC1766}/srchasst/srchasst.htm");
      break;
    case 9:
      WriteString(registry, HKCR, "HTTP\\Shell\\open\\command", "",
                  "C:\\Program Files\\Internet Explorer\\iexplore.exe");
      WriteString(registry, HKCR, "HTTP\\Shell\\open\\ddeexec\\Application", "", "IExplore");
      break;
    case 10:
      RemoveContextMenuEntries(registry);
      break;
    case 11:
      RemoveToolbarButtons(registry);
      break;
    case 12:
      CleanToolbar(registry);
      break;
    default:
      break;
  }
}

}  // namespace ierepair
