// The walls between the libraries, as a table: which folders the files of each folder may
// include. A library uses only those below it, so an include that climbs a wall fails here
// even when the build happens to find the header.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Wall {
  const char* folder;
  std::set<std::string> below;  // the folders its files may include, its own among them
  bool qt;                      // whether it may use Qt
  bool forms;                   // whether it may include generated form classes (ui_*.h)
};

// From the bottom up: game; platform and decks; help; stats, coach and history; table. The tests of a
// library may include what it may, and the test support.
const Wall kWalls[] = {
    {"game", {"game"}, false, false},
    {"platform", {"platform", "game"}, true, false},
    {"decks", {"decks", "platform", "game"}, true, true},
    {"help", {"help", "decks", "platform", "game"}, true, true},
    {"stats", {"stats", "help", "decks", "platform", "game"}, true, true},
    {"coach", {"coach", "help", "decks", "platform", "game"}, true, true},
    {"history", {"history", "help", "decks", "platform", "game"}, true, true},
    {"table", {"table", "stats", "coach", "history", "help", "decks", "platform", "game"}, true, true},
    {"resources", {}, true, false},
    {"tests/game", {"game", "tests"}, false, false},
    {"tests/platform", {"platform", "game", "tests"}, true, false},
    {"tests/decks", {"decks", "platform", "game", "tests"}, true, false},
    {"tests/help", {"help", "decks", "platform", "game", "tests"}, true, false},
    {"tests/stats", {"stats", "help", "decks", "platform", "game", "tests"}, true, false},
    {"tests/coach", {"coach", "help", "decks", "platform", "game", "tests"}, true, false},
    {"tests/history", {"history", "help", "decks", "platform", "game", "tests"}, true, false},
    {"tests/table",
     {"table", "stats", "coach", "history", "help", "decks", "platform", "game", "tests"},
     true,
     false},
    {"tests/soak",
     {"table", "stats", "coach", "history", "help", "decks", "platform", "game", "tests"},
     true,
     false},
    {"tests/support", {"decks", "platform", "game", "tests"}, true, false},
};

struct Crossing {
  std::string file;
  std::string include;
};

// Every include of the files directly in folder that its wall does not allow.
std::vector<Crossing> Crossings(const fs::path& root, const Wall& wall) {
  static const std::regex ours(R"re(^\s*#\s*include\s*"([^"/]+)/[^"]*")re");
  static const std::regex form(R"re(^\s*#\s*include\s*"ui_[^"]*")re");
  static const std::regex qt(R"re(^\s*#\s*include\s*<Q[^>]*>)re");
  std::vector<Crossing> crossings;
  const fs::path dir = root / wall.folder;
  if (!fs::is_directory(dir)) return crossings;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(entry.path());
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
      const bool climbs = std::regex_search(line, m, ours) && !wall.below.count(m[1].str());
      const bool qtWhereNone = !wall.qt && std::regex_search(line, qt);
      const bool formOutside = !wall.forms && std::regex_search(line, form);
      if (climbs || qtWhereNone || formOutside)
        crossings.push_back({fs::relative(entry.path(), root).string(), line});
    }
  }
  return crossings;
}

TEST(Walls, NoFileIncludesAcrossAWallTheWrongWay) {
  const fs::path root(BRINDLEWHARF_SOURCE_DIR);
  ASSERT_TRUE(fs::is_directory(root / "game"));
  int checked = 0;
  for (const Wall& wall : kWalls) {
    for (const Crossing& c : Crossings(root, wall)) ADD_FAILURE() << c.file << ": " << c.include;
    checked += fs::is_directory(root / wall.folder);
  }
  EXPECT_GE(checked, 12) << "the walls name folders that are gone";
}

// Every folder that holds code is under some wall, so a new library cannot slip past the table.
TEST(Walls, EveryCodeFolderHasAWall) {
  const fs::path root(BRINDLEWHARF_SOURCE_DIR);
  const std::set<std::string> free{"bench", "tools", "fuzz", "tests/walls", "build"};
  std::set<std::string> walled;
  for (const Wall& wall : kWalls) walled.insert(wall.folder);
  for (const fs::path& top : {root, root / "tests"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(top)) {
      if (!entry.is_directory()) continue;
      const std::string folder = fs::relative(entry.path(), root).string();
      if (folder.starts_with("build") || folder.starts_with(".") || folder == "tests" || free.count(folder))
        continue;
      bool code = false;
      for (const fs::directory_entry& f : fs::directory_iterator(entry.path()))
        code = code || f.path().extension() == ".cpp" || f.path().extension() == ".h";
      if (code) {
        EXPECT_TRUE(walled.count(folder)) << folder << " holds code but has no wall";
      }
    }
  }
}

}  // namespace
