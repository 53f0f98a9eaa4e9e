#include "host/compose/Font.h"

#include <fontconfig/fontconfig.h>
#include <hb-ft.h>
#include <hb-ot.h>
#include <strings.h>

#include <stdexcept>

namespace zvhost::compose {

namespace {

struct FoundFile {
  std::string path;
  int index = 0;
};

// Fontconfig answers every query with some font; the match counts only when one of its
// family names is the one asked for.
FoundFile FindFamily(const std::string &family) {
  if (!FcInit()) throw std::runtime_error("font \"" + family + "\": fontconfig cannot start");
  FcPattern *pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern *match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  FoundFile found;
  bool sameFamily = false;
  if (match) {
    FcChar8 *name = nullptr;
    for (int n = 0; FcPatternGetString(match, FC_FAMILY, n, &name) == FcResultMatch; ++n) {
      if (strcasecmp(reinterpret_cast<const char *>(name), family.c_str()) == 0) sameFamily = true;
    }
    FcChar8 *file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      found.path = reinterpret_cast<const char *>(file);
    }
    FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
    FcPatternDestroy(match);
  }
  if (!sameFamily || found.path.empty()) {
    throw std::runtime_error("font \"" + family +
                             "\" is not installed (fc-list lists the families)");
  }
  return found;
}

}  // namespace

std::shared_ptr<const Font> Font::Open(const std::string &family) {
  FoundFile found = FindFamily(family);
  std::shared_ptr<Font> font(new Font());
  font->family_ = family;
  font->file_ = found.path;
  if (FT_Init_FreeType(&font->library_) != 0) {
    throw std::runtime_error("font \"" + family + "\": FreeType cannot start");
  }
  if (FT_New_Face(font->library_, found.path.c_str(), found.index, &font->face_) != 0) {
    throw std::runtime_error("font \"" + family + "\": FreeType cannot open " + found.path);
  }
  font->unitsPerEm_ = font->face_->units_per_EM > 0 ? font->face_->units_per_EM : 1000;
  font->font_ = hb_ft_font_create_referenced(font->face_);
  // HarfBuzz's own table readers measure the same outlines as FreeType, unhinted, and
  // faster; positions come out in font units.
  hb_ot_font_set_funcs(font->font_);
  hb_font_set_scale(font->font_, font->unitsPerEm_, font->unitsPerEm_);
  hb_codepoint_t tatweel = 0;
  if (hb_font_get_nominal_glyph(font->font_, 0x0640, &tatweel)) font->tatweel_ = tatweel;
  return font;
}

Font::~Font() {
  if (font_) hb_font_destroy(font_);
  if (face_) FT_Done_Face(face_);
  if (library_) FT_Done_FreeType(library_);
}

bool Font::IsMarkGlyph(uint32_t glyph) const {
  return hb_ot_layout_get_glyph_class(hb_font_get_face(font_), glyph) ==
         HB_OT_LAYOUT_GLYPH_CLASS_MARK;
}

}  // namespace zvhost::compose
