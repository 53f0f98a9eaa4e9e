// The text-engine handle wrappers: one class per text-engine suite, in namespace ATE.
//
// Each wrapper owns one reference on its handle (HandleWrapper) and throws ATE::Exception
// for every non-zero engine result. The nine classes the module works with carry their
// operations; the others are the bare pattern.
#pragma once

#include <cstdint>

#include "base/ATEException.h"
#include "base/HostSuites.h"
#include "text/ATEHandleWrapper.h"

namespace ATE {

class ITextFrame : public HandleWrapper<gATETextFrameSuite> {
 public:
  ITextFrame() = default;
  explicit ITextFrame(TextFrameRef ref) : HandleWrapper(ref) {}
  int32_t GetStoryDirection() const { return Read<int32_t>(&Suite::GetStoryDirection); }
  void SetStoryDirection(int32_t direction) const { Call(&Suite::SetStoryDirection, direction); }
};

class IStory : public HandleWrapper<gATEStorySuite> {
 public:
  explicit IStory(StoryRef ref) : HandleWrapper(ref) {}
  // The story's frame at a 0-based index; 0 is its first frame.
  ITextFrame GetFrame(int32_t index) const {
    return ReadObject<ITextFrame>(&Suite::GetFrame, index);
  }
};

class IArrayKashidas : public HandleWrapper<gATEArrayKashidasSuite> {
 public:
  explicit IArrayKashidas(ArrayKashidasRef ref) : HandleWrapper(ref) {}
  int32_t GetSize() const { return Read<int32_t>(&Suite::GetSize); }
  Kashidas Item(int32_t index) const { return Read<Kashidas>(&Suite::Item, index); }
};

class ICharInspector : public HandleWrapper<gATECharInspectorSuite> {
 public:
  explicit ICharInspector(CharInspectorRef ref) : HandleWrapper(ref) {}
  IArrayKashidas GetKashidas() const { return ReadObject<IArrayKashidas>(&Suite::GetKashidas); }
};

class ICharFeatures : public HandleWrapper<gATECharFeaturesSuite> {
 public:
  // A new set with no attribute assigned.
  ICharFeatures() : HandleWrapper(CreateNew{}) {}
  explicit ICharFeatures(CharFeaturesRef ref) : HandleWrapper(ref) {}

  DirOverride GetDirOverride(bool *isAssigned = nullptr) const {
    return ReadAssigned<DirOverride>(&Suite::GetDirOverride, isAssigned);
  }
  DigitSet GetDigitSet(bool *isAssigned = nullptr) const {
    return ReadAssigned<DigitSet>(&Suite::GetDigitSet, isAssigned);
  }
  DiacVPos GetDiacVPos(bool *isAssigned = nullptr) const {
    return ReadAssigned<DiacVPos>(&Suite::GetDiacVPos, isAssigned);
  }
  float GetDiacXOffset(bool *isAssigned = nullptr) const {
    return ReadAssigned<float>(&Suite::GetDiacXOffset, isAssigned);
  }
  float GetDiacYOffset(bool *isAssigned = nullptr) const {
    return ReadAssigned<float>(&Suite::GetDiacYOffset, isAssigned);
  }
  Kashidas GetKashidas(bool *isAssigned = nullptr) const {
    return ReadAssigned<Kashidas>(&Suite::GetKashidas, isAssigned);
  }

  void SetDirOverride(DirOverride value) const { Call(&Suite::SetDirOverride, value); }
  void SetDigitSet(DigitSet value) const { Call(&Suite::SetDigitSet, value); }
  void SetDiacVPos(DiacVPos value) const { Call(&Suite::SetDiacVPos, value); }
  void SetDiacXOffset(float value) const { Call(&Suite::SetDiacXOffset, value); }
  void SetDiacYOffset(float value) const { Call(&Suite::SetDiacYOffset, value); }
  void SetKashidas(Kashidas value) const { Call(&Suite::SetKashidas, value); }
};

class IParaFeatures : public HandleWrapper<gATEParaFeaturesSuite> {
 public:
  // A new set with no attribute assigned.
  IParaFeatures() : HandleWrapper(CreateNew{}) {}
  explicit IParaFeatures(ParaFeaturesRef ref) : HandleWrapper(ref) {}

  bool GetEveryLineComposer(bool *isAssigned = nullptr) const {
    return ReadAssigned<HostBool>(&Suite::GetEveryLineComposer, isAssigned) != 0;
  }
  ParagraphDirection GetParagraphDirection(bool *isAssigned = nullptr) const {
    return ReadAssigned<ParagraphDirection>(&Suite::GetParagraphDirection, isAssigned);
  }
  JustificationMethod GetJustificationMethod(bool *isAssigned = nullptr) const {
    return ReadAssigned<JustificationMethod>(&Suite::GetJustificationMethod, isAssigned);
  }
  ComposerEngine GetComposerEngine(bool *isAssigned = nullptr) const {
    return ReadAssigned<ComposerEngine>(&Suite::GetComposerEngine, isAssigned);
  }

