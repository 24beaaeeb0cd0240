#pragma once

#include "app/services.h"
#include "ui/label.h"
#include "ui/picture_box.h"
#include "ui/window.h"

namespace app {

// The About window: product, version and the maker's addresses.
class TForm3 {
 public:
  explicit TForm3(platform::Shell& shell);
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  ui::Window Form3{"Form3", 447, 356};
  ui::PictureBox imgHeader{"imgHeader", ui::PictureBox::Role::Header};
  ui::Label lblAppName{"lblAppName"};
  ui::Label lblVersion{"lblVersion"};
  ui::Label lblCopyright{"lblCopyright"};
  ui::Label lblWeb{"lblWeb", "", ui::LabelTone::Link};
  ui::Label lblSupport{"lblSupport", "", ui::LabelTone::Link};
  ui::PictureBox imgSeparator1{"imgSeparator1", ui::PictureBox::Role::Separator};
  ui::PictureBox imgSeparator2{"imgSeparator2", ui::PictureBox::Role::Separator};
  ui::Label lblWarning{"lblWarning"};

  void FormCreate();
  void lblWebClick();
  void lblSupportClick();

 private:
  platform::Shell& shell_;
};

}  // namespace app
