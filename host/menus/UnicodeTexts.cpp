#include "host/menus/UnicodeTexts.h"

#include <cstring>

#include "AIUnicodeStringSuite.h"
#include "host/core/Failpoint.h"
#include "host/menus/MenuBar.h"
#include "host/menus/PlatformText.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAIUnicodeStringSuite;

UnicodeTexts &Texts() {
  return MenuBar::The().Texts();
}

HostErr ZV_API Initialize(HostUnicodeStringRef *text, const char *platformString) {
  if (HostErr err = Failpoint(kSuite, "Initialize")) return err;
  return Texts().Make(platformString, text);
}

// Destroy has no result; when it is made to fail the text simply stays alive.
void ZV_API Destroy(HostUnicodeStringRef text) {
  if (Failpoint(kSuite, "Destroy") != 0) return;
  Texts().Destroy(text);
}

HostErr ZV_API GetAsUTF8(HostUnicodeStringRef text, char *buffer, int32_t bufferSize) {
  if (HostErr err = Failpoint(kSuite, "GetAsUTF8")) return err;
  return Texts().CopyUtf8(text, buffer, bufferSize);
}

#define UNICODE_STRING_OPERATIONS(X) X(Initialize) X(Destroy) X(GetAsUTF8)

const AIUnicodeStringSuite6 kTable = {UNICODE_STRING_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

UnicodeTexts::UnicodeTexts() : texts_("UnicodeString", kSuite, LiveCategory::Other) {
  HostServices::The().suites.Offer(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6, &kTable,
                                   {UNICODE_STRING_OPERATIONS(ZV_OPERATION_NAME)});
}

HostErr UnicodeTexts::Make(const char *platform, HostUnicodeStringRef *text) {
  if (platform == nullptr || text == nullptr) return kHostBadParameterErr;
  HostUnicodeStringRef made = texts_.Make<HostUnicodeStringRef>(PlatformToUtf8(platform));
  if (made == nullptr) return kHostOutOfMemoryErr;
  *text = made;
  return kHostNoErr;
}

void UnicodeTexts::Destroy(HostUnicodeStringRef text) {
  texts_.Release(text, "Destroy");
}

HostErr UnicodeTexts::CopyUtf8(HostUnicodeStringRef text, char *buffer, int32_t bufferSize) {
  const std::string *utf8 = Utf8Of(text, "GetAsUTF8");
  if (utf8 == nullptr || buffer == nullptr || bufferSize <= 0) return kHostBadParameterErr;
  // A text cut short would pass for the whole one; the caller learns it needs more room.
  if (utf8->size() >= static_cast<size_t>(bufferSize)) return kHostBadParameterErr;
  std::memcpy(buffer, utf8->c_str(), utf8->size() + 1);
  return kHostNoErr;
}

const std::string *UnicodeTexts::Utf8Of(HostUnicodeStringRef text, const char *operation) {
  return texts_.Get(text, operation);
}

}  // namespace zvhost
