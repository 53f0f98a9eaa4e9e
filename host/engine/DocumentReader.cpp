// Reading the document file straight from the parser's events: paragraphs and runs go into
// the document as they are read, without a JSON tree of the file; the small values and the
// art objects are checked whole. Every fault is named by its place, and the first one found
// ends the reading.
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string>

#include "host/engine/DocumentFile.h"
#include "host/engine/FloatText.h"
#include "host/engine/GuardedJsonReader.h"
#include "host/engine/Utf8.h"

namespace zvhost::engine {

namespace {

using nlohmann::json;
using Place = JsonPlace;

// The file's own nesting is seven containers deep; anything much deeper is no document.
constexpr int kMaxDepth = 16;
constexpr int64_t kMaxInt32 = std::numeric_limits<int32_t>::max();
// The largest type and the farthest place the page offers, in points: as drawing
// applications limit them, and far inside what a float measures exactly enough.
constexpr double kMaxFontSize = 1296;
constexpr double kMaxPagePoints = 16383;

// A value as the message shows it: short, and as JSON, so a text is quoted.
std::string Shown(const json &value) {
  std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
  return text.size() <= 40 ? text : text.substr(0, 37) + "...";
}

void ExpectType(const json &value, json::value_t type, const char *what, const Place &place) {
  if (value.type() != type)
    Refuse(place, std::string("expected ") + what + ", found " + Shown(value));
}

// Refuses any field of `object` that is neither in `fields` nor an attribute's name.
void CheckFields(const json &object, const Place &place,
                 std::initializer_list<std::string_view> fields,
                 std::span<const AttributeInfo> attributes = {}) {
  for (const auto &[name, value] : object.items()) {
    bool known = false;
    for (std::string_view field : fields) known = known || field == name;
    for (const AttributeInfo &attribute : attributes) known = known || name == attribute.name;
    if (!known) Refuse(place, "unknown field \"" + name + "\"");
  }
}

const json &Required(const json &object, const char *field, const Place &place) {
  auto found = object.find(field);
  if (found == object.end()) Refuse(place, std::string("missing field \"") + field + "\"");
  return *found;
}

int32_t ReadWholeNumber(const json &value, int64_t low, const Place &place) {
  bool fits = false;
  if (value.is_number_unsigned()) {
    fits = value.get<uint64_t>() <= static_cast<uint64_t>(kMaxInt32);
  } else if (value.is_number_integer()) {
    int64_t number = value.get<int64_t>();
    fits = number >= low && number <= kMaxInt32;
  }
  if (!fits) {
    Refuse(place, "expected a whole number from " + std::to_string(low) + " to " +
                      std::to_string(kMaxInt32) + ", found " + Shown(value));
  }
  return static_cast<int32_t>(value.get<int64_t>());
}

int32_t ReadFloatBits(const json &value, const Place &place) {
  if (value.is_string()) {
    if (auto special = ParseNonFiniteFloat(value.get_ref<const std::string &>())) {
      return FloatBits(*special);
    }
  } else if (value.is_number()) {
    double number = value.get<double>();
    // Halfway between the largest float and the next power of two: anything below rounds
    // to a finite float (the shortest text of the largest float is a little above it).
    constexpr double kFloatLimit = 0x1.ffffffp+127;
    if (std::isfinite(number) && std::fabs(number) < kFloatLimit) {
      return FloatBits(static_cast<float>(number));
    }
  }
  Refuse(place,
         "expected a number that fits a 32-bit float (or \"NaN\", \"Infinity\", "
         "\"-Infinity\"), found " +
             Shown(value));
}

// A finite number in points; `positive` asks for one above 0. `most` bounds it from above.
float ReadPoints(const json &value, bool positive, double most, const Place &place) {
  if (value.is_number()) {
    double number = value.get<double>();
    if (std::isfinite(number) && (positive ? number > 0 : number >= -most) && number <= most) {
      return static_cast<float>(number);
    }
  }
  std::string low = positive ? "above 0" : "from " + FloatJson(static_cast<float>(-most)).dump();
  Refuse(place, "expected a number of points " + low + " to " +
                    FloatJson(static_cast<float>(most)).dump() + ", found " + Shown(value));
}

int32_t ReadAttribute(const json &value, const AttributeInfo &info, const Place &place) {
  switch (info.kind) {
    case ValueKind::kInteger:
      return ReadWholeNumber(value, std::numeric_limits<int32_t>::min(), place);
    case ValueKind::kFloat:
      return ReadFloatBits(value, place);
    case ValueKind::kBoolean:
      ExpectType(value, json::value_t::boolean, "true or false", place);
      return value.get<bool>() ? 1 : 0;
  }
  return 0;
}

template <size_t N>
AttributeValues<N> ReadAttributes(const json &object, const AttributeInfo (&infos)[N],
                                  const Place &place) {
  AttributeValues<N> values{};
  for (size_t i = 0; i < N; ++i) {
    auto found = object.find(infos[i].name);
    if (found != object.end())
      values[i] = ReadAttribute(*found, infos[i], place.Field(infos[i].name));
  }
  return values;  // left out: 0
}

// A paragraph's text and its length in code points.
int32_t ReadParagraphText(const json &value, const Place &place) {
  ExpectType(value, json::value_t::string, "a text", place);
  const std::string &text = value.get_ref<const std::string &>();
  Utf8Check check = CheckUtf8(text);
  if (!check.valid) {
    Refuse(place, "byte " + std::to_string(check.badByte) + " is not well-formed UTF-8");
  }
  if (check.firstBreak >= 0) {
    Refuse(place, "a paragraph break (CR, LF or U+2029) at code point " +
                      std::to_string(check.firstBreak) +
                      "; every paragraph is an entry of its own in \"paragraphs\"");
  }
  if (check.codePoints > kMaxInt32) Refuse(place, "longer than 2147483647 code points");
  return static_cast<int32_t>(check.codePoints);
}

Alignment ReadAlignment(const json &value, const Place &place) {
  for (size_t i = 0; i < kAlignmentNames.size(); ++i) {
    if (value == kAlignmentNames[i]) return static_cast<Alignment>(i);
  }
  Refuse(place, "expected \"justify\", \"start\", \"end\" or \"center\", found " + Shown(value));
}

// [left, top, width, height], points; the box must have an inside.
FrameBounds ReadBounds(const json &value, const Place &place) {
  if (!value.is_array() || value.size() != 4) {
    Refuse(place, "expected [left, top, width, height] in points, found " + Shown(value));
  }
  return {ReadPoints(value[0], false, kMaxPagePoints, place.Item(0)),
          ReadPoints(value[1], false, kMaxPagePoints, place.Item(1)),
          ReadPoints(value[2], true, kMaxPagePoints, place.Item(2)),
          ReadPoints(value[3], true, kMaxPagePoints, place.Item(3))};
}

Art ReadArt(const json &value, size_t storyCount, const Place &place) {
  ExpectType(value, json::value_t::object, "an art object (an object)", place);
  const json &kind = Required(value, "kind", place);
  Art art;
  if (kind == "path") {
    CheckFields(value, place, {"kind"});
    return art;
  }
  if (kind != "text")
    Refuse(place.Field("kind"), "expected \"text\" or \"path\", found " + Shown(kind));
  CheckFields(value, place, {"kind", "story", "storyDirection", "bounds"});
  art.kind = ArtKind::kText;
  Place storyPlace = place.Field("story");
  art.story = ReadWholeNumber(Required(value, "story", place), 0, storyPlace);
  if (static_cast<size_t>(art.story) >= storyCount) {
    Refuse(storyPlace, "story " + std::to_string(art.story) + " does not exist (the file has " +
                           std::to_string(storyCount) +
                           (storyCount == 1 ? " story)" : " stories)"));
  }
  if (auto direction = value.find("storyDirection"); direction != value.end()) {
    art.storyDirection = ReadWholeNumber(*direction, std::numeric_limits<int32_t>::min(),
                                         place.Field("storyDirection"));
  }
  if (auto bounds = value.find("bounds"); bounds != value.end())
    art.bounds = ReadBounds(*bounds, place.Field("bounds"));
  return art;
}

// The fields each object may have, fixed ones first, then the attributes by their names.
template <size_t M, size_t N>
constexpr std::array<std::string_view, M + N> FieldNames(const std::string_view (&fixed)[M],
                                                         const AttributeInfo (&attributes)[N]) {
  std::array<std::string_view, M + N> names{};
  for (size_t i = 0; i < M; ++i) names[i] = fixed[i];
  for (size_t i = 0; i < N; ++i) names[M + i] = attributes[i].name;
  return names;
}

constexpr std::string_view kDocumentFields[] = {"format", "stories", "art"};
constexpr int kFormatField = 0, kStoriesField = 1, kArtField = 2;
constexpr std::string_view kStoryFields[] = {"paragraphs", "font", "size"};
constexpr int kParagraphsField = 0, kFontField = 1, kSizeField = 2;
constexpr std::string_view kParagraphFixedFields[] = {"text", "runs", "separator", "alignment"};
constexpr int kTextField = 0, kRunsField = 1, kSeparatorField = 2, kAlignmentField = 3;
constexpr auto kParagraphFields = FieldNames(kParagraphFixedFields, kParaAttributes);
constexpr std::string_view kRunFixedFields[] = {"length"};
constexpr int kLengthField = 0;
constexpr auto kRunFields = FieldNames(kRunFixedFields, kCharAttributes);

// The order in which each object's checks stand (see GuardedJsonReader::FieldRank): the
// document's format, stories and art; a story's list of paragraphs (whether it is one and
// not empty), font, size, then the paragraphs themselves; a paragraph's text, the story's
// length with it, its attributes, runs, the runs' sum, alignment and separator; a run's
// length, then its attributes. What is not a field has a rank of its own.
constexpr int kFormatRank = 0, kStoriesListRank = 1, kStoriesRank = 2, kArtListRank = 3,
              kArtRank = 4, kFramesRank = 5;
constexpr int kParagraphsListRank = 0, kFontRank = 1, kSizeRank = 2, kParagraphsRank = 3;
constexpr int kTextRank = 0, kStoryLengthRank = 1, kParaAttributesRank = 2,
              kRunsRank = kParaAttributesRank + kParaAttributeCount, kRunsSumRank = kRunsRank + 1,
              kAlignmentRank = kRunsRank + 2, kSeparatorRank = kRunsRank + 3;
constexpr int kLengthRank = 0;

bool Has(uint64_t seen, int field) {
  return (seen >> field & 1) != 0;
}

// Refuses an object, `depth` containers deep, that lacks `fields[field]`; the fault ranks
// with the field's checks.
void Require(uint64_t seen, std::span<const std::string_view> fields, int field, int rank,
             const Place &place, size_t depth) {
  if (Has(seen, field)) return;
  Ranked(depth, {rank},
         [&] { Refuse(place, "missing field \"" + std::string(fields[field]) + "\""); });
}

// Builds the document from the parser's events. The containers read event by event are the
// document, its stories, their paragraphs and the paragraphs' runs; the art objects are kept
// whole until the stories they show are all known, whatever the order of the fields.
class DocumentEvents : public GuardedJsonReader {
 public:
  DocumentEvents() : GuardedJsonReader(kMaxDepth) {}

