#include "host/engine/GuardedJsonParse.h"

#include <string>
#include <vector>

#include "host/engine/DocumentFile.h"

namespace zvhost::engine {

namespace {

using nlohmann::json;

// Builds the value from the parser's events, one step per event, and keeps the place being
// read: one frame per open container, with the field being read (objects) or the index of
// the element being read (arrays). A field named twice is found in the object built so far.
class GuardedBuilder : public nlohmann::json_sax<json> {
 public:
  explicit GuardedBuilder(int maxDepth) : maxDepth_(maxDepth) {}

  json Take() { return std::move(root_); }

  bool null() override { return Value(nullptr); }
  bool boolean(bool value) override { return Value(value); }
  bool number_integer(number_integer_t value) override { return Value(value); }
  bool number_unsigned(number_unsigned_t value) override { return Value(value); }
  bool number_float(number_float_t value, const string_t &) override { return Value(value); }
  bool string(string_t &value) override { return Value(std::move(value)); }
  bool binary(binary_t &value) override { return Value(json::binary_t(std::move(value))); }

  bool start_object(std::size_t) override { return Open(json::object(), false); }
  bool start_array(std::size_t) override { return Open(json::array(), true); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }

  bool key(string_t &key) override {
    Frame &frame = frames_.back();
    if (frame.container->contains(key)) {
      Fail(frames_.size() - 1, "field \"" + key + "\" appears twice");
    }
    frame.key = std::move(key);
    frame.keyed = true;
    return true;
  }

  // Malformed text is refused as the parser words it; a number too large for a double is
  // refused at the value being read.
  bool parse_error(std::size_t, const std::string &,
                   const nlohmann::detail::exception &error) override {
    if (dynamic_cast<const json::parse_error *>(&error) != nullptr) {
      throw DocumentFileError(WithoutTag(error.what()));
    }
    Fail(WithoutTag(error.what()));
  }

  // Refuses the value being read.
  [[noreturn]] void Fail(const std::string &problem) const { Fail(frames_.size(), problem); }

  // "[json.exception.parse_error.101] parse error at line 1, column 2: ..." without the tag.
  static std::string WithoutTag(const std::string &what) {
    size_t tagEnd = what.find("] ");
    return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
  }

 private:
  struct Frame {
    json *container = nullptr;
    bool array = false;
    size_t index = 0;    // arrays: the element being read
    bool keyed = false;  // objects: whether a field has begun
    std::string key;     // objects: the field being read
  };

  // Places `value` where the parser stands and returns where it went.
  json *Place(json &&value) {
    if (frames_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Frame &frame = frames_.back();
    if (frame.array) {
      frame.container->push_back(std::move(value));
      return &frame.container->back();
    }
    json &slot = (*frame.container)[frame.key];
    slot = std::move(value);
    return &slot;
  }

  bool Value(json &&value) {
    Place(std::move(value));
    ElementDone();
    return true;
  }

  void ElementDone() {
    if (!frames_.empty() && frames_.back().array) ++frames_.back().index;
  }

  bool Open(json &&container, bool array) {
    if (static_cast<int>(frames_.size()) >= maxDepth_) {
      Fail(frames_.size(), "nesting deeper than " + std::to_string(maxDepth_) + " levels");
    }
    json *placed = Place(std::move(container));
    frames_.push_back({placed, array, 0, false, {}});
    return true;
  }

  bool Close() {
    frames_.pop_back();
    ElementDone();
    return true;
  }

  // The element being read in each of the outermost `depth` open containers.
  std::string PlaceText(size_t depth) const {
    std::string place;
    for (size_t i = 0; i < depth; ++i) {
      const Frame &frame = frames_[i];
      if (frame.array) {
        place += "[" + std::to_string(frame.index) + "]";
      } else if (frame.keyed) {
        place += (place.empty() ? "" : ".") + frame.key;
      }
    }
    return place;
  }

  [[noreturn]] void Fail(size_t depth, const std::string &problem) const {
    std::string place = PlaceText(depth);
    throw DocumentFileError(place.empty() ? problem : place + ": " + problem);
  }

  int maxDepth_;
  json root_;
  std::vector<Frame> frames_;
};

}  // namespace

nlohmann::json GuardedJsonParse(std::string_view text, int maxDepth) {
  GuardedBuilder builder(maxDepth);
  json::sax_parse(text.begin(), text.end(), &builder);
  return builder.Take();
}

}  // namespace zvhost::engine
