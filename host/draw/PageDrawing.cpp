#include "host/draw/PageDrawing.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <hb.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "host/compose/Font.h"
#include "host/core/UsageError.h"
#include "host/draw/ReadingOrder.h"

namespace zvhost::draw {

namespace {

using compose::FrameBox;
using compose::GlyphRole;
using engine::Selection;

constexpr double kMargin = 24;
// A PNG has two pixels a point, so that Arabic at text sizes reads well, and at most this
// many pixels a side; a larger page is drawn smaller.
constexpr double kPixelsPerPoint = 2;
constexpr double kMostPixels = 8192;

struct Colour {
  double red, green, blue, alpha = 1;
};
constexpr Colour kInk{0.11, 0.11, 0.12};
constexpr Colour kFrameEdge{0.62, 0.69, 0.77};
constexpr Colour kSelectionBlue{0.10, 0.45, 0.91};
constexpr Colour kHighlight{0.10, 0.45, 0.91, 0.22};
constexpr Colour kPathFill{0.85, 0.85, 0.85};
constexpr Colour kPathEdge{0.62, 0.62, 0.62};
constexpr Colour kOverflowRed{0.85, 0.19, 0.15};
constexpr Colour kNumberTab{0.37, 0.42, 0.48};

void SetColour(cairo_t *cr, const Colour &colour) {
  cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue, colour.alpha);
}

void Box(cairo_t *cr, const FrameBox &box) {
  cairo_rectangle(cr, box.left, box.top, box.width, box.height);
}

// The page: every art object's box, with the margin around them all.
FrameBox PageBox(const std::vector<FrameBox> &boxes) {
  if (boxes.empty()) return {0, 0, 2 * kMargin, 2 * kMargin};
  float left = boxes[0].left, top = boxes[0].top;
  float right = left + boxes[0].width, bottom = top + boxes[0].height;
  for (const FrameBox &box : boxes) {
    left = std::min(left, box.left);
    top = std::min(top, box.top);
    right = std::max(right, box.left + box.width);
    bottom = std::max(bottom, box.top + box.height);
  }
  const float margin = static_cast<float>(kMargin);
  return {left - margin, top - margin, right - left + 2 * margin, bottom - top + 2 * margin};
}

// A Cairo face for the composer's font. The face holds the font, whose FreeType face it draws
// with, for as long as Cairo keeps the face, which may be longer than this drawing.
cairo_font_face_t *CairoFace(const std::shared_ptr<const compose::Font> &font) {
  static const cairo_user_data_key_t kFontKey{};
  cairo_font_face_t *face = cairo_ft_font_face_create_for_ft_face(font->FreeTypeFace(), 0);
  auto *held = new std::shared_ptr<const compose::Font>(font);
  if (cairo_font_face_set_user_data(face, &kFontKey, held, [](void *data) {
        delete static_cast<std::shared_ptr<const compose::Font> *>(data);
      }) != CAIRO_STATUS_SUCCESS) {
    delete held;
    cairo_font_face_destroy(face);
    throw UsageError("snapshot doc: out of memory while setting up the font");
  }
  return face;
}

// Draws one story's lines in its frames; `highlight` gets the boxes of the glyphs of the
// selected text [from, to).
class StoryPainter {
 public:
  StoryPainter(cairo_t *cr, const std::vector<FrameBox> &boxes, const engine::Story &story,
               const compose::StoryLayout &layout)
      : cr_(cr), boxes_(boxes), story_(story), layout_(layout) {}

  void Paint(int32_t from, int32_t to) {
    if (!layout_.font) return;
    cairo_font_face_t *face = CairoFace(layout_.font);
    cairo_set_font_face(cr_, face);
    cairo_font_face_destroy(face);
    cairo_set_font_size(cr_, layout_.size);
    cairo_font_extents(cr_, &extents_);
    if (from < to) {
      ForEachLine([&](const compose::ComposedLine &line, const compose::ParagraphLayout &glyphs,
                      double x, double y) { Highlight(line, glyphs, x, y, from, to); });
      SetColour(cr_, kHighlight);
      cairo_fill(cr_);
    }
    SetColour(cr_, kInk);
    ForEachLine([&](const compose::ComposedLine &line, const compose::ParagraphLayout &glyphs,
                    double x, double y) { Line(line, glyphs, x, y); });
  }

 private:
  // Calls paint(line, paragraph, x, y) for every line set in a frame, at its left end on the
  // baseline.
  template <class Paint>
  void ForEachLine(Paint &&paint) {
    for (const compose::LinePlace &place : layout_.places) {
      if (place.frame < 0 || static_cast<size_t>(place.frame) >= story_.frames.size()) continue;
      const compose::ParagraphLayout &paragraph = *layout_.paragraphs[place.paragraph];
      const compose::ComposedLine &line = paragraph.lines[place.line];
      const FrameBox &box = boxes_[static_cast<size_t>(story_.frames[place.frame])];
      paint(line, paragraph, box.left + line.left, box.top + place.baseline);
    }
  }

