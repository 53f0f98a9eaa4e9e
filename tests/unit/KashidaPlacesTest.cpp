// Where an elongation may go in Arabic and Persian words, and which place the Naskh order
// chooses in each word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/compose/KashidaPlaces.h"
#include "host/resources/ByteReader.h"

namespace {

using zvhost::compose::KashidaPlace;
using zvhost::compose::KashidaPlaces;
using zvhost::compose::NaskhKashidaPlaces;

// (after, priority) pairs, so that a failure prints what was found.
std::vector<std::pair<uint32_t, int>> Pairs(const std::vector<KashidaPlace> &places) {
  std::vector<std::pair<uint32_t, int>> pairs;
  for (const KashidaPlace &place : places) pairs.emplace_back(place.after, place.priority);
  return pairs;
}

std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) zvhost::AppendUtf8(out, c);
  return out;
}

struct WordCase {
  std::u32string_view text;
  std::vector<std::pair<uint32_t, int>> places;  // every permitted place, with its priority
  std::vector<std::pair<uint32_t, int>> naskh;   // the Naskh choice
};

// Priorities: 1 after a typed tatweel, 2 after Seen/Sad, 3 before final Teh Marbuta/Heh/Dal,
// 4 before final Alef/Tah/Lam/Kaf/Gaf, 5 before a medial Beh of final Reh/Yeh, 6 before
// final Waw/Ain/Qaf/Feh, 7 before any other final, 8 between letters the list names not.
TEST(KashidaPlaces, RealWordsGiveThePlacesAndPrioritiesOfTheNaskhList) {
  const WordCase cases[] = {
      {U"سلام", {{0, 2}}, {{0, 2}}},                           // after Seen; lam-alef closed
      {U"مدرسة", {{0, 3}, {3, 2}}, {{3, 2}}},                  // Dal; Seen before Teh Marbuta
      {U"محمد", {{0, 8}, {1, 8}, {2, 3}}, {{2, 3}}},           // before final Dal
      {U"نقطه", {{0, 8}, {1, 8}, {2, 3}}, {{2, 3}}},           // Persian: before final Heh
      {U"کتاب", {{0, 8}, {1, 4}}, {{1, 4}}},                   // before final Alef
      {U"فارسی", {{0, 4}, {3, 2}}, {{3, 2}}},                  // Alef after Feh; Seen
      {U"زندگی", {{1, 3}, {3, 7}}, {{1, 3}}},                  // Dal; Persian Yeh after Gaf
      {U"كبير", {{0, 8}, {1, 5}, {2, 7}}, {{1, 5}}},           // medial Beh-shape before Reh
      {U"بيتي", {{0, 8}, {1, 5}, {2, 7}}, {{1, 5}}},           // medial Teh before final Yeh
      {U"إلى", {{1, 7}}, {{1, 7}}},                            // Alef Maksura after Lam
      {U"می\u200cخواهم", {{0, 7}, {3, 6}, {6, 7}}, {{3, 6}}},  // ZWNJ parts one word; Waw
      {U"بـسم", {{1, 1}, {2, 2}}, {{1, 1}}},                   // a typed tatweel comes first
      {U"كتــاب", {{0, 8}, {3, 1}}, {{3, 1}}},                 // after the last of two tatweels
      {U"كَتَبَ", {{0, 8}, {2, 7}}, {{2, 7}}},                    // marks skipped, letters named
      {U"مستشفى", {{0, 8}, {1, 2}, {2, 8}, {3, 2}, {4, 7}}, {{3, 2}}},  // tie: the later
      {U"شهر", {{0, 2}, {1, 7}}, {{0, 2}}},  // Sheen is of the Seen family
      {U"بالله", {{0, 4}}, {{0, 4}}},        // the name of God after a prefix: none inside
      {U"عبدالله", {{0, 8}, {1, 3}}, {{1, 3}}},
      {U"ظلله", {{0, 8}, {1, 8}, {2, 3}}, {{2, 3}}},  // lam, lam, heh after no alef: a word
      {U"الله،", {}, {}},                             // punctuation ends the word
  };
  for (const WordCase &c : cases) {
    EXPECT_EQ(Pairs(KashidaPlaces(c.text)), c.places) << Utf8(c.text);
    EXPECT_EQ(Pairs(NaskhKashidaPlaces(c.text)), c.naskh) << Utf8(c.text);
  }
}

TEST(KashidaPlaces, NoneWhereTheRulesForbidThem) {
  const std::u32string_view cases[] = {
      U"لا",       U"لَا",   U"لأن", U"الآن",   // inside lam-alef, marks or not
      U"ﻻ",                                    // the ligature as one presentation form
      U"دور",      U"ردا",  U"و",   U"ا",      // non-joining letters: nothing follows them joined
      U"بـ",       U"ـب",                      // a tatweel at a word's end or start
      U"hello",    U"abc",                     // Latin
      U"١٢٣",      U"۴۵۶",  U"123",            // digits of every set
      U"ب1ب",      U"ب ب",  U"ب،ب",            // letters parted by a digit, a space, punctuation
      U"ب\u200dب", U"",                        // a joiner is not a letter; nothing at all
      U"الله",     U"اللّٰه", U"لله", U"والله",  // the name of God is one ligature, marks or not
  };
  for (std::u32string_view text : cases) {
    EXPECT_TRUE(KashidaPlaces(text).empty()) << Utf8(text);
    EXPECT_TRUE(NaskhKashidaPlaces(text).empty()) << Utf8(text);
  }
}

TEST(KashidaPlaces, NaskhChoosesOnePlaceInEachWordOfAParagraph) {
  const std::u32string text =
      U"سلام علیکم، کتاب‌ها را به مدرسه بردند. Zarvel 2024 لا";
  // Words start at 0, 5, 12, 20, 23, 26 and 32. In کتاب‌ها the two places before a final
  // Alef tie and the later wins; را has no joined pair; the Latin, the digits and lam-alef
  // have no place.
  const std::vector<std::pair<uint32_t, int>> expected = {
      {0, 2}, {8, 7}, {17, 4}, {23, 3}, {29, 2}, {35, 3},
  };
  EXPECT_EQ(Pairs(NaskhKashidaPlaces(text)), expected);
}

}  // namespace
