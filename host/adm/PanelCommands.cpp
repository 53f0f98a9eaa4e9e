// The script's panel commands: user actions on the panel's controls and flyout menu, its
// docking and bounds, `dump panel` and `snapshot`. A user action that a real panel would
// not let through is refused with the reason, and nothing reaches the plug-in.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <fstream>
#include <utility>

#include "host/adm/ControlFinder.h"
#include "host/adm/DialogJson.h"
#include "host/adm/DialogManager.h"
#include "host/adm/PanelSnapshot.h"
#include "host/core/FilePath.h"
#include "host/core/HostServices.h"
#include "host/core/Suggestion.h"
#include "host/core/UsageError.h"
#include "host/core/WholeNumber.h"

namespace zvhost {

namespace {

using Args = std::vector<std::string>;

void Expect(const Args &args, size_t count, const char *usage) {
  if (args.size() != count) throw UsageError(std::string("usage: ") + usage);
}

int32_t WholeNumber32(const std::string &text, const char *usage, const char *what) {
  return static_cast<int32_t>(
      WholeNumber(text, std::string(usage) + ": " + what, INT32_MIN, INT32_MAX));
}

bool Refuse(const std::string &reason) {
  HostServices::The().Refuse(reason);
  return false;
}

// The panel as the dialog manager can reach it, or null after saying why not.
Dialog *ExistingPanel() {
  if (!DialogManager::ModuleLoaded()) return Refuse("the module is unloaded"), nullptr;
  Dialog *panel = DialogManager::The().Panel();
  if (panel == nullptr) return Refuse("the plug-in made no panel"), nullptr;
  return panel;
}

// The panel as the user can reach it: one that is shown, as a user cannot click into a
// panel that is not on the screen.
Dialog *ReachablePanel() {
  Dialog *panel = ExistingPanel();
  if (panel != nullptr && !panel->visible) {
    return Refuse(
               "the panel is hidden: the plug-in's Window menu item shows it (menu "
               "\"Window Utilities/Zarvel/Zarvel\")"),
           nullptr;
  }
  return panel;
}

// What the control shows, as a person reads it: the chosen entry, the number, on or off.
std::string ShownValue(const Item &item) {
  if (item.kind == ItemKind::kPopupList || item.kind == ItemKind::kPanelMenu) {
    const Entry *chosen = item.list != nullptr ? item.list->chosen : nullptr;
    return chosen != nullptr ? chosen->text : "(none)";
  }
  if (item.kind == ItemKind::kCheckBox || item.kind == ItemKind::kRadioButton) {
    return item.value != 0 ? "on" : "off";
  }
  return FormatNumber(item.value);
}

const char *KindNoun(ItemKind kind) {
  switch (kind) {
    case ItemKind::kPicture:
      return "a picture";
    case ItemKind::kPopupList:
      return "a popup list";
    case ItemKind::kSpinEditPopup:
      return "a spin-edit popup";
    case ItemKind::kStaticText:
      return "a static text";
    case ItemKind::kTextEdit:
      return "a text field";
    case ItemKind::kCheckBox:
      return "a check box";
    case ItemKind::kRadioButton:
      return "a radio button";
    case ItemKind::kPushButton:
      return "a push button";
    case ItemKind::kFrame:
      return "a frame";
    case ItemKind::kPanelMenu:
      return "the flyout menu";
    case ItemKind::kOther:
      break;
  }
  return "a control of an unknown kind";
}

// What each user action works on, and what to say when it is tried on anything else.
struct Action {
  const char *verb;
  std::vector<ItemKind> kinds;
};
const Action kChoose{"choose an entry", {ItemKind::kPopupList, ItemKind::kSpinEditPopup}};
const Action kType{"type a number", {ItemKind::kSpinEditPopup}};
const Action kClick{"click", {ItemKind::kCheckBox, ItemKind::kRadioButton, ItemKind::kPushButton}};

// The control a user action can reach, or null after saying why not.
Item *ReachableControl(Dialog &panel, const std::string &name, const Action &action) {
  Item *item = FindControl(panel, name);
  if (item == nullptr) {
    std::vector<std::string> labels;
    for (const auto &candidate : panel.items) labels.push_back(LabelOf(panel, *candidate));
    return Refuse("the panel has no control '" + name + "'" + DidYouMean(name, labels)), nullptr;
  }
  const std::string described = Describe(panel, *item);
  if (std::find(action.kinds.begin(), action.kinds.end(), item->kind) == action.kinds.end()) {
    return Refuse(described + " is " + KindNoun(item->kind) + ": one cannot " + action.verb +
                  " there"),
           nullptr;
  }
  if (!item->visible) return Refuse(described + " is hidden"), nullptr;
  if (!item->enabled) return Refuse(described + " is disabled"), nullptr;
  return item;
}

// The entry a user can pick in the item's list, or null after saying why not.
Entry *PickableEntry(const Dialog &panel, const Item &item, const std::string &name) {
  Entry *entry = FindEntry(*item.list, name);
  const std::string described = Describe(panel, item);
  if (entry == nullptr) {
    std::string texts;
    std::vector<std::string> candidates;
    for (const auto &candidate : item.list->entries) {
      if (candidate->separator) continue;
      texts += (texts.empty() ? "" : ", ") + ("\"" + candidate->text + "\"");
      candidates.push_back(candidate->text);
    }
    return Refuse(described + " has no entry '" + name + "'" + DidYouMean(name, candidates) +
                  " (its entries: " + (texts.empty() ? "none" : texts) + ")"),
           nullptr;
  }
  if (entry->separator) {
    return Refuse("entry " + std::to_string(item.list->IndexOf(entry)) + " of " + described +
                  " is a separator, which cannot be picked"),
           nullptr;
  }
  return entry;
}

// Delivers a user action to a control: tracking, the change, the notification. Says so
// when the control's track procedure kept the click to itself.
template <class Change>
void Deliver(const Dialog &panel, Item &item, Change &&change) {
  const std::string described = Describe(panel, item);
  const std::string label = LabelOf(panel, item);
  const int32_t id = item.id;
  const std::string before = ShownValue(item);
  if (!DialogManager::The().UserAction(item, std::forward<Change>(change))) {
    DialogManager::Note("the track procedure of " + described + " kept the click");
    return;
  }
  // The plug-in's notify procedure may have destroyed the control or the panel.
  Dialog *still = DialogManager::The().Panel();
  const Item *after = still != nullptr ? still->FindItem(id) : nullptr;
  HostServices::The().output.Emit({{"kind", "change"},
                                   {"control", label.empty() ? described : label},
                                   {"id", id},
                                   {"from", before},
                                   {"to", after != nullptr ? ShownValue(*after) : "(gone)"}});
}

// Chooses the entry once tracking let the click through (it may have refilled the list).
void PickEntry(const Dialog &panel, Item &item, Entry &entry) {
  DialogManager &manager = DialogManager::The();
  ADMEntryRef entryRef = entry.ref;
  Deliver(panel, item, [&](Item &) {
    if (Entry *still = manager.Handles().Peek<Entry>(entryRef)) manager.Select(*still, true);
  });
}

void Choose(const Args &args) {
  Expect(args, 2, "panel choose CONTROL ENTRY");
  Dialog *panel = ReachablePanel();
  if (panel == nullptr) return;
  Item *item = ReachableControl(*panel, args[0], kChoose);
  if (item == nullptr) return;
  if (Entry *entry = PickableEntry(*panel, *item, args[1])) PickEntry(*panel, *item, *entry);
}

void Type(const Args &args) {
  Expect(args, 2, "panel type CONTROL NUMBER");
  Dialog *panel = ReachablePanel();
  if (panel == nullptr) return;
  Item *item = ReachableControl(*panel, args[0], kType);
  if (item == nullptr) return;
  std::optional<double> number = NumberOf(args[1]);
  if (!number || std::fabs(*number) > FLT_MAX) {
    Refuse(Describe(*panel, *item) + " takes numbers; '" + args[1] + "' is not one");
    return;
  }
  const float typed = static_cast<float>(*number);
  Deliver(*panel, *item, [typed](Item &it) { it.value = typed; });
}

void Click(const Args &args) {
  Expect(args, 1, "panel click CONTROL");
  Dialog *panel = ReachablePanel();
  if (panel == nullptr) return;
  Item *item = ReachableControl(*panel, args[0], kClick);
  if (item == nullptr) return;
  Deliver(*panel, *item, [](Item &it) {
    if (it.kind == ItemKind::kCheckBox) it.value = it.value != 0 ? 0 : 1;
    if (it.kind == ItemKind::kRadioButton) it.value = 1;
  });
}

void Menu(const Args &args) {
  Expect(args, 1, "panel menu ENTRY");
  Dialog *panel = ReachablePanel();
  if (panel == nullptr) return;
  Item *menu = panel->FindItem(kADMMenuItemID);
  if (menu == nullptr || !menu->list) return void(Refuse("the panel has no flyout menu"));
  if (!menu->enabled) return void(Refuse("the panel's flyout menu is disabled"));
  if (Entry *entry = PickableEntry(*panel, *menu, args[0])) PickEntry(*panel, *menu, *entry);
}

void Dock(const Args &args) {
  Expect(args, 2, "panel dock GROUP CODE");
  const int32_t code = WholeNumber32(args[1], "panel dock", "CODE");
  if (Dialog *panel = ExistingPanel()) {
    panel->groupName = args[0];
    panel->positionCode = code;
  }
}

void Undock(const Args &args) {
  Expect(args, 0, "panel undock");
  if (Dialog *panel = ExistingPanel()) {
    panel->groupName.clear();
    panel->positionCode = 0;
  }
}

void Place(const Args &args) {
  constexpr const char *kUsage = "panel place LEFT TOP WIDTH HEIGHT";
  Expect(args, 4, kUsage);
  const int32_t left = WholeNumber32(args[0], "panel place", "LEFT");
  const int32_t top = WholeNumber32(args[1], "panel place", "TOP");
  const int32_t width = WholeNumber32(args[2], "panel place", "WIDTH");
  const int32_t height = WholeNumber32(args[3], "panel place", "HEIGHT");
  if (width < 0 || height < 0) throw UsageError("panel place: WIDTH and HEIGHT cannot be negative");
  if (static_cast<int64_t>(left) + width > INT32_MAX ||
      static_cast<int64_t>(top) + height > INT32_MAX) {
    throw UsageError("panel place: the panel would reach past the largest coordinate");
  }
  if (Dialog *panel = ExistingPanel()) {
    DialogManager::The().SetBounds(*panel, {left, top, left + width, top + height});
  }
}

void DumpPanel(const Args &args) {
  Expect(args, 0, "dump panel");
  HostServices::The().output.Emit(PanelJson(DialogManager::The().Panel()));
}

void WritePicture(const std::string &path, const std::string &svg, const std::string &what) {
  std::ofstream file(FilePath(path), std::ios::binary);
  file << svg;
  file.close();
  if (!file) throw UsageError("snapshot: cannot write '" + path + "'");
  DialogManager::Note(what + " is drawn in " + path);
}

void Snapshot(const Args &args) {
  Expect(args, 1, "snapshot FILE.svg");
  DialogManager &manager = DialogManager::The();
  Dialog *panel = manager.Panel();
  if (panel == nullptr) return void(Refuse("the plug-in made no panel to draw"));
  manager.Draw(*panel);
  // The module may have destroyed the panel while it drew.
  panel = manager.Panel();
  if (panel == nullptr) return void(Refuse("the panel went away while it was drawn"));
  WritePicture(args[0], PanelSvg(*panel, DialogManager::ResourcesOf(panel->plugin)), "the panel");
}

void SnapshotModal(const Args &args) {
  Expect(args, 1, "snapshot modal FILE.svg");
  const std::string &svg = DialogManager::The().LastModalSvg();
  if (svg.empty()) return void(Refuse("no modal dialog has run yet"));
  WritePicture(args[0], svg, "the last modal dialog");
}

}  // namespace

void DialogManager::RegisterCommands(CommandTable &commands) {
  commands.Add({{"panel", "choose"},
                "panel choose CONTROL ENTRY",
                "picks an entry (its text or index) in a popup list or a spin-edit popup's list",
                Choose});
  commands.Add({{"panel", "type"},
                "panel type CONTROL NUMBER",
                "types a number into a spin-edit popup",
                Type});
  commands.Add(
      {{"panel", "click"}, "panel click CONTROL", "clicks the check box (its value flips)", Click});
  commands.Add({{"panel", "menu"},
                "panel menu ENTRY",
                "picks an entry (text or index) of the panel's flyout menu",
                Menu});
  commands.Add({{"panel", "dock"},
                "panel dock GROUP CODE",
                "docks the panel into a group at a position code",
                Dock});
  commands.Add({{"panel", "undock"}, "panel undock", "lets the panel float alone", Undock});
  commands.Add({{"panel", "place"},
                "panel place LEFT TOP WIDTH HEIGHT",
                "moves and sizes the panel (screen pixels)",
                Place});
  commands.Add({{"dump", "panel"},
                "dump panel",
                "the panel's controls: entries, values, states",
                DumpPanel});
  commands.Add({{"snapshot"},
                "snapshot FILE.svg",
                "draws the panel as it stands into an SVG picture",
                Snapshot});
  commands.Add({{"snapshot", "modal"},
                "snapshot modal FILE.svg",
                "draws the last modal dialog (an About box, an error) as it stood when it ran",
                SnapshotModal});
}

}  // namespace zvhost
