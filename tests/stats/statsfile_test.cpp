// The saved statistics file: the exact lines written, what reads back, and every refusal.
#include "stats/statsfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <string>
#include <vector>

namespace {

// A game of twelve hands with a best hand on each side, saved at 3:07:05 PM on 5 January 2000.
GameStatistics KnownGame() {
  GameStatistics s;
  s.HandsPlayed = 12;
  s.HandsWon = 5;
  s.PlrImproved = 4;
  s.DlrImproved = 3;
  s.BankSum = 13250;
  s.BankHigh = 1250;
  s.BetSum = 700;
  s.BetHigh = 150;
  s.Resets = 1;
  s.PlrStreakMax = 3;
  s.DlrStreakMax = 2;
  s.PlrBestRank = {6, 11, 2, 0, 0, 0, 0};  // Kings full of Fours
  s.DlrBestRank = {5, 12, 9, 7, 4, 1, 3};  // Ace-high flush in Clubs
  s.PlrBestCards = {12, 25, 3, 38, 16};
  s.DlrBestCards = {39, 36, 34, 31, 28};
  s.PlrRankCounts = {4, 4, 2, 1, 0, 0, 1, 0, 0, 0};
  s.DlrRankCounts = {5, 4, 1, 1, 0, 1, 0, 0, 0, 0};
  s.PlrDrawCounts = {2, 3, 4, 2, 1};
  s.DlrDrawCounts = {3, 2, 5, 2, 0};
  return s;
}

const SaveStamp kStamp = MakeSaveStamp(2000, 1, 5, 15, 7, 5);

std::string Golden() {
  QFile file(QStringLiteral(BRINDLEWHARF_TEST_DATA "/known.bwf"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll().toStdString();
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

TEST(StatsFile, WritesTheEightyEightLinesOfTheKnownGame) {
  EXPECT_EQ(FormatStatsFile(KnownGame(), "Ann", kStamp), Golden());
  EXPECT_EQ(StampDate(kStamp), "1/5/0");
  EXPECT_EQ(StampTime(kStamp), "3:07:05 PM");
  EXPECT_EQ(StampTime(MakeSaveStamp(1999, 12, 31, 0, 12, 59)), "12:12:59 AM");
}

TEST(StatsFile, ReadsBackWhatItWrote) {
  struct Case {
    const char* rule;
    GameStatistics stats;
    std::string name;
  };
  GameStatistics longGame = KnownGame();
  longGame.BankSum = 4'000'000'000u;  // the running sums pass 2,147,483,647 in a long game
  longGame.BetSum = 3'000'000'000u;
  GameStatistics empty;
  empty.BankSum = empty.BankHigh = 1000;
  std::string accents;  // 80 characters, 160 bytes
  for (int i = 0; i < 80; ++i) accents += "é";
  const Case cases[] = {
      {"known_game", KnownGame(), "Ann"},
      {"sums_above_the_signed_range", longGame, "Ann"},
      {"no_hands_played", empty, "Player"},
      {"name_of_blanks_and_accents", KnownGame(), "  Zoë Ü  "},
      {"name_line_limit_counts_characters_not_bytes", KnownGame(), accents},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    const StatsFileReading r = ReadStatsFile(FormatStatsFile(c.stats, c.name, kStamp));
    ASSERT_TRUE(r.Accepted()) << r.errors.front();
    EXPECT_EQ(r.name, c.name);
    EXPECT_EQ(r.stats.HandsPlayed, c.stats.HandsPlayed);
    EXPECT_EQ(r.stats.BankSum, c.stats.BankSum);
    EXPECT_EQ(r.stats.BetSum, c.stats.BetSum);
    EXPECT_EQ(r.stats.BankHigh, c.stats.BankHigh);
    EXPECT_EQ(r.stats.BetHigh, c.stats.BetHigh);
    EXPECT_EQ(r.stats.PlrBestRank, c.stats.PlrBestRank);
    EXPECT_EQ(r.stats.DlrBestCards, c.stats.DlrBestCards);
    EXPECT_EQ(r.stats.PlrRankCounts, c.stats.PlrRankCounts);
    EXPECT_EQ(r.stats.DlrDrawCounts, c.stats.DlrDrawCounts);
    EXPECT_EQ(StampTime(r.stamp), "3:07:05 PM");
  }
}

struct Damage {
  const char* rule;
  int line;                 // 1..88; 0 for a change of the whole file
  std::string text;         // the line's new text
  std::vector<int> errors;  // the "File Open Error #n" captions, in order
  int line2 = 0;            // a second line changed, or 0
  std::string text2 = {};
};

TEST(StatsFile, RefusesDamagedFiles) {
  const Damage cases[] = {
      {"hands_won_changed_fails_check_6", 3, "6", {6}},
      {"hands_played_changed_last_failing_check_12", 2, "13", {12}},
      {"bank_high_changed_fails_first_split", 85, "1251", {17}},
      {"bet_high_changed_fails_second_split", 86, "151", {18}},
      {"both_splits_fail_both_shown", 9, "0", {17, 18}, 79, "0"},
      {"same_length_name_accepted", 88, "Bob", {}},
      {"other_length_name_fails_check_18", 88, "Anne", {18}},
      {"letters_in_a_number", 40, "3a", {2}},
      {"number_above_the_unsigned_range", 7, "4294967296", {2}},
      {"signed_out_of_range", 7, "-2147483649", {2}},
      {"hexadecimal_passes_the_form_and_reads_as_zero", 4, "$4", {5}},
      {"line_of_81_characters", 88, std::string(81, 'x'), {1}},
      {"line_of_80_characters_is_only_a_wrong_name", 88, std::string(80, 'x'), {18}},
      {"player_best_word_changed", 23, "12", {13}},
      {"dealer_best_card_changed", 29, "37", {16}},
      {"stamp_part_changed", 30, "8", {17}},
      {"dealer_category_changed", 11, "6", {9}},
  };
  const std::vector<std::string> lines = Lines(Golden());
  ASSERT_EQ(lines.size(), 88u);
  ASSERT_TRUE(ReadStatsFile(Golden()).Accepted());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    std::vector<std::string> damaged = lines;
    damaged[static_cast<std::size_t>(c.line - 1)] = c.text;
    if (c.line2 != 0) damaged[static_cast<std::size_t>(c.line2 - 1)] = c.text2;
    const StatsFileReading r = ReadStatsFile(Join(damaged));
    EXPECT_EQ(r.errors, c.errors);
  }
  // The shape of the file.
  EXPECT_TRUE(ReadStatsFile(Join(lines, "\n")).Accepted()) << "LF-only lines";
  EXPECT_TRUE(ReadStatsFile(Golden().substr(0, Golden().size() - 2)).Accepted()) << "no end after the name";
  EXPECT_EQ(ReadStatsFile(Golden() + "\r\n").errors, std::vector<int>{1}) << "an 89th, empty line";
  EXPECT_EQ(ReadStatsFile(Join({lines.begin(), lines.end() - 1})).errors, std::vector<int>{1}) << "87 lines";
  EXPECT_EQ(ReadStatsFile("").errors, std::vector<int>{1});
  EXPECT_EQ(ReadStatsFile(std::string(20'000, '\n')).errors, std::vector<int>{1}) << "far too many lines";
}

TEST(StatsFile, ForgedFiguresReadSafely) {
  // "-1" hands played passes every check (the sums wrap alike); the view must cope with it.
  std::vector<std::string> lines = Lines(FormatStatsFile(GameStatistics{}, "Ann", kStamp));
  lines[1] = "-1";   // HandsPlayed
  lines[26] = "-1";  // check value 1 = HandsPlayed + BetSum
  for (int line : {10, 11}) lines[static_cast<std::size_t>(line - 1)] = "-1";  // categories add up
  for (int line : {14, 15}) lines[static_cast<std::size_t>(line - 1)] = "-1";  // draws add up
  const StatsFileReading r = ReadStatsFile(Join(lines));
  ASSERT_TRUE(r.Accepted());
  EXPECT_EQ(r.stats.HandsPlayed, 0xFFFFFFFFu);
  // A name that is not UTF-8 is Latin-1, counted in characters.
  EXPECT_EQ(NameLength("Zo\xEB"), 3u);
  EXPECT_EQ(NameLength("Zo\xC3\xAB"), 3u);
}

}  // namespace
