// Writing the document file: every attribute written out, runs merged, so the same document
// always gives the same text.
#include "host/engine/DocumentFile.h"
#include "host/engine/FloatText.h"

namespace zvhost::engine {

namespace {

template <size_t N>
void WriteAttributes(Json &object, const AttributeValues<N> &values,
                     const AttributeInfo (&infos)[N]) {
  for (size_t i = 0; i < N; ++i) {
    switch (infos[i].kind) {
      case ValueKind::kInteger:
        object[infos[i].name] = values[i];
        break;
      case ValueKind::kFloat:
        object[infos[i].name] = FloatJson(BitsFloat(values[i]));
        break;
      case ValueKind::kBoolean:
        object[infos[i].name] = values[i] != 0;
        break;
    }
  }
}

Json StoryJson(const Story &story) {
  Json paragraphs = Json::array();
  for (uint32_t i = 0; i < story.Paragraphs().size(); ++i) {
    const Paragraph &paragraph = story.Paragraphs()[i];
    Json object = {{"text", paragraph.text}};
    WriteAttributes(object, paragraph.attributes, kParaAttributes);
    if (paragraph.alignment != Alignment::kJustify) {
      object["alignment"] = kAlignmentNames[static_cast<size_t>(paragraph.alignment)];
    }
    Json runs = Json::array();
    for (const RunSpan &span : story.ParagraphRuns(i)) {
      Json run = {{"length", span.length}};
      WriteAttributes(run, span.attributes, kCharAttributes);
      runs.push_back(std::move(run));
    }
    object["runs"] = std::move(runs);
    if (const std::optional<CharAttributes> separator = story.SeparatorAttributes(i)) {
      Json attributes = Json::object();
      WriteAttributes(attributes, *separator, kCharAttributes);
      object["separator"] = std::move(attributes);
    }
    paragraphs.push_back(std::move(object));
  }
  Json object = {{"paragraphs", std::move(paragraphs)}};
  // The font and size only where they differ from the defaults, which files without them get.
  static const Story defaults;
  if (story.font != defaults.font) object["font"] = story.font;
  if (story.size != defaults.size) object["size"] = FloatJson(story.size);
  return object;
}

Json ArtJson(const Art &art) {
  if (art.kind == ArtKind::kPath) return {{"kind", "path"}};
  Json object = {{"kind", "text"}, {"story", art.story}, {"storyDirection", art.storyDirection}};
  if (const std::optional<FrameBounds> &box = art.bounds) {
    object["bounds"] = {FloatJson(box->left), FloatJson(box->top), FloatJson(box->width),
                        FloatJson(box->height)};
  }
  return object;
}

}  // namespace

Json DocumentJson(const Document &document) {
  Json stories = Json::array();
  for (const Story &story : document.stories) stories.push_back(StoryJson(story));
  Json art = Json::array();
  for (const Art &object : document.art) art.push_back(ArtJson(object));
  return {{"format", kDocumentFormat}, {"stories", std::move(stories)}, {"art", std::move(art)}};
}

std::string DocumentFileText(const Document &document) {
  return DocumentJson(document).dump(2) + "\n";
}

}  // namespace zvhost::engine
