#include "plugin/ErrorReport.h"

#include <cstring>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "plugin/ErrorCodeText.h"
#include "plugin/ErrorMessageList.h"
#include "plugin/PluginLifecycle.h"

namespace {

enum : int32_t { kOKItem = 1, kMessageItem = 2, kCodeItem = 3 };

}  // namespace

void ReportError(const SPMessageData *message, HostErr code) {
  if (code == kHostNoErr || code == kHostCancelErr) return;
  if (gADMBasicSuite == nullptr || gADMDialogSuite == nullptr) return;
  const ADMBasicSuite10 &basic = *gADMBasicSuite;

  const int32_t index = FindErrorMessageIndex(code, [&](int32_t entry, std::span<char> buffer) {
    basic.GetIndexString(message->self, kErrorMessageListID, entry, buffer.data(),
                         static_cast<int32_t>(buffer.size()));
  });

  ErrorDialogText text{};
  if (basic.GetIndexString(message->self, kErrorMessageListID, index, text.message,
                           sizeof text.message) != kHostNoErr) {
    return;
  }
  text.message[sizeof text.message - 1] = '\0';
  const std::array<char, 16> codeText = FormatCodeText(code);
  std::memcpy(text.code, codeText.data(), sizeof text.code);
  ShowErrorDialog(message, &text);
}

HostErr ShowErrorDialog(const SPMessageData *message, ErrorDialogText *text) {
  if (gADMDialogSuite != nullptr) {
    gADMDialogSuite->Modal(message->self, kErrorDialogName, kErrorDialogID, kADMModalDialogStyle,
                           ErrorDialogInitProc, text, 0);
  }
  return kHostNoErr;
}

HostErr ZV_API ErrorDialogInitProc(ADMDialogRef dialog) noexcept {
  return AtBoundary([dialog]() -> HostErr {
    const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
    const ADMItemSuite7 &items = Require(gADMItemSuite);
    // The same closing handling as the About box's OK button.
    if (ADMItemRef ok = dialogs.GetItem(dialog, kOKItem)) items.SetNotifyProc(ok, AboutOKProc);
    const auto *text = static_cast<const ErrorDialogText *>(dialogs.GetUserData(dialog));
    if (text == nullptr) return kHostNoErr;
    if (ADMItemRef item = dialogs.GetItem(dialog, kMessageItem)) items.SetText(item, text->message);
    if (ADMItemRef item = dialogs.GetItem(dialog, kCodeItem)) items.SetText(item, text->code);
    return kHostNoErr;
  });
}