  void Highlight(const compose::ComposedLine &line, const compose::ParagraphLayout &paragraph,
                 double x, double y, int32_t from, int32_t to) {
    for (uint32_t i = line.firstGlyph; i < line.firstGlyph + line.glyphCount; ++i) {
      const compose::PlacedGlyph &glyph = paragraph.glyphs[i];
      if (glyph.role == GlyphRole::kMark || glyph.cluster < from || glyph.cluster >= to) continue;
      cairo_rectangle(cr_, x + glyph.x, y - extents_.ascent, glyph.width,
                      extents_.ascent + extents_.descent);
    }
  }

  void Line(const compose::ComposedLine &line, const compose::ParagraphLayout &paragraph, double x,
            double y) {
    std::vector<cairo_glyph_t> glyphs;
    glyphs.reserve(line.glyphCount);
    for (uint32_t i = line.firstGlyph; i < line.firstGlyph + line.glyphCount; ++i) {
      const compose::PlacedGlyph &glyph = paragraph.glyphs[i];
      if (glyph.role == GlyphRole::kKashida) {
        Kashida(glyph, x, y);
      } else {
        glyphs.push_back({glyph.glyph, x + glyph.x, y - glyph.y});
      }
    }
    cairo_show_glyphs(cr_, glyphs.data(), static_cast<int>(glyphs.size()));
  }

  // The joining stroke's glyph stretched across the elongation's width: one continuous
  // stroke, however long, where copies side by side would show their seams.
  void Kashida(const compose::PlacedGlyph &glyph, double x, double y) {
    if (glyph.width <= 0) return;
    cairo_glyph_t one{glyph.glyph, 0, 0};
    cairo_text_extents_t ink;
    cairo_glyph_extents(cr_, &one, 1, &ink);
    if (ink.x_advance <= 0) {
      one.index = ShapedTatweel();
      cairo_glyph_extents(cr_, &one, 1, &ink);
      if (ink.x_advance <= 0) return;
    }
    cairo_save(cr_);
    cairo_translate(cr_, x + glyph.x, y - glyph.y);
    cairo_scale(cr_, glyph.width / ink.x_advance, 1);
    cairo_show_glyphs(cr_, &one, 1);
    cairo_restore(cr_);
  }

  // The glyph the font draws for a tatweel (U+0640). Some fonts map the character to an
  // empty glyph and put the drawn stroke in by substitution when the text is shaped (Amiri
  // does): shaping the character alone finds the stroke.
  uint32_t ShapedTatweel() {
    if (tatweel_) return *tatweel_;
    hb_buffer_t *buffer = hb_buffer_create();
    const uint32_t tatweel = 0x0640;
    hb_buffer_add_utf32(buffer, &tatweel, 1, 0, 1);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(layout_.font->HarfBuzzFont(), buffer, nullptr, 0);
    unsigned int count = 0;
    const hb_glyph_info_t *glyphs = hb_buffer_get_glyph_infos(buffer, &count);
    tatweel_ = count == 1 ? glyphs[0].codepoint : 0;
    hb_buffer_destroy(buffer);
    return *tatweel_;
  }

  cairo_t *cr_;
  const std::vector<FrameBox> &boxes_;
  const engine::Story &story_;
  const compose::StoryLayout &layout_;
  cairo_font_extents_t extents_{};
  std::optional<uint32_t> tatweel_;
};

// The small boxed plus that says the story has more text than its frames hold, at the end
// of its last frame.
void OverflowMark(cairo_t *cr, const FrameBox &last) {
  constexpr double kSide = 9;
  const double x = last.left + last.width - kSide - 3, y = last.top + last.height - kSide - 3;
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, x, y, kSide, kSide);
  cairo_fill_preserve(cr);
  SetColour(cr, kOverflowRed);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, x + kSide / 2, y + 2);
  cairo_line_to(cr, x + kSide / 2, y + kSide - 2);
  cairo_move_to(cr, x + 2, y + kSide / 2);
  cairo_line_to(cr, x + kSide - 2, y + kSide / 2);
  cairo_stroke(cr);
}

// The frame's place in its story's reading order, on a small tab above the corner where
// reading starts, clear of the text.
void ReadingNumber(cairo_t *cr, const FrameBox &box, uint32_t rank, bool fromRight) {
  constexpr double kSide = 11;
  const double x = fromRight ? box.left + box.width - kSide : box.left;
  const double top = box.top - kSide;
  SetColour(cr, kNumberTab);
  cairo_rectangle(cr, x, top, kSide, kSide);
  cairo_fill(cr);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 8);
  const std::string text = std::to_string(rank + 1);
  cairo_text_extents_t ink;
  cairo_text_extents(cr, text.c_str(), &ink);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, x + (kSide - ink.width) / 2 - ink.x_bearing,
                top + (kSide - ink.height) / 2 - ink.y_bearing);
  cairo_show_text(cr, text.c_str());
}

