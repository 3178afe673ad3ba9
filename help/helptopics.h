#pragma once
// The help window's text, kept as data: the eleven topics of the contents page and the ten pages
// of the hand rankings. The texts are in English, marked for the translation tools in the
// context "Help"; the window translates them where it lays them out.

#include <array>
#include <vector>

enum class Ink { Black, Red, Blue };

struct HelpParagraph {
  Ink ink;
  // Appended as a new line; "\n" inside it breaks the line again, and "%1" names the licence file.
  const char* text;
};

struct HelpTopic {
  const char* heading;  // always red
  std::vector<HelpParagraph> paragraphs;
};

// In the order of the contents page: overview, betting, the deal, drawing, the showdown,
// selecting a deck, statistics, saving statistics, the coach, licence, contact.
extern const std::array<HelpTopic, 11> HelpTopics;

struct HandRankPage {
  const char* name;          // above the description
  const char* caption;       // under the example cards
  std::array<int, 5> cards;  // card codes, left to right
  const char* description;   // blue
};

// From the royal flush down to high card, as the list shows them.
extern const std::array<HandRankPage, 10> HandRankPages;
