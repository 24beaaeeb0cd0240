#include <gtest/gtest.h>

#include "platform/wildcard.h"

namespace {

TEST(WildcardPattern, FollowsTheRulesOfAWindowsDirectorySearch) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case kCases[] = {
      // every name, with or without a dot
      {"*.*", "readme", true},
      {"*.*", "a.b.c", true},
      {"*", ".hidden", true},
      // case
      {"*.tmp", "REPORT.TMP", true},
      {"*.TMP", "x.tmp", true},
      {"*.tmp", "x.tmp.bak", false},
      {"*.tmp", "tmp", false},
      {"*.tmp", ".tmp", true},
      {"*.temp", "a.b.temp", true},
      // masks the Disk Cleaner uses
      {"~*.*", "~report.tmp", true},
      {"~*.*", "~lock", true},
      {"~*.*", "a~b", false},
      {"*.~*", "file.~mp", true},
      {"*.~*", "file~.txt", false},
      {"*.*~", "notes.txt~", true},
      {"*.*~", "notes~", false},
      {"*.^*", "doc.^01", true},
      {"*.??$", "setup.ex$", true},
      {"*.??$", "setup.e$", false},
      {"*.??$", "setup.exe$", false},
      {"*.??$", "ab$", false},
      {"*.?~?", "a.b~c", true},
      {"*.??~", "a.do~", true},
      {"*.---", "x.---", true},
      {"file????._dd", "file0001._dd", true},
      {"file????._dd", "file._dd", true},
      {"file????._dd", "file12345._dd", false},
      {"mscreate.dir", "MSCREATE.DIR", true},
      {"chklist.*", "chklist.ms", true},
      {"chklist.*", "chklist", true},
      {"backup*.wbk", "Backup of thesis.wbk", true},
      {"backup*.wbk", "backup.wbk.old", false},
      {"*.bk?", "x.bk1", true},
      {"*.bk?", "x.bk", true},
      {"*.bk?", "x.bk12", false},
      {"*.$$$", "a.$$$", true},
      // "?" takes one character, or none before a dot or at the end
      {"a?.txt", "ab.txt", true},
      {"a?.txt", "a.txt", true},
      {"a?.txt", "abc.txt", false},
      {"???", "ab", true},
      {"?", "", true},
      {"??", "abc", false},
      // "*." takes names without a dot
      {"*.", "readme", true},
      {"*.", "read.me", false},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(platform::WildcardPattern(c.pattern).Matches(c.name), c.matches)
        << c.pattern << " ~ " << c.name;
  }
}

TEST(WildcardPattern, LongNamesAndManyStarsStayCheap) {
  std::string name(250, 'a');
  platform::WildcardPattern pattern("*a*a*a*a*a*a*a*a*b");
  EXPECT_FALSE(pattern.Matches(name));
  EXPECT_TRUE(pattern.Matches(name + "b"));
}

}  // namespace
