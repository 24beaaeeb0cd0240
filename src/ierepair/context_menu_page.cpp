#include "ierepair/context_menu_page.h"

#include <string>

#include "ierepair/ie_keys.h"
#include "platform/registry.h"

namespace ierepair {

namespace {

constexpr platform::RegistryRoot HKCU = platform::RegistryRoot::HKEY_CURRENT_USER;

platform::TextList SubKeysOf(platform::RegistryService& registry, const char* key) {
  platform::TextList names;
  platform::RegReadSubKeyNames(registry, HKCU, key, &names);
  return names;
}

std::string Below(const char* key, const std::string& name) {
  return std::string(key) + "\\" + name;
}

}  // namespace

ContextMenuPage::ContextMenuPage(app::TForm1& form) : form_(form) {
  Declare();
  xpbContextMenuAdd.onClick = [this] { xpbContextMenuAddClick(); };
  xpbContextMenuDel.onClick = [this] { xpbContextMenuDelClick(); };
  clbContextMenuNodisplay.onClick = [this] { clbContextMenuNodisplayClick(); };
  clbContextMenuDisplay.onClick = [this] { clbContextMenuDisplayClick(); };
}

void ContextMenuPage::Declare() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbContextMenu");
  auto text = [&page](const char* name, const char* caption) {
    return item(page.make<ui::Label>(name, caption));
  };
  page.layout = column(
      {text("lblContextMenuText",
            "You can specify which menu entries should be displayed in the Internet Explorer"),
       text("lblContextMenuText2", "Context menu here"),
       row({column({text("lblContextMenuNodisplay", "Context menu entries(not displayed):"),
                    item(clbContextMenuNodisplay)}),
            column({stretch(), item(xpbContextMenuAdd), item(xpbContextMenuDel), stretch()}),
            column({text("lblContextMenuDisplay", "Context menu entries(displayed):"),
                    item(clbContextMenuDisplay)})}),
       group(
           "grpContextMenuDetails", "Details",
           {row({text("lblContextMenuName", "Name:"), item(lblContextMenuNameContent), stretch()}),
            row({text("lblContextMenuLocation", "Location:"), item(lblContextMenuLocationContent),
                 stretch()})})});
}

void ContextMenuPage::Open() {
  form_.ShowPages("snbIERepair", "snbContextMenu");
  form_.sgbIERepairActionRepair.setCaption("&Delete");
  FillLists();
}

void ContextMenuPage::FillLists() {
  platform::RegistryService& registry = form_.services.registry;
  clbContextMenuNodisplay.setItems(SubKeysOf(registry, kMenuExtBakKey));
  clbContextMenuDisplay.setItems(SubKeysOf(registry, kMenuExtKey));
}

void ContextMenuPage::MoveMarked(const ui::CheckList& list, const char* from, const char* to) {
  platform::RegistryService& registry = form_.services.registry;
  // An entry whose name the other store holds already stays where it is.
  for (const ui::CheckList::Item& entry : list.items()) {
    if (!entry.checked) continue;
    platform::RegMoveSubKey(registry, HKCU, kInternetExplorerKey, Below(from, entry.text),
                            Below(to, entry.text));
  }
  FillLists();
}

void ContextMenuPage::xpbContextMenuAddClick() {
  MoveMarked(clbContextMenuNodisplay, kMenuExtBakName, kMenuExtName);
}

void ContextMenuPage::xpbContextMenuDelClick() {
  MoveMarked(clbContextMenuDisplay, kMenuExtName, kMenuExtBakName);
}

void ContextMenuPage::ShowDetails(const ui::CheckList& list, const char* storeKey) {
  platform::RegistryService& registry = form_.services.registry;
  platform::TextList names = SubKeysOf(registry, storeKey);
  const int selected = list.selectedIndex();
  if (selected < 0) return;
  if (selected >= list.count()) {
    lblContextMenuNameContent.setCaption("");
    lblContextMenuLocationContent.setCaption("");
    return;
  }
  const std::string& text = list.text(selected);
  std::string location;
  for (const std::string& name : names) {
    // Letter case counts here, unlike the registry's own lookup.
    if (name == text) {
      location =
          platform::RegReadValue(registry, platform::vkString, HKCU, Below(storeKey, name), "");
      break;
    }
  }
  lblContextMenuNameContent.setCaption(text);
  lblContextMenuLocationContent.setCaption(location);
}

void ContextMenuPage::clbContextMenuNodisplayClick() {
  ShowDetails(clbContextMenuNodisplay, kMenuExtBakKey);
}

void ContextMenuPage::clbContextMenuDisplayClick() {
  ShowDetails(clbContextMenuDisplay, kMenuExtKey);
}

void ContextMenuPage::DeleteEntries() {
  platform::RegistryService& registry = form_.services.registry;
  for (const ui::CheckList::Item& entry : clbContextMenuNodisplay.items()) {
    if (entry.checked) platform::RegRemoveKey(registry, HKCU, Below(kMenuExtBakKey, entry.text));
  }
  for (const ui::CheckList::Item& entry : clbContextMenuDisplay.items()) {
    if (entry.checked) platform::RegRemoveKey(registry, HKCU, Below(kMenuExtKey, entry.text));
  }
  FillLists();
}

}  // namespace ierepair
