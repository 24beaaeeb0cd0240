#pragma once

#include <array>

#include "app/main_form.h"
#include "ui/edit_field.h"

namespace sysrepair {

// The General page "snbGeneral": the registered owner and the machine's product data, each box
// bound to one text value under HKEY_LOCAL_MACHINE.
class GeneralPage {
 public:
  explicit GeneralPage(app::TForm1& form);
  GeneralPage(const GeneralPage&) = delete;
  GeneralPage& operator=(const GeneralPage&) = delete;

  ui::EditField edtRegOrg{"edtRegOrg"};
  ui::EditField edtRegName{"edtRegName"};
  ui::EditField edtComputerName{"edtComputerName"};
  ui::EditField edtProductName{"edtProductName"};
  ui::EditField edtProductSerial{"edtProductSerial"};
  ui::EditField edtVersion{"edtVersion"};
  ui::EditField edtVersionNumber{"edtVersionNumber"};

  // Reads the seven values into the boxes. A value that is not text stops the filling with the
  // registry's error; that box and the ones after it stay read-only and are not saved, so that a
  // Save never overwrites values the page could not show.
  void Fill();
  void sgbGeneralActionSaveClick();

 private:
  struct Field {
    ui::EditField* box;
    const char* key;  // null: the platform's CurrentVersion key
    const char* name;
  };

  void Declare();
  std::array<Field, 7> Fields();
  const char* KeyOf(const Field& field) const;

  app::TForm1& form_;
  std::array<bool, 7> loaded_{};
};

}  // namespace sysrepair
