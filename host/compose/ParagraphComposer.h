// Composes one paragraph of a story for one measure: bidi, shaping, marks, line breaking,
// then each line set.
#pragma once

#include <cstdint>
#include <memory>

#include "host/compose/Font.h"
#include "host/compose/Layout.h"
#include "host/engine/Story.h"

namespace zvhost::compose {

// Paragraph `index` of `story` in `font` at `size` points, its lines `measure` points wide.
// Throws std::runtime_error when ICU refuses the text.
std::shared_ptr<const ParagraphLayout> ComposeParagraph(const engine::Story &story, uint32_t index,
                                                        const Font &font, float size,
                                                        float measure);

}  // namespace zvhost::compose
