#include "MinimalEngine.h"

#include <bit>

#include "BenchDocument.h"
#include "EngineChecks.h"
#include "host/core/Failpoint.h"

namespace zvbench {

namespace {

const MinimalEngine *gEngine = nullptr;

constexpr char kSuite[] = "Minimal Engine";

// The failure point of an operation, as the host has one for each of its own.
#define ZV_MINIMAL_OPERATION(name) ZV_FAILPOINT(kSuite, #name)

// The suite functions over the checks C: each counts itself, finds its handle and answers.
template <class C>
struct SuitesOver {
  // Counts this call at the failure point Point and answers step(), or the failure
  // planned for the call.
  template <class Point, class Step>
  static ATEErr Counted(Step &&step) {
    if (const ATEErr error = C::template Failure<Point>()) [[unlikely]]
      return error;
    return step();
  }
  // The same with the position of `walk` handed to step(); a bad handle is refused.
  template <class Point, class Step>
  static ATEErr AtPosition(TextRunsIteratorRef walk, Step &&step) {
    return Counted<Point>([&]() -> ATEErr {
      uint32_t *position = C::Position(walk);
      if (C::kChecks && position == nullptr) [[unlikely]]
        return kATEBadParameterErr;
      return step(*position);
    });
  }
  // The same with the run that `ref` names handed to step(); a bad handle is refused.
  template <class Point, class Ref, class Step>
  static ATEErr AtRun(Ref ref, Step &&step) {
    return Counted<Point>([&]() -> ATEErr {
      uintptr_t run = 0;
      if (!C::Target(ref, run)) [[unlikely]]
        return kATEBadParameterErr;
      return step(run);
    });
  }

  template <class Ref>
  static void ZV_API Release(Ref ref) {
    C::Release(ref);
  }
  // The selection is the engine itself, not an object of its own.
  static void ZV_API KeepSelection(TextRangesRef) {}
  static ATEErr ZV_API GetTextRunsIterator(TextRangesRef, TextRunsIteratorRef *walk) {
    return Counted<ZV_MINIMAL_OPERATION(GetTextRunsIterator)>([&]() -> ATEErr {
      *walk = C::template Make<TextRunsIteratorRef>(0);
      return *walk == nullptr ? kATEOutOfMemoryErr : kATENoError;
    });
  }
  static ATEErr ZV_API MoveToFirst(TextRunsIteratorRef walk) {
    return AtPosition<ZV_MINIMAL_OPERATION(MoveToFirst)>(walk, [](uint32_t &position) {
      position = 0;
      return kATENoError;
    });
  }
  static ATEErr ZV_API IsNotDone(TextRunsIteratorRef walk, HostBool *notDone) {
    return AtPosition<ZV_MINIMAL_OPERATION(IsNotDone)>(walk, [&](uint32_t &position) {
      *notDone = position < gEngine->runs.size();
      return kATENoError;
    });
  }
  static ATEErr ZV_API Next(TextRunsIteratorRef walk) {
    return AtPosition<ZV_MINIMAL_OPERATION(Next)>(walk, [](uint32_t &position) {
      ++position;
      return kATENoError;
    });
  }
  static ATEErr ZV_API Item(TextRunsIteratorRef walk, TextRangeRef *run) {
    return AtPosition<ZV_MINIMAL_OPERATION(Item)>(
        walk, [&](uint32_t &position) { return HandOut(position, run); });
  }
  // An object of Out's kind naming the run that `in` names.
  template <class Point, class In, class Out>
  static ATEErr ZV_API Derive(In in, Out *out) {
    return AtRun<Point>(in, [&](uintptr_t run) { return HandOut(run, out); });
  }
  template <size_t kAttribute, class Value>
  static ATEErr ZV_API GetFeature(CharFeaturesRef features, HostBool *assigned, Value *value) {
    return AtRun<ZV_MINIMAL_OPERATION(GetFeature)>(features, [&](uintptr_t run) {
      const int32_t bits = gEngine->runs[run].attributes[kAttribute];
      if constexpr (std::is_same_v<Value, float>) {
        *value = std::bit_cast<float>(bits);
      } else {
        *value = bits;
      }
      *assigned = 1;
      return kATENoError;
    });
  }
  static ATEErr ZV_API GetSize(ArrayKashidasRef values, int32_t *size) {
    return AtRun<ZV_MINIMAL_OPERATION(GetSize)>(values, [&](uintptr_t) {
      *size = 1;
      return kATENoError;
    });
  }
  static ATEErr ZV_API KashidasItem(ArrayKashidasRef values, int32_t, Kashidas *value) {
    return AtRun<ZV_MINIMAL_OPERATION(KashidasItem)>(values, [&](uintptr_t run) {
      *value = gEngine->runs[run].attributes[5];
      return kATENoError;
    });
  }

