#include "platform/date_time_text.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace platform {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 1 January 10000, the first day the four-digit pictures cannot show.
constexpr double kEndOfDates = 2958466.0;

struct Fields {
  std::int64_t year = 0;
  int month = 0;
  int day = 0;
  int weekDay = 0;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The proleptic Gregorian date of a day count since 30 December 1899.
void SetDate(std::int64_t days, Fields& fields) {
  // Shift to days since 1 March 0000, so that a year's leap day is its last day.
  std::int64_t z = days + 693899;
  std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t dayOfEra = z - era * 146097;
  std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 = March
  fields.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  fields.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  fields.year = yearOfEra + era * 400 + (fields.month <= 2 ? 1 : 0);
  // 30 December 1899 was a Saturday.
  fields.weekDay = static_cast<int>(((days % 7) + 7 + 6) % 7);
}

std::string Padded(std::int64_t number, std::size_t width) {
  std::string text = std::to_string(number);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

constexpr std::string_view kMonthNames[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
constexpr std::string_view kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

// Expands a picture in Windows' notation: a run of one pattern letter is one field, text in
// single quotes is literal ('' inside quotes is a quote), anything else is copied.
std::string Expand(std::string_view picture, const Fields& fields, const DateTimeFormats& formats) {
  std::string text;
  std::size_t at = 0;
  while (at < picture.size()) {
    char letter = picture[at];
    if (letter == '\'') {
      ++at;
      while (at < picture.size()) {
        if (picture[at] == '\'') {
          if (at + 1 < picture.size() && picture[at + 1] == '\'') {
            text += '\'';
            at += 2;
            continue;
          }
          ++at;
          break;
        }
        text += picture[at++];
      }
      continue;
    }
    std::size_t run = 1;
    while (at + run < picture.size() && picture[at + run] == letter) ++run;
    int hour12 = fields.hour % 12 == 0 ? 12 : fields.hour % 12;
    const std::string& designator = fields.hour < 12 ? formats.amDesignator : formats.pmDesignator;
    switch (letter) {
      case 'd':
        if (run <= 2) {
          text += Padded(fields.day, run);
        } else {
          std::string_view name = kDayNames[fields.weekDay];
          text += run == 3 ? name.substr(0, 3) : name;
        }
        break;
      case 'M':
        if (run <= 2) {
          text += Padded(fields.month, run);
        } else {
          std::string_view name = kMonthNames[fields.month - 1];
          text += run == 3 ? name.substr(0, 3) : name;
        }
        break;
      case 'y':
        text += run <= 2 ? Padded(fields.year % 100, run) : Padded(fields.year, 4);
        break;
      case 'h':
        text += Padded(hour12, run >= 2 ? 2 : 1);
        break;
      case 'H':
        text += Padded(fields.hour, run >= 2 ? 2 : 1);
        break;
      case 'm':
        text += Padded(fields.minute, run >= 2 ? 2 : 1);
        break;
      case 's':
        text += Padded(fields.second, run >= 2 ? 2 : 1);
        break;
      case 't':
        text += run == 1 ? designator.substr(0, 1) : designator;
        break;
      default:
        text.append(run, letter);
        break;
    }
    at += run;
  }
  return text;
}

}  // namespace

std::string DateTimeToText(double value, const DateTimeFormats& formats) {
  // Negative values mark a missing date; values past the year 9999 are no dates either.
  if (!std::isfinite(value) || value < 0 || value >= kEndOfDates) return {};
  // Rounded to the nearest second as a whole, so that a time a hair before midnight carries
  // into the next day instead of showing 24:00:00.
  auto seconds = static_cast<std::int64_t>(std::llround(value * kSecondsPerDay));
  Fields fields;
  SetDate(seconds / kSecondsPerDay, fields);
  std::int64_t ofDay = seconds % kSecondsPerDay;
  fields.hour = static_cast<int>(ofDay / 3600);
  fields.minute = static_cast<int>(ofDay / 60 % 60);
  fields.second = static_cast<int>(ofDay % 60);

  std::string text = Expand(formats.shortDate, fields, formats);
  // Only a value that is exactly midnight leaves the time out.
  if (value != std::floor(value)) text += ' ' + Expand(formats.longTime, fields, formats);
  return text;
}

}  // namespace platform
