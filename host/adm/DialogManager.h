// The headless dialog manager: dialogs built from the module's dialog templates, their
// items, lists and entries, modal runs and the panel commands of the script.
//
// Objects that the module destroys while a callback of the host is under way are retired,
// not freed, until the outermost callback returns, so that no host frame below it is left
// holding a freed object; the module loses their handles at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/adm/AdmHandles.h"
#include "host/adm/AdmObjects.h"
#include "host/core/CommandTable.h"
#include "host/core/LiveObjects.h"
#include "host/core/SoleInstance.h"

namespace zvhost {

class ResourceSource;

// Pictures handed out by the icon suite; the module must destroy each.
class IconStore final : public LiveCounter {
 public:
  IconStore() : LiveCounter("ADMIcon", LiveCategory::Other) {}
  size_t Live() const override { return icons.size(); }
  std::vector<std::unique_ptr<Icon>> icons;
};

class DialogManager : public SoleInstance<DialogManager> {
 public:
  static constexpr const char *kRole = "dialog manager";

  // Offers the ADM suites.
  DialogManager();
  ~DialogManager();
  DialogManager(const DialogManager &) = delete;
  DialogManager &operator=(const DialogManager &) = delete;

  void RegisterCommands(CommandTable &commands);
  // Destroys every floating dialog; their destroy procedures run.
  void DestroyAll();

  AdmHandles &Handles() { return handles_; }
  IconStore &Icons() { return icons_; }

  // A floating dialog, created hidden, after its init procedure ran; null when the
  // plug-in or the resource is not there (said in a note).
  ADMDialogRef Create(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                      ADMDialogInitProc initProc, ADMUserData userData);
  // A modal run: built, initialised, shown in a `modal` line, item 1 pressed, destroyed.
  // The id of the item that ended it, or -1 when the dialog could not be made.
  int32_t RunModal(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                   ADMDialogInitProc initProc, ADMUserData userData);
  // Runs the destroy procedure and retires the dialog; a modal dialog's run ends instead,
  // and the run destroys it.
  void Destroy(Dialog &dialog);
  void EndModal(Dialog &dialog, int32_t resultID);
  void Show(Dialog &dialog, bool show);
  void SetBounds(Dialog &dialog, const HostRect &bounds);

  // Replaces a list's entries by those of a menu resource of the dialog's plug-in.
  void SetMenu(List &list, int32_t menuID);
  // Makes the entry the list's chosen one (a spin-edit popup then shows its number), or
  // clears it when it is the chosen one.
  void Select(Entry &entry, bool select);

  // The dialog manager's own handling of an item's notification and tracking.
  void DefaultNotify(Item &item, const Notifier &notifier, ADMNotifierRef ref);
  bool DefaultTrack(const Item &item, const Tracker &tracker) const;

  // A user's click on an item: its track procedure, then the change, then its notify
  // procedure with "ADM User Changed Notifier". Returns false when tracking declined it.
  template <class Change>
  bool UserAction(Item &item, Change &&change) {
    Busy busy(*this);
    ADMItemRef ref = item.ref;
    if (!Track(item)) return false;
    Item *still = handles_.Peek<Item>(ref);
    if (still == nullptr) return false;
    change(*still);
    Notify(*still, kADMUserChangedNotifier);
    return true;
  }
  void NotifyDialog(Dialog &dialog, const char *type);
  // Calls the dialog's draw procedure, as a window being painted does.
  void Draw(Dialog &dialog);

  // The module's floating panel (the first dialog it made with Create), or null.
  Dialog *Panel() const;
  // The picture of the last modal dialog as it stood after its init procedure; "" before
  // any modal run.
  const std::string &LastModalSvg() const { return lastModalSvg_; }
  // The resources of the module when the reference is its own and it is loaded, or null.
  static const ResourceSource *ResourcesOf(HostPluginRef plugin);
  static bool ModuleLoaded();
  // A note line for the user.
  static void Note(const std::string &text);

 private:
  std::string lastModalSvg_;

  // Marks a host operation that may call into the module; retired objects are freed when
  // the outermost one ends.
  class Busy {
   public:
    explicit Busy(DialogManager &manager) : manager_(manager) { ++manager_.busy_; }
    ~Busy();
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;

   private:
    DialogManager &manager_;
  };

  // Calls a procedure of the module, only while it is loaded; an exception that escapes is
  // a finding.
  template <class Call>
  void CallModule(const char *what, Call &&call) {
    if (!ModuleLoaded()) return;
    Busy busy(*this);
    try {
      call();
    } catch (...) {
      EscapedException(what);
    }
  }
  static void EscapedException(const char *what);

  Dialog *Make(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
               ADMUserData userData);
  void RunInit(Dialog &dialog, ADMDialogInitProc initProc);
  void PressDefaultItem(Dialog &dialog);
  bool Track(Item &item);
  void Notify(Item &item, const char *type);
  void Register(Dialog &dialog);
  void RegisterEntries(List &list);
  void UnregisterEntries(List &list);
  void Retire(Dialog &dialog);

  AdmHandles handles_;
  IconStore icons_;
  std::vector<std::unique_ptr<Dialog>> dialogs_;
  std::vector<std::unique_ptr<Dialog>> retiredDialogs_;
  std::vector<std::unique_ptr<Entry>> retiredEntries_;
  int busy_ = 0;
};

}  // namespace zvhost