  Document Take() { return std::move(document_); }

 private:
  enum Kind { kDocument, kStories, kStory, kParagraphs, kParagraph, kRuns, kRun, kArtList };

  // The paragraph being read.
  struct ParagraphRead {
    std::string text;
    int32_t length = 0;
    ParaAttributes attributes{};
    Alignment alignment = Alignment::kJustify;
    std::optional<CharAttributes> separator;
  };

  // The story being read: its paragraphs so far, and the separator after the last of them.
  struct StoryRead {
    size_t paragraphs = 0;
    std::optional<CharAttributes> separator;
    bool lastHasSeparator = false;
  };

  std::span<const std::string_view> Fields(int kind) const override {
    switch (kind) {
      case kDocument:
        return kDocumentFields;
      case kStory:
        return kStoryFields;
      case kParagraph:
        return kParagraphFields;
      case kRun:
        return kRunFields;
      default:
        return {};
    }
  }

  int FieldRank(int kind, int field) const override {
    switch (kind) {
      case kDocument:
        return field == kFormatField ? kFormatRank
                                     : (field == kStoriesField ? kStoriesRank : kArtRank);
      case kStory:
        return field == kParagraphsField ? kParagraphsRank
                                         : (field == kFontField ? kFontRank : kSizeRank);
      case kParagraph:
        switch (field) {
          case kTextField:
            return kTextRank;
          case kRunsField:
            return kRunsRank;
          case kSeparatorField:
            return kSeparatorRank;
          case kAlignmentField:
            return kAlignmentRank;
          default:
            return kParaAttributesRank + field - static_cast<int>(std::size(kParagraphFixedFields));
        }
      case kRun:
        return field;  // the length, then the attributes in their order
      default:
        return 0;
    }
  }

