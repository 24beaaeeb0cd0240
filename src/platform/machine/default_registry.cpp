#include "platform/machine/default_registry.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <string_view>

#include "platform/machine/host_files.h"
#include "platform/machine/wine_unicode.h"
#include "platform/registry_service.h"

namespace platform {

namespace {

constexpr std::string_view kNt = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::string_view kWindows = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kInternetExplorer = "Software\\Microsoft\\Internet Explorer\\Main";

wine::HiveValue Text(std::string_view text, std::uint32_t type = REG_SZ) {
  std::u16string units = wine::Utf8ToUtf16(text);
  units += u'\0';
  std::string data;
  for (char16_t unit : units) {
    data += static_cast<char>(unit & 0xFF);
    data += static_cast<char>(unit >> 8);
  }
  return {type, std::move(data)};
}

wine::HiveValue Number(std::uint32_t number) {
  std::string data;
  for (int i = 0; i < 4; ++i) data += static_cast<char>((number >> (8 * i)) & 0xFF);
  return {REG_DWORD, std::move(data)};
}

// Sets values of one key, creating it.
class KeyWriter {
 public:
  KeyWriter(WineHive& hive, std::string_view path)
      : hive_(hive), key_(hive.CreatePath(hive.Root(), path)) {}
  KeyWriter& Set(std::string_view name, wine::HiveValue value) {
    hive_.SetValue(key_, name, std::move(value));
    return *this;
  }

 private:
  WineHive& hive_;
  WineHive::Key& key_;
};

void AddInternetExplorer(WineHive& hive) {
  KeyWriter(hive, kInternetExplorer)
      .Set("Start Page", Text("http://www.microsoft.com/isapi/redir.dll?prd=ie&pver=6&ar=msnhome"))
      .Set("Search Page", Text("http://www.microsoft.com/isapi/redir.dll?prd=ie&ar=iesearch"))
      .Set("Window Title", Text("Microsoft Internet Explorer"))
      .Set("Local Page", Text("C:\\WINDOWS\\system32\\blank.htm"));
}

void AddShellSettings(WineHive& hive) {
  // 0x91: no AutoRun on unknown, removable and network drives, as Windows XP installs it.
  KeyWriter(hive, std::string(kWindows) + "\\Policies\\Explorer")
      .Set("NoDriveTypeAutoRun", Number(0x91));
  hive.CreatePath(hive.Root(), std::string(kWindows) + "\\Run");
}

}  // namespace

WineHive DefaultSystemHive(const DefaultMachineSettings& settings) {
  WineHive hive = WineHive::Create("REGISTRY\\Machine", "win64");
  AddInternetExplorer(hive);
  KeyWriter(hive, kNt)
      .Set("CSDVersion", Text("Service Pack 3"))
      .Set("CurrentBuildNumber", Text("2600"))
      .Set("CurrentType", Text("Uniprocessor Free"))
      .Set("CurrentVersion", Text("5.1"))
      .Set("InstallDate", Number(1136073600))  // 2006-01-01
      .Set("PathName", Text("C:\\WINDOWS"))
      .Set("ProductId", Text("76487-OEM-0011903-00102"))
      .Set("ProductName", Text("Microsoft Windows XP"))
      .Set("RegisteredOrganization", Text(settings.organization))
      .Set("RegisteredOwner", Text(settings.owner))
      .Set("SoftwareType", Text("SYSTEM"))
      .Set("SystemRoot", Text("C:\\WINDOWS"));
  KeyWriter(hive, kWindows)
      .Set("CommonFilesDir", Text("C:\\Program Files\\Common Files"))
      .Set("ProgramFilesDir", Text("C:\\Program Files"))
      .Set("ProgramFilesPath", Text("%ProgramFiles%", REG_EXPAND_SZ));
  AddShellSettings(hive);

  KeyWriter(hive, "System\\ControlSet001\\Control\\ComputerName\\ActiveComputerName")
      .Set("ComputerName", Text(settings.computerName));
  KeyWriter(hive, "System\\ControlSet001\\Control\\ComputerName\\ComputerName")
      .Set("ComputerName", Text(settings.computerName));
  KeyWriter(hive, "System\\ControlSet001\\Hardware Profiles\\Current\\Software\\Fonts")
      .Set("LogPixels", Number(96));
  hive.MakeLink(hive.CreatePath(hive.Root(), "System\\CurrentControlSet"),
                "\\Registry\\Machine\\System\\ControlSet001");
  KeyWriter(hive, "System\\Select")
      .Set("Current", Number(1))
      .Set("Default", Number(1))
      .Set("Failed", Number(0))
      .Set("LastKnownGood", Number(1));
  return hive;
}

WineHive DefaultUserHive(const DefaultMachineSettings& settings) {
  WineHive hive = WineHive::Create("REGISTRY\\User\\" + settings.userSid, "win64");
  AddInternetExplorer(hive);
  AddShellSettings(hive);
  KeyWriter(hive, "Control Panel\\Desktop").Set("Wallpaper", Text(""));
  return hive;
}

WineHive DefaultUserTemplateHive(const DefaultMachineSettings&) {
  WineHive hive = WineHive::Create("REGISTRY\\User\\.Default", "win64");
  AddInternetExplorer(hive);
  KeyWriter(hive, "Control Panel\\Desktop").Set("Wallpaper", Text(""));
  return hive;
}

std::string WriteDefaultRegistry(const std::string& folder,
                                 const DefaultMachineSettings& settings) {
  struct File {
    const char* name;
    WineHive (*make)(const DefaultMachineSettings&);
  };
  for (const File& file : {File{"system.reg", DefaultSystemHive}, File{"user.reg", DefaultUserHive},
                           File{"userdef.reg", DefaultUserTemplateHive}}) {
    std::string path = folder + "/" + file.name;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) continue;
    if (!ReplaceUnixFile(path, file.make(settings).Text())) {
      return "The registry file " + path + " could not be written.";
    }
  }
  return {};
}

}  // namespace platform
