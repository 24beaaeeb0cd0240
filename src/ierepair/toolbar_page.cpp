#include "ierepair/toolbar_page.h"

#include "ierepair/ie_keys.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace ierepair {

namespace {

constexpr platform::RegistryRoot HKLM = platform::RegistryRoot::HKEY_LOCAL_MACHINE;

platform::TextList EntryKeys(platform::RegistryService& registry) {
  platform::TextList names;
  platform::RegReadSubKeyNames(registry, HKLM, kExtensionsKey, &names);
  return names;
}

std::string EntryPath(const std::string& entry) {
  return std::string(kExtensionsKey) + "\\" + entry;
}

std::string ReadEntry(platform::RegistryService& registry, const std::string& entry,
                      const char* name) {
  return platform::RegReadValue(registry, platform::vkString, HKLM, EntryPath(entry), name);
}

bool IsMarked(const ui::CheckList& list, const std::string& text) {
  for (const ui::CheckList::Item& item : list.items()) {
    if (item.checked && item.text == text) return true;
  }
  return false;
}

}  // namespace

ToolbarPage::ToolbarPage(app::TForm1& form) : form_(form) {
  Declare();
  xpbToolbarAdd.onClick = [this] { xpbToolbarAddClick(); };
  xpbToolbarDel.onClick = [this] { xpbToolbarDelClick(); };
  clbToobarNoDisplay.onClick = [this] { clbToobarNoDisplayClick(); };
  clbToolbarDisplay.onClick = [this] { clbToolbarDisplayClick(); };
}

void ToolbarPage::Declare() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbToolbar");
  auto text = [&page](const char* name, const char* caption) {
    return item(page.make<ui::Label>(name, caption));
  };
  page.layout =
      column({text("lblToolbarText",
                   "Specify which buttom should be shown in the Internet Explorer toolbar here"),
              row({column({text("lblToobarNoDisplay", "Toolbar entries(not displayed):"),
                           item(clbToobarNoDisplay)}),
                   column({stretch(), item(xpbToolbarAdd), item(xpbToolbarDel), stretch()}),
                   column({text("lblToolbarDisplay", "Toolbar entries(displayed):"),
                           item(clbToolbarDisplay)})}),
              group("grpToolbarDetails", "Details",
                    {row({text("lblToolbarName", "Name:"), item(lblToolbarNameContent), stretch()}),
                     row({text("lblToolbarLocation", "Location:"), item(lblToolbarLocationContent),
                          stretch()})})});
}

void ToolbarPage::Open() {
  form_.ShowPages("snbIERepair", "snbToolbar");
  form_.sgbIERepairActionRepair.setCaption("&Delete");
  FillLists();
}

void ToolbarPage::FillLists() {
  clbToobarNoDisplay.clear();
  clbToolbarDisplay.clear();
  platform::RegistryService& registry = form_.services.registry;
  for (const std::string& entry : EntryKeys(registry)) {
    std::string visible = ReadEntry(registry, entry, "Default Visible");
    std::string label = ReadEntry(registry, entry, "ButtonText");
    // A button without a label is not the page's business.
    if (label.empty()) continue;
    if (platform::ToLowerAscii(visible) == "yes") {
      clbToolbarDisplay.addItem(label);
    } else {
      clbToobarNoDisplay.addItem(label);
    }
  }
}

void ToolbarPage::SetVisibility(const ui::CheckList& list, const char* visible) {
  platform::RegistryService& registry = form_.services.registry;
  const platform::TextList entries = EntryKeys(registry);
  for (const ui::CheckList::Item& item : list.items()) {
    if (!item.checked) continue;
    for (const std::string& entry : entries) {
      if (ReadEntry(registry, entry, "ButtonText") == item.text) {
        platform::RegWriteValue(registry, platform::vkString, HKLM, EntryPath(entry),
                                "Default Visible", visible);
      }
    }
  }
  FillLists();
}

void ToolbarPage::xpbToolbarAddClick() {
  SetVisibility(clbToobarNoDisplay, "Yes");
}

void ToolbarPage::xpbToolbarDelClick() {
  SetVisibility(clbToolbarDisplay, "No");
}

void ToolbarPage::ShowDetails(const ui::CheckList& list) {
  platform::RegistryService& registry = form_.services.registry;
  const platform::TextList entries = EntryKeys(registry);
  const int selected = list.selectedIndex();
  if (selected < 0) return;
  if (selected >= list.count()) {
    lblToolbarNameContent.setCaption("");
    lblToolbarLocationContent.setCaption("");
    return;
  }
  const std::string& text = list.text(selected);
  std::string location;
  for (const std::string& entry : entries) {
    if (ReadEntry(registry, entry, "ButtonText") == text) {
      location = ReadEntry(registry, entry, "Exec");
      break;
    }
  }
  lblToolbarNameContent.setCaption(text);
  lblToolbarLocationContent.setCaption(location);
}

void ToolbarPage::clbToobarNoDisplayClick() {
  ShowDetails(clbToobarNoDisplay);
}

void ToolbarPage::clbToolbarDisplayClick() {
  ShowDetails(clbToolbarDisplay);
}

void ToolbarPage::DeleteButtons() {
  platform::RegistryService& registry = form_.services.registry;
  for (const std::string& entry : EntryKeys(registry)) {
    std::string label = ReadEntry(registry, entry, "ButtonText");
    if (label.empty()) continue;
    // Deleting a key twice does nothing the second time.
    if (IsMarked(clbToobarNoDisplay, label))
      platform::RegRemoveKey(registry, HKLM, EntryPath(entry));
    if (IsMarked(clbToolbarDisplay, label))
      platform::RegRemoveKey(registry, HKLM, EntryPath(entry));
  }
  Open();
}

}  // namespace ierepair