  // The lists' own checks stand before the fields that rank before their contents.
  int FirstRank(int kind, int field) const override {
    if (kind == kDocument && field == kStoriesField) return kStoriesListRank;
    if (kind == kDocument && field == kArtField) return kArtListRank;
    if (kind == kStory && field == kParagraphsField) return kParagraphsListRank;
    return FieldRank(kind, field);
  }

  int OnOpen(const Spot &spot, bool array) override {
    switch (spot.kind) {
      case kWhole:
        if (!array) return kDocument;
        break;
      case kDocument:
        if (array && spot.field == kStoriesField) return kStories;
        if (array && spot.field == kArtField) return kArtList;
        break;
      case kStories:
        if (array) break;
        document_.stories.emplace_back();
        story_ = {};
        return kStory;
      case kStory:
        if (array && spot.field == kParagraphsField) return kParagraphs;
        break;
      case kParagraphs:
        if (array) break;
        paragraph_ = {};
        runs_.clear();
        runsTotal_ = 0;
        return kParagraph;
      case kParagraph:
        if (array && spot.field == kRunsField) return kRuns;
        break;
      case kRuns:
        if (array) break;
        run_ = {};
        return kRun;
      default:
        break;
    }
    return kWhole;
  }

  void OnValue(const Spot &spot, json &&value) override {
    const Place at = At(spot.depth);
    switch (spot.kind) {
      case kWhole:
        ExpectType(value, json::value_t::object, "a document (an object)", at);
        break;
      case kDocument:
        DocumentField(spot.field, value, at);
        break;
      case kStories:
        ExpectType(value, json::value_t::object, "a story (an object)", at);
        break;
      case kStory:
        StoryField(spot.field, value, at, spot.depth);
        break;
      case kParagraphs:
        ExpectType(value, json::value_t::object, "a paragraph (an object)", at);
        break;
      case kParagraph:
        ParagraphField(spot.field, value, at, spot.depth);
        break;
      case kRuns:
        ExpectType(value, json::value_t::object, "a run (an object)", at);
        break;
      case kRun:
        if (spot.field == kLengthField) {
          run_.length = ReadWholeNumber(value, 0, at);
        } else {
          const int attribute = spot.field - std::size(kRunFixedFields);
          run_.attributes[attribute] = ReadAttribute(value, kCharAttributes[attribute], at);
        }
        break;
      case kArtList:
        art_.push_back(std::move(value));
        break;
    }
  }

