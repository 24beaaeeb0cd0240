#include "ierepair/ie_view_page.h"

#include "ierepair/ie_keys.h"
#include "ierepair/ie_window_info.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace ierepair {

namespace {

using platform::RegistryRoot;

constexpr RegistryRoot HKCU = RegistryRoot::HKEY_CURRENT_USER;
constexpr char kBackBitmap[] = "BackBitmap";

// The three copies of the title, then those of the start page.
void WriteTitleAndStartPage(platform::RegistryService& registry, const std::string& title,
                            const std::string& startPage) {
  for (const KeyLocation& location : kMainKeys) {
    platform::RegWriteValue(registry, platform::vkString, location.root, location.key,
                            "Window Title", title);
  }
  for (const KeyLocation& location : kMainKeys) {
    platform::RegWriteValue(registry, platform::vkString, location.root, location.key, "Start Page",
                            startPage);
  }
}

}  // namespace

IEViewPage::IEViewPage(app::TForm1& form) : form_(form) {
  Declare();
  xpbCurrentPage.onClick = [this] { xpbCurrentPageClick(); };
  xpbLoad.onClick = [this] { xpbLoadClick(); };
  xpbIEViewRestore.onClick = [this] { xpbIEViewRestoreClick(); };
  // The box changes state at start-up too, when the profile marks it; the rule holds then as well.
  form_.spcbToolBarBgImage.onClick = [this] { spcbToolBarBgImageClick(); };
  spcbToolBarBgImageClick();
}

void IEViewPage::Declare() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbIEView");
  auto text = [&page](const char* name, const char* caption) {
    return item(page.make<ui::Label>(name, caption));
  };
  page.layout = column(
      {text("lblIEViewText",
            "You can define the Internet Explorer title, homepage, toolbar background here."),
       group("grpTitleBar", "Title Bar",
             {text("lblTitleBarText",
                   "Specify the Internet Explorer title next to the website title in the "
                   "Internet Explorer title bar"),
              item(edtTitleBar)}),
       group("grpHomepage", "Homepage",
             {text("lblHomepageText",
                   "Specify the Internet Explorer homepage which you want to show when the "
                   "Internet"),
              text("lblHomepageText2", "Explorer start"),
              row({item(edtHomepage), item(xpbCurrentPage)})}),
       group("grpToolBarBgImage", "Toolbar Background Image",
             {text("lblToolBarBgImageText",
                   "Specify the toolbar background image which you want to show in the Internet"),
              text("lblToolBarBgImageText2", "Explorer menu bar and toolbar"),
              item(form_.spcbToolBarBgImage), row({item(form_.edtImage), item(xpbLoad)})}),
       row({stretch(), item(xpbIEViewRestore)}), stretch()});
}

void IEViewPage::Open() {
  form_.ShowPages("snbIERepair", "snbIEView");
  form_.sgbIERepairActionRepair.setCaption("&Save");
  platform::RegistryService& registry = form_.services.registry;
  // A value of the wrong type stops here, with the page already shown.
  edtTitleBar.setText(
      platform::RegReadValue(registry, platform::vkString, HKCU, kMainKey, "Window Title"));
  edtHomepage.setText(
      platform::RegReadValue(registry, platform::vkString, HKCU, kMainKey, "Start Page"));
}

void IEViewPage::SaveView() {
  platform::RegistryService& registry = form_.services.registry;
  WriteTitleAndStartPage(registry, platform::Trim(edtTitleBar.text()),
                         platform::Trim(edtHomepage.text()));
  // The path is remembered even while the picture is switched off.
  const bool withPicture = form_.spcbToolBarBgImage.checked();
  const std::string imagePath = platform::Trim(form_.edtImage.text());
  platform::PrivateProfile profile = form_.profile.Open();
  profile.WriteBool(app::kIEViewSection, "BgPic", withPicture);
  profile.WriteString(app::kIEViewSection, "ImgPath", imagePath);
  platform::RegWriteValue(registry, platform::vkString, HKCU, kToolbarKey, kBackBitmap,
                          withPicture ? imagePath : std::string());
}

void IEViewPage::xpbCurrentPageClick() {
  std::string answer =
      GetIEWindowInfo(form_.services.dde, form_.application.dialogs(), form_.application.title());
  edtHomepage.setText(AddressOfWindowInfo(answer));
}

void IEViewPage::xpbLoadClick() {
  if (auto path = form_.application.dialogs().OpenPicture("Open")) form_.edtImage.setText(*path);
}

void IEViewPage::spcbToolBarBgImageClick() {
  const bool withPicture = form_.spcbToolBarBgImage.checked();
  form_.edtImage.setEnabled(withPicture);
  xpbLoad.setEnabled(withPicture);
}

void IEViewPage::xpbIEViewRestoreClick() {
  edtTitleBar.setText(kDefaultTitle);
  edtHomepage.setText(kDefaultStartPage);
  form_.edtImage.setText("");
  form_.spcbToolBarBgImage.setChecked(false);
  spcbToolBarBgImageClick();
  // The profile keeps the last saved picture choice until the next Save.
  platform::RegistryService& registry = form_.services.registry;
  WriteTitleAndStartPage(registry, kDefaultTitle, kDefaultStartPage);
  platform::RegWriteValue(registry, platform::vkString, HKCU, kToolbarKey, kBackBitmap, "");
}

}  // namespace ierepair
