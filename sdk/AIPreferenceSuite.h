#ifndef ZARVEL_SDK_AI_PREFERENCE_SUITE_H
#define ZARVEL_SDK_AI_PREFERENCE_SUITE_H

#include "HostTypes.h"

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion4 4

/* Preferences are stored per (prefix, key); a store replaces what the key held. */
typedef struct AIPreferenceSuite4 {
  HostErr(ZV_API *GetIntegerPreference)(const char *prefix, const char *key, int32_t *value);
  HostErr(ZV_API *PutIntegerPreference)(const char *prefix, const char *key, int32_t value);
  HostErr(ZV_API *GetBooleanPreference)(const char *prefix, const char *key, HostBool *value);
  HostErr(ZV_API *PutBooleanPreference)(const char *prefix, const char *key, HostBool value);
  /* Copies the string into value (NUL-terminated, at most size bytes). */
  HostErr(ZV_API *GetStringPreference)(const char *prefix, const char *key, char *value,
                                       int32_t size);
  HostErr(ZV_API *PutStringPreference)(const char *prefix, const char *key, const char *value);
  HostErr(ZV_API *GetPointPreference)(const char *prefix, const char *key, HostPoint *value);
  HostErr(ZV_API *PutPointPreference)(const char *prefix, const char *key,
                                      const HostPoint *value);
} AIPreferenceSuite4;

#endif
