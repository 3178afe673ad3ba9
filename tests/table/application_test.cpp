// Exceptions that escape a handler or the entry are shown, and the program carries on or ends.
#include "table/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/fakeplatform.h"

namespace {

TEST(StandardErrorBox, ShowsWhatEscapesAHandlerAndGoesOn) {
  FakePlatform platform;
  platform.Expect("card table on fire", "", StopOk);
  EXPECT_FALSE(DeliverGuarded([]() -> bool { throw std::runtime_error("card table on fire"); }));
  platform.Expect("An unknown error occurred.", "", StopOk);
  EXPECT_TRUE(DeliverGuarded([]() -> bool { throw 42; }, true));
  EXPECT_TRUE(DeliverGuarded([] { return true; }));
  EXPECT_EQ(platform.Shown().size(), 2u);
}

TEST(StandardErrorBox, EntryReturnsZeroWhateverHappens) {
  FakePlatform platform;
  platform.Expect("no table", "", StopOk);
  EXPECT_EQ(RunGuarded([]() -> int { throw std::logic_error("no table"); }), 0);
  EXPECT_EQ(RunGuarded([] { return 3; }), 0);
}

}  // namespace