  void SetEveryLineComposer(bool value) const {
    Call(&Suite::SetEveryLineComposer, static_cast<HostBool>(value));
  }
  void SetParagraphDirection(ParagraphDirection value) const {
    Call(&Suite::SetParagraphDirection, value);
  }
  void SetJustificationMethod(JustificationMethod value) const {
    Call(&Suite::SetJustificationMethod, value);
  }
  void SetComposerEngine(ComposerEngine value) const { Call(&Suite::SetComposerEngine, value); }
};

class ITextRange : public HandleWrapper<gATETextRangeSuite> {
 public:
  ITextRange() = default;
  explicit ITextRange(TextRangeRef ref) : HandleWrapper(ref) {}

  IStory GetStory() const { return ReadObject<IStory>(&Suite::GetStory); }
  ICharInspector GetCharInspector() const {
    return ReadObject<ICharInspector>(&Suite::GetCharInspector);
  }
  IParaFeatures GetParaFeatures() const {
    return ReadObject<IParaFeatures>(&Suite::GetParaFeatures);
  }
  ICharFeatures GetCharFeatures() const {
    return ReadObject<ICharFeatures>(&Suite::GetCharFeatures);
  }
  void SetLocalParaFeatures(const IParaFeatures &features) const {
    Call(&Suite::SetLocalParaFeatures, features.GetRef());
  }
};

class ITextRunsIterator : public HandleWrapper<gATETextRunsIteratorSuite> {
 public:
  explicit ITextRunsIterator(TextRunsIteratorRef ref) : HandleWrapper(ref) {}
  void MoveToFirst() const { Call(&Suite::MoveToFirst); }
  // True while the iterator stands on a run.
  bool IsNotDone() const { return Read<HostBool>(&Suite::IsNotDone) != 0; }
  void Next() const { Call(&Suite::Next); }
  ITextRange Item() const { return ReadObject<ITextRange>(&Suite::Item); }
};

class ITextRanges : public HandleWrapper<gATETextRangesSuite> {
 public:
  // A new empty set of ranges.
  ITextRanges() : HandleWrapper(CreateNew{}) {}
  explicit ITextRanges(TextRangesRef ref) : HandleWrapper(ref) {}

  int32_t GetSize() const { return Read<int32_t>(&Suite::GetSize); }
  ICharFeatures GetCharFeatures() const {
    return ReadObject<ICharFeatures>(&Suite::GetCharFeatures);
  }
  void SetLocalCharFeatures(const ICharFeatures &features) const {
    Call(&Suite::SetLocalCharFeatures, features.GetRef());
  }
  ITextRunsIterator GetTextRunsIterator() const {
    return ReadObject<ITextRunsIterator>(&Suite::GetTextRunsIterator);
  }
};

// The kinds above are written out by hand; the generic definition below skips them. Each
// marker expands to a leading dummy argument so that ZARVEL_ATE_PICK chooses the skip.
#define ZARVEL_ATE_HAS_OPERATIONS_TextFrame ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_Story ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_ArrayKashidas ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_CharInspector ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_CharFeatures ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_ParaFeatures ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_TextRange ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_TextRunsIterator ~, ZARVEL_ATE_SKIP
#define ZARVEL_ATE_HAS_OPERATIONS_TextRanges ~, ZARVEL_ATE_SKIP

#define ZARVEL_ATE_PICK_SECOND(first, second, ...) second
#define ZARVEL_ATE_PICK(...) ZARVEL_ATE_PICK_SECOND(__VA_ARGS__)
#define ZARVEL_ATE_SKIP(kind)
#define ZARVEL_ATE_PLAIN(kind)                              \
  class I##kind : public HandleWrapper<gATE##kind##Suite> { \
   public:                                                  \
    I##kind() = default;                                    \
    explicit I##kind(kind##Ref ref) : HandleWrapper(ref) {} \
  };
#define ZARVEL_ATE_WRAPPER(kind, version) \
  ZARVEL_ATE_PICK(ZARVEL_ATE_HAS_OPERATIONS_##kind, ZARVEL_ATE_PLAIN, ~)(kind)

ATE_SUITE_KINDS(ZARVEL_ATE_WRAPPER)

#undef ZARVEL_ATE_WRAPPER
#undef ZARVEL_ATE_PLAIN
#undef ZARVEL_ATE_SKIP
#undef ZARVEL_ATE_PICK
#undef ZARVEL_ATE_PICK_SECOND
#undef ZARVEL_ATE_HAS_OPERATIONS_TextFrame
#undef ZARVEL_ATE_HAS_OPERATIONS_Story
#undef ZARVEL_ATE_HAS_OPERATIONS_ArrayKashidas
#undef ZARVEL_ATE_HAS_OPERATIONS_CharInspector
#undef ZARVEL_ATE_HAS_OPERATIONS_CharFeatures
#undef ZARVEL_ATE_HAS_OPERATIONS_ParaFeatures
#undef ZARVEL_ATE_HAS_OPERATIONS_TextRange
#undef ZARVEL_ATE_HAS_OPERATIONS_TextRunsIterator
#undef ZARVEL_ATE_HAS_OPERATIONS_TextRanges

}  // namespace ATE