  void OnClose(const Spot &spot, uint64_t seen) override {
    const Place at = At(spot.depth);
    switch (spot.kind) {
      case kDocument:
        FinishDocument(seen, at);
        break;
      case kStory:
        Require(seen, kStoryFields, kParagraphsField, kParagraphsListRank, at, spot.depth);
        break;
      case kParagraphs:
        if (spot.index == 0) {
          Ranked(spot.depth - 1, {kParagraphsListRank},
                 [&] { Refuse(at, "a story has at least one paragraph"); });
        }
        // Checked before the separator's own attributes.
        if (story_.lastHasSeparator) {
          Ranked(spot.depth, {static_cast<int>(spot.index) - 1, kSeparatorRank, -1}, [&] {
            Refuse(at.Item(spot.index - 1).Field("separator"),
                   "the last paragraph of a story has no separator");
          });
        }
        break;
      case kParagraph:
        FinishParagraph(seen, at, spot.depth);
        break;
      case kRun:
        Require(seen, kRunFields, kLengthField, kLengthRank, at, spot.depth);
        runsTotal_ += run_.length;
        runs_.push_back(run_);
        break;
      default:
        break;
    }
  }

  void DocumentField(int field, const json &value, const Place &at) {
    switch (field) {
      case kFormatField:
        if (value != kDocumentFormat) {
          Refuse(at, std::string("expected \"") + kDocumentFormat + "\", found " + Shown(value));
        }
        break;
      case kStoriesField:
        Ranked(0, {kStoriesListRank},
               [&] { ExpectType(value, json::value_t::array, "a list of stories", at); });
        break;
      case kArtField:
        Ranked(0, {kArtListRank},
               [&] { ExpectType(value, json::value_t::array, "a list of art objects", at); });
        break;
    }
  }

