#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/machine/host_files.h"
#include "support/temporary_machine.h"
#include "support/test_machine.h"
#include "sysrepair/windows_bitmap.h"

namespace {

using testing_support::TestMachine;

constexpr char kInfo[] = "C:\\WINDOWS\\system32\\OEMInfo.ini";
constexpr char kLogo[] = "C:\\WINDOWS\\system32\\Oemlogo.bmp";
constexpr char kChosen[] = "C:\\Pictures\\acme.png";

const ui::Image kLogoImage{2, 2, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF}};
const ui::Image kChosenImage{3, 1, {0xFF112233, 0xFF445566, 0xFF778899}};

using Lines = std::vector<std::string>;

class SysOEMPage : public ::testing::Test {
 protected:
  void SetUp() override {
    // The logo is a file of the folder and a picture the picture reader knows.
    machine.pictures.Put(kLogo, kLogoImage);
    machine.pictures.Put(kChosen, kChosenImage);
  }

  void Start() {
    machine.start();
    page = &machine.program().systemRepairer.oem;
    form().lblSysRepair.click();
  }
  app::TForm1& form() { return machine.form(); }
  void Open() { form().sgbSysRepairOEM.click(); }
  void Save() { form().sgbSysRepairActionSave.click(); }
  void Clear() { form().sgbSysRepairActionClear.click(); }
  void ChoosePicture(std::optional<std::string> path) {
    machine.dialogs.pictures.push_back(std::move(path));
    page->xpbBrowse.click();
  }
  void PutLogoFile() { machine.files.Put(kLogo, sysrepair::EncodeWindowsBitmap(kLogoImage)); }

  bool PageIsEmpty() const {
    return page->edtOEMCompany.text().empty() && page->edtOEMModel.text().empty() &&
           page->mmoOEMSupportInfo.lines().empty() && page->imgOEMPicture.image().empty();
  }
  std::string ErrorText() const {
    auto errors = machine.dialogs.errors();
    return errors.size() == 1 ? errors[0].text : "(" + std::to_string(errors.size()) + " errors)";
  }

  TestMachine machine;
  sysrepair::OEMPage* page = nullptr;
};

