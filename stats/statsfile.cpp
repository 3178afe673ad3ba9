#include "stats/statsfile.h"

#include <numeric>

#include "game/convert.h"

namespace {

// Every number of the file by its meaning: the figures of the game, the moment of saving, and the
// check values the writer derives from them and the reader compares with them.
struct Figures {
  GameStatistics stats;
  SaveStamp stamp;
  std::uint32_t nameLength = 0, plrBestSum = 0, dlrBestSum = 0, plrCardsSum = 0, dlrCardsSum = 0,
                bankHighDiv3 = 0, bankHighMod3 = 0, betHighDiv4 = 0, betHighMod4 = 0, stampSum = 0;
  std::array<std::uint32_t, 5> checks{};
};

// One field of the file: where its number lives in the figures (i indexes a group's entry). The
// writer reads through it, the reader writes through it.
using Field = std::uint32_t& (*)(Figures& f, std::size_t i);

// A best-hand word or card code travels as the bits of its signed value.
std::uint32_t& Bits(std::int32_t& v) { return reinterpret_cast<std::uint32_t&>(v); }

constexpr Field kNameLength = [](Figures& f, std::size_t) -> std::uint32_t& { return f.nameLength; };
constexpr Field kHandsPlayed = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.HandsPlayed; };
constexpr Field kHandsWon = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.HandsWon; };
constexpr Field kPlrImproved = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.PlrImproved; };
constexpr Field kPlrBestSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.plrBestSum; };
constexpr Field kDlrImproved = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.DlrImproved; };
constexpr Field kBankSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.BankSum; };
constexpr Field kDlrBestSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.dlrBestSum; };
constexpr Field kBankHighDiv3 = [](Figures& f, std::size_t) -> std::uint32_t& { return f.bankHighDiv3; };
constexpr Field kPlrRank = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return f.stats.PlrRankCounts[i];
};
constexpr Field kDlrRank = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return f.stats.DlrRankCounts[i];
};
constexpr Field kPlrBest = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return Bits(f.stats.PlrBestRank[i]);
};
constexpr Field kDlrBest = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return Bits(f.stats.DlrBestRank[i]);
};
constexpr Field kPlrDraw = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return f.stats.PlrDrawCounts[i];
};
constexpr Field kDlrDraw = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return f.stats.DlrDrawCounts[i];
};
constexpr Field kCheck = [](Figures& f, std::size_t i) -> std::uint32_t& { return f.checks[i]; };
constexpr Field kPlrCard = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return Bits(f.stats.PlrBestCards[i]);
};
constexpr Field kDlrCard = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return Bits(f.stats.DlrBestCards[i]);
};
constexpr Field kTime = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return *std::array{&f.stamp.hour, &f.stamp.minute, &f.stamp.second, &f.stamp.pm}[i];
};
constexpr Field kDate = [](Figures& f, std::size_t i) -> std::uint32_t& {
  return *std::array{&f.stamp.month, &f.stamp.day, &f.stamp.year}[i];
};
constexpr Field kBankHighMod3 = [](Figures& f, std::size_t) -> std::uint32_t& { return f.bankHighMod3; };
constexpr Field kBetSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.BetSum; };
constexpr Field kPlrCardsSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.plrCardsSum; };
constexpr Field kBetHighDiv4 = [](Figures& f, std::size_t) -> std::uint32_t& { return f.betHighDiv4; };
constexpr Field kBetHighMod4 = [](Figures& f, std::size_t) -> std::uint32_t& { return f.betHighMod4; };
constexpr Field kPlrStreakMax = [](Figures& f, std::size_t) -> std::uint32_t& {
  return f.stats.PlrStreakMax;
};
constexpr Field kDlrCardsSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.dlrCardsSum; };
constexpr Field kDlrStreakMax = [](Figures& f, std::size_t) -> std::uint32_t& {
  return f.stats.DlrStreakMax;
};
constexpr Field kResets = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.Resets; };
constexpr Field kBankHigh = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.BankHigh; };
constexpr Field kBetHigh = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stats.BetHigh; };
constexpr Field kStampSum = [](Figures& f, std::size_t) -> std::uint32_t& { return f.stampSum; };

struct Line {
  Field field;
  std::size_t index = 0;
};

