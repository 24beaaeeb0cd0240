#include "ierepair/internet_options_page.h"

#include <string>

#include "ierepair/ie_keys.h"
#include "platform/registry.h"

namespace ierepair {

namespace {

using platform::RegistryRoot;

constexpr RegistryRoot HKCU = RegistryRoot::HKEY_CURRENT_USER;
constexpr char kNoBrowserOptions[] = "NoBrowserOptions";

// The items of clbIEOption and the tab each one hides.
constexpr struct {
  const char* item;
  const char* value;
} kTabs[] = {
    {"Disable General", "GeneralTab"},   {"Disable Security", "SecurityTab"},
    {"Disable Content", "ContentTab"},   {"Disable Connections", "ConnectionsTab"},
    {"Disable Programs", "ProgramsTab"}, {"Disable Advanced", "AdvancedTab"},
};

bool IsSet(platform::RegistryService& registry, const char* key, const char* name) {
  return platform::RegReadValue(registry, platform::vkInteger, HKCU, key, name) == "1";
}

void WritePolicy(platform::RegistryService& registry, const char* key, const char* name,
                 bool hidden) {
  platform::RegWriteValue(registry, platform::vkInteger, HKCU, key, name, hidden ? "1" : "0");
}

}  // namespace

InternetOptionsPage::InternetOptionsPage(app::TForm1& form) : form_(form) {
  std::vector<std::string> items;
  for (const auto& tab : kTabs) items.emplace_back(tab.item);
  clbIEOption.setItems(items);
  Declare();
  spcbDiableIEOptions.onClick = [this] { spcbDiableIEOptionsClick(); };
  xpbInternetOptionsSelAll.onClick = [this] { xpbInternetOptionsSelAllClick(); };
  xpbInternetOptionsUnselAll.onClick = [this] { xpbInternetOptionsUnselAllClick(); };
}

void InternetOptionsPage::Declare() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbInternetOptions");
  page.layout =
      column({item(page.make<ui::Label>(
                  "lblInternetOptionsText",
                  "You can define the Internet Options in the Internet Explorer here")),
              item(spcbDiableIEOptions), item(clbIEOption),
              row({item(xpbInternetOptionsSelAll), item(xpbInternetOptionsUnselAll), stretch()})});
}

// The action button keeps the caption the previous page gave it.
void InternetOptionsPage::Open() {
  form_.ShowPages("snbIERepair", "snbInternetOptions");
  platform::RegistryService& registry = form_.services.registry;
  if (IsSet(registry, kRestrictionsKey, kNoBrowserOptions)) {
    loading_ = true;
    spcbDiableIEOptions.setChecked(true);
    loading_ = false;
  }
  for (int i = 0; i < static_cast<int>(std::size(kTabs)); ++i) {
    if (IsSet(registry, kControlPanelKey, kTabs[i].value)) clbIEOption.setChecked(i, true);
  }
}

void InternetOptionsPage::ApplyInternetOptions() {
  platform::RegistryService& registry = form_.services.registry;
  if (spcbDiableIEOptions.checked()) {
    WritePolicy(registry, kRestrictionsKey, kNoBrowserOptions, true);
    for (const auto& tab : kTabs) WritePolicy(registry, kControlPanelKey, tab.value, true);
    return;
  }
  WritePolicy(registry, kRestrictionsKey, kNoBrowserOptions, false);
  for (const auto& tab : kTabs) WritePolicy(registry, kControlPanelKey, tab.value, false);
  for (int i = 0; i < static_cast<int>(std::size(kTabs)); ++i) {
    WritePolicy(registry, kControlPanelKey, kTabs[i].value, clbIEOption.checked(i));
  }
}

void InternetOptionsPage::spcbDiableIEOptionsClick() {
  if (loading_) return;
  if (spcbDiableIEOptions.checked()) {
    ui::CheckAll(clbIEOption);
  } else {
    ui::UncheckAll(clbIEOption);
  }
}

void InternetOptionsPage::xpbInternetOptionsSelAllClick() {
  ui::CheckAll(clbIEOption);
}

void InternetOptionsPage::xpbInternetOptionsUnselAllClick() {
  ui::UncheckAll(clbIEOption);
}

}  // namespace ierepair
