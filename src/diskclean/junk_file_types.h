#pragma once

#include <string>
#include <vector>

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/check_list.h"

namespace diskclean {

// The Disk Cleaner's masks and excluded drives: the lists in memory, their files beside the
// executable (spvMask.ini, spvIdleMask.ini, spvDrive.ini) and the "Type of Files" page.
class JunkFileTypes {
 public:
  explicit JunkFileTypes(app::TForm1& form);
  JunkFileTypes(const JunkFileTypes&) = delete;
  JunkFileTypes& operator=(const JunkFileTypes&) = delete;

  std::vector<std::string> DefaultMasks;
  std::vector<std::string> MaskList;
  std::vector<std::string> UncheckedMasks;
  std::vector<std::string> ExcludedDrives;

  ui::CheckList clbFileTypes{"clbFileTypes"};
  ui::Button xpbAddFileType{"xpbAddFileType", "&Add", "Add new file type"};
  ui::Button xpbEditFileType{"xpbEditFileType", "&Edit", "Edit the exsiting file type"};
  ui::Button xpbRemoveFileType{"xpbRemoveFileType", "&Remove", "Remove the exsiting file type"};
  ui::Button xpbDefaultFileType{"xpbDefaultFileType", "&Default", "Restore default settings"};

  // The masks a junk scan uses: MaskList without the unchecked ones, in order.
  std::vector<std::string> ActiveMasks() const;

  void LoadMaskLists();
  void ShowDrives();
  void ShowFileTypes();
  void SaveMaskLists();
  void xpbAddFileTypeClick();
  void xpbEditFileTypeClick();
  void xpbRemoveFileTypeClick();
  void xpbDefaultFileTypeClick();
  void clbFileTypesClick();

 private:
  std::string ListPath(const char* name) const;
  void UncheckExcludedDrives();
  void FillFileTypes();
  void DeclarePage();

  app::TForm1& form_;
};

}  // namespace diskclean
