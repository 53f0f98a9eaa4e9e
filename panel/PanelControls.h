// The panel's dialog, its logo and menu, and the About box as data: resource and item ids.
// The controls that set the text are in panel/PanelControlTable.h.
#pragma once

#include <cstdint>

namespace panel {

inline constexpr int32_t kPanelDialogID = 102;
inline constexpr int32_t kPanelDialogStyle = 3;  // a floating panel that can be docked
inline constexpr char kPanelName[] = "Zarvel";

inline constexpr int32_t kLogoItem = 89;
inline constexpr int32_t kLogoPictureID = 1685;
inline constexpr char kPictureName[] = "logo";
inline constexpr int32_t kPanelMenuResID = 16050;

// The About box.
inline constexpr char kAboutDialogName[] = "About Zarvel";
inline constexpr int32_t kAboutDialogID = 16040;
inline constexpr int32_t kAboutOKItem = 1;
inline constexpr int32_t kAboutPictureItem = 90;
inline constexpr int32_t kAboutPictureID = 1686;

}  // namespace panel
