#include "sysrepair/general_page.h"

#include <string>
#include <string_view>

#include "platform/registry.h"
#include "platform/text.h"

namespace sysrepair {

namespace {

using platform::RegistryRoot;

constexpr RegistryRoot HKLM = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr char kNtCurrentVersionKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kWindowsCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kComputerNameKey[] =
    "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

}  // namespace

GeneralPage::GeneralPage(app::TForm1& form) : form_(form) {
  Declare();
  form_.sgbGeneralActionSave.onClick = [this] { sgbGeneralActionSaveClick(); };
}

std::array<GeneralPage::Field, 7> GeneralPage::Fields() {
  return {{
      {&edtRegOrg, nullptr, "RegisteredOrganization"},
      {&edtRegName, nullptr, "RegisteredOwner"},
      {&edtComputerName, kComputerNameKey, "ComputerName"},
      {&edtProductName, kNtCurrentVersionKey, "ProductName"},
      {&edtProductSerial, kNtCurrentVersionKey, "ProductID"},
      {&edtVersion, kNtCurrentVersionKey, "CurrentVersion"},
      {&edtVersionNumber, kNtCurrentVersionKey, "CurrentBuildNumber"},
  }};
}

void GeneralPage::Declare() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbGeneral");
  auto line = [&page](const char* name, const char* caption, ui::EditField& box) {
    return row({item(page.make<ui::Label>(name, caption)), item(box)});
  };
  page.layout = column({group("grpGeneral", "General Infomation",
                              {line("lblRegOrg", "Registration Orgnization: ", edtRegOrg),
                               line("lblRegName", "Registration Name: ", edtRegName),
                               line("lblComputerName", "Computer Name: ", edtComputerName),
                               line("lblProductName", "Product Name:", edtProductName),
                               line("lblProductSerial", "Product Seiral:", edtProductSerial),
                               line("lblVersion", "Version:", edtVersion),
                               line("lblVersionNumber", "Version Number:", edtVersionNumber)}),
                        stretch()});
}

const char* GeneralPage::KeyOf(const Field& field) const {
  if (field.key) return field.key;
  return form_.NtPlatform ? kNtCurrentVersionKey : kWindowsCurrentVersionKey;
}

void GeneralPage::Fill() {
  std::array<Field, 7> fields = Fields();
  // Every box counts as unread until its value is in it.
  for (std::size_t i = 0; i < fields.size(); ++i) {
    loaded_[i] = false;
    fields[i].box->setReadOnly(true);
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field& field = fields[i];
    field.box->setText(platform::RegReadValue(form_.services.registry, platform::vkString, HKLM,
                                              KeyOf(field), field.name));
    field.box->setReadOnly(false);
    loaded_[i] = true;
  }
}

void GeneralPage::sgbGeneralActionSaveClick() {
  std::array<Field, 7> fields = Fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!loaded_[i]) continue;
    const Field& field = fields[i];
    platform::RegWriteValue(form_.services.registry, platform::vkString, HKLM, KeyOf(field),
                            field.name, platform::Trim(field.box->text()));
  }
}

}  // namespace sysrepair
