#include "host/engine/StoryText.h"

namespace zvhost::engine {

namespace {

constexpr const char *kParagraphSeparator = "\xE2\x80\xA9";  // U+2029

bool StartsCodePoint(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

int32_t CodePointsIn(const std::string &text, size_t from, size_t to) {
  int32_t points = 0;
  for (size_t i = from; i < to; ++i) points += StartsCodePoint(text[i]) ? 1 : 0;
  return points;
}

std::string WholeText(const Story &story) {
  std::string text;
  for (const Paragraph &paragraph : story.Paragraphs()) {
    if (&paragraph != &story.Paragraphs().front()) text += kParagraphSeparator;
    text += paragraph.text;
  }
  return text;
}

}  // namespace

std::optional<Found> FindText(const Story &story, const std::string &text, int64_t occurrence) {
  const std::string whole = WholeText(story);
  size_t at = whole.find(text);
  for (int64_t n = 0; at != std::string::npos && n < occurrence; ++n) {
    // The next occurrence may begin inside this one: step one code point on.
    size_t next = at + 1;
    while (next < whole.size() && !StartsCodePoint(whole[next])) ++next;
    at = whole.find(text, next);
  }
  if (at == std::string::npos) return std::nullopt;
  const int32_t from = CodePointsIn(whole, 0, at);
  return Found{from, from + CodePointsIn(text, 0, text.size())};
}

int64_t CountText(const Story &story, const std::string &text) {
  int64_t count = 0;
  while (FindText(story, text, count)) ++count;
  return count;
}

Json StoryWords(const Story &story) {
  Json paragraphs = Json::array();
  for (const Paragraph &paragraph : story.Paragraphs()) {
    Json words = Json::array();
    const std::string &text = paragraph.text;
    size_t i = 0;
    while (i < text.size()) {
      if (text[i] == ' ' || text[i] == '\t') {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
      const int32_t from = paragraph.start + CodePointsIn(text, 0, i);
      words.push_back({{"from", from},
                       {"to", from + CodePointsIn(text, i, end)},
                       {"text", text.substr(i, end - i)}});
      i = end;
    }
    paragraphs.push_back({{"from", paragraph.start},
                          {"to", paragraph.start + paragraph.length},
                          {"words", std::move(words)}});
  }
  return paragraphs;
}

}  // namespace zvhost::engine
