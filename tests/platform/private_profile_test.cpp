#include "platform/private_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/memory/memory_files.h"

namespace platform {
namespace {

constexpr std::string_view kFolder = "C:\\Program Files\\Sparvane";
constexpr std::string_view kPath = "C:\\Program Files\\Sparvane\\spvProfile.dat";

class PrivateProfileTest : public ::testing::Test {
 protected:
  PrivateProfile Open() { return PrivateProfile(files, std::string(kPath)); }
  PrivateProfile OpenWith(std::string bytes) {
    files.Put(kPath, std::move(bytes));
    return Open();
  }

  MemoryFiles files;
};

// --- integers ---

TEST(ParseProfileIntegerTest, AcceptsDelphiIntegers) {
  struct Case {
    std::string_view text;
    int expected;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"007", 7},
      {"-1", -1},
      {"+7", 7},
      {"  12", 12},
      {"\t-3", -3},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"$1F", 31},
      {"$ff", 255},
      {"-$10", -16},
      {" +$A", 10},
      {"$FFFFFFFF", -1},
      {"$80000000", INT_MIN},
      {"-$FFFFFFFF", 1},
      {"$000000001", 1},
      {"0x1", 1},
      {"0X1a", 26},
      {"0xFFFFFFFF", -1},
  };
  for (const Case& c : cases) {
    int value = 12345;
    EXPECT_TRUE(ParseProfileInteger(c.text, value)) << '"' << c.text << '"';
    EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
  }
}

TEST(ParseProfileIntegerTest, RejectsEverythingElseAndLeavesTheValue) {
  const std::string_view cases[] = {
      "",           " ",           "abc",         "12a",  "1 ",   "1.5", "1e3", "--1", "+-1",
      "2147483648", "-2147483649", "99999999999", "$",    "-",    "+",   "$G",  "$-1", "$100000000",
      "0x",         " 0x1",        "-0x1",        "0x-1", "0x$1", "x1",  "1 2",
  };
  for (std::string_view text : cases) {
    int value = 12345;
    EXPECT_FALSE(ParseProfileInteger(text, value)) << '"' << text << '"';
    EXPECT_EQ(value, 12345) << '"' << text << '"';
  }
}

TEST_F(PrivateProfileTest, BooleansAndIntegersFallBackToTheDefaultUnlessTheValueIsAnInteger) {
  PrivateProfile profile =
      OpenWith("[General]\r\nText=abc\r\nHex=0x1\r\nMinus=-1\r\nZero=0\r\nEmpty=\r\nSpaced= 5\r\n");
  struct Case {
    std::string_view key;
    bool whenDefaultFalse;
    bool whenDefaultTrue;
    int integer;  // with default 77
  };
  const Case cases[] = {
      {"Text", false, true, 77},    {"Hex", true, true, 1},     {"Minus", true, true, -1},
      {"Zero", false, false, 0},    {"Empty", false, true, 77}, {"Spaced", true, true, 5},
      {"Missing", false, true, 77},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(profile.ReadBool("General", c.key, false), c.whenDefaultFalse) << c.key;
    EXPECT_EQ(profile.ReadBool("General", c.key, true), c.whenDefaultTrue) << c.key;
    EXPECT_EQ(profile.ReadInteger("General", c.key, 77), c.integer) << c.key;
  }
  EXPECT_TRUE(profile.ReadBool("Missing section", "Zero", true));
}

// --- reading ---

