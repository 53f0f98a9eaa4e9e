#include "panel/ZarvelNonModalDialog.h"

#include <new>
#include <string>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "panel/PanelControlTable.h"
#include "panel/PanelControls.h"

namespace {

constexpr char kPreferencePrefix[] = "ZarvelNonModalDialog";

// The one panel object while it lives. Its destroy procedure finds the object here: that
// needs no suite, where the dialog's user data would.
ZarvelNonModalDialog *gLivePanel = nullptr;

// Where the panel stands when its dialog goes: docking, bounds and visibility. Nothing reads
// these back; a failed store is not reported.
void StorePlacement(ADMDialogRef dialog) {
  const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
  // The group suite leaves both outputs untouched when it fails.
  const char *groupName = "";
  int32_t positionCode = 0;
  Require(gADMDialogGroupSuite).GetDialogGroupInfo(dialog, &groupName, &positionCode);
  if (groupName == nullptr) groupName = "";
  HostRect bounds{};
  dialogs.GetBoundsRect(dialog, &bounds);
  const HostBool visible = dialogs.IsVisible(dialog);

  const AIPreferenceSuite4 &preferences = Require(gAIPreferenceSuite);
  preferences.PutIntegerPreference(kPreferencePrefix, "kADM_DPDockCodeStr", positionCode);
  preferences.PutStringPreference(kPreferencePrefix, "kADM_DPDockGroupStr", groupName);
  const HostPoint location{bounds.left, bounds.top};
  preferences.PutPointPreference(kPreferencePrefix, "kADM_DPLocationStr", &location);
  const HostPoint size{bounds.right - bounds.left, bounds.bottom - bounds.top};
  preferences.PutPointPreference(kPreferencePrefix, "kADM_DPSizeStr", &size);
  preferences.PutBooleanPreference(kPreferencePrefix, "kADM_DPVisibleStr", visible);
}

}  // namespace

ZarvelNonModalDialog::ZarvelNonModalDialog(HostPluginRef plugin) {
  gLivePanel = this;
  Create(plugin, panel::kPanelName, panel::kPanelDialogID, panel::kPanelDialogStyle, 0);
}

ZarvelNonModalDialog::ZarvelNonModalDialog(Resumed, ADMDialogRef bound) {
  gLivePanel = this;
  dialog = bound;
}

ZarvelNonModalDialog::~ZarvelNonModalDialog() {
  if (gLivePanel == this) gLivePanel = nullptr;
}

ADMDialogRef ZarvelNonModalDialog::Suspend(ZarvelNonModalDialog *panel) {
  const ADMDialogRef bound = panel->dialog;
  // Let go first: the destructor then leaves the dialog alone.
  panel->dialog = nullptr;
  panel->~ZarvelNonModalDialog();
  return bound;
}

ZarvelNonModalDialog *ZarvelNonModalDialog::Resume(void *storage, ADMDialogRef dialog) {
  return new (storage) ZarvelNonModalDialog(Resumed{}, dialog);
}

HostErr ZarvelNonModalDialog::Init() {
  Trace("ZarvelNonModalDialog::Init: Start");
  const HostErr code = BaseADMDialog::Init();
  if (code != kHostNoErr) {
    Trace("ZarvelNonModalDialog::Init : Didn't Initialize");
    return code;
  }
  const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
  const ADMItemSuite7 &items = Require(gADMItemSuite);
  dialogs.SetDestroyProc(dialog, DlgDestroyProc);

  if (ADMItemRef menu = dialogs.GetItem(dialog, kADMMenuItemID)) {
    items.SetNotifyProc(menu, dialogPopupMenuProc);
    if (ADMListRef list = items.GetList(menu)) {
      Require(gADMListSuite).SetMenuID(list, panel::kPanelMenuResID);
    }
    items.SetTrackProc(menu, dialogPopupMenuTrackProc);
  }

  items.SetPicture(Item(panel::kLogoItem), panel::kLogoPictureID, panel::kPictureName);

  // Every control: its notify procedure, the entry its list starts on (the check box starts
  // checked), and disabled until a document is there.
  for (const panel::PanelControl &control : panel::kControls) {
    ADMItemRef item = Item(control.itemID);
    items.SetNotifyProc(item, panel::NotifyProcOf(control));
    if (control.menuResID != 0) {
      SetPopupList(control, control.startEntry);
    } else {
      items.SetBooleanValue(item, control.startEntry != 0);
    }
    items.Enable(item, false);
  }
  return kHostNoErr;
}

std::string ZarvelNonModalDialog::MemberTrace(const char *member, const char *what) {
  return std::string("ZarvelNonModalDialog::") + member + " : " + what;
}

ADMItemRef ZarvelNonModalDialog::Item(int32_t itemID) const {
  ADMItemRef item = Require(gADMDialogSuite).GetItem(dialog, itemID);
  if (item == nullptr) throw ai::Error(kHostBadParameterErr);
  return item;
}

void ZarvelNonModalDialog::SetPopupList(const panel::PanelControl &control,
                                        std::optional<int32_t> entry) const {
  ADMListRef list = Require(gADMItemSuite).GetList(Item(control.itemID));
  if (list == nullptr) return;
  const ADMListSuite1 &lists = Require(gADMListSuite);
  lists.SetMenuID(list, control.menuResID);
  if (!entry) return;
  if (ADMEntryRef chosen = lists.IndexEntry(list, *entry)) {
    Require(gADMEntrySuite).Select(chosen, true);
  }
}

void ZV_API ZarvelNonModalDialog::DlgDestroyProc(ADMDialogRef dialog) noexcept {
  // The panel object outlives its dialog: it lets go of the dialog first, before any host
  // call that could fail, so that nothing calls through the reference once the dialog is
  // gone (notifications arriving later find no dialog and leave the panel alone, and the
  // object's destructor has nothing to destroy).
  if (gLivePanel != nullptr && gLivePanel->dialog == dialog) gLivePanel->dialog = nullptr;
  AtBoundary<CalledWhen::kAnyTime>([dialog] {
    Trace("ZarvelNonModalDialog::DlgDestroyProc: Start");
    StorePlacement(dialog);
    Trace("ZarvelNonModalDialog::DlgDestroyProc : End");
  });
}
