#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>

#include "platform/machine/unix_folder.h"
#include "support/temporary_folder.h"

namespace {

using namespace platform;
using testing_support::TemporaryFolder;
using testing_support::WriteUnixFile;

std::string DosAttrib(const std::string& path) {
  char value[64];
  ssize_t length = ::lgetxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value);
  return length < 0 ? "" : std::string(value, static_cast<std::size_t>(length));
}

TEST(UnixFolder, AttributesMapOntoPermissionsNamesAndTheDosAttribute) {
  TemporaryFolder temp;
  WriteUnixFile(temp.path() + "/plain.txt", "abc");
  WriteUnixFile(temp.path() + "/.profile", "");
  std::filesystem::create_directory(temp.path() + "/Sub");
  auto folder = UnixFolder::Open(temp.path());
  ASSERT_TRUE(folder);

  EXPECT_EQ(folder->Attributes("plain.txt"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(folder->Attributes("PLAIN.TXT"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(folder->Attributes(".profile"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(folder->Attributes("Sub"), FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_FALSE(folder->Attributes("missing").has_value());

  // Read-only is the owner's write permission; hidden and system go to the extended attribute.
  ASSERT_TRUE(folder->SetAttributes(
      "plain.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
  struct stat info {};
  ::stat((temp.path() + "/plain.txt").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0222, 0u);
  EXPECT_EQ(DosAttrib(temp.path() + "/plain.txt"), "0x6");
  EXPECT_EQ(folder->Attributes("plain.txt"), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY |
                                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  EXPECT_FALSE(folder->DeleteFile("plain.txt"));  // read-only files stay, as on Windows

  ASSERT_TRUE(folder->SetAttributes("plain.txt", FILE_ATTRIBUTE_ARCHIVE));
  ::stat((temp.path() + "/plain.txt").c_str(), &info);
  EXPECT_NE(info.st_mode & S_IWUSR, 0u);
  EXPECT_EQ(folder->Attributes("plain.txt"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_TRUE(folder->DeleteFile("plain.txt"));
}

TEST(UnixFolder, DosAttributeValuesAsWineAndSambaWriteThem) {
  struct Case {
    std::string value;
    std::uint32_t bits;
  };
  const Case kCases[] = {
      {"0x22", 0x22}, {"0X4", 0x4}, {std::string("0x2\0\x04\x00garbage", 13), 0x2},
      {"", 0},        {"22", 0},    {"0xZZ", 0}};
  for (const Case& c : kCases) EXPECT_EQ(ParseDosAttrib(c.value), c.bits) << c.value;
}

TEST(UnixFolder, LinksAreFilesThatAreNeverEntered) {
  TemporaryFolder temp;
  TemporaryFolder outside;
  WriteUnixFile(outside.path() + "/keep.txt", "keep");
  std::filesystem::create_directory(temp.path() + "/real");
  std::filesystem::create_directory_symlink(outside.path(), temp.path() + "/link");
  auto folder = UnixFolder::Open(temp.path());

  bool linkIsFolder = true;
  folder->List([&](const FolderEntry& entry) {
    if (entry.name() == "link") linkIsFolder = entry.isFolder();
    return true;
  });
  EXPECT_FALSE(linkIsFolder);
  EXPECT_EQ(folder->Attributes("link").value_or(0) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(folder->OpenFolder("link"), nullptr);
  EXPECT_NE(folder->OpenFolder("real"), nullptr);
  EXPECT_FALSE(folder->RemoveFolder("link"));
  EXPECT_TRUE(folder->DeleteFile("link"));
  EXPECT_FALSE(std::filesystem::exists(temp.path() + "/link"));
  EXPECT_TRUE(std::filesystem::exists(outside.path() + "/keep.txt"));
}

TEST(UnixFolder, AnOpenFolderStaysTheFolderItWasWhenItsNameIsSwappedForALink) {
  TemporaryFolder temp;
  TemporaryFolder outside;
  WriteUnixFile(outside.path() + "/victim.tmp", "precious");
  WriteUnixFile(temp.path() + "/scan/junk.tmp", "junk");
  auto root = UnixFolder::Open(temp.path());
  auto scanned = root->OpenFolder("scan");
  ASSERT_TRUE(scanned);

  std::filesystem::rename(temp.path() + "/scan", temp.path() + "/moved");
  std::filesystem::create_directory_symlink(outside.path(), temp.path() + "/scan");

  EXPECT_TRUE(scanned->DeleteFile("junk.tmp"));
  EXPECT_FALSE(scanned->DeleteFile("victim.tmp"));
  EXPECT_TRUE(std::filesystem::exists(outside.path() + "/victim.tmp"));
  EXPECT_EQ(root->OpenFolder("scan"), nullptr);
}

}  // namespace
