// The engine value that each entry of the panel's value lists writes. The commands write
// through these lists and the panel shows a value at the entry that writes it.
#pragma once

#include <cstdint>
#include <optional>

#include "commands/ListValues.h"

namespace lists {

// Index 0 of the three character lists is "Multiple", which writes nothing.
// "Default", "Left to right", "Right to left".
inline constexpr std::optional<int32_t> kDirOverrideEntries[] = {std::nullopt, 0, 1, 2};
inline constexpr ListValues kDirOverrides{kDirOverrideEntries, std::nullopt};
// "Default", "Arabic", "Hindi", "Farsi".
inline constexpr std::optional<int32_t> kDigitSetEntries[] = {std::nullopt, 0, 1, 2, 3};
inline constexpr ListValues kDigitSets{kDigitSetEntries, std::nullopt};
// "None", "Loose", "Normal", "Tight", "Open Type".
inline constexpr std::optional<int32_t> kDiacVPosEntries[] = {std::nullopt, 0, 1, 2, 3, 4};
inline constexpr ListValues kDiacVPositions{kDiacVPosEntries, std::nullopt};
// The Kashidas box: cleared (0) turns kashidas off (1), checked (1) on (0).
inline constexpr std::optional<int32_t> kKashidasEntries[] = {1, 0};
inline constexpr ListValues kKashidas{kKashidasEntries, std::nullopt};

// "Left to right", "Right to left"; any other index is taken as right to left.
inline constexpr std::optional<int32_t> kParagraphDirectionEntries[] = {0, 1};
inline constexpr ListValues kParagraphDirections{kParagraphDirectionEntries, 1};
// "Standard", "Arabic", "Naskh".
inline constexpr std::optional<int32_t> kJustificationEntries[] = {0, 1, 2};
inline constexpr ListValues kJustificationMethods{kJustificationEntries, std::nullopt};
// "Left to right", "Right to left".
inline constexpr std::optional<int32_t> kStoryDirectionEntries[] = {0, 1};
inline constexpr ListValues kStoryDirections{kStoryDirectionEntries, std::nullopt};

}  // namespace lists
