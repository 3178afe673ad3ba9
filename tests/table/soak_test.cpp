// Two thousand hands through the real handlers, checking the books after every one.
#include "tests/soak/soak.h"

#include <gtest/gtest.h>

#include "game/handrank.h"
#include "table/mainform.h"
#include "table/tablestate.h"

namespace {

TEST(Soak, TwoThousandHandsKeepTheBooks) {
  ResetCardData();
  ResetRankData();
  ResetTableState();
  TMainForm form;
  const SoakResult r = Soak(form, 2000, 20261208);
  for (const std::string& fault : r.faults) ADD_FAILURE() << fault;
  // The script went down every road it has.
  EXPECT_GT(r.newGames, 5);
  EXPECT_GT(r.bankruptcies, 5);
  EXPECT_GT(r.refusedDraws, 20);
  EXPECT_GT(r.refusedBets, 20);
}

}  // namespace
