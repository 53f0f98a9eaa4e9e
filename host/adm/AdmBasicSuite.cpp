// "ADM Basic Suite" version 10: the module's string lists, alerts and the beep.
#include "ADMBasicSuite.h"
#include "host/adm/AdmSuites.h"
#include "host/core/HostServices.h"
#include "host/resources/StringTable.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMBasicSuite;

// Entry `index` of string list `listID` is string resource listID + index; a string that
// the module does not have reads as "", which is how a list's end shows.
HostErr ZV_API GetIndexString(HostPluginRef plugin, int32_t listID, int32_t index, char *buffer,
                              int32_t bufferSize) {
  if (HostErr err = Failpoint(kSuite, "GetIndexString")) return err;
  const ResourceSource *resources = DialogManager::ResourcesOf(plugin);
  if (resources == nullptr || buffer == nullptr || bufferSize < 1 || listID < 0 || index < 0) {
    return kHostBadParameterErr;
  }
  const int64_t id = static_cast<int64_t>(listID) + index;
  std::string text;
  if (id <= UINT16_MAX) {
    try {
      text = FindString(*resources, static_cast<uint16_t>(id));
    } catch (const FormatError &error) {
      DialogManager::Note(error.what());
      return kHostBadParameterErr;
    }
  }
  CopyText(text, buffer, bufferSize);
  return kHostNoErr;
}

void Alert(const char *text) {
  HostServices::The().output.Emit({{"kind", "alert"}, {"text", text != nullptr ? text : ""}});
}

void ZV_API ErrorAlert(const char *text) {
  ZV_ADM_FAILPOINT(ErrorAlert, );
  Alert(text);
}

void ZV_API MessageAlert(const char *text) {
  ZV_ADM_FAILPOINT(MessageAlert, );
  Alert(text);
}

void ZV_API Beep() {
  ZV_ADM_FAILPOINT(Beep, );
  DialogManager::Note("beep");
}

#define BASIC_OPERATIONS(X) X(GetIndexString) X(ErrorAlert) X(MessageAlert) X(Beep)

const ADMBasicSuite10 kTable = {BASIC_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmBasicSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMBasicSuiteVersion10, &kTable, {BASIC_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
