// The preferences file: JSON with one object per prefix, read at start and written at exit.
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "host/core/FilePath.h"
#include "host/core/FileReplace.h"
#include "host/core/JsonScalarEvents.h"
#include "host/core/UsageError.h"
#include "host/prefs/Preferences.h"

namespace zvhost {

namespace {

std::optional<int32_t> Int32Of(const Json &value) {
  if (value.is_number_unsigned()) {
    uint64_t number = value.get<uint64_t>();
    if (number > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return std::nullopt;
    return static_cast<int32_t>(number);
  }
  if (value.is_number_integer()) {
    int64_t number = value.get<int64_t>();
    if (number < std::numeric_limits<int32_t>::min() ||
        number > std::numeric_limits<int32_t>::max()) {
      return std::nullopt;
    }
    return static_cast<int32_t>(number);
  }
  return std::nullopt;
}

// One stored value from its JSON; throws UsageError naming `place`.
PreferenceValue ValueOf(const Json &json, const std::string &place) {
  if (json.is_boolean()) return json.get<bool>();
  if (json.is_string()) return json.get<std::string>();
  if (json.is_number()) {
    std::optional<int32_t> number = Int32Of(json);
    if (!number)
      throw UsageError(place + ": expected a whole number from -2147483648 to 2147483647");
    return *number;
  }
  if (json.is_array()) {
    std::optional<int32_t> h = json.size() == 2 ? Int32Of(json[0]) : std::nullopt;
    std::optional<int32_t> v = json.size() == 2 ? Int32Of(json[1]) : std::nullopt;
    if (!h || !v) throw UsageError(place + ": expected [horizontal, vertical]");
    return HostPoint{*h, *v};
  }
  throw UsageError(place +
                   ": expected a whole number, true or false, a string or [horizontal, vertical]");
}

Json JsonOf(const PreferenceValue &value) {
  struct ToJson {
    Json operator()(int32_t number) const { return number; }
    Json operator()(bool flag) const { return flag; }
    Json operator()(const std::string &text) const { return text; }
    Json operator()(const HostPoint &point) const { return Json::array({point.h, point.v}); }
  };
  return std::visit(ToJson{}, value);
}

// The file's text: one preference a line, so that a point reads [100, 120] as people write it.
std::string FileText(const Json &prefixes) {
  std::string text = "{";
  const char *prefixSeparator = "\n";
  for (const auto &[prefix, keys] : prefixes.items()) {
    text += prefixSeparator + std::string("  ") + Json(prefix).dump() + ": {";
    const char *keySeparator = "\n";
    for (const auto &[key, value] : keys.items()) {
      std::string shown =
          value.is_array() ? "[" + value[0].dump() + ", " + value[1].dump() + "]" : value.dump();
      text += keySeparator + std::string("    ") + Json(key).dump() + ": " + shown;
      keySeparator = ",\n";
    }
    text += keys.empty() ? "}" : "\n  }";
    prefixSeparator = ",\n";
  }
  text += prefixes.empty() ? "}\n" : "\n}\n";
  return text;
}

// nlohmann's messages begin with "[json.exception.parse_error.101] "; the rest says where.
std::string WithoutExceptionId(const std::string &message) {
  size_t end = message.find("] ");
  return end == std::string::npos ? message : message.substr(end + 2);
}

// Builds the file's value from the parser's events, one step per event, so that reading is
// linear in the file's size. A key given twice in one object is refused: the parser would
// keep one of the two without a word.
class FileBuilder : public JsonScalarEvents<FileBuilder> {
 public:
  explicit FileBuilder(const std::string &file) : file_(file) {}

  Json Take() { return std::move(root_); }

  bool start_object(std::size_t) override {
    const std::string place = ValuePlace();
    frames_.push_back({Place(Json::object()), false, {}, place});
    return true;
  }
  bool start_array(std::size_t) override {
    frames_.push_back({Place(Json::array()), true, {}, {}});
    return true;
  }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }

  bool key(string_t &key) override {
    lastKey_ = key;
    if (!frames_.back().keys.insert(key).second) {
      throw UsageError(file_ + ": " + ValuePlace() + ": given twice");
    }
    return true;
  }

  bool parse_error(std::size_t, const std::string &,
                   const nlohmann::detail::exception &error) override {
    if (dynamic_cast<const Json::parse_error *>(&error) != nullptr) {
      throw UsageError(file_ + ": not valid JSON: " + WithoutExceptionId(error.what()));
    }
    // A number too large for a double, where the parser stopped.
    std::string place = ValuePlace();
    throw UsageError(file_ + ": " + (place.empty() ? "" : place + ": ") +
                     WithoutExceptionId(error.what()));
  }

 private:
  struct Frame {
    Json *container = nullptr;
    bool array = false;
    std::set<std::string> keys;  // objects: the keys so far
    std::string place;           // objects: "prefix" or "prefix.key", "" at the top
  };

  // The place of the value being read: the last key of the innermost object.
  std::string ValuePlace() const {
    for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
      if (!frame->array) return frame->place + (frame->place.empty() ? "" : ".") + lastKey_;
    }
    return "";
  }

