
#include <gtest/gtest.h>

#include "qt/display_text.h"

namespace {

TEST(DisplayText, WindowsLineBreaksBecomeLineFeeds) {
  const std::pair<const char*, const char*> cases[] = {
      {"one\r\ntwo", "one\ntwo"},
      {"one\rtwo\r", "one\ntwo\n"},
      {"a\r\r\nb", "a\n\nb"},
      {"a\nb", "a\nb"},
      {"", ""},
      {"\xC3\xA9t\xC3\xA9", "\u00e9t\u00e9"},
  };
  for (const auto& [model, shown] : cases) {
    EXPECT_EQ(qtui::DisplayText(model), QString::fromUtf8(shown)) << model;
  }
}

TEST(DisplayText, MnemonicMarksAreDropped) {
  const std::pair<const char*, const char*> cases[] = {
      {"&Save", "Save"}, {"S&can", "Scan"},  {"Fish && Chips", "Fish & Chips"},
      {"End&", "End"},   {"Plain", "Plain"},
  };
  for (const auto& [caption, plain] : cases) {
    EXPECT_EQ(qtui::WithoutMnemonics(caption), QString::fromUtf8(plain)) << caption;
  }
}

}  // namespace
