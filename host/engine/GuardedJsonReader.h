// Reads JSON text that comes from outside straight from the parser's events, refusing what
// the plain parser would take silently or at any cost: nesting deeper than a limit (refused
// as soon as it is reached) and a field named twice in one object (the parser would keep
// only one of them). Errors name the place as a path ("stories[0].paragraphs").
//
// A subclass says which containers it reads event by event (its "kinds", with the fields
// each object kind may have); every other value reaches it whole, as a small JSON value.
// A fault that the subclass finds is kept while the rest of the text is still read, so that
// malformed text, too-deep nesting and duplicate fields anywhere win over it, as they would
// if the whole text were parsed first. Of the subclass's faults, the one named is the one
// that comes first in the order of the checks (FieldRank), not in the order of the text:
// the same one that checking a whole tree, object by object, would name.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/JsonScalarEvents.h"
#include "host/engine/DocumentFile.h"

namespace zvhost::engine {

class GuardedJsonReader;

// Where a value stands in the text. The outermost place stands for a value the reader is at
// (its text is built from the reader's open containers only when a fault is reported); the
// others are fields and elements below it, kept as a chain on the stack.
struct JsonPlace {
  const JsonPlace *parent = nullptr;
  const char *key = nullptr;  // null: an array element at `index`
  size_t index = 0;
  const GuardedJsonReader *reader = nullptr;  // the outermost place: the reader's
  size_t depth = 0;                           // outermost containers that lead to it

  JsonPlace Field(const char *name) const { return {this, name, 0}; }
  JsonPlace Item(size_t i) const { return {this, nullptr, i}; }
  std::string Text() const;
};

// Throws DocumentFileError: "place: problem", or the problem alone at the top.
[[noreturn]] void Refuse(const JsonPlace &place, const std::string &problem);

// A fault whose rank is given: that of the place `depth` containers deep where the reader
// stands, then `tail` (see GuardedJsonReader::FieldRank).
class RankedFault : public DocumentFileError {
 public:
  RankedFault(const DocumentFileError &fault, size_t depth, std::vector<int> tail)
      : DocumentFileError(fault), depth(depth), tail(std::move(tail)) {}
  size_t depth;
  std::vector<int> tail;
};

// Runs `check`, giving the fault it throws the rank `depth` and `tail`.
template <class Check>
void Ranked(size_t depth, std::vector<int> tail, Check &&check) {
  try {
    check();
  } catch (const RankedFault &) {
    throw;
  } catch (const DocumentFileError &fault) {
    throw RankedFault(fault, depth, std::move(tail));
  }
}

class GuardedJsonReader : public JsonScalarEvents<GuardedJsonReader> {
 public:
  // The kind of a container the subclass does not read by events.
  static constexpr int kWhole = -1;

  // A value or container the reader is at: its parent's kind (kWhole at the top), the
  // parent's field (an index into Fields(kind), or -1) or element index, and its depth,
  // the number of containers around it. For a container being closed, `kind` and `index`
  // are its own (`index` is then an array's length).
  struct Spot {
    int kind = kWhole;
    int field = -1;
    size_t index = 0;
    size_t depth = 0;
  };

  explicit GuardedJsonReader(int maxDepth) : maxDepth_(maxDepth) {}

  // Parses `text`, calling the hooks below; throws DocumentFileError for the first fault.
  void Read(std::string_view text);

  // The place of what is `depth` containers deep where the reader stands.
  JsonPlace At(size_t depth) const { return {nullptr, nullptr, 0, this, depth}; }
  std::string PlaceText(size_t depth) const;

 protected:
  // The fields an object of `kind` may have; any other is refused as unknown.
  virtual std::span<const std::string_view> Fields(int kind) const = 0;
  // The kind of the container opening at `spot`, or kWhole to have it whole in OnValue.
  virtual int OnOpen(const Spot &spot, bool array) = 0;
  // A value (a scalar, or a container wanted whole) at `spot`.
  virtual void OnValue(const Spot &spot, json &&value) = 0;
  // The end of a container read by events; `seen` has bit i for each field i it had.
  virtual void OnClose(const Spot &spot, uint64_t seen) = 0;
  // Where the checks of `field` of an object of `kind` stand among the object's checks:
  // faults rank by the containers around them, outermost first (an array's elements by
  // their index, an object's fields by this rank; an unknown field ranks before all, the
  // first by name), then by the rank a RankedFault adds.
  virtual int FieldRank(int kind, int field) const = 0;
  // The lowest rank a fault of the value of `field` can have, where a check of the value as
  // a whole stands before the checks of other fields that rank before its contents.
  virtual int FirstRank(int kind, int field) const { return FieldRank(kind, field); }

 public:
  bool start_object(std::size_t) override { return Open(false); }
  bool start_array(std::size_t) override { return Open(true); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool key(string_t &key) override;
  bool parse_error(std::size_t, const std::string &,
                   const nlohmann::detail::exception &error) override;

 private:
  // Containers that are not read by events: parts of a value wanted whole, and the values
  // of unknown fields.
  static constexpr int kWholePart = -2;
  static constexpr int kSkipped = -3;

  struct Frame {
    int kind = kWhole;
    bool array = false;
    size_t index = 0;              // arrays: the element being read
    int field = -1;                // objects read by events: the field being read, or -1
    bool keyed = false;            // objects: whether a field has begun
    std::string key;               // objects: the field being read
    uint64_t seen = 0;             // bit i: field i of Fields(kind) was given
    std::set<std::string> others;  // other fields given (unknown ones, or of any object)
    json *container = nullptr;     // a part of a value wanted whole: where it is built
  };

  friend class JsonScalarEvents<GuardedJsonReader>;  // hands every scalar to Value()
  bool Value(json &&value);
  bool Open(bool array);
  bool Close();
  void ElementDone();
  Spot Here() const;
  // Whether the reader is in a container read by events (or at the top), on a known field.
  bool Reading() const {
    return depth_ == 0 || (frames_[depth_ - 1].kind >= 0 &&
                           (frames_[depth_ - 1].array || frames_[depth_ - 1].field >= 0));
  }
  int FieldIndex(int kind, const std::string &key) const;
  void PushFrame(int kind, bool array, json *container);

  // The rank of what is `depth` containers deep where the reader stands.
  std::vector<int> RankAt(size_t depth) const;
  // Whether no fault of what is `depth` deep can rank before the one kept: then its checks
  // are not run, so that a file of many faults is refused in linear time.
  bool Outranked(size_t depth) const;
  // Keeps `fault` if it ranks before the one kept.
  void Keep(const DocumentFileError &fault, std::vector<int> rank, const std::string &unknown);

  // Runs a hook, keeping the fault it finds (ranked at `depth` unless it says) instead of
  // ending the reading.
  template <class Hook>
  void Guarded(size_t depth, Hook &&hook) {
    try {
      hook();
    } catch (const RankedFault &fault) {
      std::vector<int> rank = RankAt(fault.depth);
      rank.insert(rank.end(), fault.tail.begin(), fault.tail.end());
      Keep(fault, std::move(rank), {});
    } catch (const DocumentFileError &fault) {
      Keep(fault, RankAt(depth), {});
    }
  }

  int maxDepth_;
  std::vector<Frame> frames_;  // the open containers; frames_[depth_..] are spare
  size_t depth_ = 0;
  json whole_;  // the value wanted whole that is being built
  // The fault kept, its rank, and the name of the unknown field it names (or empty).
  std::optional<DocumentFileError> fault_;
  std::vector<int> faultRank_;
  std::string faultUnknown_;
};

}  // namespace zvhost::engine
