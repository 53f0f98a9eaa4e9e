#include "host/compose/ShapedParagraph.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "host/compose/DigitSets.h"

namespace zvhost::compose {

namespace {

using BufferPointer = std::unique_ptr<hb_buffer_t, decltype(&hb_buffer_destroy)>;

bool IsWeakScript(hb_script_t script) {
  return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN;
}

// Each character's script; common and inherited characters (spaces, digits, punctuation,
// marks) take the script of the text before them, or after them at the paragraph's start.
std::vector<hb_script_t> Scripts(const std::u32string &text) {
  hb_unicode_funcs_t *unicode = hb_unicode_funcs_get_default();
  std::vector<hb_script_t> scripts(text.size());
  hb_script_t previous = HB_SCRIPT_COMMON;
  size_t leading = 0;  // how many characters before the first strong script
  for (size_t at = 0; at < text.size(); ++at) {
    hb_script_t script = hb_unicode_script(unicode, text[at]);
    if (IsWeakScript(script)) {
      script = previous;
    } else if (IsWeakScript(previous)) {
      leading = at;
    }
    if (IsWeakScript(previous) && !IsWeakScript(script)) {
      for (size_t before = 0; before < leading; ++before) scripts[before] = script;
    }
    scripts[at] = script;
    previous = script;
  }
  return scripts;
}

// What makes characters shape differently besides level and script.
bool MarksUnpositioned(const ParagraphText &text, int32_t at) {
  return text.Complex() && text.Char(engine::kDiacVPos, at) == 0;
}

}  // namespace

ShapedParagraph Shape(const ParagraphText &text, const std::vector<uint8_t> &levels,
                      const Font &font) {
  ShapedParagraph shaped;
  int32_t length = text.Length();
  shaped.clusterOf.resize(length);
  if (length == 0) return shaped;

  std::u32string shown = text.text;
  if (text.Complex()) {
    for (int32_t at = 0; at < length; ++at) {
      shown[at] = ShownDigit(shown[at], text.Char(engine::kDigitSet, at));
    }
  }
  std::vector<hb_script_t> scripts = Scripts(text.text);
  static const hb_feature_t kNoMarkPositioning[] = {
      {HB_TAG('m', 'a', 'r', 'k'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
      {HB_TAG('m', 'k', 'm', 'k'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END}};

  BufferPointer buffer(hb_buffer_create(), hb_buffer_destroy);
  shaped.glyphs.reserve(length);
  shaped.clusters.reserve(length);
  std::vector<std::pair<unsigned, unsigned>> groups;  // glyph spans of one cluster
  for (int32_t start = 0; start < length;) {
    bool unpositioned = MarksUnpositioned(text, start);
    int32_t end = start + 1;
    while (end < length && levels[end] == levels[start] && scripts[end] == scripts[start] &&
           MarksUnpositioned(text, end) == unpositioned) {
      ++end;
    }
    bool rightToLeft = (levels[start] & 1) != 0;
    hb_buffer_clear_contents(buffer.get());
    hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const uint32_t *>(shown.data()), length,
                        start, end - start);
    hb_buffer_set_direction(buffer.get(), rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer.get(), scripts[start]);
    hb_buffer_set_language(buffer.get(), hb_language_get_default());
    hb_shape(font.HarfBuzzFont(), buffer.get(), unpositioned ? kNoMarkPositioning : nullptr,
             unpositioned ? 2 : 0);

    unsigned count = 0;
    const hb_glyph_info_t *infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
    const hb_glyph_position_t *positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
    // HarfBuzz gives right-to-left text in visual order: its clusters come last to first.
    groups.clear();
    for (unsigned at = 0; at < count;) {
      unsigned first = at;
      while (at < count && infos[at].cluster == infos[first].cluster) ++at;
      groups.push_back({first, at});
    }
    if (rightToLeft) std::reverse(groups.begin(), groups.end());
    for (auto [first, last] : groups) {
      ShapedCluster cluster;
      cluster.start = static_cast<int32_t>(infos[first].cluster);
      cluster.firstGlyph = static_cast<uint32_t>(shaped.glyphs.size());
      cluster.glyphCount = last - first;
      cluster.rightToLeft = rightToLeft;
      for (unsigned at = first; at < last; ++at) {
        ShapedGlyph glyph;
        glyph.glyph = infos[at].codepoint;
        glyph.advance = positions[at].x_advance;
        glyph.xOffset = positions[at].x_offset;
        glyph.yOffset = positions[at].y_offset;
        glyph.mark = font.IsMarkGlyph(glyph.glyph);
        cluster.advance += glyph.advance;
        shaped.glyphs.push_back(glyph);
      }
      shaped.clusters.push_back(cluster);
    }
    start = end;
  }
  for (size_t index = 0; index < shaped.clusters.size(); ++index) {
    ShapedCluster &cluster = shaped.clusters[index];
    int32_t next = index + 1 < shaped.clusters.size() ? shaped.clusters[index + 1].start : length;
    cluster.length = next - cluster.start;
    for (int32_t at = cluster.start; at < next; ++at) {
      shaped.clusterOf[at] = static_cast<uint32_t>(index);
    }
  }
  return shaped;
}

}  // namespace zvhost::compose
