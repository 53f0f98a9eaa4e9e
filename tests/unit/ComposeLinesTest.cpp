// What the composer makes of paragraphs: line breaking, justification by spaces and by
// kashidas, lines down threaded frames, text that fits nowhere, and what it recomposes.
#include <cmath>
#include <numeric>
#include <set>

#include "ComposeFixtures.h"
#include "host/compose/KashidaPlaces.h"
#include "host/compose/LineBreaking.h"

namespace {

using namespace zvtest;
using compose::GlyphRole;

constexpr float kSize = 18;
constexpr float kLeading = 1.2f * kSize;

class ComposeLinesTest : public ::testing::Test {
 protected:
  const compose::StoryLayout &Compose(std::vector<compose::FrameBox> frames) {
    frames_ = std::move(frames);
    return composer_.Compose(1, 0, story_, frames_);
  }
  const compose::StoryLayout &Compose(float width) { return Compose({Frame(width)}); }

  engine::Story story_;
  compose::Composer composer_;
  std::vector<compose::FrameBox> frames_;
};

size_t SpacesIn(const std::u32string &text, int32_t from, int32_t to) {
  size_t count = 0;
  for (int32_t at = from; at < to; ++at) count += text[at] == U' ';
  return count;
}

TEST_F(ComposeLinesTest, JustifiedLinesFillTheMeasureAndTheLastStandsAtTheStartSide) {
  struct Case {
    int32_t direction, method, engine;
    bool everyLine;
  };
  const Case cases[] = {{1, 0, 0, false}, {1, 0, 1, true},  {1, 1, 1, false},
                        {1, 2, 1, true},  {0, 0, 0, false}, {1, 2, 0, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE("direction " + std::to_string(c.direction) + " method " +
                 std::to_string(c.method) + " engine " + std::to_string(c.engine));
    story_ = {};
    AddParagraph(story_, ArabicText(), Para(c.direction, c.method, c.engine, c.everyLine));
    const compose::ParagraphLayout &paragraph = *Compose(250).paragraphs.at(0);
    ASSERT_GT(paragraph.lines.size(), 3u);
    for (size_t at = 0; at + 1 < paragraph.lines.size(); ++at) {
      EXPECT_NEAR(paragraph.lines[at].width, 250, 0.5) << "line " << at;
      EXPECT_NEAR(paragraph.lines[at].left, 0, 0.5) << "line " << at;
    }
    const compose::ComposedLine &last = paragraph.lines.back();
    EXPECT_LT(last.width, 249);
    EXPECT_EQ(last.kashidas, 0);
    EXPECT_FLOAT_EQ(last.spaceStretch, 0);
    EXPECT_NEAR(c.direction == 1 ? last.left + last.width : last.left, c.direction == 1 ? 250 : 0,
                0.01)
        << "the last line stands at the start side";
  }
}

TEST_F(ComposeLinesTest, StartEndAndCentreFollowTheParagraphDirectionAndFillNothing) {
  using engine::Alignment;
  struct Case {
    Alignment alignment;
    int32_t direction;
    double leftShare;  // where each line stands: 0 at the left, 1 at the right
  };
  const Case cases[] = {{Alignment::kStart, 0, 0},   {Alignment::kStart, 1, 1},
                        {Alignment::kEnd, 0, 1},     {Alignment::kEnd, 1, 0},
                        {Alignment::kCenter, 0, .5}, {Alignment::kCenter, 1, .5}};
  for (const Case &c : cases) {
    SCOPED_TRACE("alignment " + std::to_string(static_cast<int>(c.alignment)) + " direction " +
                 std::to_string(c.direction));
    story_ = {};
    AddParagraph(story_, ArabicText(), Para(c.direction, 1, 1), {}, {}, c.alignment);
    const compose::ParagraphLayout &paragraph = *Compose(250).paragraphs.at(0);
    ASSERT_GT(paragraph.lines.size(), 2u);
    for (const compose::ComposedLine &line : paragraph.lines) {
      EXPECT_EQ(line.kashidas, 0);
      EXPECT_FLOAT_EQ(line.spaceStretch, 0);
      EXPECT_NEAR(line.left, c.leftShare * (250 - line.width), 0.01);
    }
  }
}

TEST_F(ComposeLinesTest, LinesCoverTheParagraphInOrderAndKeepWithinTheMeasure) {
  AddParagraph(story_, ArabicText(), Para(1, 0, 0));
  const compose::ParagraphLayout &paragraph = *Compose(200).paragraphs.at(0);
  int32_t expectedFrom = 0;
  for (const compose::ComposedLine &line : paragraph.lines) {
    EXPECT_EQ(line.from, expectedFrom);
    EXPECT_GT(line.to, line.from);
    // The advances add up to the set width (glyphs may overhang it by their offsets).
    float advances = 0;
    for (const compose::PlacedGlyph &glyph : LineGlyphs(paragraph, line)) {
      if (glyph.role != GlyphRole::kMark) advances += glyph.width;
    }
    EXPECT_NEAR(advances, line.width, 0.01);
    EXPECT_LE(line.width, 200.01f);
    expectedFrom = line.to;
  }
  EXPECT_EQ(expectedFrom, CodePoints(ArabicText()));
}

// Kashidas placed in a layout: the story positions of the letters they follow, per line.
std::vector<std::vector<int32_t>> KashidasByLine(const compose::ParagraphLayout &paragraph) {
  std::vector<std::vector<int32_t>> lines;
  for (const compose::ComposedLine &line : paragraph.lines) {
    std::vector<int32_t> &letters = lines.emplace_back();
    for (const compose::PlacedGlyph &glyph : LineGlyphs(paragraph, line)) {
      if (glyph.role == GlyphRole::kKashida) {
        letters.push_back(glyph.cluster);
        EXPECT_GT(glyph.width, 0);
        // Both letters it joins stand on this line.
        EXPECT_GE(glyph.cluster, line.from);
        EXPECT_LT(glyph.cluster + 1, line.to);
      }
    }
    EXPECT_EQ(static_cast<size_t>(line.kashidas), letters.size());
  }
  return lines;
}

TEST_F(ComposeLinesTest, KashidasOnlyWithArabicOrNaskhAndTheComplexComposer) {
  struct Case {
    int32_t method, engine;
    bool expected;
  };
  const Case cases[] = {{0, 1, false}, {1, 0, false}, {2, 0, false}, {1, 1, true}, {2, 1, true}};
  for (const Case &c : cases) {
    SCOPED_TRACE("method " + std::to_string(c.method) + " engine " + std::to_string(c.engine));
    story_ = {};
    AddParagraph(story_, ArabicText(), Para(1, c.method, c.engine));
    size_t placed = 0;
    for (const auto &line : KashidasByLine(*Compose(250).paragraphs.at(0))) placed += line.size();
    EXPECT_EQ(placed > 0, c.expected) << placed << " placed";
  }
}

TEST_F(ComposeLinesTest, KashidasGoOnlyWhereTheRulesAndTheRunsAllowThem) {
  std::string text = ArabicText();
  std::u32string text32 = Utf32(text);
  int32_t length = CodePoints(text);
  // The middle third forbids kashidas.
  int32_t third = length / 3;
  for (int32_t method : {1, 2}) {
    SCOPED_TRACE("method " + std::to_string(method));
    story_ = {};
    AddParagraph(
        story_, text, Para(1, method, 1), {},
        {{third, Chars()}, {third, Chars(0, 0, 0, 0, 0, 1)}, {length - 2 * third, Chars()}});
    std::set<int32_t> permitted;
    for (const compose::KashidaPlace &place :
         method == 2 ? compose::NaskhKashidaPlaces(text32) : compose::KashidaPlaces(text32)) {
      permitted.insert(static_cast<int32_t>(place.after));
    }
    const compose::ParagraphLayout &paragraph = *Compose(250).paragraphs.at(0);
    size_t placed = 0;
    for (const auto &line : KashidasByLine(paragraph)) {
      for (int32_t letter : line) {
        ++placed;
        EXPECT_TRUE(permitted.count(letter)) << "a kashida after " << letter;
        EXPECT_FALSE(letter >= third - 1 && letter < 2 * third) << "in a forbidding run";
      }
    }
    EXPECT_GT(placed, 0u);
  }
}

TEST_F(ComposeLinesTest, NaskhPlacesAtMostOneKashidaAWord) {
  std::string text = ArabicText();
  std::u32string text32 = Utf32(text);
  AddParagraph(story_, text, Para(1, 2, 1));
  for (float width : {150.f, 250.f, 333.f}) {
    for (const auto &line : KashidasByLine(*Compose(width).paragraphs.at(0))) {
      std::set<size_t> words;
      for (int32_t letter : line) {
        size_t word = SpacesIn(text32, 0, letter);
        EXPECT_TRUE(words.insert(word).second) << "two kashidas in word " << word;
      }
    }
  }
}

double TotalBadness(const compose::ParagraphLayout &paragraph) {
  double total = 0;
  for (const compose::ComposedLine &line : paragraph.lines) total += line.badness;
  return total;
}

TEST_F(ComposeLinesTest, TotalFitIsNeverWorseThanFirstFit) {
  for (float width : {120.f, 180.f, 230.f, 310.f, 420.f}) {
    for (int32_t direction : {0, 1}) {
      SCOPED_TRACE("width " + std::to_string(width));
      story_ = {};
      AddParagraph(story_, ArabicText(), Para(direction, 0, 0, false));
      double firstFit = TotalBadness(*Compose(width).paragraphs.at(0));
      story_ = {};
      AddParagraph(story_, ArabicText(), Para(direction, 0, 0, true));
      double totalFit = TotalBadness(*Compose(width).paragraphs.at(0));
      EXPECT_LE(totalFit, firstFit + 1e-6);
    }
  }
}

// The places where kashidas may go widen a line as its spaces do: the line breaker counts
// them, so total fit rates the lines of a kashida method better than the same text's with
// spaces alone.
TEST_F(ComposeLinesTest, TotalFitCountsWhatKashidasCanWidenALineBy) {
  for (float width : {180.f, 230.f, 310.f}) {
    SCOPED_TRACE("width " + std::to_string(width));
    story_ = {};
    AddParagraph(story_, ArabicText(), Para(1, 0, 1, true));
    const double spacesAlone = TotalBadness(*Compose(width).paragraphs.at(0));
    for (int32_t method : {1, 2}) {
      story_ = {};
      AddParagraph(story_, ArabicText(), Para(1, method, 1, true));
      const compose::ParagraphLayout &paragraph = *Compose(width).paragraphs.at(0);
      EXPECT_LT(TotalBadness(paragraph), spacesAlone) << "method " << method;
      size_t kashidas = 0;
      for (const compose::ComposedLine &line : paragraph.lines) kashidas += line.kashidas;
      EXPECT_GT(kashidas, 0u) << "method " << method;
    }
  }
}

// Opportunities from widths of words with one unit of space after each.
compose::BreakOpportunities Words(const std::vector<double> &widths) {
  compose::BreakOpportunities breaks;
  breaks.Add(0, false, 0, 0, 0, 0);
  double at = 0;
  for (size_t word = 0; word < widths.size(); ++word) {
    double trimmed = at + widths[word];
    at = trimmed + 1;
    bool last = word + 1 == widths.size();
    breaks.Add(static_cast<int32_t>(word + 1), last, trimmed, at, (word + 1) * 0.5 - 0.5,
               (word + 1) * 0.5);
  }
  return breaks;
}

TEST(LineBreakingTest, TotalFitEvensOutWhatFirstFitLeavesRagged) {
  // First fit fills the first line exactly and leaves the second far too loose; total fit
  // moves a word down and loosens both a little.
  compose::BreakOpportunities breaks = Words({1, 1, 4, 1, 3, 4, 2});
  double measure = 10;
  std::vector<size_t> first = compose::FirstFit(breaks, measure);
  std::vector<size_t> total = compose::TotalFit(breaks, measure);
  auto badness = [&](const std::vector<size_t> &ends) {
    double sum = 0;
    size_t from = 0;
    for (size_t end : ends) {
      sum += compose::LineBadness(breaks, from, end, measure);
      from = end;
    }
    return sum;
  };
  EXPECT_EQ(first, (std::vector<size_t>{4, 6, 7}));
  EXPECT_DOUBLE_EQ(badness(first), 6400);
  EXPECT_DOUBLE_EQ(badness(total), 800);
}

TEST(LineBreakingTest, AWordWiderThanTheMeasureTakesALineOfItsOwn) {
  compose::BreakOpportunities breaks = Words({2, 30, 2});
  EXPECT_EQ(compose::FirstFit(breaks, 10), (std::vector<size_t>{1, 2, 3}));
  EXPECT_EQ(compose::TotalFit(breaks, 10), (std::vector<size_t>{1, 2, 3}));
}

TEST_F(ComposeLinesTest, LinesContinueInTheNextFrameAndWhatFitsNowhereIsMarked) {
  AddParagraph(story_, ArabicText(), Para(1, 0, 0));
  AddParagraph(story_, ArabicText(), Para(1, 0, 0));
  // Three lines in the first frame, two in the second (of another width), then none.
  const compose::StoryLayout &layout =
      Compose({{0, 0, 250, 3 * kLeading + 1}, {300, 0, 250, 2 * kLeading + 1}});
  ASSERT_GT(layout.places.size(), 5u);
  std::vector<int32_t> frames;
  for (const compose::LinePlace &place : layout.places) frames.push_back(place.frame);
  std::vector<int32_t> expected(layout.places.size(), -1);
  expected[0] = expected[1] = expected[2] = 0;
  expected[3] = expected[4] = 1;
  EXPECT_EQ(frames, expected);
  EXPECT_FLOAT_EQ(layout.places[0].baseline, kLeading);
  EXPECT_FLOAT_EQ(layout.places[2].baseline, 3 * kLeading);
  EXPECT_FLOAT_EQ(layout.places[3].baseline, kLeading) << "the next frame starts at its top";
  const compose::ParagraphLayout &first = *layout.paragraphs[0];
  EXPECT_EQ(first.lines[3].from, first.lines[2].to) << "where the previous frame stopped";
  const compose::LinePlace &overflow = layout.places[5];
  EXPECT_EQ(layout.overflowFrom, layout.paragraphs[overflow.paragraph]->lines[overflow.line].from);
}

// A paragraph that runs on into a frame of another width is broken anew there: each line is
// as wide as its own frame, under first fit and total fit, and past the last frame as wide as
// the last.
TEST_F(ComposeLinesTest, AParagraphRunningIntoANarrowerFrameTakesItsWidthThere) {
  for (bool everyLine : {false, true}) {
    SCOPED_TRACE(everyLine ? "total fit" : "first fit");
    story_ = {};
    AddParagraph(story_, ArabicText(), Para(1, 1, 1, everyLine));
    const compose::StoryLayout &layout =
        Compose({{0, 0, 300, 3 * kLeading + 1}, {400, 0, 160, 4 * kLeading + 1}});
    const compose::ParagraphLayout &paragraph = *layout.paragraphs.at(0);
    ASSERT_GT(paragraph.lines.size(), 8u);
    const float widths[] = {300, 160, 160};  // by frame; the last for lines past it
    for (size_t at = 0; at + 1 < paragraph.lines.size(); ++at) {
      const int32_t frame = layout.places[at].frame;
      EXPECT_NEAR(paragraph.lines[at].width, widths[frame < 0 ? 2 : frame], 0.5) << "line " << at;
    }
    EXPECT_EQ(paragraph.lines[3].from, paragraph.lines[2].to) << "no text lost at the change";
    EXPECT_LE(paragraph.lines.back().width, 160.5f);
  }
}

TEST_F(ComposeLinesTest, AStoryThatFitsHasNoOverflowAndOneWithoutFramesOverflowsAtOnce) {
  AddParagraph(story_, "\u0633\u0644\u0627\u0645", Para(1, 0, 0));
  AddParagraph(story_, "", Para(1, 0, 0));
  const compose::StoryLayout &fits = Compose(100);
  EXPECT_EQ(fits.overflowFrom, -1);
  ASSERT_EQ(fits.places.size(), 2u) << "an empty paragraph still takes a line";
  EXPECT_FLOAT_EQ(fits.places[1].baseline, 2 * kLeading);
  EXPECT_EQ(Compose(std::vector<compose::FrameBox>{}).overflowFrom, 0);
}

TEST_F(ComposeLinesTest, AChangeRecomposesOnlyTheParagraphsItTouched) {
  for (int at = 0; at < 3; ++at) AddParagraph(story_, ArabicText(), Para(1, 0, 1));
  Compose(250);
  EXPECT_EQ(composer_.LastCounts().composed, 3u);
  Compose(250);
  EXPECT_EQ(composer_.LastCounts().composed, 0u) << "nothing changed";
  EXPECT_EQ(composer_.LastCounts().reused, 3u);

  engine::CharFeatureSet digits;
  digits.Assign(engine::kDigitSet, 2);
  int32_t second = story_.Paragraphs()[1].start;
  story_.ApplyCharFeatures(second + 2, second + 5, digits);
  Compose(250);
  EXPECT_EQ(composer_.LastCounts().composed, 1u);
  EXPECT_EQ(composer_.LastCounts().reused, 2u);

  Compose(200);
  EXPECT_EQ(composer_.LastCounts().composed, 3u) << "a new measure";
  story_.size = 12;
  Compose(200);
  EXPECT_EQ(composer_.LastCounts().composed, 3u) << "a new size";
}

TEST(FrameBoxesTest, FramesWithoutBoundsStackDownThePageInArtOrder) {
  engine::Document document;
  document.art.resize(4);
  document.art[0].kind = engine::ArtKind::kText;
  document.art[1].kind = engine::ArtKind::kPath;
  document.art[2].kind = engine::ArtKind::kText;
  document.art[2].bounds = engine::FrameBounds{10, 20, 30, 40};
  document.art[3].kind = engine::ArtKind::kText;
  std::vector<compose::FrameBox> boxes = compose::FrameBoxes(document);
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_FLOAT_EQ(boxes[0].left, 24);
  EXPECT_FLOAT_EQ(boxes[0].top, 24);
  EXPECT_FLOAT_EQ(boxes[0].width, 360);
  EXPECT_FLOAT_EQ(boxes[0].height, 240);
  EXPECT_FLOAT_EQ(boxes[2].top, 20);
  EXPECT_FLOAT_EQ(boxes[2].width, 30);
  EXPECT_FLOAT_EQ(boxes[3].top, 24 + 2 * (240 + 24));
}

}  // namespace
