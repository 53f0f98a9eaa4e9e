// The notify procedures of the panel's controls: each reads its control once the user has
// changed it and writes the value into the selected text through its command.
#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "commands/CharacterCommands.h"
#include "commands/ComposerCommands.h"
#include "commands/ParagraphCommands.h"
#include "panel/ItemNotification.h"
#include "panel/PanelControls.h"
#include "panel/ZarvelNonModalDialog.h"

namespace {

// One control's procedure: its trace lines and the command it runs with the control's value.
struct ItemHandler {
  const char *start;
  const char *end;
  const char *failure;  // null where the command's result is not examined
  HostErr (*apply)(ADMItemRef item);
};

// Traces the start and, on every way out, the end; a failed command is traced and goes no
// further, and nothing thrown reaches the dialog manager.
void RunItemHandler(const ItemHandler &handler, ADMItemRef item, ADMNotifierRef notifier) {
  AtBoundary<CalledWhen::kAnyTime>([&] {
    Trace(handler.start);
    if (!panel::IsUserChange(notifier)) return;
    const HostErr code = handler.apply(item);
    if (code != kHostNoErr && handler.failure != nullptr) Trace(handler.failure);
  });
  AtBoundary<CalledWhen::kAnyTime>([&] { Trace(handler.end); });
}

float FloatValue(ADMItemRef item) {
  return Require(gADMItemSuite).GetFloatValue(item);
}

HostErr ApplyComposer(ADMItemRef item) {
  const panel::ComposerChoice *choice =
      panel::ComposerChoiceForEntry(ZarvelNonModalDialog::GetPopupSelection(item));
  if (choice == nullptr) return kHostNoErr;
  AIArtHandle art = nullptr;  // the art the command reached; the panel has no use for it
  return ApplyZarvelComposer(&art, choice->engine == panel::kSecondComposerEngine,
                             choice->everyLine);
}

HostErr ApplyParagraphDirection(ADMItemRef item) {
  AIArtHandle art = nullptr;
  return SetParagraphDirection(&art, ZarvelNonModalDialog::GetPopupSelection(item));
}

HostErr ApplyJustification(ADMItemRef item) {
  AIArtHandle art = nullptr;
  return SetJustification(&art, ZarvelNonModalDialog::GetPopupSelection(item));
}

HostErr ApplyStoryDirection(ADMItemRef item) {
  AIArtHandle art = nullptr;
  return SetStoryDirection(&art, ZarvelNonModalDialog::GetPopupSelection(item));
}

HostErr ApplyCharacterDirection(ADMItemRef item) {
  return SetCharacterDirection(ZarvelNonModalDialog::GetPopupSelection(item));
}

HostErr ApplyDigits(ADMItemRef item) {
  return SetDigit(ZarvelNonModalDialog::GetPopupSelection(item));
}

HostErr ApplyDiacriticsPosition(ADMItemRef item) {
  return SetDiacriticsPosition(ZarvelNonModalDialog::GetPopupSelection(item));
}

HostErr ApplyDiacriticsXOffset(ADMItemRef item) {
  return SetDiacriticsXOffset(FloatValue(item));
}

HostErr ApplyDiacriticsYOffset(ADMItemRef item) {
  return SetDiacriticsYOffset(FloatValue(item));
}

HostErr ApplyKashidas(ADMItemRef item) {
  return SetKashidasCheckBox(Require(gADMItemSuite).GetBooleanValue(item) != 0 ? 1 : 0);
}

constexpr ItemHandler kComposerHandler{
    "ZarvelNonModalDialog::PopupProc : Start", "ZarvelNonModalDialog::PopupProc : End",
    "ZarvelNonModalDialog::PopupProc: Didn't set the zarvel composer", ApplyComposer};
constexpr ItemHandler kCharacterDirectionHandler{
    "ZarvelNonModalDialog::CharacterDirectionPopupProc : Start",
    "ZarvelNonModalDialog::CharacterDirectionPopupProc : End",
    "ZarvelNonModalDialog::CharacterDirectionPopupProc: Didn't SetCharacterDirection",
    ApplyCharacterDirection};
constexpr ItemHandler kParagraphDirectionHandler{
    "ZarvelNonModalDialog::ParagraphDirectionPopupProc : Start",
    "ZarvelNonModalDialog::ParagraphDirectionPopupProc : End",
    "ZarvelNonModalDialog::ParagraphDirectionPopupProc: Didn't SetParagraphDirection",
    ApplyParagraphDirection};
constexpr ItemHandler kJustificationHandler{
    "ZarvelNonModalDialog::JustificationPopupProc : Start",
    "ZarvelNonModalDialog::JustificationPopupProc : End",
    "ZarvelNonModalDialog::JustificationPopupProc: Didn't SetJustification", ApplyJustification};
constexpr ItemHandler kDigitsHandler{
    "ZarvelNonModalDialog::DigitsPopupProc : Start", "ZarvelNonModalDialog::DigitsPopupProc : End",
    "ZarvelNonModalDialog::DigitsPopupProc: Didn't SetDigit", ApplyDigits};
constexpr ItemHandler kDiacriticsPositionHandler{
    "ZarvelNonModalDialog::DiacriticsPositionPopupProc : Start",
    "ZarvelNonModalDialog::DiacriticsPositionPopupProc : End",
    "ZarvelNonModalDialog::DiacriticsPositionPopupProc : Didn't set DiacriticsPosition",
    ApplyDiacriticsPosition};
constexpr ItemHandler kDiacriticsXOffsetHandler{
    "ZarvelNonModalDialog::DiacriticsXOffsetPopupProc : Start",
    "ZarvelNonModalDialog::DiacriticsXOffsetPopupProc : End",
    "ZarvelNonModalDialog::DiacriticsXOffsetPopupProc : Didn't set Diacritics XOffset value",
    ApplyDiacriticsXOffset};
constexpr ItemHandler kDiacriticsYOffsetHandler{
    "ZarvelNonModalDialog::DiacriticsYOffsetPopupProc : Start",
    "ZarvelNonModalDialog::DiacriticsYOffsetPopupProc : End",
    "ZarvelNonModalDialog::DiacriticsYOffsetPopupProc : Didn't set Diacritics YOffset value",
    ApplyDiacriticsYOffset};
constexpr ItemHandler kStoryDirectionHandler{
    "ZarvelNonModalDialog::StoryDirectionPopupProc : Start",
    "ZarvelNonModalDialog::StoryDirectionPopupProc : End", nullptr, ApplyStoryDirection};
constexpr ItemHandler kKashidasHandler{"ZarvelNonModalDialog::KashidasCheckBoxProc : Start",
                                       "ZarvelNonModalDialog::KashidasCheckBoxProc : End", nullptr,
                                       ApplyKashidas};

}  // namespace

