#include "sysrepair/oem_page.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/private_profile.h"
#include "platform/system_dirs.h"
#include "sysrepair/windows_bitmap.h"

namespace sysrepair {

namespace {

constexpr char kLogoFile[] = "Oemlogo.bmp";
// The information file is read under one spelling and written under another; names in the
// system folder ignore letter case, so both reach the same file.
constexpr char kInfoFileToRead[] = "OEMInfo.ini";
constexpr char kInfoFileToWrite[] = "Oeminfo.ini";
constexpr char kGeneralSection[] = "General";
constexpr char kSupportSection[] = "Support Information";

// The file name in quotes, then the system's reason.
std::string FileError(const char* what, const std::string& path, const std::string& reason) {
  std::string message = std::string(what) + " \"" + path + "\"";
  if (!reason.empty()) message += ". " + reason;
  return message;
}

}  // namespace

OEMPage::OEMPage(app::TForm1& form) : form_(form) {
  Declare();
  xpbBrowse.onClick = [this] { xpbBrowseClick(); };
  xpbOEMDelPic.onClick = [this] { xpbOEMDelPicClick(); };
  form_.sgbSysRepairActionReset.onClick = [this] { sgbSysRepairActionResetClick(); };
  form_.sgbSysRepairActionClear.onClick = [this] { sgbSysRepairActionClearClick(); };
  form_.sgbSysRepairActionSave.onClick = [this] { sgbSysRepairActionSaveClick(); };
}

void OEMPage::Declare() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbOEM");
  auto text = [&page](const char* name, const char* caption) {
    return item(page.make<ui::Label>(name, caption));
  };
  page.layout = column(
      {text("lblOEMText", "Specify Logo and Infomation of the System Properties dialog box"),
       group(
           "grpOEM", "OEM Infomation",
           {row({text("lblOEMCompany", "OEM Company:"), item(edtOEMCompany)}),
            row({text("lblOEMModel", "OEM Model:"), item(edtOEMModel)}),
            text("lblOEMSupportInfo", "Technology Support Infomation:"), item(mmoOEMSupportInfo),
            text("lblOEMPicture", "OEM Manufacturer Logo:"),
            row({item(imgOEMPicture), column({item(xpbBrowse), item(xpbOEMDelPic), stretch()})})}),
       stretch()});
}

std::string OEMPage::SystemFolder() const {
  return platform::GetSystemDirPath(form_.services.system, 1);
}

void OEMPage::Load() {
  const std::string folder = SystemFolder();
  const std::string logo = folder + kLogoFile;
  // The information is read even when the logo is not a picture: otherwise the boxes would keep
  // older text, and a Save would write that over the file.
  std::exception_ptr logoError;
  logoUnread_ = false;
  if (form_.services.files.FileExists(logo)) {
    try {
      imgOEMPicture.setImage(form_.services.pictures.Load(logo));
    } catch (...) {
      logoError = std::current_exception();
      logoUnread_ = true;
    }
  }

  const platform::PrivateProfile info(form_.services.files, folder + kInfoFileToRead);
  const std::vector<std::string> keys = info.ReadSection(kSupportSection);
  edtOEMCompany.setText(info.ReadString(kGeneralSection, "Manufacturer", ""));
  edtOEMModel.setText(info.ReadString(kGeneralSection, "Model", ""));
  std::vector<std::string> lines;
  lines.reserve(keys.size());
  for (const std::string& key : keys) lines.push_back(info.ReadString(kSupportSection, key, ""));
  mmoOEMSupportInfo.setLines(std::move(lines));

  if (logoError) std::rethrow_exception(logoError);
}

void OEMPage::xpbBrowseClick() {
  std::optional<std::string> path = form_.application.dialogs().OpenPicture("Open");
  if (!path) return;
  imgOEMPicture.setImage(form_.services.pictures.Load(*path));
  logoUnread_ = false;
}

void OEMPage::xpbOEMDelPicClick() {
  imgOEMPicture.clear();
  logoUnread_ = false;
}

void OEMPage::EmptyPage() {
  edtOEMCompany.setText("");
  edtOEMModel.setText("");
  mmoOEMSupportInfo.setLines({});
  imgOEMPicture.clear();
  logoUnread_ = false;
}

void OEMPage::sgbSysRepairActionResetClick() {
  EmptyPage();
}

void OEMPage::DeleteSystemFile(const std::string& path) {
  platform::FileService& files = form_.services.files;
  if (!files.FileExists(path) || files.DeleteFile(path)) return;
  throw platform::Error(FileError("Cannot delete file", path, files.LastError()));
}

void OEMPage::sgbSysRepairActionClearClick() {
  if (form_.application.dialogs().MessageBox("Are you sure you want to clear OEM Info", "OEM Info",
                                             ui::MB_YESNO | ui::MB_ICONQUESTION) != ui::IDYES) {
    return;
  }
  const std::string folder = SystemFolder();
  DeleteSystemFile(folder + kInfoFileToWrite);
  DeleteSystemFile(folder + kLogoFile);
  EmptyPage();
}

void OEMPage::sgbSysRepairActionSaveClick() {
  const std::string folder = SystemFolder();
  const std::string logo = folder + kLogoFile;
  platform::FileService& files = form_.services.files;
  if (!logoUnread_) {
    if (imgOEMPicture.image().empty()) {
      DeleteSystemFile(logo);
    } else if (!files.ReplaceWholeFile(logo, EncodeWindowsBitmap(imgOEMPicture.image()))) {
      throw platform::Error(FileError("Cannot create file", logo, files.LastError()));
    }
  }

  platform::PrivateProfile info(files, folder + kInfoFileToWrite);
  info.WriteString(kGeneralSection, "Manufacturer", edtOEMCompany.text());
  info.WriteString(kGeneralSection, "Model", edtOEMModel.text());
  for (const std::string& key : info.ReadSection(kSupportSection)) {
    info.DeleteKey(kSupportSection, key);
  }
  const std::vector<std::string>& lines = mmoOEMSupportInfo.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    info.WriteString(kSupportSection, "Line" + std::to_string(i + 1), lines[i]);
  }
}

}  // namespace sysrepair