  void StoryField(int field, json &value, const Place &at, size_t depth) {
    Story &story = document_.stories.back();
    switch (field) {
      case kParagraphsField:
        Ranked(depth - 1, {kParagraphsListRank},
               [&] { ExpectType(value, json::value_t::array, "a list of paragraphs", at); });
        break;
      case kFontField:
        ExpectType(value, json::value_t::string, "a font family's name", at);
        if (value.get_ref<const std::string &>().empty()) Refuse(at, "the font's name is empty");
        story.font = std::move(value.get_ref<std::string &>());
        break;
      case kSizeField:
        story.size = ReadPoints(value, true, kMaxFontSize, at);
        break;
    }
  }

  void ParagraphField(int field, json &value, const Place &at, size_t depth) {
    switch (field) {
      case kTextField:
        paragraph_.length = ReadParagraphText(value, at);
        // A copy of its own size: the parser's buffer holds up to twice the text.
        paragraph_.text = std::string(value.get_ref<const std::string &>());
        break;
      case kRunsField:
        ExpectType(value, json::value_t::array, "a list of runs", at);
        break;
      case kSeparatorField:
        Ranked(depth, {0}, [&] {
          ExpectType(value, json::value_t::object, "the separator's attributes (an object)", at);
          CheckFields(value, at, {}, kCharAttributes);
          paragraph_.separator = ReadAttributes(value, kCharAttributes, at);
        });
        break;
      case kAlignmentField:
        paragraph_.alignment = ReadAlignment(value, at);
        break;
      default: {
        const int attribute = field - std::size(kParagraphFixedFields);
        paragraph_.attributes[attribute] = ReadAttribute(value, kParaAttributes[attribute], at);
      }
    }
  }

  // The runs are checked against the text here, as either may come first.
  void FinishParagraph(uint64_t seen, const Place &at, size_t depth) {
    story_.lastHasSeparator = Has(seen, kSeparatorField);
    Require(seen, kParagraphFields, kTextField, kTextRank, at, depth);
    Story &story = document_.stories.back();
    const int32_t length = paragraph_.length;
    if (story.Length() + int64_t{story_.paragraphs > 0 ? 1 : 0} + length > kMaxInt32) {
      Ranked(depth, {kStoryLengthRank},
             [&] { Refuse(at, "the story grows longer than 2147483647 code points"); });
    }
    if (!Has(seen, kRunsField)) {
      runs_.assign(1, {length, {}});
    } else if (runsTotal_ != length) {
      Ranked(depth, {kRunsSumRank}, [&] {
        Refuse(at.Field("runs"), "lengths add up to " + std::to_string(runsTotal_) + ", text has " +
                                     std::to_string(length));
      });
    }
    story.AddParagraph(std::move(paragraph_.text), length, paragraph_.attributes, runs_,
                       story_.separator, paragraph_.alignment);
    story_.separator = paragraph_.separator;
    ++story_.paragraphs;
  }

  // The document's checks that need all of it, in their order.
  void FinishDocument(uint64_t seen, const Place &at) {
    Require(seen, kDocumentFields, kFormatField, kFormatRank, at, 0);
    Require(seen, kDocumentFields, kStoriesField, kStoriesListRank, at, 0);
    Require(seen, kDocumentFields, kArtField, kArtListRank, at, 0);
    const Place artPlace = at.Field("art");
    for (size_t i = 0; i < art_.size(); ++i) {
      Ranked(0, {kArtRank, static_cast<int>(i)}, [&] {
        document_.art.push_back(ReadArt(art_[i], document_.stories.size(), artPlace.Item(i)));
      });
    }
    document_.LinkFrames();
    const Place storiesPlace = at.Field("stories");
    for (size_t i = 0; i < document_.stories.size(); ++i) {
      if (document_.stories[i].frames.empty()) {
        Ranked(0, {kFramesRank}, [&] {
          Refuse(storiesPlace.Item(i),
                 "no text frame shows this story (add {\"kind\": \"text\", "
                 "\"story\": " +
                     std::to_string(i) + "} to \"art\")");
        });
      }
    }
  }

  Document document_;
  std::vector<json> art_;
  StoryRead story_;
  ParagraphRead paragraph_;
  std::vector<RunSpan> runs_;  // of the paragraph being read
  int64_t runsTotal_ = 0;
  RunSpan run_;
};

}  // namespace

Document ReadDocument(std::string_view text) {
  DocumentEvents events;
  events.Read(text);
  return events.Take();
}

}  // namespace zvhost::engine
