#include "host/adm/DialogManager.h"

#include <algorithm>

#include "ADMTrackerSuite.h"
#include "host/adm/AdmSuites.h"
#include "host/adm/DialogBuilder.h"
#include "host/adm/DialogJson.h"
#include "host/adm/PanelSnapshot.h"
#include "host/core/FailurePlan.h"
#include "host/core/HostServices.h"
#include "host/loader/PluginConnection.h"
#include "host/resources/MenuTemplate.h"

namespace zvhost {

namespace {

// The item the host presses to end a modal run: the default button.
constexpr int32_t kDefaultItemID = 1;

std::string Named(const Dialog &dialog) {
  return "dialog \"" + dialog.name + "\" (resource " + std::to_string(dialog.resourceID) + ")";
}

}  // namespace

DialogManager::DialogManager() {
  OfferAdmSuites(HostServices::The().suites);
}

DialogManager::~DialogManager() = default;

DialogManager::Busy::~Busy() {
  if (--manager_.busy_ > 0) return;
  manager_.retiredDialogs_.clear();
  manager_.retiredEntries_.clear();
}

bool DialogManager::ModuleLoaded() {
  const PluginConnection *connection = PluginConnection::Current();
  return connection != nullptr && connection->Loaded();
}

const ResourceSource *DialogManager::ResourcesOf(HostPluginRef plugin) {
  const PluginConnection *connection = PluginConnection::Of(plugin);
  if (connection == nullptr || !connection->Loaded()) return nullptr;
  return &connection->Resources();
}

void DialogManager::Note(const std::string &text) {
  HostServices::The().output.Emit({{"kind", "note"}, {"text", text}});
}

void DialogManager::EscapedException(const char *what) {
  HostServices::The().findings.Report(std::string("ADM ") + what,
                                      "an exception left the module's procedure");
}

Dialog *DialogManager::Make(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                            ADMUserData userData) {
  const ResourceSource *resources = ResourcesOf(plugin);
  if (resources == nullptr) {
    Note("a dialog was asked for by a plug-in reference that is not the loaded module's");
    return nullptr;
  }
  const std::string context = "dialog " + std::to_string(dialogID);
  std::optional<Bytes> data;
  if (dialogID >= 0 && dialogID <= UINT16_MAX) {
    data = resources->Find(ResourceType::Numbered(kResDialog), static_cast<uint16_t>(dialogID));
  }
  if (!data) {
    Note("the module has no " + context + "; no dialog was made");
    return nullptr;
  }
  std::unique_ptr<Dialog> dialog;
  try {
    dialog = BuildDialog(ParseDialogTemplate(*data, context), style);
  } catch (const FormatError &error) {
    Note(std::string(error.what()) + "; no dialog was made");
    return nullptr;
  }
  dialog->plugin = plugin;
  dialog->name = name != nullptr ? name : "";
  dialog->resourceID = dialogID;
  dialog->userData = userData;
  Register(*dialog);
  dialogs_.push_back(std::move(dialog));
  return dialogs_.back().get();
}

void DialogManager::Register(Dialog &dialog) {
  dialog.ref = handles_.Add(&dialog);
  for (const auto &item : dialog.items) {
    item->ref = handles_.Add(item.get());
    if (item->list) item->list->ref = handles_.Add(item->list.get());
  }
}

void DialogManager::RegisterEntries(List &list) {
  for (const auto &entry : list.entries) entry->ref = handles_.Add(entry.get());
}

void DialogManager::UnregisterEntries(List &list) {
  for (const auto &entry : list.entries) handles_.Remove<Entry>(entry->ref);
}

void DialogManager::RunInit(Dialog &dialog, ADMDialogInitProc initProc) {
  if (initProc == nullptr) return;
  HostErr result = kHostNoErr;
  CallModule("dialog init procedure", [&] { result = initProc(dialog.ref); });
  // A real dialog manager goes on with a dialog whose init failed; the user is told.
  if (result != kHostNoErr) {
    Note("the init procedure of " + Named(dialog) + " returned " + FormatErrorCode(result));
  }
}

ADMDialogRef DialogManager::Create(HostPluginRef plugin, const char *name, int32_t dialogID,
                                   int32_t style, ADMDialogInitProc initProc,
                                   ADMUserData userData) {
  Busy busy(*this);
  Dialog *dialog = Make(plugin, name, dialogID, style, userData);
  if (dialog == nullptr) return nullptr;
  RunInit(*dialog, initProc);
  return dialog->destroyed ? nullptr : dialog->ref;
}

int32_t DialogManager::RunModal(HostPluginRef plugin, const char *name, int32_t dialogID,
                                int32_t style, ADMDialogInitProc initProc, ADMUserData userData) {
  Busy busy(*this);
  Dialog *dialog = Make(plugin, name, dialogID, style, userData);
  if (dialog == nullptr) return -1;
  dialog->modal = true;
  dialog->visible = true;
  RunInit(*dialog, initProc);
  HostServices::The().output.Emit(ModalJson(*dialog));
  lastModalSvg_ = PanelSvg(*dialog, ResourcesOf(dialog->plugin));
  if (!dialog->ended) PressDefaultItem(*dialog);
  if (!dialog->ended) {
    Note("the modal " + Named(*dialog) +
         " did not end when its item 1 was pressed; the host ended it");
    EndModal(*dialog, kDefaultItemID);
  }
  const int32_t result = dialog->result;
  Destroy(*dialog);
  return result;
}

void DialogManager::PressDefaultItem(Dialog &dialog) {
  Item *item = dialog.FindItem(kDefaultItemID);
  if (item == nullptr || !item->enabled || !item->visible) {
    Note("the modal " + Named(dialog) + " has no enabled, visible item 1 to press");
    return;
  }
  UserAction(*item, [](Item &) {});
}

void DialogManager::EndModal(Dialog &dialog, int32_t resultID) {
  if (!dialog.modal || dialog.ended) return;
  dialog.ended = true;
  dialog.result = resultID;
}

void DialogManager::Destroy(Dialog &dialog) {
  if (dialog.destroyed) return;
  if (dialog.modal && !dialog.ended) return EndModal(dialog, -1);
  Busy busy(*this);
  // Set first: a destroy procedure that asks for the destruction again is not obeyed twice.
  dialog.destroyed = true;
  if (dialog.destroy) {
    // Found where the module is now; called only while it is loaded.
    ADMDialogDestroyProc destroy = dialog.destroy.Get();
    CallModule("dialog destroy procedure", [&] { destroy(dialog.ref); });
  }
  Retire(dialog);
}

void DialogManager::Retire(Dialog &dialog) {
  for (const auto &item : dialog.items) {
    if (item->list) {
      UnregisterEntries(*item->list);
      handles_.Remove<List>(item->list->ref);
    }
    handles_.Remove<Item>(item->ref);
  }
  handles_.Remove<Dialog>(dialog.ref);
  auto owned = std::find_if(dialogs_.begin(), dialogs_.end(),
                            [&](const auto &candidate) { return candidate.get() == &dialog; });
  if (owned == dialogs_.end()) return;
  retiredDialogs_.push_back(std::move(*owned));
  dialogs_.erase(owned);
}

void DialogManager::DestroyAll() {
  std::vector<ADMDialogRef> floating;
  for (const auto &dialog : dialogs_) {
    if (!dialog->modal) floating.push_back(dialog->ref);
  }
  for (ADMDialogRef ref : floating) {
    if (Dialog *dialog = handles_.Peek<Dialog>(ref)) Destroy(*dialog);
  }
}

void DialogManager::Show(Dialog &dialog, bool show) {
  const bool appears = show && !dialog.visible;
  dialog.visible = show;
  if (appears) Draw(dialog);
}

void DialogManager::SetBounds(Dialog &dialog, const HostRect &bounds) {
  dialog.bounds = bounds;
  NotifyDialog(dialog, kADMBoundsChangedNotifier);
}

void DialogManager::SetMenu(List &list, int32_t menuID) {
  UnregisterEntries(list);
  for (auto &entry : list.entries) retiredEntries_.push_back(std::move(entry));
  list.entries.clear();
  list.chosen = nullptr;
  list.menuID = menuID;
  if (busy_ == 0) retiredEntries_.clear();

  const ResourceSource *resources = ResourcesOf(list.item->dialog->plugin);
  const std::string context = "menu " + std::to_string(menuID);
  std::optional<Bytes> data;
  if (resources != nullptr && menuID >= 0 && menuID <= UINT16_MAX) {
    data = resources->Find(ResourceType::Numbered(kResMenu), static_cast<uint16_t>(menuID));
  }
  if (!data) {
    Note("the module has no " + context + "; the list of item " + std::to_string(list.item->id) +
         " of " + Named(*list.item->dialog) + " stays empty");
    return;
  }
  try {
    for (const MenuEntry &source : ParseMenuTemplate(*data, context).entries) {
      if (source.submenu) continue;  // a sub-menu's title is not an entry of its own
      auto entry = std::make_unique<Entry>();
      entry->list = &list;
      entry->id = source.id;
      entry->text = source.text;
      entry->separator = source.separator;
      list.entries.push_back(std::move(entry));
    }
  } catch (const FormatError &error) {
    Note(std::string(error.what()) + "; the list stays empty");
    return;
  }
  RegisterEntries(list);
}

void DialogManager::Select(Entry &entry, bool select) {
  List &list = *entry.list;
  if (!select) {
    if (list.chosen == &entry) list.chosen = nullptr;
    return;
  }
  list.chosen = &entry;
  if (list.item->kind != ItemKind::kSpinEditPopup) return;
  if (std::optional<double> number = NumberOf(entry.text)) list.item->value = *number;
}

void DialogManager::DefaultNotify(Item &item, const Notifier &notifier, ADMNotifierRef ref) {
  Dialog &dialog = *item.dialog;
  if (item.kind == ItemKind::kPushButton && notifier.type == kADMUserChangedNotifier) {
    EndModal(dialog, item.id);
  }
  // What the item does not handle goes on to its dialog.
  if (dialog.notify) {
    ADMDialogNotifyProc notify = dialog.notify.Get();
    CallModule("dialog notify procedure", [&] { notify(dialog.ref, ref); });
  }
}

bool DialogManager::DefaultTrack(const Item &item, const Tracker &tracker) const {
  return item.enabled && item.visible && !tracker.aborted;
}

bool DialogManager::Track(Item &item) {
  Tracker tracker{kADMMouseDownAction,
                  {item.bounds.x + item.bounds.width / 2, item.bounds.y + item.bounds.height / 2},
                  false};
  ADMTrackerRef ref = handles_.Add(&tracker);
  bool taken = false;
  if (item.track) {
    ADMItemTrackProc track = item.track.Get();
    CallModule("item track procedure", [&] { taken = track(item.ref, ref) != 0; });
  } else {
    taken = DefaultTrack(item, tracker);
  }
  handles_.Remove<Tracker>(ref);
  return taken && !tracker.aborted;
}

void DialogManager::Notify(Item &item, const char *type) {
  Notifier notifier{type, &item, item.dialog};
  ADMNotifierRef ref = handles_.Add(&notifier);
  if (item.notify) {
    ADMItemNotifyProc notify = item.notify.Get();
    CallModule("item notify procedure", [&] { notify(item.ref, ref); });
  } else {
    DefaultNotify(item, notifier, ref);
  }
  handles_.Remove<Notifier>(ref);
}

void DialogManager::NotifyDialog(Dialog &dialog, const char *type) {
  if (!dialog.notify) return;
  ADMDialogNotifyProc notify = dialog.notify.Get();
  Notifier notifier{type, nullptr, &dialog};
  ADMNotifierRef ref = handles_.Add(&notifier);
  CallModule("dialog notify procedure", [&] { notify(dialog.ref, ref); });
  handles_.Remove<Notifier>(ref);
}

void DialogManager::Draw(Dialog &dialog) {
  if (!dialog.draw) return;
  ADMDialogDrawProc draw = dialog.draw.Get();
  Drawer drawer{&dialog};
  ADMDrawerRef ref = handles_.Add(&drawer);
  CallModule("dialog draw procedure", [&] { draw(dialog.ref, ref); });
  handles_.Remove<Drawer>(ref);
}

Dialog *DialogManager::Panel() const {
  // Whatever its resource, the panel is what the module made with Create: the one dialog that
  // floats rather than runs modally. The first is the panel should a module make more.
  for (const auto &dialog : dialogs_) {
    if (!dialog->modal) return dialog.get();
  }
  return nullptr;
}

}  // namespace zvhost
