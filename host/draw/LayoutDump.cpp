#include "host/draw/LayoutDump.h"

#include <cmath>
#include <cstdio>

#include "host/engine/FloatText.h"

namespace zvhost::draw {

namespace {

// Points to a hundredth: the layout's facts without the float's last digits.
Json Points(double value) {
  return engine::FloatJson(static_cast<float>(std::round(value * 100) / 100));
}

}  // namespace

Json LayoutJson(const engine::Document &document, const DocumentPage &page) {
  // Every text frame, in art order, with no lines until its story's lines are placed.
  Json frames = Json::array();
  std::vector<size_t> frameAt(document.art.size());
  for (size_t art = 0; art < document.art.size(); ++art) {
    if (document.art[art].kind != engine::ArtKind::kText) continue;
    frameAt[art] = frames.size();
    frames.push_back({{"art", art}, {"lines", Json::array()}});
  }
  for (size_t index = 0; index < document.stories.size(); ++index) {
    const engine::Story &story = document.stories[index];
    const compose::StoryLayout &layout = page.stories[index];
    for (const compose::LinePlace &place : layout.places) {
      if (place.frame < 0 || static_cast<size_t>(place.frame) >= story.frames.size()) continue;
      const compose::ComposedLine &line = layout.paragraphs[place.paragraph]->lines[place.line];
      const size_t art = static_cast<size_t>(story.frames[static_cast<size_t>(place.frame)]);
      frames[frameAt[art]]["lines"].push_back({{"from", line.from},
                                               {"to", line.to},
                                               {"y", Points(place.baseline)},
                                               {"width", Points(line.width)},
                                               {"level", line.level},
                                               {"kashidas", line.kashidas},
                                               {"spaceStretch", Points(line.spaceStretch)}});
    }
  }
  return {{"kind", "layout"}, {"frames", std::move(frames)}};
}

std::string LayoutTable(const Json &layout) {
  std::string table;
  char row[160];
  for (const Json &frame : layout["frames"]) {
    table += "frame art " + frame["art"].dump() + ": " + std::to_string(frame["lines"].size()) +
             (frame["lines"].size() == 1 ? " line\n" : " lines\n");
    if (frame["lines"].empty()) continue;
    table += "    from      to       y    width  dir  kashidas  spaces\n";
    for (const Json &line : frame["lines"]) {
      std::snprintf(row, sizeof row, "  %6d  %6d  %6.1f  %7.1f  %s  %8d  %5.0f%%\n",
                    line["from"].get<int>(), line["to"].get<int>(), line["y"].get<double>(),
                    line["width"].get<double>(), line["level"].get<int>() == 1 ? "rtl" : "ltr",
                    line["kashidas"].get<int>(), line["spaceStretch"].get<double>() * 100);
      table += row;
    }
  }
  if (table.empty()) table = "no text frames\n";
  table.pop_back();
  return table;
}

}  // namespace zvhost::draw
