#include "app/about_form.h"
#include "app/main_form.h"

namespace app {

void TForm1::ibMinimizeClick() {
  ctiTrayIcon.setMinimizeToTray(false);
  Form1.minimize();
}

void TForm1::ibMiniToTrayClick() {
  Form1.hide();
  Form1.setTaskbarButton(false);
  ctiTrayIcon.setVisible(true);
}

void TForm1::ibCloseClick() {
  Form1.close();
}

void TForm1::ctiTrayIconDblClick() {
  Form1.setTaskbarButton(true);
  Form1.restore();
  Form1.show();
  Form1.bringToFront();
}

void TForm1::FlatButton1Click() {
  PopupMenu1.popupAtCursor();
}

void TForm1::Help1Click() {
  services.shell.ShellExecuteA("open", kHelpFile, "", "", platform::SW_SHOWNORMAL);
}

void TForm1::Website1Click() {
  services.shell.ShellExecuteA("open", kWebAddress, "", "", platform::SW_SHOWNORMAL);
}

void TForm1::Support1Click() {
  services.shell.ShellExecuteA("open", std::string("mailto:") + kSupportAddress, "", "",
                               platform::SW_SHOWNORMAL);
}

void TForm1::Feedback1Click() {
  services.shell.ShellExecuteA("open", std::string("mailto:") + kFeedbackAddress, "", "",
                               platform::SW_SHOWNORMAL);
}

void TForm1::lblWebSiteClick() {
  Website1Click();
}

void TForm1::About1Click() {
  if (Form3) Form3->Form3.show();
}

}  // namespace app