  // Places `value` where the parser stands and returns where it went. Members are appended
  // as they come, without the search for an equal key that the object's own insertion makes
  // (key() has refused a second one already).
  Json *Place(Json &&value) {
    if (frames_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Json &container = *frames_.back().container;
    if (frames_.back().array) {
      container.push_back(std::move(value));
      return &container.back();
    }
    auto &members = container.get_ref<Json::object_t &>();
    members.emplace_back(lastKey_, std::move(value));
    return &members.back().second;
  }

  friend class JsonScalarEvents<FileBuilder>;  // hands every scalar to Value()
  bool Value(Json &&value) {
    Place(std::move(value));
    return true;
  }

  bool Close() {
    frames_.pop_back();
    return true;
  }

  const std::string &file_;
  Json root_;
  std::vector<Frame> frames_;
  std::string lastKey_;
};

Json ParseFile(const std::string &text, const std::string &file) {
  FileBuilder builder(file);
  Json::sax_parse(text, &builder);
  return builder.Take();
}

}  // namespace

// The store's keys are unique and in order already, so members are appended without the
// search for an equal key that each insertion into an ordered object would make.
Json Preferences::ToJson() const {
  Json json = Json::object();
  auto &prefixes = json.get_ref<Json::object_t &>();
  for (const auto &[prefix, keys] : store_) {
    Json values = Json::object();
    auto &members = values.get_ref<Json::object_t &>();
    for (const auto &[key, value] : keys) members.emplace_back(key, JsonOf(value));
    prefixes.emplace_back(prefix, std::move(values));
  }
  return json;
}

Preferences::Store Preferences::FromJson(const Json &json, const std::string &file) {
  if (!json.is_object()) throw UsageError(file + ": expected an object with one member per prefix");
  Store store;
  for (const auto &[prefix, keys] : json.items()) {
    if (!keys.is_object()) throw UsageError(file + ": " + prefix + ": expected an object of keys");
    auto &values = store[prefix];  // an empty prefix is kept too
    for (const auto &[key, value] : keys.items()) {
      values[key] = ValueOf(value, file + ": " + prefix + "." + key);
    }
  }
  return store;
}

void Preferences::Load(const std::string &path) {
  const std::filesystem::path file = FilePath(path);
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !error) {
    store_.clear();
    return;
  }
  std::ifstream in(file, std::ios::binary);
  // Some systems open a directory as an empty file.
  if (!in || std::filesystem::is_directory(file, error)) {
    throw UsageError(path + ": cannot read the preferences file");
  }
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) throw UsageError(path + ": cannot read the preferences file");
  store_ = FromJson(ParseFile(contents.str(), path), path);
}

void Preferences::Save(const std::string &path) const {
  try {
    ReplaceFile(path, FileText(ToJson()));
  } catch (const FileWriteError &error) {
    throw UsageError(path + ": cannot write the preferences (" + error.what() + ")");
  }
}

}  // namespace zvhost
