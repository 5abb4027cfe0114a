// SPDX-License-Identifier: AGPL-3.0-or-later
#include "people/aaf.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "vocabulary/people_words_aaf.h"

namespace kelvra::people {
namespace {

// --- Text encodings -------------------------------------------------------

/// The length of the strict UTF-8 sequence at `i` (no overlong forms, no
/// surrogates, nothing above U+10FFFF), or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c == 0xE0) {
    n = 3, lo = 0xA0;
  } else if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF) {
    n = 3;
  } else if (c == 0xED) {
    n = 3, hi = 0x9F;
  } else if (c == 0xF0) {
    n = 4, lo = 0x90;
  } else if (c >= 0xF1 && c <= 0xF3) {
    n = 4;
  } else if (c == 0xF4) {
    n = 4, hi = 0x8F;
  } else {
    return 0;
  }
  if (s.size() - i < n) return 0;
  const auto c1 = static_cast<unsigned char>(s[i + 1]);
  if (c1 < lo || c1 > hi) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

bool IsStrictUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = Utf8SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Windows-1252 where it differs from Latin-1; its five unassigned bytes keep
// their C1 code points, as browsers read them.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Windows1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    AppendUtf8(out, c >= 0x80 && c <= 0x9F ? kWindows1252[c - 0x80] : char32_t{c});
  }
  return out;
}

/// `s` with every byte that starts no UTF-8 sequence written as U+FFFD.
std::string ToValidUtf8(std::string_view s, bool& changed) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = Utf8SequenceLength(s, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      changed = true;
      ++i;
    } else {
      out.append(s.substr(i, n));
      i += n;
    }
  }
  return out;
}

// --- Small parsers ----------------------------------------------------------

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Lower(c);
  return out;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto comma = text.find(',');
    fields.push_back(Trim(text.substr(0, comma)));
    if (comma == std::string_view::npos) return fields;
    text.remove_prefix(comma + 1);
  }
}

bool Unknown(std::string_view field) { return field.empty() || field == "*"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/// Reads 1 to `maxDigits` digits at the cursor.
bool ReadNumber(std::string_view& s, int maxDigits, int& value) {
  int digits = 0;
  value = 0;
  while (!s.empty() && IsDigit(s.front()) && digits < maxDigits) {
    value = value * 10 + (s.front() - '0');
    s.remove_prefix(1);
    ++digits;
  }
  return digits > 0 && (s.empty() || !IsDigit(s.front()));
}

bool ReadChar(std::string_view& s, char lowerCase) {
  if (s.empty() || Lower(s.front()) != lowerCase) return false;
  s.remove_prefix(1);
  return true;
}

// --- The calendar -----------------------------------------------------------

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

/// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = yoe + era * 400 + (m <= 2);
}

bool IsRealDate(int y, int m, int d) {
  if (m < 1 || m > 12 || d < 1) return false;
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= kDays[m - 1] + (m == 2 && leap);
}

constexpr double kJulianDayOf1970 = 2440587.5;
constexpr std::int64_t kMaxOffset = 18 * 3600;

/// A local clock time as seconds since 1970 as if it were UT.
std::int64_t ClockSeconds(const Person& p) {
  return DaysFromCivil(p.year, p.month, p.day) * 86400 + p.hour * 3600 + p.minute * 60 + p.second;
}

/// "27.9.1970 11:04" of seconds since 1970.
std::string DateTimeText(std::int64_t seconds) {
  std::int64_t y = 0;
  int m = 0, d = 0;
  CivilFromDays(FloorDiv(seconds, 86400), y, m, d);
  const std::int64_t s = seconds - FloorDiv(seconds, 86400) * 86400;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d.%d.%lld %d:%02d", d, m, static_cast<long long>(y),
                static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60));
  return buffer;
}

std::string OffsetText(std::int64_t seconds) {
  const std::int64_t a = seconds < 0 ? -seconds : seconds;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%c%02d:%02d", seconds < 0 ? '-' : '+', static_cast<int>(a / 3600),
                static_cast<int>(a / 60 % 60));
  return buffer;
}

/// The mean time of a longitude, east positive, in seconds: four minutes a degree.
std::int64_t MeanTimeOffset(const Person& p) {
  const std::int64_t s = p.longDeg * 240 + p.longMin * 4;
  return p.longDir == 'W' ? -s : s;
}

// --- Reading ----------------------------------------------------------------