int32_t ZarvelNonModalDialog::GetPopupSelection(ADMItemRef item) {
  Trace("ZarvelNonModalDialog::GetPopupSelection : Start");
  // A list with no chosen entry gives -1, an index that no command acts on.
  int32_t index = -1;
  if (ADMListRef list = Require(gADMItemSuite).GetList(item)) {
    if (ADMEntryRef entry = Require(gADMListSuite).GetActiveEntry(list)) {
      index = Require(gADMEntrySuite).GetIndex(entry);
    }
  }
  Trace("ZarvelNonModalDialog::GetPopupSelection : End");
  return index;
}

void ZV_API ZarvelNonModalDialog::PopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept {
  RunItemHandler(kComposerHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::CharacterDirectionPopupProc(ADMItemRef item,
                                                              ADMNotifierRef notifier) noexcept {
  RunItemHandler(kCharacterDirectionHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::ParagraphDirectionPopupProc(ADMItemRef item,
                                                              ADMNotifierRef notifier) noexcept {
  RunItemHandler(kParagraphDirectionHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::JustificationPopupProc(ADMItemRef item,
                                                         ADMNotifierRef notifier) noexcept {
  RunItemHandler(kJustificationHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::DigitsPopupProc(ADMItemRef item,
                                                  ADMNotifierRef notifier) noexcept {
  RunItemHandler(kDigitsHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::DiacriticsPositionPopupProc(ADMItemRef item,
                                                              ADMNotifierRef notifier) noexcept {
  RunItemHandler(kDiacriticsPositionHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::DiacriticsXOffsetPopupProc(ADMItemRef item,
                                                             ADMNotifierRef notifier) noexcept {
  RunItemHandler(kDiacriticsXOffsetHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::DiacriticsYOffsetPopupProc(ADMItemRef item,
                                                             ADMNotifierRef notifier) noexcept {
  RunItemHandler(kDiacriticsYOffsetHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::StoryDirectionPopupProc(ADMItemRef item,
                                                          ADMNotifierRef notifier) noexcept {
  RunItemHandler(kStoryDirectionHandler, item, notifier);
}

void ZV_API ZarvelNonModalDialog::KashidasCheckBoxProc(ADMItemRef item,
                                                       ADMNotifierRef notifier) noexcept {
  RunItemHandler(kKashidasHandler, item, notifier);
}
