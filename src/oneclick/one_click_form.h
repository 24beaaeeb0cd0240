#pragma once

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/window.h"

namespace oneclick {

// The 1-Click Maintenance window.
class TForm2 : public app::OneClickWindowLink {
 public:
  explicit TForm2(app::TForm1& main);
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  ui::Window Form2{"Form2", 520, 400};
  ui::Notebook nbOneClick{"nbOneClick"};
  ui::Button xpbOneClickExecute{"xpbOneClickExecute", "&Execute"};
  ui::Button xpbOneClickClose{"xpbOneClickClose", "&Close"};

  void ShowDefaultPage() override;
  void ShowWindow() override;
  void xpbOneClickCloseClick();

 private:
  void DeclareDefaultPage();

  app::TForm1& main_;
};

}  // namespace oneclick