// A frame selected as a whole: its outline in the selection colour, with handles.
void SelectedOutline(cairo_t *cr, const FrameBox &box) {
  SetColour(cr, kSelectionBlue);
  cairo_set_line_width(cr, 1.5);
  Box(cr, box);
  cairo_stroke(cr);
  constexpr double kHandle = 5;
  for (double x : {box.left, box.left + box.width / 2, box.left + box.width}) {
    for (double y : {box.top, box.top + box.height / 2, box.top + box.height}) {
      if (x == box.left + box.width / 2 && y == box.top + box.height / 2) continue;
      cairo_rectangle(cr, x - kHandle / 2, y - kHandle / 2, kHandle, kHandle);
    }
  }
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  SetColour(cr, kSelectionBlue);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Paint(cairo_t *cr, const engine::Document &document, const DocumentPage &page) {
  const std::vector<FrameBox> &boxes = page.boxes;
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_font_options_t *options = cairo_font_options_create();
  // Glyphs stand where the composer put them: no hinting that would move them.
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);

  for (size_t art = 0; art < document.art.size(); ++art) {
    Box(cr, boxes[art]);
    if (document.art[art].kind == engine::ArtKind::kPath) {
      SetColour(cr, kPathFill);
      cairo_fill_preserve(cr);
      SetColour(cr, kPathEdge);
    } else {
      SetColour(cr, kFrameEdge);
    }
    cairo_set_line_width(cr, 0.75);
    cairo_stroke(cr);
  }

  const Selection &selection = document.selection;
  for (size_t index = 0; index < document.stories.size(); ++index) {
    const engine::Story &story = document.stories[index];
    const compose::StoryLayout &layout = page.stories[index];
    const bool selected =
        selection.kind == Selection::Kind::kText && selection.story == static_cast<int32_t>(index);
    StoryPainter(cr, boxes, story, layout)
        .Paint(selected ? selection.from : 0, selected ? selection.to : 0);

    std::vector<FrameBox> frames;
    for (int32_t art : story.frames) frames.push_back(boxes[static_cast<size_t>(art)]);
    const bool fromRight = document.art[static_cast<size_t>(story.frames[0])].storyDirection == 1;
    const std::vector<uint32_t> ranks = ReadingOrder(frames, fromRight);
    for (size_t frame = 0; frame < frames.size(); ++frame) {
      ReadingNumber(cr, frames[frame], ranks[frame], fromRight);
    }
    if (layout.overflowFrom >= 0) OverflowMark(cr, frames.back());
  }

  if (selection.kind == Selection::Kind::kArt) {
    for (int32_t art : selection.art) SelectedOutline(cr, boxes[static_cast<size_t>(art)]);
  }
}

cairo_status_t Append(void *closure, const unsigned char *data, unsigned int length) {
  static_cast<std::string *>(closure)->append(reinterpret_cast<const char *>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The surface's state as a user reads it; throws UsageError when it failed.
void Check(cairo_status_t status) {
  if (status != CAIRO_STATUS_SUCCESS) {
    throw UsageError(std::string("snapshot doc: cannot draw the page: ") +
                     cairo_status_to_string(status));
  }
}

}  // namespace

PictureKind PictureKindOf(const std::string &path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  std::string extension;
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    extension = path.substr(dot);
  }
  std::string lower = extension;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == ".svg") return PictureKind::kSvg;
  if (lower == ".png") return PictureKind::kPng;
  if (lower == ".pdf") return PictureKind::kPdf;
  const std::string named =
      extension.empty() ? "'" + path + "' has no extension" : "the extension '" + extension + "'";
  throw UsageError("snapshot doc: " + named +
                   " names no picture it can draw (use .svg, .png or .pdf)");
}

std::string DrawPage(const engine::Document &document, const DocumentPage &page, PictureKind kind) {
  const FrameBox area = PageBox(page.boxes);
  std::string bytes;
  cairo_surface_t *surface = nullptr;
  double scale = 1;
  switch (kind) {
    case PictureKind::kSvg:
      surface = cairo_svg_surface_create_for_stream(Append, &bytes, area.width, area.height);
      break;
    case PictureKind::kPdf:
      surface = cairo_pdf_surface_create_for_stream(Append, &bytes, area.width, area.height);
      break;
    case PictureKind::kPng:
      scale = std::min(kPixelsPerPoint, kMostPixels / std::max(area.width, area.height));
      surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32,
                                           static_cast<int>(std::ceil(area.width * scale)),
                                           static_cast<int>(std::ceil(area.height * scale)));
      break;
  }
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t *)> owned(surface,
                                                                      cairo_surface_destroy);
  Check(cairo_surface_status(surface));
  {
    std::unique_ptr<cairo_t, void (*)(cairo_t *)> cr(cairo_create(surface), cairo_destroy);
    cairo_scale(cr.get(), scale, scale);
    cairo_translate(cr.get(), -area.left, -area.top);
    Paint(cr.get(), document, page);
    Check(cairo_status(cr.get()));
  }
  if (kind == PictureKind::kPng) {
    Check(cairo_surface_write_to_png_stream(surface, Append, &bytes));
  }
  cairo_surface_finish(surface);
  Check(cairo_surface_status(surface));
  return bytes;
}

}  // namespace zvhost::draw
