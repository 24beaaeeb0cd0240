#include "platform/machine/wine_hive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry_service.h"

namespace platform {
namespace {

using wine::HiveValue;

// 2026-12-10 14:31:11 UTC: header seconds 1796913071.
constexpr std::uint64_t kTime = 0x1dd88b31aa4dadcULL;

std::string Utf16(std::u16string_view units) {
  std::string bytes;
  for (char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

HiveValue Sz(std::u16string_view units, std::uint32_t type = REG_SZ) {
  return {type, Utf16(units) + std::string(2, '\0')};
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string data;
  for (int byte : bytes) data += static_cast<char>(byte);
  return data;
}

// A system.reg as wineboot writes it, trimmed.
const std::string kWineFile = R"(WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\Machine

#arch=win64

[Software\\Classes\\.txt] 1796913006
#time=1dd88b2f3c1f7b0
@="txtfile"
"Content Type"="text/plain"

[Software\\Classes\\Wow6432Node\\AppId] 1796913002
#time=1dd88b2f1254caa
#link
"SymbolicLinkValue"=hex(6):5c,00,52,00,65,00,67,00,69,00,73,00,74,00,72,00,79,\
  00,5c,00,4d,00,61,00,63,00,68,00,69,00,6e,00,65,00

[Software\\Microsoft\\Windows NT\\CurrentVersion] 1796913007
#time=1dd88b2f40fa35c
"CurrentVersion"="6.3"
"ProductName"="Microsoft Windows 10"
"RegisteredOwner"=""

[System\\Select] 1796913007
#time=1dd88b2f410d010
"Current"=dword:00000001
)";

// What a person editing by hand, or an older Wine, may leave: comments, unknown metadata,
// spacing, a header without time stamp, a key named twice, a value named twice.
const std::string kOddFile =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-1-2-3-1001\n"
    "\n"
    ";; a comment of our own\n"
    "#arch=win32\n"
    "\n"
    "[Control Panel\\\\Desktop]\n"
    "#class=\"Desk\"\n"
    "#unknown=kept as it is\n"
    "  \"Spaced\" = \"x\"   \n"
    "; a comment between values\n"
    "\"Twice\"=\"first\"\n"
    "\"Twice\"=\"second\"\n"
    "\n"
    "\n"
    "[Software\\\\Wine]   1796913001  \n"
    "\"Version\"=\"win10\"\n"
    "\n"
    "[Control Panel\\\\Desktop] 1796913009\n"
    "\"Later\"=dword:00000010\n";

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

struct RoundTrip {
  const char* label;
  std::string text;
};

class HiveRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(HiveRoundTrip, GivesBackTheBytesItRead) {
  WineHive hive = WineHive::Parse(GetParam().text);
  EXPECT_EQ(hive.Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Files, HiveRoundTrip,
                         ::testing::Values(RoundTrip{"wine", kWineFile}, RoundTrip{"odd", kOddFile},
                                           RoundTrip{"crlf", WithCrLf(kWineFile)},
                                           RoundTrip{"noFinalNewline",
                                                     kWineFile.substr(0, kWineFile.size() - 1)},
                                           RoundTrip{"headerOnly", "WINE REGISTRY Version 2\n"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(WineHive, ReadsTheHeaderAndTheTree) {
  WineHive hive = WineHive::Parse(kOddFile);
  EXPECT_EQ(hive.RelativeTo(), "\\User\\S-1-5-21-1-2-3-1001");
  EXPECT_EQ(hive.Arch(), "win32");
  WineHive::Key* desktop = hive.Find(hive.Root(), "control panel\\DESKTOP");
  ASSERT_NE(desktop, nullptr);
  EXPECT_EQ(hive.Name(*desktop), "Desktop");
  // Both blocks of the key count; where a value is named twice the later line wins.
  ASSERT_EQ(hive.ValueCount(*desktop), 3u);
  EXPECT_EQ(*hive.ValueNameAt(*desktop, 0), "Spaced");
  EXPECT_EQ(*hive.ValueNameAt(*desktop, 1), "Twice");
  EXPECT_EQ(*hive.ValueNameAt(*desktop, 2), "Later");
  EXPECT_EQ(hive.Value(*desktop, "twice"), Sz(u"second"));
  EXPECT_EQ(hive.Value(*desktop, "spaced"), Sz(u"x"));

  WineHive wineHive = WineHive::Parse(kWineFile);
  WineHive::Key* link = hive.Find(hive.Root(), "Software");
  ASSERT_NE(link, nullptr);
  EXPECT_FALSE(hive.IsLink(*link));
  link = wineHive.Find(wineHive.Root(), "Software\\Classes\\Wow6432Node\\AppId");
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(wineHive.IsLink(*link));
  EXPECT_EQ(wineHive.Value(*link, "SymbolicLinkValue"),
            (HiveValue{REG_LINK, Utf16(u"\\Registry\\Machine")}));
}

// Lines as Wine writes them (taken from files a real wineboot and regedit wrote) and the
// values they hold: read, then written back the same.
struct ValueCase {
  const char* line;
  const char* name;
  HiveValue value;
};

const ValueCase kValueCases[] = {
    {R"(@="def")", "", Sz(u"def")},
    {R"("emptysz"="")", "emptysz", Sz(u"")},
    {R"("Current"=dword:00000001)", "Current", {REG_DWORD, Bytes({1, 0, 0, 0})}},
    {R"("dw"=dword:fffffffe)", "dw", {REG_DWORD, Bytes({0xfe, 0xff, 0xff, 0xff})}},
    {R"("exp"=str(2):"%SystemRoot%\\system32")", "exp",
     Sz(u"%SystemRoot%\\system32", REG_EXPAND_SZ)},
    {R"("multi"=str(7):"a\0bc\0")", "multi", Sz(std::u16string_view(u"a\0bc\0", 5), REG_MULTI_SZ)},
    {R"("quote"="\"\\[]@")", "quote", Sz(u"\"\\[]@")},
    {R"("na\"me"="x")", "na\"me", Sz(u"x")},
    {R"("ctl"="\1\2\a\b\t\n\v\f\r\e\37 ")", "ctl", Sz(u"\x01\x02\a\b\t\n\v\f\r\x1b\x1f ")},
    // Octal and \x take their full width only before a digit of their own kind.
    {R"("ctlfollow"="\0017\18\0370")", "ctlfollow",
     Sz(u"\x01"
        u"7\x01"
        u"8\x1f"
        u"0")},
    {R"("nulfollow"="A\0001A\08A\0A")", "nulfollow",
     Sz(std::u16string_view(u"A\0"
                            u"1A\0"
                            u"8A\0A",
                            9))},
    {R"("hexlow"="\x00809\x80:\x0080F\x80G")", "hexlow",
     Sz(u"\x80"
        u"9\x80:\x80"
        u"F\x80G")},
    {R"("latin"="\x00e9a\xe9g\x00e91\xe9 \x0100F\x1234Z")", "latin",
     Sz(u"\xe9"
        u"a\xe9g\xe9"
        u"1\xe9 \x100"
        u"F\x1234Z")},
    {"\"del\"=\"\x7f"
     "A\"",
     "del",
     Sz(u"\x7f"
        u"A")},
    {R"("emoji"="\xd83c\xdf0e")", "emoji", Sz(u"\U0001F30E")},
    {R"("\xe9t\xe9"="x")", "\xc3\xa9t\xc3\xa9", Sz(u"x")},
    {R"("dw5"=hex(4):01,02,03)", "dw5", {REG_DWORD, Bytes({1, 2, 3})}},
    {R"("empty"=hex(1):)", "empty", {REG_SZ, ""}},
    {R"("odd"=hex(1):41,00,42)", "odd", {REG_SZ, Bytes({0x41, 0, 0x42})}},
    {R"("unterminated"=hex(1):41,00,42,00)", "unterminated", {REG_SZ, Bytes({0x41, 0, 0x42, 0})}},
    {R"("none"=hex(0):)", "none", {REG_NONE, ""}},
    {R"("q"=hex(b):01,02,03,04,05,06,07,08)", "q", {REG_QWORD, Bytes({1, 2, 3, 4, 5, 6, 7, 8})}},
    {R"("t100"=hex(100):01)", "t100", {0x100, Bytes({1})}},
    {R"("t1234abcd"=hex(1234abcd):01)", "t1234abcd", {0x1234abcd, Bytes({1})}},
    {"\"bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\n"
     "  17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,2f,\\\n"
     "  30,31,32,33,34,35,36,37,38,39,3a,3b",
     "bin",
     {REG_BINARY, ""}},
    {"\"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
     "nnnnnn\"=hex:00,\\\n"
     "  01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,18,19,\\\n"
     "  1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27",
     "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn",
     {REG_BINARY, ""}},
};

HiveValue Expected(const ValueCase& test) {
  HiveValue value = test.value;
  // The wrapped binary lines count up from 0.
  if (value.type == REG_BINARY && value.data.empty()) {
    int count = std::string_view(test.name) == "bin" ? 60 : 40;
    for (int i = 0; i < count; ++i) value.data += static_cast<char>(i);
  }
  return value;
}

TEST(WineHive, ReadsAndWritesEachKindOfValueAsWineDoes) {
  for (const ValueCase& test : kValueCases) {
    SCOPED_TRACE(test.line);
    std::string file = "WINE REGISTRY Version 2\n\n[Key] 1796913071\n#time=1dd88b31aa4dadc\n" +
                       std::string(test.line) + "\n";
    WineHive hive = WineHive::Parse(file);
    WineHive::Key& key = *hive.Find(hive.Root(), "Key");
    ASSERT_EQ(hive.ValueCount(key), 1u);
    EXPECT_EQ(*hive.ValueNameAt(key, 0), test.name);
    EXPECT_EQ(hive.Value(key, test.name), Expected(test));

    std::string written;
    wine::AppendValueLine(written, test.name, Expected(test), "\n");
    EXPECT_EQ(written, std::string(test.line) + "\n");
  }
}

TEST(WineHive, NamesKeysWithWinesEscapes) {
  // Written by Wine for the keys "k]bé[x]" and "subékaé1".
  const std::string file =
      "WINE REGISTRY Version 2\n\n"
      "[EscTest\\\\k\\]b\\xe9\\[x\\]] 1796913071\n"
      "\n"
      "[EscTest\\\\sub\\xe9ka\\x00e91] 1796913071\n";
  WineHive hive = WineHive::Parse(file);
  EXPECT_NE(hive.Find(hive.Root(), "EscTest\\k]b\xc3\xa9[x]"), nullptr);
  EXPECT_NE(hive.Find(hive.Root(),
                      "EscTest\\sub\xc3\xa9ka\xc3\xa9"
                      "1"),
            nullptr);

  WineHive made = WineHive::Create("REGISTRY\\Machine", "");
  made.SetTimeForTesting(kTime);
  made.CreatePath(made.Root(), "EscTest\\k]b\xc3\xa9[x]");
  EXPECT_NE(made.Text().find("\n[EscTest\\\\k\\]b\\xe9\\[x\\]] 1796913071\n"), std::string::npos);
}

TEST(WineHive, RewritesOnlyTheChangedKeyInWinesStyle) {
  WineHive hive = WineHive::Parse(kWineFile);
  hive.SetTimeForTesting(kTime);
  WineHive::Key& key = *hive.Find(hive.Root(), "Software\\Microsoft\\Windows NT\\CurrentVersion");
  hive.SetValue(key, "RegisteredOwner", Sz(u"Bob"));
  hive.SetValue(key, "InstallDate", {REG_DWORD, Bytes({1, 0, 0, 0})});
  hive.DeleteValue(key, "CurrentVersion");

  std::string expected = kWineFile;
  const std::string before =
      "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1796913007\n"
      "#time=1dd88b2f40fa35c\n"
      "\"CurrentVersion\"=\"6.3\"\n"
      "\"ProductName\"=\"Microsoft Windows 10\"\n"
      "\"RegisteredOwner\"=\"\"\n";
  const std::string after =
      "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1796913071\n"
      "#time=1dd88b31aa4dadc\n"
      "\"InstallDate\"=dword:00000001\n"
      "\"ProductName\"=\"Microsoft Windows 10\"\n"
      "\"RegisteredOwner\"=\"Bob\"\n";
  expected.replace(expected.find(before), before.size(), after);
  EXPECT_EQ(hive.Text(), expected);
}

TEST(WineHive, KeepsTheLinesOfAChangedKeyItDoesNotUnderstand) {
  WineHive hive = WineHive::Parse(kOddFile);
  hive.SetTimeForTesting(kTime);
  WineHive::Key& key = *hive.Find(hive.Root(), "Control Panel\\Desktop");
  hive.SetValue(key, "New", Sz(u"n"));
  hive.SetValue(key, "Twice", Sz(u"third"));

  // The key's second block joins the first; the overridden line goes with the value.
  const std::string expected =
      "WINE REGISTRY Version 2\n"
      ";; All keys relative to \\\\User\\\\S-1-5-21-1-2-3-1001\n"
      "\n"
      ";; a comment of our own\n"
      "#arch=win32\n"
      "\n"
      "[Control Panel\\\\Desktop] 1796913071\n"
      "#time=1dd88b31aa4dadc\n"
      "#class=\"Desk\"\n"
      "#unknown=kept as it is\n"
      "\"New\"=\"n\"\n"
      "  \"Spaced\" = \"x\"   \n"
      "; a comment between values\n"
      "\"Twice\"=\"third\"\n"
      "\n"
      "\n"
      "\"Later\"=dword:00000010\n"
      "[Software\\\\Wine]   1796913001  \n"
      "\"Version\"=\"win10\"\n"
      "\n";
  EXPECT_EQ(hive.Text(), expected);
}

TEST(WineHive, PlacesNewKeysAsWineWould) {
  WineHive hive = WineHive::Parse(kWineFile);
  hive.SetTimeForTesting(kTime);
  // Only the key with a value gets a block: its parents exist through it.
  WineHive::Key& deep = hive.CreatePath(hive.Root(), "Software\\Sparvane\\Deep");
  hive.SetValue(deep, "v", Sz(u"1"));
  hive.CreatePath(hive.Root(), "Zeta");
  // Deleting the only subkey of a key without a block gives that key an empty block.
  hive.DeleteKey(*hive.Find(hive.Root(), "System\\Select"));

  std::string expected = kWineFile;
  const std::string select =
      "[System\\\\Select] 1796913007\n#time=1dd88b2f410d010\n"
      "\"Current\"=dword:00000001\n";
  expected.replace(expected.find(select), select.size(),
                   "[Software\\\\Sparvane\\\\Deep] 1796913071\n#time=1dd88b31aa4dadc\n"
                   "\"v\"=\"1\"\n\n"
                   "[System] 1796913071\n#time=1dd88b31aa4dadc\n\n"
                   "[Zeta] 1796913071\n#time=1dd88b31aa4dadc\n");
  // System was there only as the parent of Select: now a leaf, it has a block of its own.
  EXPECT_EQ(hive.Text(), expected);

  // Read back, the tree is the same.
  WineHive again = WineHive::Parse(hive.Text());
  EXPECT_EQ(again.Value(*again.Find(again.Root(), "Software\\Sparvane\\Deep"), "v"), Sz(u"1"));
  EXPECT_NE(again.Find(again.Root(), "System"), nullptr);
  EXPECT_NE(again.Find(again.Root(), "Zeta"), nullptr);
  EXPECT_EQ(again.Find(again.Root(), "System\\Select"), nullptr);
}

TEST(WineHive, SortsNewNamesAsWineDoes) {
  WineHive hive = WineHive::Create("REGISTRY\\Machine", "win64");
  WineHive::Key& key = hive.CreateSubKey(hive.Root(), "Charset");
  for (const char* name : {"ANSI", "_autodetect", "\xc3\x89t\xc3\xa9", "zulu", "Beta"}) {
    hive.CreateSubKey(key, name);
    hive.SetValue(key, name, Sz(u""));
  }
  // By lower case: '_' sorts before the letters, beyond ASCII after them.
  std::vector<std::string> keys;
  std::vector<std::string> values;
  for (std::size_t i = 0; i < hive.SubKeyCount(key); ++i) {
    keys.emplace_back(hive.Name(*hive.SubKeyAt(key, i)));
    values.push_back(*hive.ValueNameAt(key, i));
  }
  const std::vector<std::string> expected{"_autodetect", "ANSI", "Beta", "zulu",
                                          "\xc3\x89t\xc3\xa9"};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(values, expected);
  // Found again whatever the case, also beyond ASCII; created once.
  EXPECT_EQ(hive.SubKey(key, "\xc3\xa9T\xc3\x89"), hive.SubKeyAt(key, 4));
  EXPECT_EQ(&hive.CreateSubKey(key, "BETA"), hive.SubKeyAt(key, 2));
  EXPECT_EQ(hive.SubKeyCount(key), 5u);
}

TEST(WineHive, MakesAnEmptyFileWithWinesHeader) {
  WineHive hive = WineHive::Create("REGISTRY\\User\\S-1-5-21-0-0-0-1000", "win64");
  EXPECT_EQ(hive.Text(),
            "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\"
            "S-1-5-21-0-0-0-1000\n\n#arch=win64\n");
  hive.SetTimeForTesting(kTime);
  WineHive::Key& select = hive.CreatePath(hive.Root(), "System\\Select");
  hive.SetValue(select, "Current", {REG_DWORD, Bytes({1, 0, 0, 0})});
  WineHive::Key& link = hive.CreatePath(hive.Root(), "System\\CurrentControlSet");
  hive.MakeLink(link, "\\Registry\\Machine\\System\\ControlSet001");
  std::string text = hive.Text();
  EXPECT_EQ(text,
            "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\"
            "S-1-5-21-0-0-0-1000\n\n#arch=win64\n\n"
            "[System\\\\CurrentControlSet] 1796913071\n#time=1dd88b31aa4dadc\n#link\n"
            "\"SymbolicLinkValue\"=hex(6):5c,00,52,00,65,00,67,00,69,00,73,00,74,00,72,00,79,\\\n"
            "  00,5c,00,4d,00,61,00,63,00,68,00,69,00,6e,00,65,00,5c,00,53,00,79,00,73,00,\\\n"
            "  74,00,65,00,6d,00,5c,00,43,00,6f,00,6e,00,74,00,72,00,6f,00,6c,00,53,00,65,\\\n"
            "  00,74,00,30,00,30,00,31,00\n\n"
            "[System\\\\Select] 1796913071\n#time=1dd88b31aa4dadc\n"
            "\"Current\"=dword:00000001\n");
  WineHive again = WineHive::Parse(text);
  EXPECT_TRUE(again.IsLink(*again.Find(again.Root(), "System\\CurrentControlSet")));
}

TEST(WineHive, ForgetsBothLinesOfAValueNamedTwice) {
  WineHive hive = WineHive::Parse(kOddFile);
  WineHive::Key& key = *hive.Find(hive.Root(), "Control Panel\\Desktop");
  EXPECT_TRUE(hive.DeleteValue(key, "TWICE"));
  EXPECT_FALSE(hive.DeleteValue(key, "Twice"));
  WineHive again = WineHive::Parse(hive.Text());
  EXPECT_EQ(again.Value(*again.Find(again.Root(), "Control Panel\\Desktop"), "Twice"),
            std::nullopt);
}

TEST(WineHive, DeletesOnlyKeysWithoutSubkeys) {
  WineHive hive = WineHive::Parse(kWineFile);
  WineHive::Key& classes = *hive.Find(hive.Root(), "Software\\Classes");
  WineHive::Key& txt = *hive.Find(hive.Root(), "Software\\Classes\\.txt");
  EXPECT_FALSE(hive.DeleteKey(classes));
  EXPECT_FALSE(hive.DeleteKey(hive.Root()));
  EXPECT_TRUE(hive.DeleteKey(txt));
  EXPECT_TRUE(hive.IsDeleted(txt));
  EXPECT_FALSE(hive.SetValue(txt, "x", Sz(u"")));
  EXPECT_EQ(hive.Value(txt, ""), std::nullopt);
  EXPECT_EQ(hive.Find(hive.Root(), "Software\\Classes\\.txt"), nullptr);
  // A key made again under the same name is a new key.
  EXPECT_NE(&hive.CreatePath(hive.Root(), "Software\\Classes\\.txt"), &txt);
}

struct BrokenCase {
  const char* text;
  std::size_t line;
  const char* problem;
};

TEST(WineHive, ReportsTheLineOfWhatItCannotRead) {
  const BrokenCase cases[] = {
      {"", 1, "not a Wine registry file"},
      {"REGEDIT4\n", 1, "not a Wine registry file"},
      {"WINE REGISTRY Version 2\n\"a\"=\"b\"\n", 2, "value before the first key"},
      {"WINE REGISTRY Version 2\n\n[Key\n", 3, "']' missing"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=\"b\n", 3, "unterminated string"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a=\"b\"\n", 3, "'=' expected"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\" \"b\"\n", 3, "'=' expected"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=dword:\n", 3, "hex digits expected"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=qword:1\n", 3, "unknown kind"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=hex:01,,02\n", 3, "byte expected"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=hex:0g\n", 3, "unexpected text"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=hex:01,\\\n  02,\\\n  zz\n", 5, "unexpected text"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=hex:01,\\\n", 4, "data missing"},
      {"WINE REGISTRY Version 2\n[K] 1\n\"a\"=\"b\" junk\n", 3, "unexpected text"},
      {"WINE REGISTRY Version 2\n[K] 1 x\n", 2, "unexpected text after the key name"},
      {"WINE REGISTRY Version 2\n[K] 1\n\n\nnonsense\n", 5, "unrecognised line"},
  };
  for (const BrokenCase& test : cases) {
    SCOPED_TRACE(test.text);
    try {
      WineHive::Parse(test.text);
      ADD_FAILURE() << "parsed";
    } catch (const WineHiveSyntaxError& error) {
      EXPECT_EQ(error.line(), test.line);
      EXPECT_NE(std::string(error.what()).find(test.problem), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace platform
