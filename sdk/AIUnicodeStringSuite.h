#ifndef ZARVEL_SDK_AI_UNICODE_STRING_SUITE_H
#define ZARVEL_SDK_AI_UNICODE_STRING_SUITE_H

#include "HostTypes.h"

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion6 6

typedef struct AIUnicodeStringSuite6 {
  /* A new text from a NUL-terminated string in the platform encoding (Windows-1252), owned
   * by the caller until Destroy; *text untouched on failure. */
  HostErr(ZV_API *Initialize)(HostUnicodeStringRef *text, const char *platformString);
  /* Releases a text; a null text is accepted. */
  void(ZV_API *Destroy)(HostUnicodeStringRef text);
  /* Copies the text as UTF-8 into buffer (NUL-terminated, at most bufferSize bytes). */
  HostErr(ZV_API *GetAsUTF8)(HostUnicodeStringRef text, char *buffer, int32_t bufferSize);
} AIUnicodeStringSuite6;

#endif
