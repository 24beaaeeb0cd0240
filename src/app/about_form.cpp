#include "app/about_form.h"

#include "app/main_form.h"

namespace app {

using namespace ui::layout;

TForm3::TForm3(platform::Shell& shell) : shell_(shell) {
  Form3.setPlacement(ui::WindowPlacement::OwnerCenter);
  lblWeb.onClick = [this] { lblWebClick(); };
  lblSupport.onClick = [this] { lblSupportClick(); };
  Form3.content = column({item(imgHeader), item(lblAppName), item(lblVersion), item(lblCopyright),
                          item(imgSeparator1), item(lblWeb), item(lblSupport), item(imgSeparator2),
                          item(lblWarning), stretch()});
  FormCreate();
}

void TForm3::FormCreate() {
  Form3.setCaption("About Sparvane Utilities 2006");
  lblAppName.setCaption(kProductName);
  lblAppName.setBold(true);
  lblVersion.setCaption("(version: 2.2.0.0625)");
  lblCopyright.setCaption("Copyright (C) 2006 Sparvane Software. All rights reserved.");
  lblWeb.setCaption(kWebAddress);
  lblWeb.setUnderline(true);
  lblSupport.setCaption(kSupportAddress);
  lblSupport.setUnderline(true);
  lblWarning.setCaption(
      "Warning: this computer program is protected by copyright law and international treaties.\r"
      "Unauthorized reproduction or distribution of this program, or any portion of it, may\r"
      "result in severe civil and criminal penalties.");
}

void TForm3::lblWebClick() {
  shell_.ShellExecuteA("open", kWebAddress, "", "", platform::SW_SHOWNORMAL);
}

void TForm3::lblSupportClick() {
  shell_.ShellExecuteA("open", std::string("mailto:") + kSupportAddress, "", "",
                       platform::SW_SHOWNORMAL);
}

}  // namespace app
