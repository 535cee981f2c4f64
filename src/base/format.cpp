#include "base/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/sjis.h"
#include "platform/file_system.h"

namespace base {
namespace {

// Decimal digits of |value| (18 significant, exact from the binary value) and how many of
// them stand before the decimal point.
struct Decimal {
  std::string digits;
  int pointPos = 0;
};

Decimal ToDecimal(double magnitude) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
  const std::string text(buf, res.ptr);
  const std::size_t e = text.find('e');
  Decimal d;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') d.digits += text[i];
  }
  d.pointPos = std::stoi(text.substr(e + 1)) + 1;
  return d;
}

// Rounds half up to `decimals` digits after the point; returns integer and fraction digits.
std::pair<std::string, std::string> RoundDecimal(Decimal d, int decimals) {
  if (d.pointPos < 1) {
    d.digits = std::string(static_cast<std::size_t>(1 - d.pointPos), '0') + d.digits;
    d.pointPos = 1;
  }
  const std::size_t keep = static_cast<std::size_t>(d.pointPos + decimals);
  if (d.digits.size() < keep + 1) d.digits.resize(keep + 1, '0');
  std::string kept = d.digits.substr(0, keep);
  if (d.digits[keep] >= '5') {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept = "1" + kept;
      ++d.pointPos;
    } else {
      ++kept[i - 1];
    }
  }
  std::string whole = kept.substr(0, static_cast<std::size_t>(d.pointPos));
  const std::size_t firstNonZero = whole.find_first_not_of('0');
  whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
  return {whole, kept.substr(static_cast<std::size_t>(d.pointPos))};
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string PadLeft(const std::string& text, int width) {
  if (static_cast<int>(text.size()) >= width) return text;
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

}  // namespace

std::string FormatNumber(double value, int width, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 18) decimals = 18;
  if (std::isnan(value)) return PadLeft("NAN", width);
  if (std::isinf(value)) return PadLeft(value < 0 ? "-INF" : "INF", width);
  const auto [whole, fraction] = RoundDecimal(ToDecimal(std::fabs(value)), decimals);
  std::string text = GroupThousands(whole);
  if (!fraction.empty()) text += "." + fraction;
  const bool isZero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !isZero) text = "-" + text;
  return PadLeft(text, width);
}

namespace {

const char* const kShortDayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const kLongDayNames[7] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                      "木曜日", "金曜日", "土曜日"};

std::string Digits(int value, int minWidth) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", minWidth, value);
  return buf;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

int DayIndex(const platform::DateTime& t) { return ((t.dayOfWeek % 7) + 7) % 7; }

}  // namespace

std::string FormatDateTime(const std::string& pattern, const platform::DateTime& t) {
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < pattern.size();) {
    const std::size_t len = CharLengthAt(pattern, i);
    const char c = Lower(pattern[i]);
    if (len == 2 || std::string("ymdhns\"'").find(c) == std::string::npos) {
      out.append(pattern, i, len);
      i += len;
      continue;
    }
    if (c == '"' || c == '\'') {
      const std::size_t close = pattern.find(pattern[i], i + 1);
      const std::size_t end = close == std::string::npos ? pattern.size() : close;
      out.append(pattern, i + 1, end - i - 1);
      i = close == std::string::npos ? end : close + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && Lower(pattern[i + run]) == c) ++run;
    i += run;
    const int w = run >= 2 ? 2 : 1;
    switch (c) {
      case 'y': out += run <= 2 ? Digits(t.year % 100, 2) : Digits(t.year, 4); break;
      case 'm': out += Digits(afterHour ? t.minute : t.month, w); break;
      case 'd':
        if (run == 3) out += kShortDayNames[DayIndex(t)];
        else if (run >= 4) out += kLongDayNames[DayIndex(t)];
        else out += Digits(t.day, w);
        break;
      case 'h': out += Digits(t.hour, w); break;
      case 'n': out += Digits(t.minute, w); break;
      case 's': out += Digits(t.second, w); break;
    }
    afterHour = c == 'h';
  }
  return out;
}

std::string TimeText(const platform::DateTime& t) { return FormatDateTime("h:nn:ss", t); }

std::string HourMinuteFromTimeText(const std::string& timeText) {
  const std::string padded = "0" + timeText;
  if (padded.size() < 8) return std::string();
  return padded.substr(padded.size() - 8, 5);
}

std::string HourMinute(const platform::DateTime& t) { return HourMinuteFromTimeText(TimeText(t)); }

std::string AttributeChars(std::uint32_t a) {
  std::string s;
  s += (a & platform::kAttrReadOnly) ? 'r' : ' ';
  s += (a & platform::kAttrSystem) ? 's' : ' ';
  s += (a & platform::kAttrHidden) ? 'h' : ' ';
  s += (a & platform::kAttrArchive) ? 'a' : ' ';
  return s;
}

}  // namespace base
