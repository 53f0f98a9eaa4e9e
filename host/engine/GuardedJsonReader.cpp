#include "host/engine/GuardedJsonReader.h"

namespace zvhost::engine {

namespace {

// "[json.exception.parse_error.101] parse error at line 1, column 2: ..." without the tag.
std::string WithoutTag(const std::string &what) {
  size_t tagEnd = what.find("] ");
  return tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
}

}  // namespace

std::string JsonPlace::Text() const {
  if (parent == nullptr) return reader == nullptr ? "" : reader->PlaceText(depth);
  std::string head = parent->Text();
  if (key == nullptr) return head + "[" + std::to_string(index) + "]";
  return head.empty() ? key : head + "." + key;
}

namespace {

DocumentFileError Fault(const JsonPlace &place, const std::string &problem) {
  std::string where = place.Text();
  return DocumentFileError(where.empty() ? problem : where + ": " + problem);
}

}  // namespace

void Refuse(const JsonPlace &place, const std::string &problem) {
  throw Fault(place, problem);
}

void GuardedJsonReader::Read(std::string_view text) {
  json::sax_parse(text.begin(), text.end(), this);
  if (fault_) throw *fault_;
}

std::vector<int> GuardedJsonReader::RankAt(size_t depth) const {
  std::vector<int> rank(depth);
  for (size_t i = 0; i < depth; ++i) {
    const Frame &frame = frames_[i];
    if (frame.array) {
      rank[i] = static_cast<int>(frame.index);
    } else if (frame.kind >= 0 && frame.field >= 0) {
      rank[i] = FieldRank(frame.kind, frame.field);
    }
  }
  return rank;
}

bool GuardedJsonReader::Outranked(size_t depth) const {
  if (!fault_ || depth == 0) return false;
  std::vector<int> first = RankAt(depth);
  const Frame &parent = frames_[depth - 1];
  if (!parent.array && parent.kind >= 0 && parent.field >= 0) {
    first.back() = FirstRank(parent.kind, parent.field);
  }
  return faultRank_ <= first;
}

void GuardedJsonReader::Keep(const DocumentFileError &fault, std::vector<int> rank,
                             const std::string &unknown) {
  const bool before = !fault_ || rank < faultRank_ ||
                      (rank == faultRank_ && !unknown.empty() && unknown < faultUnknown_);
  if (!before) return;
  fault_ = fault;
  faultRank_ = std::move(rank);
  faultUnknown_ = unknown;
}

std::string GuardedJsonReader::PlaceText(size_t depth) const {
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

bool GuardedJsonReader::key(string_t &key) {
  Frame &frame = frames_[depth_ - 1];
  int field = FieldIndex(frame.kind, key);
  bool twice = field >= 0 ? (frame.seen >> field & 1) != 0 : !frame.others.insert(key).second;
  if (twice) Refuse(At(depth_ - 1), "field \"" + key + "\" appears twice");
  if (field >= 0) frame.seen |= uint64_t{1} << field;
  frame.field = field;
  frame.keyed = true;
  frame.key = key;  // a copy into the room the frame's key already has
  if (field < 0 && frame.kind >= 0) {
    std::vector<int> rank = RankAt(depth_ - 1);
    rank.push_back(-1);
    if (fault_ && faultRank_ < rank) return true;
    Keep(Fault(At(depth_ - 1), "unknown field \"" + frame.key + "\""), std::move(rank), frame.key);
  }
  return true;
}

// Malformed text is refused as the parser words it; a number too large for a double is
// refused at the value being read.
bool GuardedJsonReader::parse_error(std::size_t, const std::string &,
                                    const nlohmann::detail::exception &error) {
  if (dynamic_cast<const json::parse_error *>(&error) != nullptr) {
    throw DocumentFileError(WithoutTag(error.what()));
  }
  Refuse(At(depth_), WithoutTag(error.what()));
}

bool GuardedJsonReader::Value(json &&value) {
  if (depth_ > 0 && frames_[depth_ - 1].kind == kWholePart) {
    Frame &frame = frames_[depth_ - 1];
    if (frame.array) {
      frame.container->push_back(std::move(value));
    } else {
      (*frame.container)[frame.key] = std::move(value);
    }
  } else if (Reading() && !Outranked(depth_)) {
    const Spot spot = Here();
    Guarded(depth_, [&] { OnValue(spot, std::move(value)); });
  }
  ElementDone();
  return true;
}

bool GuardedJsonReader::Open(bool array) {
  if (static_cast<int>(depth_) >= maxDepth_) {
    Refuse(At(depth_), "nesting deeper than " + std::to_string(maxDepth_) + " levels");
  }
  json container = array ? json::array() : json::object();
  if (depth_ > 0 && frames_[depth_ - 1].kind == kWholePart) {
    Frame &parent = frames_[depth_ - 1];
    json *placed = nullptr;
    if (parent.array) {
      parent.container->push_back(std::move(container));
      placed = &parent.container->back();
    } else {
      placed = &((*parent.container)[parent.key] = std::move(container));
    }
    PushFrame(kWholePart, array, placed);
  } else if (!Reading()) {
    PushFrame(kSkipped, array, nullptr);
  } else if (int kind = OnOpen(Here(), array); kind == kWhole) {
    whole_ = std::move(container);
    PushFrame(kWholePart, array, &whole_);
  } else {
    PushFrame(kind, array, nullptr);
  }
  return true;
}

bool GuardedJsonReader::Close() {
  const Frame &frame = frames_[depth_ - 1];
  const int kind = frame.kind;
  if (kind >= 0 && !Outranked(depth_ - 1)) {
    const Spot spot{kind, -1, frame.index, depth_ - 1};
    const uint64_t seen = frame.seen;
    Guarded(depth_ - 1, [&] { OnClose(spot, seen); });
  }
  --depth_;
  if (kind == kWholePart && (depth_ == 0 || frames_[depth_ - 1].kind != kWholePart)) {
    if (!Outranked(depth_)) {
      const Spot spot = Here();
      Guarded(depth_, [&] { OnValue(spot, std::move(whole_)); });
    }
  }
  ElementDone();
  return true;
}

void GuardedJsonReader::ElementDone() {
  if (depth_ > 0 && frames_[depth_ - 1].array) ++frames_[depth_ - 1].index;
}

GuardedJsonReader::Spot GuardedJsonReader::Here() const {
  if (depth_ == 0) return {kWhole, -1, 0, 0};
  const Frame &parent = frames_[depth_ - 1];
  return {parent.kind, parent.field, parent.index, depth_};
}

int GuardedJsonReader::FieldIndex(int kind, const std::string &key) const {
  if (kind < 0) return -1;
  std::span<const std::string_view> fields = Fields(kind);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (key == fields[i]) return static_cast<int>(i);
  }
  return -1;
}

// Reuses the frames of containers already closed, so that reading many small objects
// allocates nothing for them.
void GuardedJsonReader::PushFrame(int kind, bool array, json *container) {
  if (depth_ == frames_.size()) frames_.emplace_back();
  Frame &frame = frames_[depth_++];
  frame.kind = kind;
  frame.array = array;
  frame.index = 0;
  frame.field = -1;
  frame.keyed = false;
  frame.seen = 0;
  frame.others.clear();
  frame.container = container;
}

}  // namespace zvhost::engine