TEST_F(SysOEMPage, OpeningLoadsTheLogoAndTheSupportKeysInFileOrder) {
  PutLogoFile();
  machine.files.Put(kInfo,
                    "[General]\r\nManufacturer=Acme\r\nModel=X1\r\n"
                    "[Support Information]\r\nZeta=Call us\r\n\r\nAlpha=\r\nHotline=555-0100\r\n");
  Start();
  Open();
  EXPECT_EQ(form().nbRight.activeName(), "snbOEM");
  EXPECT_EQ(form().nbLeft.activeName(), "snbSysRepair");
  EXPECT_EQ(form().nbSysRepairAction.activeName(), "snbOEM");
  EXPECT_EQ(page->edtOEMCompany.text(), "Acme");
  EXPECT_EQ(page->edtOEMModel.text(), "X1");
  EXPECT_EQ(page->mmoOEMSupportInfo.lines(), (Lines{"Call us", "", "555-0100"}));
  EXPECT_EQ(page->imgOEMPicture.image(), kLogoImage);
  EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(SysOEMPage, WithoutFilesTheBoxesEmptyButThePictureStays) {
  Start();
  Open();
  ChoosePicture(kChosen);
  page->edtOEMCompany.type("typed, not saved");
  form().sgbSysRepairActionBack.click();
  EXPECT_EQ(form().nbRight.activeName(), "snbDefault");
  Open();
  EXPECT_EQ(page->edtOEMCompany.text(), "");
  EXPECT_EQ(page->imgOEMPicture.image(), kChosenImage);
  EXPECT_FALSE(machine.files.FileExists(kInfo));
  EXPECT_FALSE(machine.files.FileExists(kLogo));
}

TEST_F(SysOEMPage, SaveWritesTheTextsAsTypedAndReplacesEverySupportKey) {
  struct Case {
    const char* name;
    std::optional<std::string> before;
    const char* support;
    std::string after;
  };
  const Case kCases[] = {
      {"over Line3 and a key of another name",
       "[General]\r\nManufacturer=Old Co\r\nModel=M1\r\n\r\n"
       "[Support Information]\r\nLine3=old three\r\nHotline=555\r\n",
       "first\r\nsecond",
       "[General]\r\nManufacturer= New Co \r\nModel=X2\r\n\r\n"
       "[Support Information]\r\nLine1=first\r\nLine2=second\r\n"},
      {"a new file, empty lines included", std::nullopt, "a\r\n\r\nb\r\n",
       "[General]\r\nManufacturer= New Co \r\nModel=X2\r\n"
       "[Support Information]\r\nLine1=a\r\nLine2=\r\nLine3=b\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    machine.files.Remove(kInfo);
    if (c.before) machine.files.Put(kInfo, *c.before);
    Start();
    Open();
    page->edtOEMCompany.type(" New Co ");
    page->edtOEMModel.type("X2");
    page->mmoOEMSupportInfo.type(c.support);
    Save();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_EQ(machine.files.Get(kInfo), c.after);
    // No picture shown: no logo file.
    EXPECT_FALSE(machine.files.FileExists(kLogo));
  }
}

TEST_F(SysOEMPage, SaveWritesThePictureShownAsAWindowsBitmap) {
  Start();
  Open();
  ChoosePicture(kChosen);
  EXPECT_EQ(page->imgOEMPicture.image(), kChosenImage);
  Save();
  EXPECT_EQ(machine.files.Get(kLogo), sysrepair::EncodeWindowsBitmap(kChosenImage));
  // It replaces an older logo too.
  PutLogoFile();
  ChoosePicture(kChosen);
  Save();
  EXPECT_EQ(machine.files.Get(kLogo), sysrepair::EncodeWindowsBitmap(kChosenImage));
}

TEST_F(SysOEMPage, LoadPictureKeepsThePictureWhenCancelledOrUnreadable) {
  PutLogoFile();
  Start();
  Open();
  ChoosePicture(std::nullopt);
  EXPECT_EQ(page->imgOEMPicture.image(), kLogoImage);
  ChoosePicture("C:\\Pictures\\notes.txt");
  EXPECT_EQ(ErrorText(), "Bitmap image is not valid");
  EXPECT_EQ(page->imgOEMPicture.image(), kLogoImage);
}

TEST_F(SysOEMPage, DeletePictureThenSaveDeletesTheLogoFile) {
  PutLogoFile();
  machine.files.Put(kInfo, "[General]\r\nManufacturer=Acme\r\n");
  Start();
  Open();
  page->xpbOEMDelPic.click();
  EXPECT_TRUE(page->imgOEMPicture.image().empty());
  EXPECT_TRUE(machine.files.FileExists(kLogo));  // Delete Picture alone changes no file
  Save();
  EXPECT_FALSE(machine.files.FileExists(kLogo));
  EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(SysOEMPage, ResetEmptiesThePageAndLeavesTheFiles) {
  PutLogoFile();
  const std::string info = "[General]\r\nManufacturer=Acme\r\n[Support Information]\r\nLine1=x\r\n";
  machine.files.Put(kInfo, info);
  Start();
  Open();
  form().sgbSysRepairActionReset.click();
  EXPECT_TRUE(PageIsEmpty());
  EXPECT_EQ(machine.files.Get(kInfo), info);
  EXPECT_TRUE(machine.files.FileExists(kLogo));
}

TEST_F(SysOEMPage, ClearAsksThenDeletesBothFilesAndEmptiesThePage) {
  PutLogoFile();
  const std::string info = "[General]\r\nManufacturer=Acme\r\n";
  machine.files.Put(kInfo, info);
  Start();
  Open();

  machine.dialogs.answers = {ui::IDNO};
  Clear();
  ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
  EXPECT_EQ(machine.dialogs.boxes[0].text, "Are you sure you want to clear OEM Info");
  EXPECT_EQ(machine.dialogs.boxes[0].caption, "OEM Info");
  EXPECT_EQ(machine.dialogs.boxes[0].flags, 0x24u);
  EXPECT_EQ(machine.files.Get(kInfo), info);
  EXPECT_TRUE(machine.files.FileExists(kLogo));
  EXPECT_EQ(page->edtOEMCompany.text(), "Acme");
  EXPECT_EQ(page->imgOEMPicture.image(), kLogoImage);

  machine.dialogs.answers = {ui::IDYES};
  Clear();
  EXPECT_FALSE(machine.files.FileExists(kInfo));
  EXPECT_FALSE(machine.files.FileExists(kLogo));
  EXPECT_TRUE(PageIsEmpty());
  // Clearing again, with nothing left to delete, is no error.
  Clear();
  EXPECT_TRUE(machine.dialogs.errors().empty());
}

TEST_F(SysOEMPage, SaveStopsAtTheFirstFileThatCannotBeWritten) {
  const std::string info = "[General]\r\nManufacturer=Acme\r\n";
  {
    SCOPED_TRACE("logo");
    machine.files.Put(kInfo, info);
    machine.files.SetReadOnly(kLogo, true);
    Start();
    Open();
    ChoosePicture(kChosen);
    page->edtOEMCompany.type("Other");
    Save();
    EXPECT_EQ(ErrorText(),
              "Cannot create file \"C:\\WINDOWS\\system32\\Oemlogo.bmp\". Access is denied.");
    EXPECT_EQ(machine.files.Get(kInfo), info);
    machine.files.SetReadOnly(kLogo, false);
  }
  {
    SCOPED_TRACE("information file");
    machine.dialogs.boxes.clear();
    machine.files.SetReadOnly(kInfo, true);
    Save();
    EXPECT_EQ(ErrorText(), "Unable to write to C:\\WINDOWS\\system32\\Oeminfo.ini");
    EXPECT_EQ(machine.files.Get(kInfo), info);
    // The logo step before it stays done.
    EXPECT_EQ(machine.files.Get(kLogo), sysrepair::EncodeWindowsBitmap(kChosenImage));
  }
}

// A file that stays after its deletion must not look deleted.
TEST_F(SysOEMPage, LogoThatCannotBeDeletedIsReported) {
  PutLogoFile();
  const std::string info = "[General]\r\nManufacturer=Acme\r\n";
  machine.files.Put(kInfo, info);
  machine.files.SetReadOnly(kLogo, true);
  Start();
  Open();
  page->xpbOEMDelPic.click();
  Save();
  EXPECT_EQ(ErrorText(),
            "Cannot delete file \"C:\\WINDOWS\\system32\\Oemlogo.bmp\". Access is denied.");
  EXPECT_TRUE(machine.files.FileExists(kLogo));

  machine.dialogs.boxes.clear();
  machine.dialogs.answers = {ui::IDYES};
  page->edtOEMCompany.type("Still here");
  Clear();
  EXPECT_EQ(ErrorText(),
            "Cannot delete file \"C:\\WINDOWS\\system32\\Oemlogo.bmp\". Access is denied.");
  EXPECT_TRUE(machine.files.FileExists(kLogo));
  EXPECT_EQ(page->edtOEMCompany.text(), "Still here");
}

// A logo file the picture reader cannot read: the information still loads, and Save leaves that
// file as it is, so a Save neither wipes the information file nor the logo.
TEST_F(SysOEMPage, UnreadableLogoStillLoadsTheInformationAndIsKept) {
  machine.files.Put(kLogo, "not a picture");
  machine.pictures = {};
  machine.files.Put(kInfo,
                    "[General]\r\nManufacturer=Acme\r\nModel=X1\r\n"
                    "[Support Information]\r\nLine1=Call us\r\n");
  Start();
  Open();
  EXPECT_EQ(ErrorText(), "Bitmap image is not valid");
  EXPECT_EQ(page->edtOEMCompany.text(), "Acme");
  EXPECT_EQ(page->mmoOEMSupportInfo.lines(), (Lines{"Call us"}));
  EXPECT_TRUE(page->imgOEMPicture.image().empty());

  page->edtOEMModel.type("X2");
  Save();
  EXPECT_EQ(machine.files.Get(kLogo), "not a picture");
  EXPECT_EQ(machine.files.Get(kInfo),
            "[General]\r\nManufacturer=Acme\r\nModel=X2\r\n"
            "[Support Information]\r\nLine1=Call us\r\n");

  // Once the user says what the logo should be, Save acts on it.
  page->xpbOEMDelPic.click();
  Save();
  EXPECT_FALSE(machine.files.FileExists(kLogo));
}

// On a real prefix, whose file names keep their letter case, the file read as OEMInfo.ini and
// the one saved as Oeminfo.ini are one file, and the logo is a file a viewer can open.
TEST(SysOEMPageOnAMachine, ReadAndSaveSpellingsReachTheSameFile) {
  testing_support::TemporaryMachine prefix;
  const std::string system32 = prefix.driveC() + "/windows/system32";
  testing_support::WriteUnixFile(system32 + "/OEMInfo.ini",
                                 "[General]\r\nManufacturer=Acme\r\n[Support Information]\r\n"
                                 "Line1=old\r\n");
  std::filesystem::create_directories(prefix.driveC() + "/Program Files/Sparvane");
  platform::HostFiles files(
      [&prefix](std::string_view path) { return prefix.machine.ToUnix(path); });
  TestMachine memory;
  memory.pictures.Put(kChosen, kChosenImage);
  app::Services services{memory.registry, files,          memory.fileSystem, memory.fileOperations,
                         memory.drives,   memory.clock,   memory.shell,      memory.system,
                         memory.dde,      memory.pictures};
  program::Program program(memory.application, services);
  program.form1.lblSysRepair.click();
  program.form1.sgbSysRepairOEM.click();
  sysrepair::OEMPage& page = program.systemRepairer.oem;
  ASSERT_EQ(page.edtOEMCompany.text(), "Acme");
  page.edtOEMCompany.type("Acme Two");
  page.mmoOEMSupportInfo.type("new");
  memory.dialogs.pictures.push_back(kChosen);
  page.xpbBrowse.click();
  program.form1.sgbSysRepairActionSave.click();
  EXPECT_TRUE(memory.dialogs.boxes.empty());

  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(system32)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"OEMInfo.ini", "Oemlogo.bmp"}));
  EXPECT_EQ(testing_support::ReadUnixFile(system32 + "/OEMInfo.ini"),
            "[General]\r\nManufacturer=Acme Two\r\nModel=\r\n[Support Information]\r\n"
            "Line1=new\r\n");
  EXPECT_EQ(testing_support::ReadUnixFile(system32 + "/Oemlogo.bmp"),
            sysrepair::EncodeWindowsBitmap(kChosenImage));
}

}  // namespace
