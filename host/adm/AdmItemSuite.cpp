// "ADM Item Suite" version 7: an item's procedures, list, picture, state, value and text.
#include <cmath>
#include <limits>

#include "ADMItemSuite.h"
#include "host/adm/AdmSuites.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMItemSuite;

void ZV_API SetNotifyProc(ADMItemRef ref, ADMItemNotifyProc proc) {
  ZV_ADM_FAILPOINT(SetNotifyProc, );
  if (Item *item = ZV_ADM_FIND(Item, ref, SetNotifyProc)) item->notify = proc;
}

void ZV_API SetTrackProc(ADMItemRef ref, ADMItemTrackProc proc) {
  ZV_ADM_FAILPOINT(SetTrackProc, );
  if (Item *item = ZV_ADM_FIND(Item, ref, SetTrackProc)) item->track = proc;
}

void ZV_API DefaultNotify(ADMItemRef ref, ADMNotifierRef notifierRef) {
  ZV_ADM_FAILPOINT(DefaultNotify, );
  Item *item = ZV_ADM_FIND(Item, ref, DefaultNotify);
  Notifier *notifier = ZV_ADM_FIND(Notifier, notifierRef, DefaultNotify);
  if (item != nullptr && notifier != nullptr) {
    DialogManager::The().DefaultNotify(*item, *notifier, notifierRef);
  }
}

HostBool ZV_API DefaultTrack(ADMItemRef ref, ADMTrackerRef trackerRef) {
  ZV_ADM_FAILPOINT(DefaultTrack, false);
  Item *item = ZV_ADM_FIND(Item, ref, DefaultTrack);
  Tracker *tracker = ZV_ADM_FIND(Tracker, trackerRef, DefaultTrack);
  return item != nullptr && tracker != nullptr &&
         DialogManager::The().DefaultTrack(*item, *tracker);
}

ADMListRef ZV_API GetList(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetList, nullptr);
  Item *item = ZV_ADM_FIND(Item, ref, GetList);
  return item != nullptr && item->list ? item->list->ref : nullptr;
}

ADMDialogRef ZV_API GetDialog(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetDialog, nullptr);
  Item *item = ZV_ADM_FIND(Item, ref, GetDialog);
  return item != nullptr ? item->dialog->ref : nullptr;
}

HostPluginRef ZV_API GetPluginRef(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetPluginRef, nullptr);
  Item *item = ZV_ADM_FIND(Item, ref, GetPluginRef);
  return item != nullptr ? item->dialog->plugin : nullptr;
}

int32_t ZV_API GetID(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetID, 0);
  Item *item = ZV_ADM_FIND(Item, ref, GetID);
  return item != nullptr ? item->id : 0;
}

void ZV_API SetPicture(ADMItemRef ref, int32_t pictureResID, const char *pictureName) {
  ZV_ADM_FAILPOINT(SetPicture, );
  Item *item = ZV_ADM_FIND(Item, ref, SetPicture);
  if (item == nullptr) return;
  item->pictureID = pictureResID;
  item->pictureName = pictureName != nullptr ? pictureName : "";
  const ResourceSource *resources = DialogManager::ResourcesOf(item->dialog->plugin);
  bool found = resources != nullptr && pictureResID >= 0 && pictureResID <= UINT16_MAX &&
               resources->Find(ResourceType::Named("PNGI"), static_cast<uint16_t>(pictureResID));
  if (!found) {
    DialogManager::Note("the module has no picture " + std::to_string(pictureResID) + " for item " +
                        std::to_string(item->id) + "; the item stays empty");
  }
}

void ZV_API Enable(ADMItemRef ref, HostBool enable) {
  ZV_ADM_FAILPOINT(Enable, );
  if (Item *item = ZV_ADM_FIND(Item, ref, Enable)) item->enabled = enable != 0;
}

