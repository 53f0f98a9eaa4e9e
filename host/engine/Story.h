// One story: its paragraphs and the character attributes of its text as runs.
//
// Positions count code points, with one paragraph separator after every paragraph but the
// last; the separator belongs to the paragraph before it and carries character attributes
// like any other character. Runs are kept merged (no two neighbours equal) in one vector
// with start offsets, so a run step is an index step and a position's run is a binary
// search, or no search at all when the caller's hint is right.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/engine/Attributes.h"

namespace zvhost::engine {

// Where a paragraph's lines stand in the frame: "justify" fills every line but the last.
enum class Alignment : uint8_t { kJustify, kStart, kEnd, kCenter };

struct Paragraph {
  int32_t start = 0;   // position of its first character
  int32_t length = 0;  // code points, without the separator
  std::string text;    // UTF-8
  ParaAttributes attributes{};
  Alignment alignment = Alignment::kJustify;
  // Changes whenever the paragraph's attributes or those of its characters do, and is never
  // the same for two paragraphs: the composer keeps a paragraph's lines while it stays.
  uint64_t revision = 0;
};

struct Run {
  int32_t start = 0;
  CharAttributes attributes{};
};

// A paragraph's share of runs as the document file gives them.
struct RunSpan {
  int32_t length = 0;
  CharAttributes attributes{};
};

class Story {
 public:
  // Appends a paragraph; `runs` cover its `length` code points. A separator goes before
  // every paragraph but the first, with the attributes `separator` or, without them, those
  // of the character before it.
  void AddParagraph(std::string text, int32_t length, const ParaAttributes &attributes,
                    const std::vector<RunSpan> &runs,
                    const std::optional<CharAttributes> &separator = std::nullopt,
                    Alignment alignment = Alignment::kJustify);

  // Gives back the room its arrays hold beyond their size, once it is read: a run array
  // grown by doubling holds up to twice what it needs.
  void ReleaseSpareRoom();

  int32_t Length() const { return length_; }
  const std::vector<Paragraph> &Paragraphs() const { return paragraphs_; }
  const std::vector<Run> &Runs() const { return runs_; }
  // Changes whenever the runs do (their bounds, their attributes or their number), so that
  // a reader may keep a run's index and bounds while it stays the same.
  uint32_t RunsRevision() const { return runsRevision_; }
  // Where run `run` (one of the story's) ends: where the next begins, or the story's end.
  // The next run is compared with the array's end as an address, which spares dividing by
  // the size of a run.
  int32_t RunEnd(uint32_t run) const {
    const Run *next = runs_.data() + run + 1;
    return next != std::to_address(runs_.end()) ? next->start : length_;
  }

  // The run that holds `position` (the last run for the story's end); `hint` is tried first.
  uint32_t RunAt(int32_t position, uint32_t hint = 0) const {
    if (hint < runs_.size() && runs_[hint].start <= position && position < RunEnd(hint)) {
      return hint;
    }
    return SearchRun(position);
  }
  // The paragraph that holds `position`, its separator included (the last for the end).
  uint32_t ParagraphAt(int32_t position) const;

  // Takes the character attributes of [start, end) into `features`; `first` tells whether
  // nothing was read before, and is cleared once something was. An empty span reads nothing.
  void ReadCharFeatures(int32_t start, int32_t end, uint32_t hint, CharFeatureSet &features,
                        bool &first) const {
    if (first && InRun(start, end, hint)) {
      features.Accumulate(runs_[hint].attributes, true);
      first = false;
      return;
    }
    ReadCharFeaturesOfRuns(start, end, hint, features, first);
  }
  // The attributes of the one run that holds all of [start, end); null for an empty span
  // and for one across runs.
  const CharAttributes *SoleRunAttributes(int32_t start, int32_t end, uint32_t hint) const {
    return InRun(start, end, hint) ? &runs_[hint].attributes : nullptr;
  }
  // The character attributes of [start, end) alone: ReadCharFeatures() of that one span.
  CharFeatureSet CharFeaturesOf(int32_t start, int32_t end, uint32_t hint) const;
  void ApplyCharFeatures(int32_t start, int32_t end, const CharFeatureSet &features);
  // Calls sink(from, to, attributes) for every run of [start, end), clipped to it, in order.
  template <class Sink>
  void ForEachRun(int32_t start, int32_t end, uint32_t hint, Sink &&sink) const {
    if (start >= end) return;
    for (uint32_t run = RunAt(start, hint); run < runs_.size() && runs_[run].start < end; ++run) {
      sink(std::max(start, runs_[run].start), std::min(end, RunEnd(run)), runs_[run].attributes);
    }
  }

  // The paragraphs that [start, end) touches: those of its characters, or the one holding
  // the position of an empty span.
  void ReadParaFeatures(int32_t start, int32_t end, ParaFeatureSet &features, bool &first) const;
  void ApplyParaFeatures(int32_t start, int32_t end, const ParaFeatureSet &features);

  // The runs of one paragraph's text as the file writes them (the separator left out).
  std::vector<RunSpan> ParagraphRuns(uint32_t paragraph) const;
  // The attributes of the separator after a paragraph as the file writes them: only where
  // they differ from those of the character before it, which it would take without them.
  std::optional<CharAttributes> SeparatorAttributes(uint32_t paragraph) const;

  // Art indices of the story's text frames, in art order; frame 0 is the story's first.
  std::vector<int32_t> frames;
  // The font family and size (points) the story is composed in.
  std::string font = "Amiri";
  float size = 18;

 private:
  // Whether [start, end) is not empty and lies in run `run`: a run's own range, what a run
  // walk hands out, is read without a search or a loop.
  bool InRun(int32_t start, int32_t end, uint32_t run) const {
    return start < end && run < runs_.size() && runs_[run].start <= start && end <= RunEnd(run);
  }
  uint32_t SearchRun(int32_t position) const;
  void ReadCharFeaturesOfRuns(int32_t start, int32_t end, uint32_t hint, CharFeatureSet &features,
                              bool &first) const;
  void AppendRun(int32_t start, const CharAttributes &attributes);
  uint32_t SplitAt(int32_t position);
  void MergeEqualNeighbours(size_t from, size_t to);
  void ParagraphSpan(int32_t start, int32_t end, uint32_t &first, uint32_t &last) const;
  void Revise(uint32_t first, uint32_t last);

  std::vector<Paragraph> paragraphs_;
  std::vector<Run> runs_;
  int32_t length_ = 0;
  uint32_t runsRevision_ = 0;
};

}  // namespace zvhost::engine