struct Chunk {
  std::string id;  ///< upper case
  std::string text;
};

struct RawRecord {
  std::size_t line = 0;
  std::size_t number = 0;
  std::vector<Chunk> chunks;

  const Chunk* Find(std::string_view id) const {
    for (const Chunk& c : chunks)
      if (c.id == id) return &c;
    return nullptr;
  }
  /// Every chunk `id`, trimmed, one line each.
  std::string Lines(std::string_view id) const {
    std::string out;
    bool first = true;
    for (const Chunk& c : chunks) {
      if (c.id != id) continue;
      if (!first) out += '\n';
      out += Trim(c.text);
      first = false;
    }
    return out;
  }
};

std::vector<RawRecord> SplitRecords(std::string_view text) {
  std::vector<RawRecord> records;
  Chunk* current = nullptr;  // the chunk a line without '#' continues
  bool headless = false;     // within chunks that belong to no record
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (Trim(line).empty()) continue;
    if (line.front() != '#') {
      if (current == nullptr) continue;
      // A continued comment is a new line of it; other data go on where they stopped.
      if (current->id == "COM") current->text += '\n';
      current->text += current->id == "COM" ? Trim(line) : line;
      continue;
    }
    if (line.size() >= 2 && line[1] == ':') continue;  // a comment
    const auto colon = line.find(':');
    Chunk chunk{std::string(line.substr(1, colon == std::string_view::npos ? line.size() - 1 : colon - 1)),
                colon == std::string_view::npos ? std::string() : std::string(line.substr(colon + 1))};
    for (char& c : chunk.id) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (chunk.id == "A93") {
      records.push_back({lineNumber, records.size() + 1, {}});
      headless = false;
    } else if (chunk.id == "B93" && !records.empty() && records.back().Find("B93") != nullptr) {
      // A second #B93 is the rest of a record whose #A93 line was lost: it
      // must not change the record before it.
      headless = true;
    }
    if (records.empty() || headless) {
      current = nullptr;
      continue;
    }
    records.back().chunks.push_back(std::move(chunk));
    current = &records.back().chunks.back();
  }
  return records;
}

/// Why a record is refused; empty while it is not.
using Reason = std::string;

Reason ReadDate(std::string_view field, Person& p) {
  const auto unreadable = [field] { return Tr(words::kAafUnreadableDate, {field}); };
  if (Unknown(field)) return unreadable();
  std::string_view s = field;
  char calendar = 0;
  if (const char last = Lower(s.back()); last == 'g' || last == 'j') {
    calendar = last;
    s.remove_suffix(1);
  }
  int d = 0, m = 0, y = 0;
  if (!ReadNumber(s, 2, d) || !ReadChar(s, '.') || !ReadNumber(s, 2, m) || !ReadChar(s, '.') ||
      !ReadNumber(s, 5, y) || !s.empty())
    return unreadable();
  const bool beforeGregorian = y < 1582 || (y == 1582 && (m < 10 || (m == 10 && d < 15)));
  if (calendar == 'j' || (calendar == 0 && beforeGregorian)) return Tr(words::kAafJulianDate, {field});
  if (y < 1900 || y > 2050) return Tr(words::kAafYearOutside, {std::to_string(y)});
  if (!IsRealDate(y, m, d)) return Tr(words::kAafImpossibleDate, {field});
  p.day = d, p.month = m, p.year = y;
  return {};
}

Reason ReadTime(std::string_view field, Person& p) {
  if (Unknown(field)) return Tr(words::kAafNoBirthTime);
  std::string_view s = field;
  int h = 0, m = 0, sec = 0;
  bool ok = ReadNumber(s, 2, h) && ReadChar(s, ':') && ReadNumber(s, 2, m);
  if (ok && !s.empty()) ok = ReadChar(s, ':') && ReadNumber(s, 2, sec) && s.empty();
  // The form takes hour 24, so the file may too.
  if (!ok || h > 24 || m > 59 || sec > 59) return Tr(words::kAafUnreadableTime, {field});
  p.hour = h, p.minute = m, p.second = sec;
  return {};
}

