#pragma once

#include <string>

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/edit_field.h"
#include "ui/picture_box.h"

namespace sysrepair {

// The OEM page "snbOEM": the manufacturer's support information file and logo in the system
// folder, which the System Properties dialog box shows.
class OEMPage {
 public:
  explicit OEMPage(app::TForm1& form);
  OEMPage(const OEMPage&) = delete;
  OEMPage& operator=(const OEMPage&) = delete;

  ui::EditField edtOEMCompany{"edtOEMCompany"};
  ui::EditField edtOEMModel{"edtOEMModel"};
  ui::Memo mmoOEMSupportInfo{"mmoOEMSupportInfo"};
  ui::PictureBox imgOEMPicture{"imgOEMPicture", ui::PictureBox::Role::Image};
  ui::Button xpbBrowse{"xpbBrowse", "&Load Picture"};
  ui::Button xpbOEMDelPic{"xpbOEMDelPic", "&Delete Picture"};

  // Reads the logo (when the file exists) and the information file into the page. A logo that
  // cannot be read as a picture raises its error once the information is in the boxes, and Save
  // then leaves that file alone until the user chooses or removes a picture.
  void Load();

  void xpbBrowseClick();
  void xpbOEMDelPicClick();
  void sgbSysRepairActionResetClick();
  void sgbSysRepairActionClearClick();
  void sgbSysRepairActionSaveClick();

 private:
  void Declare();
  std::string SystemFolder() const;
  void EmptyPage();
  // Deletes a file of the system folder; a missing one is no error, one that stays raises.
  void DeleteSystemFile(const std::string& path);

  app::TForm1& form_;
  // The logo file exists but could not be read, and the picture box does not show it.
  bool logoUnread_ = false;
};

}  // namespace sysrepair
