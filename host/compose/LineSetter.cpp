#include "host/compose/LineSetter.h"

#include <algorithm>
#include <cmath>

#include "host/compose/BreakFinder.h"

namespace zvhost::compose {

namespace {

struct Kashida {
  int32_t after = 0;  // the letter it follows
  double width = 0;   // points
};

// The kashidas that fill `shortfall` points of the line [from, end), first by kashidas.
std::vector<Kashida> ChooseKashidas(const ParagraphParts &parts, int32_t from, int32_t end,
                                    double shortfall) {
  std::vector<Kashida> chosen;
  if (shortfall <= 0) return chosen;
  const std::vector<KashidaPlace> &places = parts.kashidaPlaces;
  auto first = std::lower_bound(
      places.begin(), places.end(), from,
      [](const KashidaPlace &place, int32_t at) { return static_cast<int32_t>(place.after) < at; });
  std::vector<KashidaPlace> line;
  for (auto place = first; place != places.end() && static_cast<int32_t>(place->after) + 1 < end;
       ++place) {
    line.push_back(*place);
  }
  if (line.empty()) return chosen;
  double longest = kLongestKashida * parts.font.UnitsPerEm() * parts.pointsPerUnit;
  size_t count = line.size();
  if (parts.spread == KashidaSpread::kByPriority) {
    std::stable_sort(line.begin(), line.end(), [](const KashidaPlace &a, const KashidaPlace &b) {
      return a.priority < b.priority;
    });
    count = std::min(count, static_cast<size_t>(std::ceil(shortfall / longest)));
    line.resize(count);
    std::sort(line.begin(), line.end(),
              [](const KashidaPlace &a, const KashidaPlace &b) { return a.after < b.after; });
  }
  double each = std::min(longest, shortfall / static_cast<double>(count));
  for (const KashidaPlace &place : line)
    chosen.push_back({static_cast<int32_t>(place.after), each});
  return chosen;
}

double LineLeft(const ParagraphText &text, double measure, double width) {
  double slack = measure - width;
  bool rightToLeft = text.RightToLeft();
  switch (text.paragraph.alignment) {
    case engine::Alignment::kEnd:
      return rightToLeft ? 0 : slack;
    case engine::Alignment::kCenter:
      return slack / 2;
    case engine::Alignment::kJustify:
    case engine::Alignment::kStart:
      break;
  }
  return rightToLeft ? slack : 0;
}

}  // namespace

void SetLine(const ParagraphParts &parts, int32_t from, int32_t to, double measure, bool fill,
             double badness, int32_t storyStart, ParagraphLayout &layout) {
  const ParagraphText &text = parts.text;
  const ShapedParagraph &shaped = parts.shaped;
  double scale = parts.pointsPerUnit;
  int32_t end = to;
  while (end > from && IsTrailingSpace(text.text[end - 1])) --end;

  double natural = 0, spaces = 0;
  for (uint32_t index = from < end ? shaped.clusterOf[from] : 0;
       from < end && index < shaped.clusters.size() && shaped.clusters[index].start < end;
       ++index) {
    const ShapedCluster &cluster = shaped.clusters[index];
    natural += cluster.advance * scale;
    if (cluster.length == 1 && IsJustifiableSpace(text.text[cluster.start])) {
      spaces += cluster.advance * scale;
    }
  }
  double shortfall = fill ? measure - natural : 0;
  std::vector<Kashida> kashidas = ChooseKashidas(parts, from, end, shortfall);
  for (const Kashida &kashida : kashidas) shortfall -= kashida.width;
  double spaceStretch = shortfall > 0 && spaces > 0 ? shortfall / spaces : 0;

  ComposedLine line;
  line.from = storyStart + from;
  line.to = storyStart + to;
  line.level = static_cast<int8_t>(parts.bidi.BaseLevel());
  line.kashidas = static_cast<int32_t>(kashidas.size());
  line.spaceStretch = static_cast<float>(spaceStretch);
  line.badness = badness;
  line.firstGlyph = static_cast<uint32_t>(layout.glyphs.size());

  double pen = 0;
  auto placeKashida = [&](int32_t letter) {
    auto found =
        std::lower_bound(kashidas.begin(), kashidas.end(), letter,
                         [](const Kashida &kashida, int32_t at) { return kashida.after < at; });
    if (found == kashidas.end() || found->after != letter) return;
    PlacedGlyph glyph;
    glyph.glyph = parts.font.TatweelGlyph();
    glyph.x = static_cast<float>(pen);
    glyph.width = static_cast<float>(found->width);
    glyph.cluster = storyStart + letter;
    glyph.role = GlyphRole::kKashida;
    layout.glyphs.push_back(glyph);
    pen += found->width;
  };
  auto placeCluster = [&](const ShapedCluster &cluster) {
    bool space = cluster.length == 1 && IsJustifiableSpace(text.text[cluster.start]);
    for (uint32_t at = 0; at < cluster.glyphCount; ++at) {
      const ShapedGlyph &shapedGlyph = shaped.glyphs[cluster.firstGlyph + at];
      double advance = shapedGlyph.advance * scale * (space ? 1 + spaceStretch : 1);
      PlacedGlyph glyph;
      glyph.glyph = shapedGlyph.glyph;
      glyph.x = static_cast<float>(pen + shapedGlyph.xOffset * scale);
      glyph.y = static_cast<float>(shapedGlyph.yOffset * scale);
      glyph.width = static_cast<float>(advance);
      glyph.cluster = storyStart + cluster.start;
      glyph.role = shapedGlyph.mark ? GlyphRole::kMark : GlyphRole::kBase;
      layout.glyphs.push_back(glyph);
      pen += advance;
    }
  };
  // A kashida after a letter stands on the letter's far side in reading order: left of it
  // in right-to-left text, right of it in left-to-right text.
  for (const VisualRun &run : parts.bidi.VisualRuns(from, end)) {
    uint32_t first = shaped.clusterOf[run.from];
    uint32_t last = shaped.clusterOf[run.to - 1];
    for (uint32_t step = 0; step <= last - first; ++step) {
      const ShapedCluster &cluster = shaped.clusters[run.rightToLeft ? last - step : first + step];
      int32_t lastLetter = cluster.start + cluster.length - 1;
      if (run.rightToLeft) placeKashida(lastLetter);
      placeCluster(cluster);
      if (!run.rightToLeft) placeKashida(lastLetter);
    }
  }
  line.width = static_cast<float>(pen);
  line.left = static_cast<float>(LineLeft(text, measure, pen));
  line.glyphCount = static_cast<uint32_t>(layout.glyphs.size()) - line.firstGlyph;
  layout.lines.push_back(line);
}

}  // namespace zvhost::compose
