#ifndef ZARVEL_SDK_AI_USER_SUITE_H
#define ZARVEL_SDK_AI_USER_SUITE_H

#include "HostTypes.h"

#define kAIUserSuite "AI User Suite"
#define kAIUserSuiteVersion6 6
#define kAIUserSuiteVersion9 9

/* A length-prefixed text: byte 0 is the length, the characters follow. */
typedef unsigned char HostPascalString[256];

typedef struct AIUserSuite6 {
  /* The number that a length-prefixed decimal text spells; *value untouched on failure. */
  HostErr(ZV_API *StringToReal)(const unsigned char *text, double *value);
  /* Writes value with `precision` decimal places into a length-prefixed text of at most
   * 255 characters. */
  HostErr(ZV_API *RealToString)(double value, int16_t precision, unsigned char *text);
} AIUserSuite6;

/* Version 9 keeps version 6's operations first. */
typedef struct AIUserSuite9 {
  HostErr(ZV_API *StringToReal)(const unsigned char *text, double *value);
  HostErr(ZV_API *RealToString)(double value, int16_t precision, unsigned char *text);
  HostErr(ZV_API *GetDateAndTime)(int32_t *seconds);
} AIUserSuite9;

#endif
