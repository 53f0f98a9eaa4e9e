#include "host/compose/ParagraphComposer.h"

#include "host/compose/BidiParagraph.h"
#include "host/compose/BreakFinder.h"
#include "host/compose/KashidaPlaces.h"
#include "host/compose/LineBreaking.h"
#include "host/compose/LineSetter.h"
#include "host/compose/MarkPlacement.h"
#include "host/compose/ParagraphText.h"
#include "host/compose/ShapedParagraph.h"

namespace zvhost::compose {

namespace {

enum JustificationMethod { kStandard = 0, kArabic = 1, kNaskh = 2 };

// The places kashidas may take in this paragraph: only with the complex-script composer and
// a kashida method, only in runs that allow them, only between two letters set right to left
// as separate clusters (a ligature cannot be pulled apart), and only with a tatweel to draw.
std::vector<KashidaPlace> AllowedKashidaPlaces(const ParagraphText &text,
                                               const std::vector<uint8_t> &levels,
                                               const ShapedParagraph &shaped, const Font &font,
                                               int32_t method) {
  std::vector<KashidaPlace> allowed;
  if (!text.Complex() || (method != kArabic && method != kNaskh) || font.TatweelGlyph() == 0) {
    return allowed;
  }
  std::u32string_view view(text.text);
  std::vector<KashidaPlace> places =
      method == kNaskh ? NaskhKashidaPlaces(view) : KashidaPlaces(view);
  for (const KashidaPlace &place : places) {
    int32_t letter = static_cast<int32_t>(place.after), next = letter + 1;
    if (next >= text.Length()) continue;
    if (text.Char(engine::kKashidas, letter) != 0 || text.Char(engine::kKashidas, next) != 0) {
      continue;
    }
    if ((levels[letter] & 1) == 0 || (levels[next] & 1) == 0) continue;
    if (shaped.clusters[shaped.clusterOf[next]].start != next) continue;
    allowed.push_back(place);
  }
  return allowed;
}

}  // namespace

std::shared_ptr<const ParagraphLayout> ComposeParagraph(const engine::Story &story, uint32_t index,
                                                        const Font &font, float size,
                                                        const Measures &measures) {
  ParagraphText text(story, index);
  BidiParagraph bidi(text);
  ShapedParagraph shaped = Shape(text, bidi.Levels(), font);
  PlaceMarks(text, font, shaped);

  double pointsPerUnit = size / font.UnitsPerEm();
  const engine::ParaAttributes &attributes = text.paragraph.attributes;
  int32_t method = attributes[engine::kJustificationMethod];
  std::vector<KashidaPlace> kashidaPlaces =
      AllowedKashidaPlaces(text, bidi.Levels(), shaped, font, method);
  BreakOpportunities breaks =
      FindBreakOpportunities(text, shaped, kashidaPlaces, kLongestKashida * font.UnitsPerEm());
  const bool everyLine = attributes[engine::kEveryLineComposer] != 0;
  // Each step breaks the text left for its width and keeps as many lines as it holds.
  struct Line {
    size_t end;  // the opportunity it ends at
    float measure;
  };
  std::vector<Line> lines;
  size_t start = 0;
  for (size_t step = 0; step < measures.size() && start + 1 < breaks.Count(); ++step) {
    const double units = measures[step].width / pointsPerUnit;
    std::vector<size_t> ends =
        everyLine ? TotalFit(breaks, units, start) : FirstFit(breaks, units, start);
    if (step + 1 < measures.size() && ends.size() > measures[step].lines) {
      ends.resize(measures[step].lines);
    }
    for (size_t end : ends) lines.push_back({end, measures[step].width});
    if (!ends.empty()) start = ends.back();
  }

  ParagraphParts parts{text,
                       bidi,
                       shaped,
                       font,
                       pointsPerUnit,
                       std::move(kashidaPlaces),
                       method == kNaskh ? KashidaSpread::kEveryWord : KashidaSpread::kByPriority};
  auto layout = std::make_shared<ParagraphLayout>();
  layout->lines.reserve(lines.size());
  layout->glyphs.reserve(shaped.glyphs.size());
  bool justified = text.paragraph.alignment == engine::Alignment::kJustify;
  size_t from = 0;
  for (const Line &line : lines) {
    bool last = line.end + 1 == breaks.Count();
    SetLine(parts, breaks.position[from], breaks.position[line.end], line.measure,
            justified && !last, LineBadness(breaks, from, line.end, line.measure / pointsPerUnit),
            text.paragraph.start, *layout);
    from = line.end;
  }
  return layout;
}

}  // namespace zvhost::compose
