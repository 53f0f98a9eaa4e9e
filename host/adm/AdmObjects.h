// What the dialog manager keeps of a dialog: its items, their lists and the lists' entries.
// A dialog owns its items, an item its list, a list its entries; the module sees each of
// them only through the handles of AdmHandles.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ADMTypes.h"
#include "host/loader/ModuleProc.h"

namespace zvhost {

struct Dialog;
struct Item;
struct List;

enum class ItemKind {
  kPicture,        // "ADM Picture Static Type"
  kPopupList,      // "ADM Popup List Type"
  kSpinEditPopup,  // "ADM Spin Edit Popup Type": a number field with a list of numbers
  kStaticText,
  kTextEdit,
  kCheckBox,
  kRadioButton,
  kPushButton,
  kFrame,      // black, grey, white or etched frames and rectangles, group boxes
  kPanelMenu,  // item -5 of a tabbed floating dialog: the panel's flyout menu
  kOther,      // a window class the dialog manager does not know; shown as a box
};

// A rectangle in dialog units, as the template gives it.
struct UnitRect {
  int32_t x = 0, y = 0, width = 0, height = 0;
};

struct Entry {
  List *list = nullptr;
  ADMEntryRef ref = nullptr;
  int32_t id = 0;  // the menu item's id
  std::string text;
  bool separator = false;
};

struct List {
  Item *item = nullptr;
  ADMListRef ref = nullptr;
  int32_t menuID = 0;  // the menu resource the entries came from; 0 before any
  std::vector<std::unique_ptr<Entry>> entries;
  Entry *chosen = nullptr;  // at most one chosen entry

  // The entry's position in the list, separators counted.
  int32_t IndexOf(const Entry *entry) const;
};

struct Item {
  Dialog *dialog = nullptr;
  ADMItemRef ref = nullptr;
  int32_t id = 0;
  ItemKind kind = ItemKind::kOther;
  bool defaultButton = false;
  std::string label;  // the template's text: a check box's or button's caption
  std::string text;   // what SetText last gave (starts as the template's text)
  UnitRect bounds;
  bool enabled = true;
  bool visible = true;
  // One value serves the boolean, integer and float views, as in a real dialog manager.
  double value = 0;
  std::optional<int32_t> pictureID;
  std::string pictureName;
  // The module's procedures, kept as places in its image (host/loader/ModuleProc.h).
  ModuleProc<ADMItemNotifyProc> notify;
  ModuleProc<ADMItemTrackProc> track;
  std::unique_ptr<List> list;  // popup lists, spin-edit popups and the panel menu
};

struct Dialog {
  ADMDialogRef ref = nullptr;
  HostPluginRef plugin = nullptr;
  std::string name;
  std::string title;
  int32_t resourceID = 0;
  int32_t style = 0;
  UnitRect unitSize;  // the template's size, for drawing
  HostRect bounds{};  // screen pixels
  bool visible = false;
  ADMUserData userData = nullptr;
  // The module's procedures, kept as places in its image (host/loader/ModuleProc.h).
  ModuleProc<ADMDialogDrawProc> draw;
  ModuleProc<ADMDialogTrackProc> track;
  ModuleProc<ADMDialogNotifyProc> notify;
  ModuleProc<ADMDialogDestroyProc> destroy;
  std::string groupName;  // "" while the dialog floats alone
  int32_t positionCode = 0;
  std::vector<std::unique_ptr<Item>> items;  // in template order; -5 last when present

  // A modal run in progress: set when the run ends, with the id that ended it.
  bool modal = false;
  bool ended = false;
  int32_t result = 0;
  bool destroyed = false;  // the destroy procedure has run; the handles are gone

  Item *FindItem(int32_t id) const;
};

// A picture of the module handed out by the icon suite; the module destroys it.
struct Icon {
  int32_t resourceID = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// What a procedure is handed with a notification: its type and where it happened.
struct Notifier {
  std::string type;
  Item *item = nullptr;  // null for a notification of the dialog itself
  Dialog *dialog = nullptr;
};

// A mouse event on its way to an item; a track procedure may abort its default handling.
struct Tracker {
  int32_t action = 0;
  HostPoint point{};
  bool aborted = false;
};

// What a draw procedure is handed; the host paints nothing itself but the snapshot.
struct Drawer {
  Dialog *dialog = nullptr;
};

// The numeric value an entry or a typed text stands for, as a spin-edit popup reads it.
std::optional<double> NumberOf(const std::string &text);
// Window class names, labels and entry texts compare this way, as Windows compares them.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// A number as a spin-edit popup shows it: no decimals for whole numbers.
std::string FormatNumber(double value);

}  // namespace zvhost