// Nine lines of totals; ten groups, group i holding the two category counters of i, the two
// best-hand words while i < 7, the two draw counters, a check value and the two best cards
// while i < 5, a time part while i < 4 and a date part while i < 3; then twelve more lines.
std::vector<Line> MakeLayout() {
  std::vector<Line> layout{{kNameLength},  {kHandsPlayed}, {kHandsWon},   {kPlrImproved}, {kPlrBestSum},
                           {kDlrImproved}, {kBankSum},     {kDlrBestSum}, {kBankHighDiv3}};
  for (std::size_t i = 0; i < 10; ++i) {
    layout.insert(layout.end(), {{kPlrRank, i}, {kDlrRank, i}});
    if (i < 7) layout.insert(layout.end(), {{kPlrBest, i}, {kDlrBest, i}});
    if (i < 5)
      layout.insert(layout.end(), {{kPlrDraw, i}, {kDlrDraw, i}, {kCheck, i}, {kPlrCard, i}, {kDlrCard, i}});
    if (i < 4) layout.push_back({kTime, i});
    if (i < 3) layout.push_back({kDate, i});
  }
  layout.insert(layout.end(), {{kBankHighMod3},
                               {kBetSum},
                               {kPlrCardsSum},
                               {kBetHighDiv4},
                               {kBetHighMod4},
                               {kPlrStreakMax},
                               {kDlrCardsSum},
                               {kDlrStreakMax},
                               {kResets},
                               {kBankHigh},
                               {kBetHigh},
                               {kStampSum}});
  return layout;
}

const std::vector<Line>& FileLayout() {
  static const std::vector<Line> layout = MakeLayout();
  return layout;
}

constexpr std::size_t kNumberLines = 87;
constexpr std::size_t kLines = 88;
constexpr std::size_t kMaxLine = 80;

// Sums wrap around at 2^32, in the writer and the reader alike.
template <typename Array>
std::uint32_t Sum(const Array& a) {
  std::uint32_t total = 0;
  for (auto v : a) total += static_cast<std::uint32_t>(v);
  return total;
}

std::array<std::uint32_t, 7> StampParts(const SaveStamp& s) {
  return {s.hour, s.minute, s.second, s.pm, s.month, s.day, s.year};
}

// A line of plain decimal digits up to 4,294,967,295: the running sums of a long game.
bool IsPlainUnsigned(std::string_view line) {
  if (line.empty() || line.size() > 10) return false;
  std::uint64_t value = 0;
  for (char c : line) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value <= 0xFFFFFFFFu;
}

// The third reading: leading blanks, an optional sign, then decimal digits up to the first
// other character. Never fails; a hexadecimal form reads as 0.
std::uint32_t DecimalValue(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  std::uint64_t value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
    value = (value * 10 + static_cast<std::uint64_t>(line[i] - '0')) & 0xFFFFFFFFFFull;
  const auto v = static_cast<std::uint32_t>(value);
  return negative ? 0u - v : v;
}

bool IsUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    // No overlong forms, no surrogates, nothing past the last code point.
    static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view s) {
  std::string out;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

// The figures of a game as the file holds them, with the check values derived from them.
Figures Derive(const GameStatistics& s, std::string_view name, const SaveStamp& stamp) {
  Figures f{s, stamp};
  f.nameLength = NameLength(name);
  f.plrBestSum = Sum(s.PlrBestRank);
  f.dlrBestSum = Sum(s.DlrBestRank);
  f.plrCardsSum = Sum(s.PlrBestCards);
  f.dlrCardsSum = Sum(s.DlrBestCards);
  f.bankHighDiv3 = s.BankHigh / 3;
  f.bankHighMod3 = s.BankHigh % 3;
  f.betHighDiv4 = s.BetHigh / 4;
  f.betHighMod4 = s.BetHigh % 4;
  f.checks = {f.nameLength + s.PlrStreakMax, s.HandsPlayed + s.BetSum, s.PlrImproved + s.Resets,
              s.HandsWon + s.DlrImproved, s.BankSum + s.DlrStreakMax};
  f.stampSum = Sum(StampParts(stamp));
  return f;
}

// The consistency checks in their order; the number kept is that of the last one failing.
int LastFailingCheck(const Figures& f, std::uint32_t nameLength) {
  const GameStatistics& s = f.stats;
  const std::pair<int, bool> failures[] = {
      {3, f.nameLength + s.PlrStreakMax != f.checks[0]},
      {4, s.HandsPlayed + s.BetSum != f.checks[1]},
      {5, s.PlrImproved + s.Resets != f.checks[2]},
      {6, s.HandsWon + s.DlrImproved != f.checks[3]},
      {7, s.BankSum + s.DlrStreakMax != f.checks[4]},
      {8, Sum(s.PlrRankCounts) != s.HandsPlayed},
      {9, Sum(s.DlrRankCounts) != s.HandsPlayed},
      {11, Sum(s.PlrDrawCounts) != s.HandsPlayed},
      {12, Sum(s.DlrDrawCounts) != s.HandsPlayed},
      {13, Sum(s.PlrBestRank) != f.plrBestSum},
      {14, Sum(s.DlrBestRank) != f.dlrBestSum},
      {15, Sum(s.PlrBestCards) != f.plrCardsSum},
      {16, Sum(s.DlrBestCards) != f.dlrCardsSum},
      {17, Sum(StampParts(f.stamp)) != f.stampSum},
      {18, nameLength != f.nameLength},
  };
  int last = 0;
  for (const auto& [number, failed] : failures)
    if (failed) last = number;
  return last;
}

}  // namespace

