// "AI User Suite" versions 6 and 9: numbers to length-prefixed texts and back.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "AIUserSuite.h"
#include "host/core/Failpoint.h"
#include "host/services/ServiceSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAIUserSuite;

HostErr ZV_API StringToReal(const unsigned char *text, double *value) {
  if (HostErr err = Failpoint(kSuite, "StringToReal")) return err;
  if (text == nullptr || value == nullptr) return kHostBadParameterErr;
  std::string chars(reinterpret_cast<const char *>(text + 1), text[0]);
  if (chars.empty() || chars.find('\0') != std::string::npos) return kHostBadParameterErr;
  char *end = nullptr;
  double parsed = std::strtod(chars.c_str(), &end);
  if (end != chars.c_str() + chars.size() || !std::isfinite(parsed)) return kHostBadParameterErr;
  *value = parsed;
  return kHostNoErr;
}

HostErr ZV_API RealToString(double value, int16_t precision, unsigned char *text) {
  if (HostErr err = Failpoint(kSuite, "RealToString")) return err;
  if (text == nullptr || precision < 0 || precision > 20) return kHostBadParameterErr;
  char buffer[400];
  int length = std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  if (length < 0 || length > 255) return kHostBadParameterErr;
  // "-0" reads oddly in a dialog; the value is zero.
  if (std::strcmp(buffer, "-0") == 0) length = std::snprintf(buffer, sizeof buffer, "0");
  text[0] = static_cast<unsigned char>(length);
  std::memcpy(text + 1, buffer, static_cast<size_t>(length));
  return kHostNoErr;
}

HostErr ZV_API GetDateAndTime(int32_t *seconds) {
  if (HostErr err = Failpoint(kSuite, "GetDateAndTime")) return err;
  if (seconds == nullptr) return kHostBadParameterErr;
  *seconds = static_cast<int32_t>(std::time(nullptr));
  return kHostNoErr;
}

#define USER6_OPERATIONS(X) X(StringToReal) X(RealToString)
#define USER9_OPERATIONS(X) X(StringToReal) X(RealToString) X(GetDateAndTime)

const AIUserSuite6 kTable6 = {USER6_OPERATIONS(ZV_TABLE_ENTRY)};
const AIUserSuite9 kTable9 = {USER9_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferUserSuites() {
  HostServices::The().suites.Offer(kAIUserSuite, kAIUserSuiteVersion6, &kTable6,
                                   {USER6_OPERATIONS(ZV_OPERATION_NAME)});
  HostServices::The().suites.Offer(kAIUserSuite, kAIUserSuiteVersion9, &kTable9,
                                   {USER9_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
