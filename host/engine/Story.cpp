#include "host/engine/Story.h"

#include <algorithm>
#include <atomic>

namespace zvhost::engine {

namespace {
// Process-wide, so that no two paragraphs of any document share a revision.
uint64_t NextRevision() {
  static std::atomic<uint64_t> clock{0};
  return ++clock;
}
}  // namespace

void Story::AddParagraph(std::string text, int32_t length, const ParaAttributes &attributes,
                         const std::vector<RunSpan> &runs,
                         const std::optional<CharAttributes> &separator, Alignment alignment) {
  ++runsRevision_;
  if (!paragraphs_.empty()) {
    // Without attributes of its own the separator joins the run before it.
    if (separator) AppendRun(length_, *separator);
    ++length_;
  }
  Paragraph &paragraph = paragraphs_.emplace_back();
  paragraph.start = length_;
  paragraph.length = length;
  paragraph.text = std::move(text);
  paragraph.attributes = attributes;
  paragraph.alignment = alignment;
  paragraph.revision = NextRevision();
  for (const RunSpan &span : runs) {
    if (span.length == 0) continue;
    AppendRun(length_, span.attributes);
    length_ += span.length;
  }
  // An empty first paragraph still needs a run for its separator and for RunAt.
  if (runs_.empty()) runs_.push_back({0, {}});
}

void Story::ReleaseSpareRoom() {
  runs_.shrink_to_fit();
  paragraphs_.shrink_to_fit();
}

void Story::AppendRun(int32_t start, const CharAttributes &attributes) {
  // The run of an empty first paragraph covers nothing yet: the new run takes its place.
  if (!runs_.empty() && runs_.back().start == start) runs_.pop_back();
  if (!runs_.empty() && runs_.back().attributes == attributes) return;
  runs_.push_back({start, attributes});
}

uint32_t Story::SearchRun(int32_t position) const {
  auto after = std::upper_bound(runs_.begin(), runs_.end(), position,
                                [](int32_t p, const Run &run) { return p < run.start; });
  return after == runs_.begin() ? 0 : static_cast<uint32_t>(after - runs_.begin() - 1);
}

uint32_t Story::ParagraphAt(int32_t position) const {
  auto after =
      std::upper_bound(paragraphs_.begin(), paragraphs_.end(), position,
                       [](int32_t p, const Paragraph &paragraph) { return p < paragraph.start; });
  return after == paragraphs_.begin() ? 0 : static_cast<uint32_t>(after - paragraphs_.begin() - 1);
}

void Story::ReadCharFeaturesOfRuns(int32_t start, int32_t end, uint32_t hint,
                                   CharFeatureSet &features, bool &first) const {
  if (start >= end) return;
  for (uint32_t run = RunAt(start, hint); run < runs_.size() && runs_[run].start < end; ++run) {
    features.Accumulate(runs_[run].attributes, first);
    first = false;
    if (features.assigned == 0) return;  // nothing left that more text could change
  }
}

CharFeatureSet Story::CharFeaturesOf(int32_t start, int32_t end, uint32_t hint) const {
  CharFeatureSet features;
  bool first = true;
  ReadCharFeatures(start, end, hint, features, first);
  return features;
}

uint32_t Story::SplitAt(int32_t position) {
  uint32_t run = RunAt(position);
  if (runs_[run].start == position) return run;
  runs_.insert(runs_.begin() + run + 1, Run{position, runs_[run].attributes});
  return run + 1;
}

void Story::MergeEqualNeighbours(size_t from, size_t to) {
  size_t kept = from;
  for (size_t run = from + 1; run < to; ++run) {
    if (runs_[run].attributes == runs_[kept].attributes) continue;
    runs_[++kept] = runs_[run];
  }
  runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(kept + 1),
              runs_.begin() + static_cast<std::ptrdiff_t>(to));
}

void Story::ApplyCharFeatures(int32_t start, int32_t end, const CharFeatureSet &features) {
  if (start >= end || features.assigned == 0) return;
  ++runsRevision_;
  uint32_t first = SplitAt(start);
  uint32_t last = end < length_ ? SplitAt(end) : static_cast<uint32_t>(runs_.size());
  for (uint32_t run = first; run < last; ++run) features.ApplyTo(runs_[run].attributes);
  MergeEqualNeighbours(first == 0 ? 0 : first - 1, std::min<size_t>(last + 1, runs_.size()));
  uint32_t from, to;
  ParagraphSpan(start, end, from, to);
  Revise(from, to);
}

void Story::Revise(uint32_t first, uint32_t last) {
  for (uint32_t paragraph = first; paragraph <= last; ++paragraph) {
    paragraphs_[paragraph].revision = NextRevision();
  }
}

void Story::ParagraphSpan(int32_t start, int32_t end, uint32_t &first, uint32_t &last) const {
  first = ParagraphAt(start);
  last = start < end ? ParagraphAt(end - 1) : first;
}

void Story::ReadParaFeatures(int32_t start, int32_t end, ParaFeatureSet &features,
                             bool &first) const {
  uint32_t from, to;
  ParagraphSpan(start, end, from, to);
  for (uint32_t paragraph = from; paragraph <= to; ++paragraph) {
    features.Accumulate(paragraphs_[paragraph].attributes, first);
    first = false;
  }
}

void Story::ApplyParaFeatures(int32_t start, int32_t end, const ParaFeatureSet &features) {
  uint32_t from, to;
  ParagraphSpan(start, end, from, to);
  for (uint32_t paragraph = from; paragraph <= to; ++paragraph) {
    features.ApplyTo(paragraphs_[paragraph].attributes);
  }
  Revise(from, to);
}

std::vector<RunSpan> Story::ParagraphRuns(uint32_t paragraph) const {
  const Paragraph &p = paragraphs_[paragraph];
  std::vector<RunSpan> spans;
  int32_t end = p.start + p.length;
  ForEachRun(p.start, end, 0, [&](int32_t from, int32_t to, const CharAttributes &attributes) {
    spans.push_back({to - from, attributes});
  });
  return spans;
}

std::optional<CharAttributes> Story::SeparatorAttributes(uint32_t paragraph) const {
  if (paragraph + 1 >= paragraphs_.size()) return std::nullopt;  // the last has none
  const Paragraph &p = paragraphs_[paragraph];
  const int32_t position = p.start + p.length;
  const CharAttributes &own = runs_[RunAt(position)].attributes;
  const CharAttributes before =
      position > 0 ? runs_[RunAt(position - 1)].attributes : CharAttributes{};
  if (own == before) return std::nullopt;
  return own;
}

}  // namespace zvhost::engine