HostBool ZV_API IsEnabled(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(IsEnabled, false);
  Item *item = ZV_ADM_FIND(Item, ref, IsEnabled);
  return item != nullptr && item->enabled;
}

void ZV_API Show(ADMItemRef ref, HostBool show) {
  ZV_ADM_FAILPOINT(Show, );
  if (Item *item = ZV_ADM_FIND(Item, ref, Show)) item->visible = show != 0;
}

HostBool ZV_API IsVisible(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(IsVisible, false);
  Item *item = ZV_ADM_FIND(Item, ref, IsVisible);
  return item != nullptr && item->visible;
}

void ZV_API SetBooleanValue(ADMItemRef ref, HostBool value) {
  ZV_ADM_FAILPOINT(SetBooleanValue, );
  if (Item *item = ZV_ADM_FIND(Item, ref, SetBooleanValue)) item->value = value != 0 ? 1 : 0;
}

HostBool ZV_API GetBooleanValue(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetBooleanValue, false);
  Item *item = ZV_ADM_FIND(Item, ref, GetBooleanValue);
  return item != nullptr && item->value != 0;
}

void ZV_API SetFloatValue(ADMItemRef ref, float value) {
  ZV_ADM_FAILPOINT(SetFloatValue, );
  if (Item *item = ZV_ADM_FIND(Item, ref, SetFloatValue)) item->value = value;
}

float ZV_API GetFloatValue(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetFloatValue, 0.0f);
  Item *item = ZV_ADM_FIND(Item, ref, GetFloatValue);
  return item != nullptr ? static_cast<float>(item->value) : 0.0f;
}

void ZV_API SetIntValue(ADMItemRef ref, int32_t value) {
  ZV_ADM_FAILPOINT(SetIntValue, );
  if (Item *item = ZV_ADM_FIND(Item, ref, SetIntValue)) item->value = value;
}

// The value rounded to the nearest integer, held within the 32-bit range.
int32_t ZV_API GetIntValue(ADMItemRef ref) {
  ZV_ADM_FAILPOINT(GetIntValue, 0);
  Item *item = ZV_ADM_FIND(Item, ref, GetIntValue);
  if (item == nullptr || std::isnan(item->value)) return 0;
  const double lowest = std::numeric_limits<int32_t>::min();
  const double highest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::round(item->value), lowest, highest));
}

// A spin-edit popup's text is its number: setting a numeric text sets the number.
void ZV_API SetText(ADMItemRef ref, const char *text) {
  ZV_ADM_FAILPOINT(SetText, );
  Item *item = ZV_ADM_FIND(Item, ref, SetText);
  if (item == nullptr) return;
  item->text = text != nullptr ? text : "";
  if (item->kind != ItemKind::kSpinEditPopup) return;
  if (std::optional<double> number = NumberOf(item->text)) item->value = *number;
}

void ZV_API GetText(ADMItemRef ref, char *text, int32_t maxLength) {
  ZV_ADM_FAILPOINT(GetText, );
  Item *item = ZV_ADM_FIND(Item, ref, GetText);
  if (item == nullptr) return;
  CopyText(item->kind == ItemKind::kSpinEditPopup ? FormatNumber(item->value) : item->text, text,
           maxLength);
}

// A list that clang-format rewraps differently on every run: kept as written.
// clang-format off
#define ITEM_OPERATIONS(X) \
  X(SetNotifyProc) X(SetTrackProc) X(DefaultNotify) X(DefaultTrack) X(GetList) \
  X(GetDialog) X(GetPluginRef) X(GetID) X(SetPicture) X(Enable) X(IsEnabled) X(Show) \
  X(IsVisible) X(SetBooleanValue) X(GetBooleanValue) X(SetFloatValue) X(GetFloatValue) \
  X(SetIntValue) X(GetIntValue) X(SetText) X(GetText)
// clang-format on

const ADMItemSuite7 kTable = {ITEM_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmItemSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMItemSuiteVersion7, &kTable, {ITEM_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
