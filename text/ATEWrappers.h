// The text-engine handle wrappers: one class per text-engine suite, in namespace ATE.
//
// Interface fixed for the rest of the module; the implementation lives beside it. Each
// wrapper owns one reference on its handle and throws ATE::Exception for every non-zero
// engine result. Operations used by the module (other classes have none beyond the pattern):
//   ITextRanges: ITextRanges() creates an empty set; explicit ITextRanges(TextRangesRef);
//     int32_t GetSize(); ICharFeatures GetCharFeatures();
//     void SetLocalCharFeatures(const ICharFeatures&); ITextRunsIterator GetTextRunsIterator()
//   ITextRange: ITextRange() is null; explicit ITextRange(TextRangeRef); IStory GetStory();
//     ICharInspector GetCharInspector(); IParaFeatures GetParaFeatures();
//     ICharFeatures GetCharFeatures(); void SetLocalParaFeatures(const IParaFeatures&)
//   ITextRunsIterator: void MoveToFirst(); bool IsNotDone(); void Next(); ITextRange Item()
//   ICharFeatures (default creates): DirOverride GetDirOverride(bool *isAssigned = nullptr),
//     GetDigitSet, GetDiacVPos, float GetDiacXOffset(bool*), GetDiacYOffset(bool*),
//     Kashidas GetKashidas(bool*); SetDirOverride, SetDigitSet, SetDiacVPos,
//     SetDiacXOffset(float), SetDiacYOffset(float), SetKashidas
//   IParaFeatures (default creates): bool GetEveryLineComposer(bool *isAssigned = nullptr),
//     GetParagraphDirection, GetJustificationMethod, GetComposerEngine;
//     SetEveryLineComposer(bool), SetParagraphDirection, SetJustificationMethod,
//     SetComposerEngine
//   ICharInspector: IArrayKashidas GetKashidas()
//   IArrayKashidas: int32_t GetSize(); Kashidas Item(int32_t index)
//   IStory: ITextFrame GetFrame(int32_t index)
//   ITextFrame: ITextFrame() is null; int32_t GetStoryDirection(); void SetStoryDirection(int32_t)
// Every class: GetRef() gives the handle without touching its count.
#pragma once
