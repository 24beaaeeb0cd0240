#include "oneclick/one_click_form.h"

namespace oneclick {

using namespace ui::layout;

TForm2::TForm2(app::TForm1& main) : main_(main) {
  Form2.setCaption("1-Click Maintenace");
  Form2.setPlacement(ui::WindowPlacement::OwnerCenter);
  DeclareDefaultPage();
  Form2.content = column({item(nbOneClick)});
  // The run itself is not offered yet.
  xpbOneClickExecute.setEnabled(false);
  xpbOneClickClose.onClick = [this] { xpbOneClickCloseClick(); };
}

void TForm2::DeclareDefaultPage() {
  ui::Page& page = nbOneClick.addPage("Default");
  ui::Label& title = page.make<ui::Label>("lblOneClickTitle",
                                          "Welcome to Sparvane Utilities 1-Click Maintenance Tool",
                                          ui::LabelTone::Heading);
  page.layout = column(
      {item(title),
       item(page.make<ui::Label>(
           "lblOneClickExplain",
           "You can repair your Internet Explorer and system affected by malicious code, erase "
           "your \r\nprivacy data and clean up your hard drive easily and quickly.\r\nOptions for "
           "this utility are the same as in each individual module, so it is advisable to check "
           "\r\neach module options before you run 1-Click Maintenance. Just in earch module "
           "select options \r\nyou want to execute and click Save.")),
       item(page.make<ui::Label>("lblOneClickNote", "Note:")),
       item(page.make<ui::Label>("lblOneClickNoteText",
                                 "You won't be asked to confirm any repair/deletion/remove, all "
                                 "those cannot be \r\nreversed.")),
       item(page.make<ui::Label>("lblOneClickContinue",
                                 "To continue, click the \"Execute\" button below")),
       stretch(), row({stretch(), item(xpbOneClickExecute), item(xpbOneClickClose)})});
}

void TForm2::ShowDefaultPage() {
  nbOneClick.setActivePage("Default");
  ShowWindow();
}

void TForm2::ShowWindow() {
  Form2.restore();
  Form2.show();
  Form2.bringToFront();
}

void TForm2::xpbOneClickCloseClick() {
  Form2.hide();
  main_.ReportRefresh();
}

}  // namespace oneclick
