#pragma once

#include "platform/registry_service.h"

// Where Internet Explorer keeps the settings the IE Repairer repairs and edits.
namespace ierepair {

inline constexpr char kMainKey[] = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr char kDefaultUserMainKey[] =
    ".Default\\Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr char kRestrictionsKey[] =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
inline constexpr char kControlPanelKey[] =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
inline constexpr char kToolbarKey[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
inline constexpr char kSearchKey[] = "Software\\Microsoft\\Internet Explorer\\Search";

// The context-menu extensions the browser shows, and the program's own parking key beside them.
inline constexpr char kInternetExplorerKey[] = "Software\\Microsoft\\Internet Explorer";
inline constexpr char kMenuExtName[] = "MenuExt";
inline constexpr char kMenuExtBakName[] = "MenuExtBak";
inline constexpr char kMenuExtKey[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";
inline constexpr char kMenuExtBakKey[] = "Software\\Microsoft\\Internet Explorer\\MenuExtBak";

// Toolbar buttons (under HKEY_LOCAL_MACHINE) and their command mapping (under
// HKEY_CURRENT_USER).
inline constexpr char kExtensionsKey[] = "Software\\Microsoft\\Internet Explorer\\Extensions";
inline constexpr char kCmdMappingKey[] =
    "Software\\Microsoft\\Internet Explorer\\Extensions\\CmdMapping";

inline constexpr char kDefaultTitle[] = "Microsoft Internet Explorer";
inline constexpr char kDefaultStartPage[] = "about:blank";

struct KeyLocation {
  platform::RegistryRoot root;
  const char* key;
};

// The three copies of the browser's title and start page, in the order they are written.
inline constexpr KeyLocation kMainKeys[] = {
    {platform::RegistryRoot::HKEY_CURRENT_USER, kMainKey},
    {platform::RegistryRoot::HKEY_LOCAL_MACHINE, kMainKey},
    {platform::RegistryRoot::HKEY_USERS, kDefaultUserMainKey},
};

}  // namespace ierepair
