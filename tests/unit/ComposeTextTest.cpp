// What the composer makes of characters: digit sets, the visual order of mixed directions,
// direction overrides, where marks stand, and fonts.
#include <unicode/ubidi.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "ComposeFixtures.h"

namespace {

using namespace zvtest;

class ComposeTextTest : public ::testing::Test {
 protected:
  const compose::StoryLayout &Compose(float width = 2000) {
    frames_ = {Frame(width)};
    return composer_.Compose(1, 0, story_, frames_);
  }

  engine::Story story_;
  compose::Composer composer_;
  std::vector<compose::FrameBox> frames_;
};

// Story position -> the glyph shown for it (base glyphs only).
std::map<int32_t, uint32_t> BaseGlyphs(const compose::StoryLayout &layout) {
  std::map<int32_t, uint32_t> glyphs;
  for (const auto &paragraph : layout.paragraphs) {
    for (const compose::PlacedGlyph &glyph : paragraph->glyphs) {
      if (glyph.role == compose::GlyphRole::kBase) glyphs[glyph.cluster] = glyph.glyph;
    }
  }
  return glyphs;
}

TEST_F(ComposeTextTest, DigitSetsShowEveryDigitFamilyInTheChosenOneOnlyWithTheComplexComposer) {
  // European, Arabic-Indic and Extended Arabic-Indic 3 and 7, between Arabic letters.
  const std::string text = "عدد 37 ٣٧ ۳۷ عدد";
  const int32_t digitPositions[] = {4, 5, 7, 8, 10, 11};
  const char32_t typed[] = {U'3', U'7', U'\u0663', U'\u0667', U'\u06F3', U'\u06F7'};
  const char32_t values[] = {3, 7, 3, 7, 3, 7};
  struct Case {
    int32_t engine;
    int32_t digitSet;
    char32_t zero;  // the family shown; 0: as typed
  };
  const Case cases[] = {{1, 1, U'0'}, {1, 2, U'\u0660'}, {1, 3, U'\u06F0'}, {1, 0, 0},
                        {0, 1, 0},    {0, 2, 0},         {0, 3, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE("engine " + std::to_string(c.engine) + " digit set " + std::to_string(c.digitSet));
    story_ = {};
    AddParagraph(story_, text, Para(1, 0, c.engine), Chars(0, c.digitSet));
    const compose::StoryLayout &layout = Compose();
    std::map<int32_t, uint32_t> glyphs = BaseGlyphs(layout);
    for (size_t at = 0; at < std::size(digitPositions); ++at) {
      char32_t shown = c.zero ? c.zero + values[at] : typed[at];
      EXPECT_EQ(glyphs[digitPositions[at]], NominalGlyph(*layout.font, shown)) << "at " << at;
    }
  }
}

// The logical positions of `text` (one paragraph at `level`) in visual order, by ICU.
std::vector<int32_t> IcuVisualOrder(const std::u16string &text, UBiDiLevel level) {
  UErrorCode status = U_ZERO_ERROR;
  UBiDi *bidi = ubidi_open();
  ubidi_setPara(bidi, reinterpret_cast<const UChar *>(text.data()),
                static_cast<int32_t>(text.size()), level, nullptr, &status);
  std::vector<int32_t> map(text.size());
  ubidi_getVisualMap(bidi, map.data(), &status);
  ubidi_close(bidi);
  EXPECT_TRUE(U_SUCCESS(status));
  return map;
}

// The clusters of a one-line paragraph in the order they stand, left to right.
std::vector<int32_t> VisualClusters(const compose::StoryLayout &layout) {
  std::vector<int32_t> clusters;
  const compose::ParagraphLayout &paragraph = *layout.paragraphs.at(0);
  EXPECT_EQ(paragraph.lines.size(), 1u);
  for (const compose::PlacedGlyph &glyph : LineGlyphs(paragraph, paragraph.lines.at(0))) {
    if (clusters.empty() || clusters.back() != glyph.cluster) clusters.push_back(glyph.cluster);
  }
  return clusters;
}

TEST_F(ComposeTextTest, MixedArabicLatinAndDigitsStandInTheBidiLibrarysVisualOrder) {
  // Code points below U+10000 only, so UTF-16 positions are story positions.
  const std::u16string texts[] = {u"abc \u0645\u0631\u062D\u0628\u0627 123 def",
                                  u"\u0643\u062A\u0628 (Zarvel 2.0) \u0641\u064A 1999 \u0645",
                                  u"\u0627\u0644\u0639\u062F\u062F 12-34 \u0648 56"};
  for (const std::u16string &text16 : texts) {
    std::string text;
    for (char16_t unit : text16) {
      char32_t c = unit;
      if (c < 0x80) {
        text += static_cast<char>(c);
      } else {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    for (int32_t direction : {0, 1}) {
      SCOPED_TRACE(text + " direction " + std::to_string(direction));
      story_ = {};
      AddParagraph(story_, text, Para(direction, 0, 0));
      std::vector<int32_t> shown = VisualClusters(Compose());
      // ICU's order, each position taken as the cluster that shows it, spaces at the line's
      // ends left out as the line leaves them out.
      std::set<int32_t> starts(shown.begin(), shown.end());
      std::vector<int32_t> expected;
      for (int32_t position : IcuVisualOrder(text16, static_cast<UBiDiLevel>(direction))) {
        auto start = starts.upper_bound(position);
        if (start == starts.begin()) continue;
        int32_t cluster = *std::prev(start);
        if (expected.empty() || expected.back() != cluster) expected.push_back(cluster);
      }
      EXPECT_EQ(shown, expected);
    }
  }
}

TEST_F(ComposeTextTest, DirectionOverridesSetTheirRunsAgainstTheirOwnDirection) {
  // "abc" forced right to left, then "\u0627\u0628\u062A" (Arabic) forced left to right.
  const std::string text = "abc \u0627\u0628\u062A";
  AddParagraph(story_, text, Para(0, 0, 0), {}, {{4, Chars(2)}, {3, Chars(1)}});
  std::vector<int32_t> shown = VisualClusters(Compose());
  // The space after "abc" belongs to the overridden run: it stands at that run's start.
  EXPECT_EQ(shown, (std::vector<int32_t>{3, 2, 1, 0, 4, 5, 6}));
}

// A glyph's ink as it stands on the line, points, y up.
struct InkBox {
  float left = 0, right = 0, bottom = 0, top = 0;
  float Centre() const { return (left + right) / 2; }
};

InkBox InkOf(const compose::StoryLayout &layout, const compose::PlacedGlyph &glyph) {
  hb_glyph_extents_t extents{};
  hb_font_get_glyph_extents(layout.font->HarfBuzzFont(), glyph.glyph, &extents);
  float scale = layout.size / static_cast<float>(layout.font->UnitsPerEm());
  return {
      glyph.x + extents.x_bearing * scale, glyph.x + (extents.x_bearing + extents.width) * scale,
      glyph.y + (extents.y_bearing + extents.height) * scale, glyph.y + extents.y_bearing * scale};
}

struct MarkPlace {
  float x = 0, y = 0;  // the mark glyph's origin
  InkBox ink, base;
  float GapAbove() const { return ink.bottom - base.top; }
  float GapBelow() const { return base.bottom - ink.top; }
};

class ComposeMarksTest : public ComposeTextTest {
 protected:
  // Where the one mark of "\u0628" + `mark` stands, with these diacritics attributes.
  MarkPlace MarkOf(const std::string &mark, int32_t position, float xOffset = 0, float yOffset = 0,
                   int32_t engineIndex = 1) {
    story_ = {};
    AddParagraph(story_, "\u0628" + mark, Para(1, 0, engineIndex),
                 Chars(0, 0, position, xOffset, yOffset));
    const compose::StoryLayout &layout = Compose();
    MarkPlace place;
    int found = 0;
    for (const compose::PlacedGlyph &glyph : layout.paragraphs.at(0)->glyphs) {
      if (glyph.role == compose::GlyphRole::kMark) {
        place.x = glyph.x;
        place.y = glyph.y;
        place.ink = InkOf(layout, glyph);
        ++found;
      } else {
        place.base = InkOf(layout, glyph);
      }
    }
    EXPECT_EQ(found, 1) << "one mark placed";
    return place;
  }
};

TEST_F(ComposeMarksTest, LooseStandsFarthestFromTheBaseThenNormalThenTight) {
  const std::string fatha = "\u064E", kasra = "\u0650";
  enum { kLoose = 1, kNormal = 2, kTight = 3 };
  // A fatha above its base, a kasra below it, each centred on the base's ink.
  EXPECT_GT(MarkOf(fatha, kLoose).GapAbove(), MarkOf(fatha, kNormal).GapAbove());
  EXPECT_GT(MarkOf(fatha, kNormal).GapAbove(), MarkOf(fatha, kTight).GapAbove());
  EXPECT_GT(MarkOf(fatha, kTight).GapAbove(), 0);
  EXPECT_GT(MarkOf(kasra, kLoose).GapBelow(), MarkOf(kasra, kNormal).GapBelow());
  EXPECT_GT(MarkOf(kasra, kNormal).GapBelow(), MarkOf(kasra, kTight).GapBelow());
  EXPECT_GT(MarkOf(kasra, kTight).GapBelow(), 0);
  for (const MarkPlace &place : {MarkOf(fatha, kNormal), MarkOf(kasra, kLoose)}) {
    EXPECT_NEAR(place.ink.Centre(), place.base.Centre(), 0.05);
  }
}

TEST_F(ComposeMarksTest, OffsetsMoveMarksByThousandthsOfTheSizeOnlyWithTheComplexComposer) {
  const std::string damma = "\u064F";
  for (int32_t position : {0, 2, 4}) {
    SCOPED_TRACE("position " + std::to_string(position));
    MarkPlace still = MarkOf(damma, position);
    MarkPlace moved = MarkOf(damma, position, 100, -50);  // 1.8 right, 0.9 down at 18 points
    EXPECT_NEAR(moved.x - still.x, 1.8, 0.02);
    EXPECT_NEAR(moved.y - still.y, -0.9, 0.02);
  }
  MarkPlace standard = MarkOf(damma, 4, 0, 0, 0);
  MarkPlace standardMoved = MarkOf(damma, 2, 100, 100, 0);
  EXPECT_FLOAT_EQ(standard.x, standardMoved.x);
  EXPECT_FLOAT_EQ(standard.y, standardMoved.y);
}

TEST_F(ComposeMarksTest, NoneLeavesTheMarkOnItsBaseAndOpenTypeWhereTheFontPutsIt) {
  const std::string fatha = "\u064E";
  MarkPlace none = MarkOf(fatha, 0);
  MarkPlace font = MarkOf(fatha, 4);
  MarkPlace standard = MarkOf(fatha, 0, 0, 0, 0);
  EXPECT_FLOAT_EQ(font.x, standard.x);
  EXPECT_FLOAT_EQ(font.y, standard.y);
  EXPECT_FLOAT_EQ(none.y, 0) << "unpositioned: on the base's baseline";
  EXPECT_NE(none.x, font.x) << "the font moves a mark onto its base's anchor";
}

TEST_F(ComposeTextTest, AFamilyThatIsNotInstalledIsRefusedByName) {
  story_.font = "No Such Family Zarvel";
  AddParagraph(story_, "abc", Para(0, 0, 0));
  try {
    Compose();
    FAIL() << "composed in a font that does not exist";
  } catch (const std::runtime_error &error) {
    EXPECT_NE(std::string(error.what()).find("No Such Family Zarvel"), std::string::npos)
        << error.what();
  }
}

}  // namespace
