// One font face, open once for composing and drawing alike: the file fontconfig chose for a
// family, its FreeType face and the HarfBuzz font made from it. Positions from HarfBuzz are
// in font units (the font's scale is its units per em).
#pragma once

#include <hb.h>

#include <cstdint>
#include <memory>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace zvhost::compose {

class Font {
 public:
  // Opens the font fontconfig has for `family`. Throws std::runtime_error naming the family
  // when none of the installed fonts carries it (fontconfig would substitute another).
  static std::shared_ptr<const Font> Open(const std::string &family);

  Font(const Font &) = delete;
  Font &operator=(const Font &) = delete;
  ~Font();

  FT_Face FreeTypeFace() const { return face_; }
  hb_font_t *HarfBuzzFont() const { return font_; }
  const std::string &Family() const { return family_; }
  const std::string &File() const { return file_; }
  int32_t UnitsPerEm() const { return unitsPerEm_; }
  // The glyph of the tatweel (U+0640), drawn stretched for a kashida; 0 when the font has none.
  uint32_t TatweelGlyph() const { return tatweel_; }
  // Whether the font's glyph definition classes `glyph` as a mark.
  bool IsMarkGlyph(uint32_t glyph) const;

 private:
  Font() = default;

  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  hb_font_t *font_ = nullptr;
  std::string family_;
  std::string file_;
  int32_t unitsPerEm_ = 1000;
  uint32_t tatweel_ = 0;
};

}  // namespace zvhost::compose
