#pragma once

#include <string>

namespace platform {

// Date and time pictures in Windows' notation (d dd M MM yy yyyy, h hh H HH, m mm, s ss, t tt;
// text in single quotes is literal).
struct DateTimeFormats {
  std::string shortDate = "M/d/yyyy";
  std::string longTime = "h:mm:ss tt";
  std::string amDesignator = "AM";
  std::string pmDesignator = "PM";
};

// A date-time is a count of days since 30 December 1899, the time of day as the fraction. The
// text is the short date, then a blank and the long time unless the time is exactly midnight;
// a negative value (the mark of a missing date) gives empty text.
std::string DateTimeToText(double value, const DateTimeFormats& formats = {});

}  // namespace platform
