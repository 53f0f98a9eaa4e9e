#ifndef ZARVEL_SDK_AI_PREFERENCE_SUITE_H
#define ZARVEL_SDK_AI_PREFERENCE_SUITE_H

#include "HostTypes.h"

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion4 4

/* A get found no value of that type under the key. */
#define kAIPreferenceNotFoundErr ZV_FOUR_CHAR('P', 'R', 'F', '?')

/* Preferences are stored per (prefix, key); a store replaces what the key held. Names and
 * strings are in the platform encoding (Windows-1252). A get fails with
 * kAIPreferenceNotFoundErr when the key holds no value of its type; *value is then untouched. */
typedef struct AIPreferenceSuite4 {
  HostErr(ZV_API *GetIntegerPreference)(const char *prefix, const char *key, int32_t *value);
  HostErr(ZV_API *PutIntegerPreference)(const char *prefix, const char *key, int32_t value);
  HostErr(ZV_API *GetBooleanPreference)(const char *prefix, const char *key, HostBool *value);
  HostErr(ZV_API *PutBooleanPreference)(const char *prefix, const char *key, HostBool value);
  /* Copies the string into value (NUL-terminated, at most size bytes); fails with
   * kHostBadParameterErr, value untouched, when it does not fit or the platform encoding
   * lacks one of its characters. */
  HostErr(ZV_API *GetStringPreference)(const char *prefix, const char *key, char *value,
                                       int32_t size);
  HostErr(ZV_API *PutStringPreference)(const char *prefix, const char *key, const char *value);
  HostErr(ZV_API *GetPointPreference)(const char *prefix, const char *key, HostPoint *value);
  HostErr(ZV_API *PutPointPreference)(const char *prefix, const char *key, const HostPoint *value);
} AIPreferenceSuite4;

#endif
