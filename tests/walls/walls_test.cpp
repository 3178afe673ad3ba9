// The walls between the libraries, as the build draws them: CMake writes, for every target, the
// folders its link closure exports, whether that closure holds Qt and the form classes, and the
// target's sources. A source that includes past its target's walls fails here even where the
// compiler happens to find the header, and so does one that belongs to no target at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Wall {
  std::string target;
  bool qt = false;
  bool forms = false;
  std::set<std::string> roots;  // the folders its sources may include from
  std::vector<std::string> files;
};

std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, by);)
    if (!part.empty()) parts.push_back(part);
  return parts;
}

// The walls, and the folders this build leaves unbuilt.
std::vector<Wall> ReadWalls(std::set<std::string>* unbuilt = nullptr) {
  std::vector<Wall> walls;
  std::ifstream in(BRINDLEWHARF_WALLS_FILE);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string f; std::getline(row, f, '\t');) fields.push_back(f);
    if (fields.size() == 2 && fields[0] == "unbuilt") {
      if (unbuilt) unbuilt->insert(fields[1]);
      continue;
    }
    fields.resize(5);
    const std::vector<std::string> roots = Split(fields[3], ',');
    walls.push_back(
        {fields[0], fields[1] == "1", fields[2] == "1", {roots.begin(), roots.end()}, Split(fields[4], ',')});
  }
  return walls;
}

TEST(Walls, NoSourceIncludesPastItsTargetsLinks) {
  static const std::regex ours(R"re(^\s*#\s*include\s*"([^"/]+)/[^"]*")re");
  static const std::regex form(R"re(^\s*#\s*include\s*"ui_[^"]*")re");
  static const std::regex qt(R"re(^\s*#\s*include\s*<Q[^>]*>)re");
  const fs::path root(BRINDLEWHARF_SOURCE_DIR);
  const std::vector<Wall> walls = ReadWalls();
  ASSERT_GE(walls.size(), 10u) << "no walls in " << BRINDLEWHARF_WALLS_FILE;
  for (const Wall& wall : walls) {
    for (const std::string& file : wall.files) {
      std::ifstream in(root / file);
      std::smatch m;
      for (std::string line; std::getline(in, line);) {
        const bool climbs = std::regex_search(line, m, ours) && !wall.roots.count(m[1].str());
        const bool qtWhereNone = !wall.qt && std::regex_search(line, qt);
        const bool formOutside = !wall.forms && std::regex_search(line, form);
        if (climbs || qtWhereNone || formOutside)
          ADD_FAILURE() << file << " (in " << wall.target << "): " << line;
      }
    }
  }
}

// Every folder that holds code gives its files to some target, so none escapes the walls.
TEST(Walls, EveryCodeFolderBelongsToATarget) {
  const fs::path root(BRINDLEWHARF_SOURCE_DIR);
  std::set<std::string> walled;
  for (const Wall& wall : ReadWalls(&walled))
    for (const std::string& file : wall.files) walled.insert(fs::path(file).parent_path().string());
  for (const fs::path& top : {root, root / "tests"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(top)) {
      const std::string folder = fs::relative(entry.path(), root).string();
      if (!entry.is_directory() || folder.starts_with("build") || folder.starts_with(".")) continue;
      bool code = false;
      for (const fs::directory_entry& f : fs::directory_iterator(entry.path()))
        code = code || f.path().extension() == ".cpp" || f.path().extension() == ".h";
      if (code) {
        EXPECT_TRUE(walled.count(folder)) << folder << " holds code that no target builds";
      }
    }
  }
}

}  // namespace
