// The text attributes the engine keeps: character attributes per run, paragraph attributes
// per paragraph. Every value is held as its 32 bits (a float by its bit pattern), so two
// runs are equal exactly when their arrays are, and one table names every attribute for the
// file, the dump and the feature sets alike.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace zvhost::engine {

enum class ValueKind { kInteger, kFloat, kBoolean };

struct AttributeInfo {
  const char *name;  // the field in the document file
  ValueKind kind;
};

enum CharAttribute : uint8_t {
  kDirOverride,
  kDigitSet,
  kDiacVPos,
  kDiacXOffset,
  kDiacYOffset,
  kKashidas,
  kCharAttributeCount
};

enum ParaAttribute : uint8_t {
  kParagraphDirection,
  kJustificationMethod,
  kComposerEngine,
  kEveryLineComposer,
  kParaAttributeCount
};

// In the order the file writes them.
inline constexpr AttributeInfo kCharAttributes[kCharAttributeCount] = {
    {"dirOverride", ValueKind::kInteger}, {"digitSet", ValueKind::kInteger},
    {"diacVPos", ValueKind::kInteger},    {"diacXOffset", ValueKind::kFloat},
    {"diacYOffset", ValueKind::kFloat},   {"kashidas", ValueKind::kInteger}};

inline constexpr AttributeInfo kParaAttributes[kParaAttributeCount] = {
    {"paragraphDirection", ValueKind::kInteger},
    {"justificationMethod", ValueKind::kInteger},
    {"composerEngine", ValueKind::kInteger},
    {"everyLineComposer", ValueKind::kBoolean}};

template <size_t N>
using AttributeValues = std::array<int32_t, N>;

using CharAttributes = AttributeValues<kCharAttributeCount>;
using ParaAttributes = AttributeValues<kParaAttributeCount>;

inline int32_t FloatBits(float value) {
  return std::bit_cast<int32_t>(value);
}
inline float BitsFloat(int32_t bits) {
  return std::bit_cast<float>(bits);
}

// Attributes read from text or to be written into it. Read from text, an attribute is
// assigned when it has one value over all of it; one that varies keeps the value where the
// text starts. Applied to text, only the assigned attributes are written.
template <size_t N>
struct FeatureSet {
  AttributeValues<N> values{};
  uint32_t assigned = 0;  // bit i: attribute i

  static constexpr uint32_t kAll = (1u << N) - 1;

  bool IsAssigned(size_t attribute) const { return (assigned >> attribute) & 1u; }
  void Assign(size_t attribute, int32_t value) {
    values[attribute] = value;
    assigned |= 1u << attribute;
  }

  // Takes in the next span of text read; `first` for the span where the text starts.
  void Accumulate(const AttributeValues<N> &span, bool first) {
    if (first) {
      values = span;
      assigned = kAll;
      return;
    }
    for (size_t i = 0; i < N; ++i) {
      if (values[i] != span[i]) assigned &= ~(1u << i);
    }
  }

  void ApplyTo(AttributeValues<N> &target) const {
    for (size_t i = 0; i < N; ++i) {
      if (IsAssigned(i)) target[i] = values[i];
    }
  }
};

using CharFeatureSet = FeatureSet<kCharAttributeCount>;
using ParaFeatureSet = FeatureSet<kParaAttributeCount>;

}  // namespace zvhost::engine
