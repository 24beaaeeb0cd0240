#include "sysrepair/sys_fixes.h"

#include <string>

#include "platform/registry.h"

namespace sysrepair {

namespace {

using platform::RegistryRoot;
using platform::RegistryService;

constexpr RegistryRoot HKCU = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot HKLM = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr RegistryRoot HKU = RegistryRoot::HKEY_USERS;

constexpr char kSystemPoliciesKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr char kExplorerPoliciesKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kDefaultUserExplorerPoliciesKey[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kWinlogonKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
constexpr char kIdentitiesKey[] = "Identities";
constexpr char kOutlookExpressBranch[] = "\\Software\\Microsoft\\Outlook Express\\5.0";

// A restriction value set to 0: not restricted.
void Unrestrict(RegistryService& registry, const char* key, const char* name) {
  platform::RegWriteValue(registry, platform::vkInteger, HKCU, key, name, "0");
}

// Removes an Explorer restriction from the current user, the machine and the default user.
void RemoveFromEveryUser(RegistryService& registry, const char* name) {
  platform::RegRemoveValue(registry, HKCU, kExplorerPoliciesKey, name);
  platform::RegRemoveValue(registry, HKLM, kExplorerPoliciesKey, name);
  platform::RegRemoveValue(registry, HKU, kDefaultUserExplorerPoliciesKey, name);
}

// Only the first identity the registry lists has its window title put back.
void RepairOutlookExpressTitle(RegistryService& registry) {
  platform::TextList identities;
  platform::RegReadSubKeyNames(registry, HKCU, kIdentitiesKey, &identities);
  if (identities.empty()) return;
  const std::string key =
      std::string(kIdentitiesKey) + "\\" + identities.front() + kOutlookExpressBranch;
  platform::RegRemoveValue(registry, HKCU, key, "WindowTitle");
}

}  // namespace

void RunSystemFix(RegistryService& registry, int option) {
  switch (option) {
    case 0:
      Unrestrict(registry, kSystemPoliciesKey, "DisableRegistryTools");
      break;
    case 1:
      platform::RegRemoveKey(registry, HKLM, kWinlogonKey);
      break;
    case 2:
      Unrestrict(registry, kExplorerPoliciesKey, "NoRun");
      break;
    case 3:
      Unrestrict(registry, kExplorerPoliciesKey, "NoLogOff");
      break;
    case 4:
      Unrestrict(registry, kExplorerPoliciesKey, "NoShutDown");
      break;
    case 5:
      platform::RegRemoveValue(registry, HKCU, kExplorerPoliciesKey, "NoDrives");
      break;
    case 6:
      platform::RegRemoveValue(registry, HKCU, kExplorerPoliciesKey, "NoDesktop");
      platform::RegRemoveValue(registry, HKLM, kExplorerPoliciesKey, "NoDesktop");
      break;
    case 7:
      RepairOutlookExpressTitle(registry);
      break;
    case 8:
      RemoveFromEveryUser(registry, "NoSetFolders");
      break;
    case 9:
      RemoveFromEveryUser(registry, "NoNetHood");
      break;
    default:
      break;
  }
}

}  // namespace sysrepair
