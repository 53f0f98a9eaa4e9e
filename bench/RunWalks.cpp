#include "RunWalks.h"

namespace zvbench {

namespace {

// One walk; `read` takes each run and returns what it read of it.
template <class Read>
int64_t Walk(const WalkSuites &s, TextRangesRef selection, int64_t &runs, Read &&read) {
  TextRunsIteratorRef walk = nullptr;
  s.ranges->GetTextRunsIterator(selection, &walk);
  int64_t sum = 0;
  runs = 0;
  HostBool notDone = 0;
  for (s.runs->MoveToFirst(walk); s.runs->IsNotDone(walk, &notDone) == 0 && notDone;
       s.runs->Next(walk)) {
    TextRangeRef run = nullptr;
    s.runs->Item(walk, &run);
    sum += read(run);
    s.range->Release(run);
    ++runs;
  }
  s.runs->Release(walk);
  return sum;
}

// A walk that reads one character feature with `get`.
template <class Value>
int64_t FeatureWalk(const WalkSuites &s, TextRangesRef selection, int64_t &runs,
                    ATEErr(ZV_API *get)(CharFeaturesRef, HostBool *, Value *)) {
  return Walk(s, selection, runs, [&](TextRangeRef run) {
    CharFeaturesRef features = nullptr;
    s.range->GetCharFeatures(run, &features);
    HostBool assigned = 0;
    Value value{};
    get(features, &assigned, &value);
    s.features->Release(features);
    return static_cast<int64_t>(value) + assigned;
  });
}

}  // namespace

int64_t SixWalks(const WalkSuites &s, TextRangesRef selection, int64_t &runs) {
  int64_t sum = FeatureWalk(s, selection, runs, s.features->GetDirOverride);
  sum += FeatureWalk(s, selection, runs, s.features->GetDigitSet);
  sum += FeatureWalk(s, selection, runs, s.features->GetDiacVPos);
  sum += FeatureWalk(s, selection, runs, s.features->GetDiacXOffset);
  sum += FeatureWalk(s, selection, runs, s.features->GetDiacYOffset);
  sum += Walk(s, selection, runs, [&](TextRangeRef run) {
    CharInspectorRef inspector = nullptr;
    s.range->GetCharInspector(run, &inspector);
    ArrayKashidasRef values = nullptr;
    s.inspector->GetKashidas(inspector, &values);
    int32_t size = 0;
    s.kashidas->GetSize(values, &size);
    int64_t read = 0;
    for (int32_t i = 0; i < size; ++i) {
      Kashidas value = 0;
      s.kashidas->Item(values, i, &value);
      read += value;
    }
    s.kashidas->Release(values);
    s.inspector->Release(inspector);
    return read;
  });
  return sum;
}

}  // namespace zvbench
