#include "host/prefs/Preferences.h"

#include <cstring>

#include "AIPreferenceSuite.h"
#include "host/core/Failpoint.h"
#include "host/core/UsageError.h"
#include "host/menus/PlatformText.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAIPreferenceSuite;

// The stored value of type T, or the code that says why there is none.
template <class T>
HostErr Lookup(const char *prefix, const char *key, const T *&value) {
  if (prefix == nullptr || key == nullptr) return kHostBadParameterErr;
  const PreferenceValue *stored = Preferences::The().Find(prefix, key);
  if (stored == nullptr || !std::holds_alternative<T>(*stored)) return kAIPreferenceNotFoundErr;
  value = &std::get<T>(*stored);
  return kHostNoErr;
}

HostErr Store(const char *prefix, const char *key, PreferenceValue value) {
  if (prefix == nullptr || key == nullptr) return kHostBadParameterErr;
  Preferences::The().Put(prefix, key, std::move(value));
  return kHostNoErr;
}

HostErr ZV_API GetIntegerPreference(const char *prefix, const char *key, int32_t *value) {
  if (HostErr err = Failpoint(kSuite, "GetIntegerPreference")) return err;
  const int32_t *stored = nullptr;
  if (value == nullptr) return kHostBadParameterErr;
  if (HostErr err = Lookup(prefix, key, stored)) return err;
  *value = *stored;
  return kHostNoErr;
}

HostErr ZV_API PutIntegerPreference(const char *prefix, const char *key, int32_t value) {
  if (HostErr err = Failpoint(kSuite, "PutIntegerPreference")) return err;
  return Store(prefix, key, value);
}

HostErr ZV_API GetBooleanPreference(const char *prefix, const char *key, HostBool *value) {
  if (HostErr err = Failpoint(kSuite, "GetBooleanPreference")) return err;
  const bool *stored = nullptr;
  if (value == nullptr) return kHostBadParameterErr;
  if (HostErr err = Lookup(prefix, key, stored)) return err;
  *value = *stored ? 1 : 0;
  return kHostNoErr;
}

HostErr ZV_API PutBooleanPreference(const char *prefix, const char *key, HostBool value) {
  if (HostErr err = Failpoint(kSuite, "PutBooleanPreference")) return err;
  return Store(prefix, key, value != 0);
}

HostErr ZV_API GetStringPreference(const char *prefix, const char *key, char *value, int32_t size) {
  if (HostErr err = Failpoint(kSuite, "GetStringPreference")) return err;
  const std::string *stored = nullptr;
  if (value == nullptr || size <= 0) return kHostBadParameterErr;
  if (HostErr err = Lookup(prefix, key, stored)) return err;
  std::optional<std::string> platform = Utf8ToPlatform(*stored);
  // A string cut short or with characters replaced would pass for the stored one.
  if (!platform || platform->size() >= static_cast<size_t>(size)) return kHostBadParameterErr;
  std::memcpy(value, platform->c_str(), platform->size() + 1);
  return kHostNoErr;
}

HostErr ZV_API PutStringPreference(const char *prefix, const char *key, const char *value) {
  if (HostErr err = Failpoint(kSuite, "PutStringPreference")) return err;
  if (value == nullptr) return kHostBadParameterErr;
  return Store(prefix, key, PlatformToUtf8(value));
}

HostErr ZV_API GetPointPreference(const char *prefix, const char *key, HostPoint *value) {
  if (HostErr err = Failpoint(kSuite, "GetPointPreference")) return err;
  const HostPoint *stored = nullptr;
  if (value == nullptr) return kHostBadParameterErr;
  if (HostErr err = Lookup(prefix, key, stored)) return err;
  *value = *stored;
  return kHostNoErr;
}

HostErr ZV_API PutPointPreference(const char *prefix, const char *key, const HostPoint *value) {
  if (HostErr err = Failpoint(kSuite, "PutPointPreference")) return err;
  if (value == nullptr) return kHostBadParameterErr;
  return Store(prefix, key, *value);
}

#define PREFERENCE_OPERATIONS(X) \
  X(GetIntegerPreference)        \
  X(PutIntegerPreference)        \
  X(GetBooleanPreference)        \
  X(PutBooleanPreference)        \
  X(GetStringPreference) X(PutStringPreference) X(GetPointPreference) X(PutPointPreference)

const AIPreferenceSuite4 kTable = {PREFERENCE_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

Preferences::Preferences() {
  HostServices::The().suites.Offer(kAIPreferenceSuite, kAIPreferenceSuiteVersion4, &kTable,
                                   {PREFERENCE_OPERATIONS(ZV_OPERATION_NAME)});
}

Preferences::~Preferences() = default;

void Preferences::RegisterCommands(CommandTable &commands) {
  commands.Add({{"dump", "prefs"},
                "dump prefs",
                "the preferences, in the preferences file's shape",
                [this](const std::vector<std::string> &args) {
                  if (!args.empty()) throw UsageError("usage: dump prefs");
                  HostServices::The().output.Emit({{"kind", "prefs"}, {"prefs", ToJson()}});
                }});
}

void Preferences::Put(const char *prefix, const char *key, PreferenceValue value) {
  store_[PlatformToUtf8(prefix)][PlatformToUtf8(key)] = std::move(value);
}

const PreferenceValue *Preferences::Find(const char *prefix, const char *key) const {
  auto keys = store_.find(PlatformToUtf8(prefix));
  if (keys == store_.end()) return nullptr;
  auto value = keys->second.find(PlatformToUtf8(key));
  return value == keys->second.end() ? nullptr : &value->second;
}

}  // namespace zvhost
