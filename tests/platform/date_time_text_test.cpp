#include "platform/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(DateTimeToTextTest, DefaultFormats) {
  struct Case {
    double value;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "12/30/1899"},
      {38783, "3/7/2006"},
      {38783 + (9 * 3600 + 5 * 60 + 3) * kSecond, "3/7/2006 9:05:03 AM"},
      {38783.5, "3/7/2006 12:00:00 PM"},
      {38783 + (23 * 3600 + 59 * 60 + 59) * kSecond, "3/7/2006 11:59:59 PM"},
      {38783 + 0.4 * kSecond, "3/7/2006 12:00:00 AM"},  // not exactly midnight
      {38783.999999999, "3/8/2006 12:00:00 AM"},        // rounds into the next day
      {36585, "2/29/2000"},
      {60, "2/28/1900"},
      {61, "3/1/1900"},
      {25569, "1/1/1970"},
      {2958465.5, "12/31/9999 12:00:00 PM"},
      {-1, ""},
      {-0.25, ""},
      {2958466, ""},
      {std::numeric_limits<double>::quiet_NaN(), ""},
      {std::numeric_limits<double>::infinity(), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateTimeToText(c.value), c.text) << c.value;
  }
}

TEST(DateTimeToTextTest, OtherPictures) {
  struct Case {
    DateTimeFormats formats;
    std::string text;
  };
  const double value = 38783 + (21 * 3600 + 5 * 60 + 3) * kSecond;  // Tuesday
  const std::vector<Case> cases = {
      {{"dd.MM.yyyy", "HH:mm:ss", "", ""}, "07.03.2006 21:05:03"},
      {{"yy-M-d", "H:m:s", "", ""}, "06-3-7 21:5:3"},
      {{"ddd, d MMM yyyy", "hh 'o''clock' t", "am", "pm"}, "Tue, 7 Mar 2006 09 o'clock p"},
      {{"dddd d MMMM", "'h:mm' tt", "AM", "PM"}, "Tuesday 7 March h:mm PM"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateTimeToText(value, c.formats), c.text);
  }
}

}  // namespace
}  // namespace platform