/// "49n05", "25S44:52": seconds of arc rounded half up, 60 minutes carried.
Reason ReadCoordinate(std::string_view field, bool latitude, int& deg, int& min, char& dir) {
  const auto& unreadable = latitude ? words::kAafUnreadableLatitude : words::kAafUnreadableLongitude;
  std::string_view s = field;
  int d = 0, m = 0, sec = 0;
  if (!ReadNumber(s, 3, d) || s.empty()) return Tr(unreadable, {field});
  const char letter = Lower(s.front());
  const char positive = latitude ? 'n' : 'e', negative = latitude ? 's' : 'w';
  if (letter != positive && letter != negative) return Tr(unreadable, {field});
  s.remove_prefix(1);
  if (!s.empty() && !ReadNumber(s, 2, m)) return Tr(unreadable, {field});
  if (!s.empty() && !(ReadChar(s, ':') && ReadNumber(s, 2, sec) && s.empty())) return Tr(unreadable, {field});
  const int limit = latitude ? 90 : 180;
  if (m >= 60 || sec >= 60 || d * 3600 + m * 60 + sec > limit * 3600)
    return Tr(latitude ? words::kAafImpossibleLatitude : words::kAafImpossibleLongitude, {field});
  if (sec >= 30 && ++m == 60) m = 0, ++d;
  deg = d, min = m;
  dir = letter == 'n' ? 'N' : letter == 's' ? 'S' : letter == 'e' ? 'E' : 'W';
  return {};
}

/// The zone difference, east positive: "1he", "1he00", "5hw", "0he21:48",
/// "0e21:48", "1E", "5:30E". `withSeconds` when the file gives seconds.
bool ReadZone(std::string_view field, std::int64_t& seconds, bool& withSeconds) {
  std::string_view s = field;
  int h = 0, m = 0, sec = 0;
  char letter = 0;
  withSeconds = false;
  if (!ReadNumber(s, 2, h)) return false;
  if (!s.empty() && s.front() == ':') {  // hours first, then the direction
    s.remove_prefix(1);
    if (!ReadNumber(s, 2, m) || s.size() != 1) return false;
    letter = Lower(s.front());
    s.remove_prefix(1);
  } else {
    ReadChar(s, 'h');
    if (s.empty()) return false;
    letter = Lower(s.front());
    s.remove_prefix(1);
    if (!s.empty() && !ReadNumber(s, 2, m)) return false;
    if (!s.empty()) {
      if (!ReadChar(s, ':') || !ReadNumber(s, 2, sec) || !s.empty()) return false;
      withSeconds = true;
    }
  }
  if ((letter != 'e' && letter != 'w') || m >= 60 || sec >= 60) return false;
  seconds = h * 3600 + m * 60 + sec;
  if (seconds > kMaxOffset) return false;
  if (letter == 'w') seconds = -seconds;
  return true;
}

bool ReadJulianDay(std::string_view field, double& jd) {
  for (const char c : field)
    if (!IsDigit(c) && c != '.') return false;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), jd);
  return error == std::errc() && end == field.data() + field.size() && jd >= 0 && jd < 1e8;
}

