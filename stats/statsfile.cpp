#include "stats/statsfile.h"

#include <numeric>

#include "game/convert.h"

namespace {

// Every number of the file by its meaning; lines 1..87 are these in the order of FileLayout.
struct Figures {
  std::uint32_t nameLength = 0, handsPlayed = 0, handsWon = 0, plrImproved = 0, plrBestSum = 0,
                dlrImproved = 0, bankSum = 0, dlrBestSum = 0, bankHighDiv3 = 0, bankHighMod3 = 0, betSum = 0,
                plrCardsSum = 0, betHighDiv4 = 0, betHighMod4 = 0, plrStreakMax = 0, dlrCardsSum = 0,
                dlrStreakMax = 0, resets = 0, bankHigh = 0, betHigh = 0, stampSum = 0;
  std::array<std::uint32_t, 10> plrRanks{}, dlrRanks{};
  std::array<std::uint32_t, 7> plrBest{}, dlrBest{};
  std::array<std::uint32_t, 5> plrDraws{}, dlrDraws{}, checks{}, plrCards{}, dlrCards{};
  std::array<std::uint32_t, 4> time{};  // hour, minute, second, PM flag
  std::array<std::uint32_t, 3> date{};  // month, day, year
};

enum class Kind {
  NameLength,
  HandsPlayed,
  HandsWon,
  PlrImproved,
  PlrBestSum,
  DlrImproved,
  BankSum,
  DlrBestSum,
  BankHighDiv3,
  PlrRank,
  DlrRank,
  PlrBest,
  DlrBest,
  PlrDraw,
  DlrDraw,
  Check,
  PlrCard,
  DlrCard,
  Time,
  Date,
  BankHighMod3,
  BetSum,
  PlrCardsSum,
  BetHighDiv4,
  BetHighMod4,
  PlrStreakMax,
  DlrCardsSum,
  DlrStreakMax,
  Resets,
  BankHigh,
  BetHigh,
  StampSum,
};

struct Slot {
  Kind kind;
  int index = 0;
};

// Nine lines of totals; ten groups, group i holding the two category counters of i, the two
// best-hand words while i < 7, the two draw counters, a check value and the two best cards
// while i < 5, a time part while i < 4 and a date part while i < 3; then twelve more lines.
std::vector<Slot> MakeLayout() {
  std::vector<Slot> layout{{Kind::NameLength},  {Kind::HandsPlayed}, {Kind::HandsWon},
                           {Kind::PlrImproved}, {Kind::PlrBestSum},  {Kind::DlrImproved},
                           {Kind::BankSum},     {Kind::DlrBestSum},  {Kind::BankHighDiv3}};
  for (int i = 0; i < 10; ++i) {
    layout.insert(layout.end(), {{Kind::PlrRank, i}, {Kind::DlrRank, i}});
    if (i < 7) layout.insert(layout.end(), {{Kind::PlrBest, i}, {Kind::DlrBest, i}});
    if (i < 5)
      layout.insert(
          layout.end(),
          {{Kind::PlrDraw, i}, {Kind::DlrDraw, i}, {Kind::Check, i}, {Kind::PlrCard, i}, {Kind::DlrCard, i}});
    if (i < 4) layout.push_back({Kind::Time, i});
    if (i < 3) layout.push_back({Kind::Date, i});
  }
  layout.insert(layout.end(), {{Kind::BankHighMod3},
                               {Kind::BetSum},
                               {Kind::PlrCardsSum},
                               {Kind::BetHighDiv4},
                               {Kind::BetHighMod4},
                               {Kind::PlrStreakMax},
                               {Kind::DlrCardsSum},
                               {Kind::DlrStreakMax},
                               {Kind::Resets},
                               {Kind::BankHigh},
                               {Kind::BetHigh},
                               {Kind::StampSum}});
  return layout;
}

const std::vector<Slot>& FileLayout() {
  static const std::vector<Slot> layout = MakeLayout();
  return layout;
}

constexpr std::size_t kNumberLines = 87;
constexpr std::size_t kLines = 88;
constexpr std::size_t kMaxLine = 80;

std::uint32_t& At(Figures& f, Slot slot) {
  const auto i = static_cast<std::size_t>(slot.index);
  switch (slot.kind) {
    case Kind::NameLength:
      return f.nameLength;
    case Kind::HandsPlayed:
      return f.handsPlayed;
    case Kind::HandsWon:
      return f.handsWon;
    case Kind::PlrImproved:
      return f.plrImproved;
    case Kind::PlrBestSum:
      return f.plrBestSum;
    case Kind::DlrImproved:
      return f.dlrImproved;
    case Kind::BankSum:
      return f.bankSum;
    case Kind::DlrBestSum:
      return f.dlrBestSum;
    case Kind::BankHighDiv3:
      return f.bankHighDiv3;
    case Kind::PlrRank:
      return f.plrRanks[i];
    case Kind::DlrRank:
      return f.dlrRanks[i];
    case Kind::PlrBest:
      return f.plrBest[i];
    case Kind::DlrBest:
      return f.dlrBest[i];
    case Kind::PlrDraw:
      return f.plrDraws[i];
    case Kind::DlrDraw:
      return f.dlrDraws[i];
    case Kind::Check:
      return f.checks[i];
    case Kind::PlrCard:
      return f.plrCards[i];
    case Kind::DlrCard:
      return f.dlrCards[i];
    case Kind::Time:
      return f.time[i];
    case Kind::Date:
      return f.date[i];
    case Kind::BankHighMod3:
      return f.bankHighMod3;
    case Kind::BetSum:
      return f.betSum;
    case Kind::PlrCardsSum:
      return f.plrCardsSum;
    case Kind::BetHighDiv4:
      return f.betHighDiv4;
    case Kind::BetHighMod4:
      return f.betHighMod4;
    case Kind::PlrStreakMax:
      return f.plrStreakMax;
    case Kind::DlrCardsSum:
      return f.dlrCardsSum;
    case Kind::DlrStreakMax:
      return f.dlrStreakMax;
    case Kind::Resets:
      return f.resets;
    case Kind::BankHigh:
      return f.bankHigh;
    case Kind::BetHigh:
      return f.betHigh;
    case Kind::StampSum:
      return f.stampSum;
  }
  return f.nameLength;
}

// Sums wrap around at 2^32, in the writer and the reader alike.
template <typename Array>
std::uint32_t Sum(const Array& a) {
  std::uint32_t total = 0;
  for (auto v : a) total += static_cast<std::uint32_t>(v);
  return total;
}

template <std::size_t N>
std::array<std::uint32_t, N> Words(const std::array<std::int32_t, N>& a) {
  std::array<std::uint32_t, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = static_cast<std::uint32_t>(a[i]);
  return out;
}

template <std::size_t N>
std::array<std::int32_t, N> Signed(const std::array<std::uint32_t, N>& a) {
  std::array<std::int32_t, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = static_cast<std::int32_t>(a[i]);
  return out;
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

Figures FromStats(const GameStatistics& s, std::string_view name, const SaveStamp& stamp) {
  Figures f;
  f.nameLength = NameLength(name);
  f.handsPlayed = s.HandsPlayed;
  f.handsWon = s.HandsWon;
  f.plrImproved = s.PlrImproved;
  f.dlrImproved = s.DlrImproved;
  f.bankSum = s.BankSum;
  f.bankHigh = s.BankHigh;
  f.bankHighDiv3 = s.BankHigh / 3;
  f.bankHighMod3 = s.BankHigh % 3;
  f.betSum = s.BetSum;
  f.betHigh = s.BetHigh;
  f.betHighDiv4 = s.BetHigh / 4;
  f.betHighMod4 = s.BetHigh % 4;
  f.resets = s.Resets;
  f.plrStreakMax = s.PlrStreakMax;
  f.dlrStreakMax = s.DlrStreakMax;
  f.plrRanks = s.PlrRankCounts;
  f.dlrRanks = s.DlrRankCounts;
  f.plrDraws = s.PlrDrawCounts;
  f.dlrDraws = s.DlrDrawCounts;
  f.plrBest = Words(s.PlrBestRank);
  f.dlrBest = Words(s.DlrBestRank);
  f.plrCards = Words(s.PlrBestCards);
  f.dlrCards = Words(s.DlrBestCards);
  f.plrBestSum = Sum(f.plrBest);
  f.dlrBestSum = Sum(f.dlrBest);
  f.plrCardsSum = Sum(f.plrCards);
  f.dlrCardsSum = Sum(f.dlrCards);
  f.checks = {f.nameLength + s.PlrStreakMax, s.HandsPlayed + s.BetSum, s.PlrImproved + s.Resets,
              s.HandsWon + s.DlrImproved, s.BankSum + s.DlrStreakMax};
  f.time = {stamp.hour, stamp.minute, stamp.second, stamp.pm};
  f.date = {stamp.month, stamp.day, stamp.year};
  f.stampSum = Sum(StampParts(stamp));
  return f;
}

GameStatistics ToStats(const Figures& f) {
  GameStatistics s;
  s.HandsPlayed = f.handsPlayed;
  s.HandsWon = f.handsWon;
  s.PlrImproved = f.plrImproved;
  s.DlrImproved = f.dlrImproved;
  s.BankSum = f.bankSum;
  s.BankHigh = f.bankHigh;
  s.BetSum = f.betSum;
  s.BetHigh = f.betHigh;
  s.Resets = f.resets;
  s.PlrStreakMax = f.plrStreakMax;
  s.DlrStreakMax = f.dlrStreakMax;
  s.PlrRankCounts = f.plrRanks;
  s.DlrRankCounts = f.dlrRanks;
  s.PlrDrawCounts = f.plrDraws;
  s.DlrDrawCounts = f.dlrDraws;
  s.PlrBestRank = Signed(f.plrBest);
  s.DlrBestRank = Signed(f.dlrBest);
  s.PlrBestCards = Signed(f.plrCards);
  s.DlrBestCards = Signed(f.dlrCards);
  return s;
}

// The consistency checks in their order; the number kept is that of the last one failing.
int LastFailingCheck(const Figures& f, std::uint32_t nameLength) {
  const std::pair<int, bool> failures[] = {
      {3, f.nameLength + f.plrStreakMax != f.checks[0]},
      {4, f.handsPlayed + f.betSum != f.checks[1]},
      {5, f.plrImproved + f.resets != f.checks[2]},
      {6, f.handsWon + f.dlrImproved != f.checks[3]},
      {7, f.bankSum + f.dlrStreakMax != f.checks[4]},
      {8, Sum(f.plrRanks) != f.handsPlayed},
      {9, Sum(f.dlrRanks) != f.handsPlayed},
      {11, Sum(f.plrDraws) != f.handsPlayed},
      {12, Sum(f.dlrDraws) != f.handsPlayed},
      {13, Sum(f.plrBest) != f.plrBestSum},
      {14, Sum(f.dlrBest) != f.dlrBestSum},
      {15, Sum(f.plrCards) != f.plrCardsSum},
      {16, Sum(f.dlrCards) != f.dlrCardsSum},
      {17, Sum(f.time) + Sum(f.date) != f.stampSum},
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
  Figures f = FromStats(stats, nameUtf8, stamp);
  std::string out;
  for (const Slot& slot : FileLayout()) {
    out += std::to_string(At(f, slot));
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
  for (std::size_t i = 0; i < kNumberLines; ++i) At(f, layout[i]) = DecimalValue(lines[i]);
  const std::string_view nameLine = lines[kNumberLines];
  if (const int failed = LastFailingCheck(f, NameLength(nameLine)); failed != 0) {
    r.errors = {failed};
    return r;
  }
  if (f.bankHighDiv3 * 3 + f.bankHighMod3 != f.bankHigh) r.errors.push_back(17);
  if (f.betHighDiv4 * 4 + f.betHighMod4 != f.betHigh) r.errors.push_back(18);
  if (!r.Accepted()) return r;
  r.stats = ToStats(f);
  r.name = IsUtf8(nameLine) ? std::string(nameLine) : Latin1ToUtf8(nameLine);
  r.stamp = {f.time[0], f.time[1], f.time[2], f.time[3], f.date[0], f.date[1], f.date[2]};
  return r;
}