SaveStamp MakeSaveStamp(int year, int month, int day, int hour24, int minute, int second) {
  SaveStamp s;
  s.hour = static_cast<std::uint32_t>(hour24 % 12 == 0 ? 12 : hour24 % 12);
  s.minute = static_cast<std::uint32_t>(minute);
  s.second = static_cast<std::uint32_t>(second);
  s.pm = hour24 >= 12 ? 1 : 0;
  s.month = static_cast<std::uint32_t>(month);
  s.day = static_cast<std::uint32_t>(day);
  s.year = static_cast<std::uint32_t>(((year % 100) + 100) % 100);
  return s;
}

std::string StampDate(const SaveStamp& s) {
  return std::to_string(s.month) + "/" + std::to_string(s.day) + "/" + std::to_string(s.year);
}

std::string StampTime(const SaveStamp& s) {
  const auto two = [](std::uint32_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return std::to_string(s.hour) + ":" + two(s.minute) + ":" + two(s.second) + (s.pm != 0 ? " PM" : " AM");
}

std::uint32_t NameLength(std::string_view line) {
  if (!IsUtf8(line)) return static_cast<std::uint32_t>(line.size());
  std::uint32_t n = 0;
  for (char c : line) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string FormatStatsFile(const GameStatistics& stats, std::string_view nameUtf8, const SaveStamp& stamp) {
  Figures f = Derive(stats, nameUtf8, stamp);
  std::string out;
  for (const Line& line : FileLayout()) {
    out += std::to_string(line.field(f, line.index));
    out += "\r\n";
  }
  out += nameUtf8;
  out += "\r\n";
  return out;
}

StatsFileReading ReadStatsFile(std::string_view bytes) {
  StatsFileReading r;
  // First reading: 88 lines of at most 80 characters. A CR before the LF is no part of a line.
  std::vector<std::string_view> lines;
  bool tooLong = bytes.size() > kMaxStatsFileBytes;
  for (std::size_t start = 0; !tooLong && start < bytes.size() && lines.size() <= kLines;) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (next != end && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    // In characters, as the name is counted: a Latin-1 name of 80 letters is 160 bytes once
    // written back as UTF-8, and must still open.
    tooLong = NameLength(line) > kMaxLine;
    lines.push_back(line);
    start = next;
  }
  if (tooLong || lines.size() != kLines) {
    r.errors = {1};
    return r;
  }
  // Second reading: every number line a 32-bit integer, or a running sum in plain digits.
  for (std::size_t i = 0; i < kNumberLines; ++i) {
    std::int32_t ignored = 0;
    if (!TryStrToInt(lines[i], ignored) && !IsPlainUnsigned(lines[i])) {
      r.errors = {2};
      return r;
    }
  }
  // Third reading: the values, then the checks.
  Figures f;
  const auto& layout = FileLayout();
  for (std::size_t i = 0; i < kNumberLines; ++i) layout[i].field(f, layout[i].index) = DecimalValue(lines[i]);
  const std::string_view nameLine = lines[kNumberLines];
  if (const int failed = LastFailingCheck(f, NameLength(nameLine)); failed != 0) {
    r.errors = {failed};
    return r;
  }
  if (f.bankHighDiv3 * 3 + f.bankHighMod3 != f.stats.BankHigh) r.errors.push_back(17);
  if (f.betHighDiv4 * 4 + f.betHighMod4 != f.stats.BetHigh) r.errors.push_back(18);
  if (!r.Accepted()) return r;
  r.stats = f.stats;
  r.name = IsUtf8(nameLine) ? std::string(nameLine) : Latin1ToUtf8(nameLine);
  r.stamp = f.stamp;
  return r;
}