TEST_F(PrivateProfileTest, ReadsByTheReaderRules) {
  PrivateProfile profile = OpenWith(
      "Loose=before any section\r\n"
      "  [ Summary ]  \r\n"
      "IERepairer=5\r\n"
      "  Spaced Key  =  padded value \r\n"
      "Empty=\r\n"
      ";Commented=1\r\n"
      "no equals sign\r\n"
      "IERepairer=shadowed\r\n"
      "Quoted=\"a b\"\r\n"
      "Equals=a=b\r\n"
      "\r\n"
      "[summary]\r\n"
      "Second=from the repeated section\r\n"
      "[Other]\r\n"
      "Key=other");
  struct Case {
    std::string_view section, key, expected;
  };
  const Case cases[] = {
      {"Summary", "IERepairer", "5"},
      {"SUMMARY", "ierepairer", "5"},
      {"Summary", "Spaced Key", "  padded value "},
      {"Summary", "Empty", ""},
      {"Summary", ";Commented", "<default>"},
      {"Summary", "Commented", "<default>"},
      {"Summary", "no equals sign", "<default>"},
      {"Summary", "Quoted", "\"a b\""},
      {"Summary", "Equals", "a=b"},
      {"Summary", "Second", "<default>"},
      {"Summary", "Loose", "<default>"},
      {"Other", "Key", "other"},
      {"Missing", "Key", "<default>"},
      {"Summary", "Missing", "<default>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(profile.ReadString(c.section, c.key, "<default>"), c.expected)
        << c.section << "/" << c.key;
  }
  EXPECT_TRUE(profile.exists());
  EXPECT_TRUE(profile.SectionExists("summary"));
  EXPECT_TRUE(profile.SectionExists("OTHER"));
  EXPECT_FALSE(profile.SectionExists("Missing"));
  EXPECT_FALSE(profile.SectionExists("Loose"));
}

TEST_F(PrivateProfileTest, ReadsLineFeedOnlyAndMixedLineEndingsWithoutStrayCarriageReturns) {
  PrivateProfile profile = OpenWith("[A]\nKey=value\nCrLf=x\r\n[B]\nLast=y\n");
  EXPECT_EQ(profile.ReadString("A", "Key", "?"), "value");
  EXPECT_EQ(profile.ReadString("A", "CrLf", "?"), "x");
  EXPECT_EQ(profile.ReadString("B", "Last", "?"), "y");
}

TEST_F(PrivateProfileTest, SkipsAUtf8ByteOrderMarkBeforeTheFirstSection) {
  PrivateProfile profile = OpenWith("\xEF\xBB\xBF[General]\r\nManufacturer=Acme\r\n");
  EXPECT_EQ(profile.ReadString("General", "Manufacturer", ""), "Acme");
}

TEST_F(PrivateProfileTest, AMissingFileReadsAsDefaults) {
  PrivateProfile profile = Open();
  EXPECT_FALSE(profile.exists());
  EXPECT_EQ(profile.ReadString("Summary", "IERepairer", "Not yet run!"), "Not yet run!");
  EXPECT_TRUE(profile.ReadSection("Summary").empty());
  EXPECT_FALSE(profile.SectionExists("Summary"));
}

TEST_F(PrivateProfileTest, ReadsAtMost2047CharactersWithoutSplittingAUtf8Sequence) {
  const std::string ascii(3000, 'x');
  const std::string accented = std::string(2046, 'x') + "\xC3\xA9" + "tail";  // e acute
  PrivateProfile profile =
      OpenWith("[IE View]\r\nLong=" + ascii + "\r\nAccented=" + accented + "\r\n");
  EXPECT_EQ(profile.ReadString("IE View", "Long", ""), std::string(2047, 'x'));
  EXPECT_EQ(profile.ReadString("IE View", "Accented", ""), std::string(2046, 'x'));
  EXPECT_EQ(profile.ReadString("IE View", "Missing", ascii), std::string(2047, 'x'));
}

TEST_F(PrivateProfileTest, ReadSectionListsEachKeyOnceInFileOrderAsSpelled) {
  PrivateProfile profile = OpenWith(
      "[Support Information]\r\n"
      "Phone=1\r\n"
      "; Note=comment\r\n"
      "free text\r\n"
      " web site =2\r\n"
      "PHONE=repeated\r\n"
      "Line3=3\r\n"
      "[Next]\r\n"
      "Other=4\r\n");
  EXPECT_EQ(profile.ReadSection("support information"),
            (std::vector<std::string>{"Phone", "web site", "Line3"}));
  EXPECT_TRUE(profile.ReadSection("Missing").empty());
}

// --- writing ---

struct WriteCase {
  const char* name;
  std::string before;
  std::string_view section, key, value;
  std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << c.name;
}

class WriteRulesTest : public PrivateProfileTest,
                       public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteRulesTest, ChangesOnlyWhatTheWriteNeeds) {
  const WriteCase& c = GetParam();
  PrivateProfile profile = OpenWith(c.before);
  profile.WriteString(c.section, c.key, c.value);
  EXPECT_EQ(files.Get(kPath), c.after);
  EXPECT_EQ(files.writeCount(), 1);
  EXPECT_EQ(Open().ReadString(c.section, c.key, "<default>"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteRulesTest,
    ::testing::Values(
        WriteCase{
            "ReplaceKeepsKeySpellingLineBreakAndOtherBytes",
            "; settings\n[General]\n Item1 =1\n  ITEM2 = 1 \nItem3=1\r\n\n[One Click]\nItem2=1\n",
            "general", "item2", "0",
            "; settings\n[General]\n Item1 =1\n  ITEM2 =0\nItem3=1\r\n\n[One Click]\nItem2=1\n"},
        WriteCase{"ReplaceInFirstOccurrenceOfSectionAndKey", "[A]\r\nK=1\r\nk=2\r\n[a]\r\nK=3\r\n",
                  "A", "K", "9", "[A]\r\nK=9\r\nk=2\r\n[a]\r\nK=3\r\n"},
        WriteCase{"ReplaceOnLastLineWithoutLineBreak", "[A]\r\nK=1", "A", "K", "22", "[A]\r\nK=22"},
        WriteCase{"NewKeyGoesBeforeBlankLinesThatSeparateSections",
                  "[A]\r\nK1=1\r\n; note\r\nfree text\r\n\r\n  \r\n[B]\r\nX=1\r\n", "A", "K2", "2",
                  "[A]\r\nK1=1\r\n; note\r\nfree text\r\nK2=2\r\n\r\n  \r\n[B]\r\nX=1\r\n"},
        WriteCase{"NewKeyInEmptySection", "[A]\r\n\r\n[B]\r\n", "a", "K", "v",
                  "[A]\r\nK=v\r\n\r\n[B]\r\n"},
        WriteCase{"NewKeyInLineFeedFileIsWrittenWithCrLf", "[A]\nK1=1\n", "A", "K2", "2",
                  "[A]\nK1=1\nK2=2\r\n"},
        WriteCase{"NewKeyAfterLastLineWithoutLineBreak", "[A]\r\nK1=1", "A", "K2", "2",
                  "[A]\r\nK1=1\r\nK2=2\r\n"},
        WriteCase{"NewSectionAtEndWithoutBlankLine", "[A]\r\nK=1\r\n", "B", "X", "v",
                  "[A]\r\nK=1\r\n[B]\r\nX=v\r\n"},
        WriteCase{"NewSectionAfterExistingTrailingBlankLine", "[A]\r\nK=1\r\n\r\n", "B", "X", "v",
                  "[A]\r\nK=1\r\n\r\n[B]\r\nX=v\r\n"},
        WriteCase{"NewSectionAfterFileWithoutFinalLineBreak", "[A]\r\nK=1", "B", "X", "v",
                  "[A]\r\nK=1\r\n[B]\r\nX=v\r\n"},
        WriteCase{"NewSectionInEmptyFile", "", "B", "X", "v", "[B]\r\nX=v\r\n"},
        WriteCase{"EntriesBeforeAnySectionAreNotTheSectionsKeys", "X=loose\r\n[B]\r\n", "B", "X",
                  "v", "X=loose\r\n[B]\r\nX=v\r\n"},
        WriteCase{"ByteOrderMarkIsKept", "\xEF\xBB\xBF[A]\r\nK=1\r\n", "A", "K", "2",
                  "\xEF\xBB\xBF[A]\r\nK=2\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST_F(PrivateProfileTest, WritesIntoANewFileByteForByteAndSavesOnEveryWrite) {
  PrivateProfile profile = Open();
  profile.WriteBool("IE View", "BgPic", false);
  EXPECT_TRUE(profile.exists());
  profile.WriteString("IE View", "ImgPath", "");
  profile.WriteString("Summary", "IERepairer", "Not yet run!");
  profile.WriteString("Summary", "IERepairerTime", "");
  profile.WriteBool("IE View", "BgPic", true);
  profile.WriteInteger("Summary", "Count", -5);

  EXPECT_EQ(files.Get(kPath),
            "[IE View]\r\nBgPic=1\r\nImgPath=\r\n"
            "[Summary]\r\nIERepairer=Not yet run!\r\nIERepairerTime=\r\nCount=-5\r\n");
  EXPECT_EQ(files.writeCount(), 6);

  PrivateProfile reread = Open();
  EXPECT_EQ(reread.ReadString("IE View", "ImgPath", "<default>"), "");
  EXPECT_TRUE(reread.ReadBool("IE View", "BgPic", false));
  EXPECT_EQ(reread.ReadInteger("Summary", "Count", 0), -5);
}

TEST_F(PrivateProfileTest, WhatIsWrittenReadsBackUnchanged) {
  const std::string_view values[] = {
      "",      " lead",     "trail ", "\"quoted\"",           "'single'",   "a=b",
      ";semi", "[bracket]", "$FF",    "C:\\Pictures\\bg.bmp", "caf\xC3\xA9"};
  PrivateProfile profile = Open();
  for (std::size_t i = 0; i < std::size(values); ++i) {
    profile.WriteString("Values", "Key" + std::to_string(i), values[i]);
  }
  PrivateProfile reread = Open();
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(reread.ReadString("Values", "Key" + std::to_string(i), "<default>"), values[i]);
  }
}

TEST_F(PrivateProfileTest, ALineBreakInAValueCannotForgeEntries) {
  PrivateProfile profile = OpenWith("[General]\r\nItem1=0\r\n");
  profile.WriteString("IE View", "ImgPath", "a.bmp\r\n[General]\r\nItem1=1");
  EXPECT_EQ(files.Get(kPath), "[General]\r\nItem1=0\r\n[IE View]\r\nImgPath=a.bmp\r\n");
  EXPECT_EQ(Open().ReadString("IE View", "ImgPath", ""), "a.bmp");
}

TEST_F(PrivateProfileTest, OpeningAndReadingNeverWrites) {
  PrivateProfile profile = OpenWith("");
  EXPECT_TRUE(profile.exists());
  EXPECT_TRUE(profile.ReadBool("One Click", "Item1", true));
  EXPECT_EQ(files.writeCount(), 0);
  EXPECT_EQ(files.Get(kPath), "");
}

// --- write failures ---

class WriteFailureTest : public PrivateProfileTest {
 protected:
  static constexpr std::string_view kContent = "[General]\r\nItem1=0\r\n";

  // Every kind of write is refused with the file's path, and the file keeps its bytes.
  void ExpectEveryWriteRefused(PrivateProfile& profile, const std::optional<std::string>& before) {
    const std::vector<std::function<void()>> writes = {
        [&] { profile.WriteBool("General", "Item1", true); },
        [&] { profile.WriteString("General", "Item2", "x"); },
        [&] { profile.WriteString("New", "Key", "x"); },
        [&] { profile.DeleteKey("General", "Item1"); },
        [&] { profile.EraseSection("General"); },
    };
    for (std::size_t i = 0; i < writes.size(); ++i) {
      try {
        writes[i]();
        ADD_FAILURE() << "write " << i << " did not fail";
      } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + std::string(kPath))
            << "write " << i;
      }
    }
    EXPECT_EQ(files.Get(kPath), before);
    EXPECT_EQ(files.writeCount(), 0);
  }
};

TEST_F(WriteFailureTest, ReadOnlyFile) {
  PrivateProfile profile = OpenWith(std::string(kContent));
  files.SetReadOnly(kPath, true);
  ExpectEveryWriteRefused(profile, std::string(kContent));
  EXPECT_FALSE(profile.ReadBool("General", "Item1", true));
}

TEST_F(WriteFailureTest, FolderThatMayNotBeWritten) {
  files.DenyWritesUnder("c:\\program files\\SPARVANE");
  PrivateProfile profile = Open();
  EXPECT_THROW(profile.WriteBool("General", "Item1", true), Error);
  EXPECT_EQ(files.Get(kPath), std::nullopt);
  EXPECT_FALSE(profile.exists());
  EXPECT_TRUE(profile.ReadBool("General", "Item1", true));
}

TEST_F(WriteFailureTest, UnreadableFileIsNeverOverwritten) {
  files.Put(kPath, std::string(kContent));
  files.SetUnreadable(kPath, true);
  PrivateProfile profile = Open();
  EXPECT_TRUE(profile.exists());
  EXPECT_TRUE(profile.ReadBool("General", "Item1", true));  // reads as defaults
  ExpectEveryWriteRefused(profile, std::string(kContent));
}

TEST_F(WriteFailureTest, AFailedWriteLeavesNothingBehindForTheNextWrite) {
  PrivateProfile profile = OpenWith(std::string(kContent));
  files.SetReadOnly(kPath, true);
  EXPECT_THROW(profile.WriteString("General", "Lost", "1"), Error);
  EXPECT_EQ(profile.ReadString("General", "Lost", "<default>"), "<default>");
  files.SetReadOnly(kPath, false);
  profile.WriteString("General", "Kept", "1");
  EXPECT_EQ(files.Get(kPath), "[General]\r\nItem1=0\r\nKept=1\r\n");
}

// --- deleting ---

TEST_F(PrivateProfileTest, DeleteKeyRemovesTheEntryLinesOfThatSectionOnly) {
  PrivateProfile profile =
      OpenWith("[A]\r\nK1=1\r\n; K1=comment\r\nK2=2\r\nk1=again\r\n[B]\r\nK1=x\r\n");
  profile.DeleteKey("a", "K1");
  EXPECT_EQ(files.Get(kPath), "[A]\r\n; K1=comment\r\nK2=2\r\n[B]\r\nK1=x\r\n");
  EXPECT_EQ(profile.ReadString("A", "K1", "<default>"), "<default>");
  EXPECT_EQ(profile.ReadString("B", "K1", "<default>"), "x");
}

TEST_F(PrivateProfileTest, EraseSectionRemovesEveryLineUpToTheNextSection) {
  PrivateProfile profile = OpenWith(
      "[A]\r\nK=1\r\n\r\n[B]\r\nX=1\r\n; note\r\n\r\n[C]\r\nY=1\r\n[b]\r\nZ=2\r\n[D]\r\nW=1");
  profile.EraseSection("B");
  EXPECT_EQ(files.Get(kPath), "[A]\r\nK=1\r\n\r\n[C]\r\nY=1\r\n[D]\r\nW=1");
  EXPECT_FALSE(profile.SectionExists("B"));
  profile.EraseSection("d");
  EXPECT_EQ(files.Get(kPath), "[A]\r\nK=1\r\n\r\n[C]\r\nY=1\r\n");
}

TEST_F(PrivateProfileTest, DeletingWhatIsNotThereDoesNotWrite) {
  PrivateProfile profile = OpenWith("[A]\r\nK=1\r\n");
  profile.DeleteKey("A", "Missing");
  profile.DeleteKey("Missing", "K");
  profile.EraseSection("Missing");
  EXPECT_EQ(files.writeCount(), 0);

  files.Remove(kPath);
  PrivateProfile missing = Open();
  missing.DeleteKey("A", "K");
  missing.EraseSection("A");
  EXPECT_EQ(files.Get(kPath), std::nullopt);
  EXPECT_EQ(files.writeCount(), 0);
}

TEST_F(PrivateProfileTest, ReplacingAllKeysOfASectionLeavesExactlyTheNewOnes) {
  PrivateProfile profile = OpenWith(
      "[General]\r\nManufacturer=Acme\r\n"
      "[Support Information]\r\nPhone=555\r\nLine1=old\r\nLine3=stale\r\n"
      "[Other]\r\nKeep=1\r\n");
  for (const std::string& key : profile.ReadSection("Support Information")) {
    profile.DeleteKey("Support Information", key);
  }
  profile.WriteString("Support Information", "Line1", "first");
  profile.WriteString("Support Information", "Line2", "");
  EXPECT_EQ(files.Get(kPath),
            "[General]\r\nManufacturer=Acme\r\n"
            "[Support Information]\r\nLine1=first\r\nLine2=\r\n"
            "[Other]\r\nKeep=1\r\n");
}

}  // namespace
}  // namespace platform
