#include "program/program.h"

namespace program {

namespace {

// Start-up runs once the tools have given the main window its pages, and before the other two
// windows exist.
app::TForm1& Started(app::TForm1& form) {
  form.FormCreate();
  return form;
}

}  // namespace

Program::Program(ui::Application& application, app::Services& services)
    : form1(application, services),
      ieRepairer(form1),
      systemRepairer(form1),
      historyCleaner(form1),
      diskCleaner(form1),
      emptyFolderFinder(form1),
      form2(Started(form1)),
      form3(services.shell) {
  form1.Form2 = &form2;
  form1.Form3 = &form3;
  form1.ShowOnStart();
}

}  // namespace program
