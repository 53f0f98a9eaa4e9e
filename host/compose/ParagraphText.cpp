#include "host/compose/ParagraphText.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace zvhost::compose {

ParagraphText::ParagraphText(const engine::Story &story, uint32_t index)
    : paragraph(story.Paragraphs()[index]) {
  const std::string &utf8 = paragraph.text;
  text.reserve(paragraph.length);
  utf16.reserve(paragraph.length);
  utf16Offset.reserve(paragraph.length + 1);
  const auto *bytes = reinterpret_cast<const uint8_t *>(utf8.data());
  int32_t size = static_cast<int32_t>(utf8.size());
  for (int32_t at = 0; at < size;) {
    UChar32 c;
    U8_NEXT(bytes, at, size, c);
    if (c < 0) c = 0xFFFD;  // the document reader admits only well-formed text
    utf16Offset.push_back(static_cast<int32_t>(utf16.size()));
    text.push_back(static_cast<char32_t>(c));
    if (U16_LENGTH(c) == 1) {
      utf16.push_back(static_cast<char16_t>(c));
    } else {
      utf16.push_back(static_cast<char16_t>(U16_LEAD(c)));
      utf16.push_back(static_cast<char16_t>(U16_TRAIL(c)));
    }
  }
  utf16Offset.push_back(static_cast<int32_t>(utf16.size()));
  runOf.resize(text.size());
  int32_t start = paragraph.start;
  story.ForEachRun(start, start + Length(), 0,
                   [&](int32_t from, int32_t to, const engine::CharAttributes &attributes) {
                     for (int32_t at = from; at < to; ++at) {
                       runOf[at - start] = static_cast<uint32_t>(runs.size());
                     }
                     runs.push_back(attributes);
                   });
}

}  // namespace zvhost::compose