Reason Interpret(const RawRecord& raw, const ZoneRules& zones, ReadRecord& out) {
  Person& p = out.person;
  const auto a = SplitFields(raw.chunks.front().text);
  if (a.size() < 5) return Tr(words::kAafTooFewFields, {std::to_string(a.size())});

  if (Unknown(a[0]))
    p.name = Unknown(a[1]) ? std::string() : std::string(a[1]);
  else
    p.name = Unknown(a[1]) ? std::string(a[0]) : std::string(a[1]) + ' ' + std::string(a[0]);

  const std::string type = LowerAscii(a[2]);
  if (type == "m") {
    p.sex = Sex::Male;
  } else if (type == "f" || type == "w") {
    p.sex = Sex::Female;
  } else if (type == "e") {
    return Tr(words::kAafEvent);
  } else if (type == "l") {
    return Tr(words::kAafCountry);
  } else if (type == "o") {
    return Tr(words::kAafOrganisation);
  } else if (!Unknown(type)) {
    return Tr(words::kAafUnknownType, {a[2]});
  }

  if (Reason r = ReadDate(a[3], p); !r.empty()) return r;
  if (Reason r = ReadTime(a[4], p); !r.empty()) return r;

  // A comma inside the place spills it over several fields: the country is
  // the last one, the place all between.
  std::string place, country;
  if (a.size() >= 6) {
    const std::size_t placeEnd = a.size() >= 7 ? a.size() - 1 : a.size();
    for (std::size_t i = 5; i < placeEnd; ++i) {
      if (i > 5) place += ',';
      place += a[i];
    }
    if (a.size() >= 7 && !Unknown(a.back())) country = a.back();
  }
  if (place == "*") place.clear();
  if (const auto comma = place.rfind(','); comma != std::string::npos) {
    p.city = Trim(std::string_view(place).substr(0, comma));
    p.state = Trim(std::string_view(place).substr(comma + 1));
  } else if (const auto open = place.rfind('('); !country.empty() && !place.empty() && place.back() == ')' &&
                                                  open != std::string::npos) {
    p.city = Trim(std::string_view(place).substr(0, open));
    p.state = Trim(std::string_view(place).substr(open + 1, place.size() - open - 2));
  } else {
    p.city = place;
  }
  p.country = country;

  const Chunk* b93 = raw.Find("B93");
  if (b93 == nullptr) return Tr(words::kAafNoCoordinates);
  const auto b = SplitFields(b93->text);
  if (b.size() < 3 || Unknown(b[1]) || Unknown(b[2])) return Tr(words::kAafNoCoordinates);
  if (Reason r = ReadCoordinate(b[1], true, p.latDeg, p.latMin, p.latDir); !r.empty()) return r;
  if (Reason r = ReadCoordinate(b[2], false, p.longDeg, p.longMin, p.longDir); !r.empty()) return r;

  const std::string_view zoneField = b.size() > 3 ? b[3] : "*";
  std::int64_t zoneSeconds = 0;
  bool zoneWithSeconds = false;
  const bool zoneKnown = !Unknown(zoneField);
  if (zoneKnown && !ReadZone(zoneField, zoneSeconds, zoneWithSeconds))
    return Tr(words::kAafUnreadableZone, {zoneField});

  const std::string flag = LowerAscii(b.size() > 4 ? b[4] : "*");
  std::optional<int> summerHours;  // nothing: the time type is unknown
  bool meanTime = false;
  if (flag == "0" || flag == "m") {
    summerHours = 0;
  } else if (flag == "1") {
    summerHours = 1;
  } else if (flag == "2" || flag == "d") {
    summerHours = 2;
  } else if (flag == "l") {
    meanTime = true;
  } else if (!Unknown(flag)) {
    return Tr(words::kAafUnknownTimeType, {b[4]});
  }

  std::optional<double> jd;
  if (!Unknown(b[0])) {
    double value = 0;
    if (!ReadJulianDay(b[0], value)) return Tr(words::kAafUnreadableJulianDay, {b[0]});
    jd = value;
  }

  p.notes = raw.Lines("COM");
  p.source = raw.Lines("SRC");

  // The offset the record's clock time has, to check the Julian day against.
  std::optional<std::int64_t> offset;
  const Chunk* znam = raw.Find("ZNAM");
  const std::string zoneName = znam != nullptr ? std::string(Trim(znam->text)) : std::string();
  const bool validZone = !zoneName.empty() && zones.isValidZone && zones.isValidZone(zoneName);
  if (validZone) {
    p.zone = zoneName;
    if (zones.offsetAt)
      if (const auto o = zones.offsetAt(p.zone, p.year, p.month, p.day, p.hour, p.minute, p.second)) offset = *o;
  } else if (meanTime || (zoneKnown && zoneWithSeconds)) {
    p.utcOffset = "LMT";
    offset = MeanTimeOffset(p);
  } else if (zoneKnown && summerHours) {
    const std::int64_t total = zoneSeconds + *summerHours * 3600;
    p.utcOffset = OffsetText(total);
    offset = total;
  }

  if (jd) {
    const std::int64_t clock = ClockSeconds(p);
    const auto ut = static_cast<std::int64_t>(std::llround((*jd - kJulianDayOf1970) * 86400.0));
    if (offset) {
      if (std::llabs(clock - *offset - ut) > 60)
        out.remarks.push_back(
            Tr(words::kAafJulianDayDisagrees, {DateTimeText(ut + *offset), DateTimeText(clock)}));
    } else if (!validZone) {
      const std::int64_t derived = FloorDiv(clock - ut + 30, 60) * 60;
      if (std::llabs(derived) <= kMaxOffset)
        p.utcOffset = OffsetText(derived);
      else
        out.remarks.push_back(Tr(words::kAafJulianDayFarOff, {DateTimeText(ut), DateTimeText(clock)}));
    }
  }
  return {};
}

// --- Writing ----------------------------------------------------------------

