#include "host/engine/GuardedJsonParse.h"

#include <string>
#include <vector>

#include "host/engine/DocumentFile.h"

namespace zvhost::engine {

namespace {

using Event = nlohmann::json::parse_event_t;

// Follows the parser through the text: one frame per open container, with the fields seen
// so far (objects) or the index of the element being read (arrays). Frames are reused so
// that many small objects cost no allocation each.
class ParseGuard {
 public:
  explicit ParseGuard(int maxDepth) : maxDepth_(maxDepth) {}

  bool operator()(int, Event event, const nlohmann::json &parsed) {
    switch (event) {
      case Event::object_start:
      case Event::array_start:
        if (static_cast<int>(depth_) >= maxDepth_) {
          Fail(depth_, "nesting deeper than " + std::to_string(maxDepth_) + " levels");
        }
        Push(event == Event::array_start);
        break;
      case Event::key:
        Key(parsed.get_ref<const std::string &>());
        break;
      case Event::object_end:
      case Event::array_end:
        --depth_;
        ElementDone();
        break;
      case Event::value:
        ElementDone();
        break;
    }
    return true;
  }

  // Refuses the value being read.
  [[noreturn]] void Fail(const std::string &problem) const { Fail(depth_, problem); }

 private:
  struct Frame {
    bool array = false;
    size_t index = 0;               // arrays: the element being read
    std::vector<std::string> keys;  // objects: the fields so far, the last one being read
  };

  void Push(bool array) {
    if (frames_.size() == depth_) frames_.emplace_back();
    Frame &frame = frames_[depth_++];
    frame.array = array;
    frame.index = 0;
    frame.keys.clear();
  }

  void Key(const std::string &key) {
    Frame &frame = frames_[depth_ - 1];
    for (const std::string &seen : frame.keys) {
      if (seen == key) Fail(depth_ - 1, "field \"" + key + "\" appears twice");
    }
    frame.keys.push_back(key);
  }

  void ElementDone() {
    if (depth_ > 0 && frames_[depth_ - 1].array) ++frames_[depth_ - 1].index;
  }

  // The element being read in each of the outermost `depth` open containers.
  std::string Place(size_t depth) const {
    std::string place;
    for (size_t i = 0; i < depth; ++i) {
      const Frame &frame = frames_[i];
      if (frame.array) {
        place += "[" + std::to_string(frame.index) + "]";
      } else if (!frame.keys.empty()) {
        place += (place.empty() ? "" : ".") + frame.keys.back();
      }
    }
    return place;
  }

  [[noreturn]] void Fail(size_t depth, const std::string &problem) const {
    std::string place = Place(depth);
    throw DocumentFileError(place.empty() ? problem : place + ": " + problem);
  }

  int maxDepth_;
  size_t depth_ = 0;
  std::vector<Frame> frames_;
};

// "[json.exception.parse_error.101] parse error at line 1, column 2: ..." without the tag.
std::string WithoutTag(const std::string &what) {
  size_t tagEnd = what.find("] ");
  return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
}

}  // namespace

nlohmann::json GuardedJsonParse(std::string_view text, int maxDepth) {
  ParseGuard guard(maxDepth);
  try {
    return nlohmann::json::parse(text.begin(), text.end(),
                                 [&guard](int depth, Event event, nlohmann::json &parsed) {
                                   return guard(depth, event, parsed);
                                 });
  } catch (const nlohmann::json::parse_error &error) {
    throw DocumentFileError(WithoutTag(error.what()));
  } catch (const nlohmann::json::exception &error) {
    // A number too large for a double: the parser stopped at the value being read.
    guard.Fail(WithoutTag(error.what()));
  }
}

}  // namespace zvhost::engine