  template <class Ref>
  static ATEErr HandOut(uintptr_t run, Ref *out) {
    *out = C::template Make<Ref>(run);
    return C::kChecks && *out == nullptr ? kATEOutOfMemoryErr : kATENoError;
  }

  static ATETextRangesSuite Ranges() {
    ATETextRangesSuite suite{};
    suite.Release = KeepSelection;
    suite.GetTextRunsIterator = GetTextRunsIterator;
    return suite;
  }
  static ATETextRangeSuite Range() {
    ATETextRangeSuite suite{};
    suite.Release = Release<TextRangeRef>;
    suite.GetCharFeatures =
        Derive<ZV_MINIMAL_OPERATION(GetCharFeatures), TextRangeRef, CharFeaturesRef>;
    suite.GetCharInspector =
        Derive<ZV_MINIMAL_OPERATION(GetCharInspector), TextRangeRef, CharInspectorRef>;
    return suite;
  }
  static ATETextRunsIteratorSuite Runs() {
    ATETextRunsIteratorSuite suite{};
    suite.Release = Release<TextRunsIteratorRef>;
    suite.MoveToFirst = MoveToFirst;
    suite.IsNotDone = IsNotDone;
    suite.Next = Next;
    suite.Item = Item;
    return suite;
  }
  static ATECharFeaturesSuite Features() {
    ATECharFeaturesSuite suite{};
    suite.Release = Release<CharFeaturesRef>;
    suite.GetDirOverride = GetFeature<0, DirOverride>;
    suite.GetDigitSet = GetFeature<1, DigitSet>;
    suite.GetDiacVPos = GetFeature<2, DiacVPos>;
    suite.GetDiacXOffset = GetFeature<3, float>;
    suite.GetDiacYOffset = GetFeature<4, float>;
    return suite;
  }
  static ATECharInspectorSuite Inspector() {
    ATECharInspectorSuite suite{};
    suite.Release = Release<CharInspectorRef>;
    suite.GetKashidas =
        Derive<ZV_MINIMAL_OPERATION(GetKashidas), CharInspectorRef, ArrayKashidasRef>;
    return suite;
  }
  static ATEArrayKashidasSuite Kashidas() {
    ATEArrayKashidasSuite suite{};
    suite.Release = Release<ArrayKashidasRef>;
    suite.GetSize = GetSize;
    suite.Item = KashidasItem;
    return suite;
  }

  // The tables, made once.
  static WalkSuites Tables() {
    static const ATETextRangesSuite ranges = Ranges();
    static const ATETextRangeSuite range = Range();
    static const ATETextRunsIteratorSuite runs = Runs();
    static const ATECharFeaturesSuite features = Features();
    static const ATECharInspectorSuite inspector = Inspector();
    static const ATEArrayKashidasSuite kashidas = Kashidas();
    return {&ranges, &range, &runs, &features, &inspector, &kashidas};
  }
};

}  // namespace

MinimalEngine::MinimalEngine(int count, Checking checking) : checking_(checking) {
  runs.reserve(static_cast<size_t>(count));
  for (int run = 0; run < count; ++run) runs.push_back({run * kRunLength, RunAttributes(run)});
  if (checking_ == Checking::kHost) checks_ = std::make_unique<HostChecks>();
  gEngine = this;
}

MinimalEngine::~MinimalEngine() {
  gEngine = nullptr;
}

WalkSuites MinimalEngine::Suites() const {
  return checking_ == Checking::kHost ? SuitesOver<HostChecks>::Tables()
                                      : SuitesOver<NoChecks>::Tables();
}

TextRangesRef MinimalEngine::Selection() const {
  return reinterpret_cast<TextRangesRef>(const_cast<MinimalEngine *>(this));
}

}  // namespace zvbench