class RecordWriter {
 public:
  RecordWriter(std::size_t number, WriteReport& report) : number_(std::to_string(number)), report_(report) {}

  /// A text as a field can hold it: UTF-8, ';' for ',', and for a one-line
  /// field a blank for a line break; a multi-line text keeps its line breaks as '\n'.
  std::string Text(std::string_view value, const Template& field, bool multiLine) {
    bool notUtf8 = false;
    std::string text = ToValidUtf8(value, notUtf8);
    bool comma = false, lineBreak = false;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == ',') {
        out += ';';
        comma = true;
      } else if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += multiLine ? '\n' : ' ';
        lineBreak = lineBreak || !multiLine;
      } else {
        out += c;
      }
    }
    if (notUtf8) Note(words::kAafNotUtf8Written, Tr(field));
    if (comma) Note(words::kAafCommaWritten, Tr(field));
    if (lineBreak) Note(words::kAafLineBreakWritten, Tr(field));
    return out;
  }

  void Note(const Template& what, std::string_view detail = {}) {
    report_.substitutions.push_back(Tr(what, {number_, detail}));
  }

 private:
  std::string number_;
  WriteReport& report_;
};

std::string CoordinateText(int deg, int min, char letter, int limit, const Template& field, RecordWriter& writer) {
  if (min >= 60) {
    deg += min / 60;
    min %= 60;
    writer.Note(words::kAafMinutesCarried, Tr(field));
  }
  if (deg < 0 || min < 0 || deg > limit || (deg == limit && min > 0)) writer.Note(words::kAafCoordinateBeyond, Tr(field));
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%d%c%02d", deg, letter, min);
  return buffer;
}

/// The definition's zone form: "1he00", "5hw00", "0he21:48".
std::string ZoneText(std::int64_t seconds) {
  const std::int64_t a = seconds < 0 ? -seconds : seconds;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%lldh%c%02d", static_cast<long long>(a / 3600), seconds < 0 ? 'w' : 'e',
                static_cast<int>(a / 60 % 60));
  std::string out = buffer;
  if (a % 60 != 0) {
    std::snprintf(buffer, sizeof buffer, ":%02d", static_cast<int>(a % 60));
    out += buffer;
  }
  return out;
}

/// "+HH:MM" or "-HH:MM" as seconds.
std::optional<std::int64_t> ParseOffset(std::string_view s) {
  if (s.size() != 6 || (s[0] != '+' && s[0] != '-') || s[3] != ':') return std::nullopt;
  for (const std::size_t i : {1, 2, 4, 5})
    if (!IsDigit(s[i])) return std::nullopt;
  const int h = (s[1] - '0') * 10 + (s[2] - '0'), m = (s[4] - '0') * 10 + (s[5] - '0');
  if (m >= 60 || h * 3600 + m * 60 > kMaxOffset) return std::nullopt;
  const std::int64_t seconds = h * 3600 + m * 60;
  return s[0] == '-' ? -seconds : seconds;
}

void AppendLines(std::string& out, std::string_view id, std::string_view text) {
  if (text.empty()) return;
  for (;;) {
    const auto end = text.find('\n');
    out += '#';
    out += id;
    out += ':';
    out += text.substr(0, end);
    out += "\r\n";
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

void WriteRecord(const Person& p, std::size_t number, const ZoneRules& zones, WriteReport& report, std::string& out) {
  RecordWriter writer(number, report);
  const auto orUnknown = [](std::string s) { return s.empty() ? std::string("*") : s; };
  const std::string name = writer.Text(p.name, words::kAafFieldName, false);
  const std::string city = writer.Text(p.city, words::kAafFieldCity, false);
  const std::string state = writer.Text(p.state, words::kAafFieldState, false);
  const std::string country = writer.Text(p.country, words::kAafFieldCountry, false);
  const std::string zone = writer.Text(p.zone, words::kAafFieldZone, false);
  const std::string source = writer.Text(p.source, words::kAafFieldSource, true);
  const std::string notes = writer.Text(p.notes, words::kAafFieldNotes, true);

  char buffer[160];
  std::snprintf(buffer, sizeof buffer, "%d.%d.%d%s", p.day, p.month, p.year, p.year < 1583 ? "g" : "");
  const std::string date = buffer;
  if (!IsRealDate(p.year, p.month, p.day)) writer.Note(words::kAafDateNotReal, date);
  std::snprintf(buffer, sizeof buffer, "%d:%02d", p.hour, p.minute);
  std::string time = buffer;
  if (p.second != 0) {
    std::snprintf(buffer, sizeof buffer, ":%02d", p.second);
    time += buffer;
  }

  // A reader takes final parentheses for the state only beside a country;
  // "()" keeps a city that ends in parentheses itself whole.
  std::string place = city;
  if (!state.empty()) {
    place += (city.empty() ? "(" : " (") + state + ')';
    if (country.empty()) writer.Note(words::kAafStateWithoutCountry);
  } else if (!city.empty() && city.back() == ')' && !country.empty()) {
    place += " ()";
  }

  const std::string lat = CoordinateText(p.latDeg, p.latMin, p.latDir == 'S' ? 's' : 'n', 90,
                                         words::kAafFieldLatitude, writer);
  const std::string lon = CoordinateText(p.longDeg, p.longMin, p.longDir == 'W' ? 'w' : 'e', 180,
                                         words::kAafFieldLongitude, writer);

  std::optional<std::int64_t> offset;  // of the clock time from UT
  std::string zoneField = "*";
  char flag = '0';
  if (!p.zone.empty()) {
    if (zones.offsetAt) {
      if (const auto o = zones.offsetAt(p.zone, p.year, p.month, p.day, p.hour, p.minute, p.second)) {
        offset = *o;
        std::optional<std::int32_t> standard;
        if (zones.standardOffsetAt)
          standard = zones.standardOffsetAt(p.zone, p.year, p.month, p.day, p.hour, p.minute, p.second);
        const bool summer = standard && *o - *standard == 3600;
        zoneField = ZoneText(summer ? *standard : *o);
        flag = summer ? '1' : '0';
      }
    }
  } else if (p.utcOffset == "LMT") {
    offset = MeanTimeOffset(p);
    zoneField = ZoneText(*offset);
    flag = 'L';
  } else if (!p.utcOffset.empty()) {
    bool ignored = false;
    offset = ParseOffset(p.utcOffset);
    if (offset)
      zoneField = ZoneText(*offset);
    else
      writer.Note(words::kAafOffsetNotWritable, ToValidUtf8(p.utcOffset, ignored));
  }
  std::string jd = "*";
  if (offset) {
    std::snprintf(buffer, sizeof buffer, "%.6f",
                  kJulianDayOf1970 + static_cast<double>(ClockSeconds(p) - *offset) / 86400.0);
    jd = buffer;
  }

  out += "#A93:*," + orUnknown(name) + ',' + (p.sex == Sex::Male ? 'm' : p.sex == Sex::Female ? 'f' : '*') + ',' +
         date + ',' + time + ',' + orUnknown(place) + ',' + orUnknown(country) + "\r\n";
  out += "#B93:" + jd + ',' + lat + ',' + lon + ',' + zoneField + ',' + flag + "\r\n";
  if (!zone.empty())
    out += "#ZNAM:" + zone + "\r\n";
  else if (p.utcOffset == "LMT")
    out += "#ZNAM:LMT\r\n";
  AppendLines(out, "SRC", source);
  AppendLines(out, "COM", notes);
}

}  // namespace

double JulianDay(int year, int month, int day, int hour, int minute, double second) {
  return kJulianDayOf1970 + static_cast<double>(DaysFromCivil(year, month, day)) +
         (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

ReadResult ReadAaf(std::string_view bytes, const ZoneRules& zones) {
  // The mark goes whatever follows, so that a file marked UTF-8 but holding
  // other bytes keeps its first line.
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::string text = IsStrictUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
  ReadResult result;
  for (const RawRecord& raw : SplitRecords(text)) {
    ReadRecord record;
    record.line = raw.line;
    record.record = raw.number;
    if (Reason reason = Interpret(raw, zones, record); !reason.empty())
      result.refused.push_back({raw.line, raw.number, std::move(reason)});
    else
      result.records.push_back(std::move(record));
  }
  return result;
}

std::string WriteAaf(const std::vector<Person>& people, const ZoneRules& zones, std::string_view version,
                     WriteReport& report) {
  std::string out = "#: Kelvra ";
  out += version;
  out += "\r\n";
  for (std::size_t i = 0; i < people.size(); ++i) WriteRecord(people[i], i + 1, zones, report, out);
  out += "#: AAF end\r\n";
  return out;
}

}  // namespace kelvra::people
