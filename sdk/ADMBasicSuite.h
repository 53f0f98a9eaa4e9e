#ifndef ZARVEL_SDK_ADM_BASIC_SUITE_H
#define ZARVEL_SDK_ADM_BASIC_SUITE_H

#include "ADMTypes.h"

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion10 10

typedef struct ADMBasicSuite10 {
  /* Copies entry `index` of string list `listID` of the plug-in's resources into buffer
   * (NUL-terminated, at most bufferSize bytes); an index past the list's end gives "". */
  HostErr(ZV_API *GetIndexString)(HostPluginRef plugin, int32_t listID, int32_t index, char *buffer,
                                  int32_t bufferSize);
  /* Shows a modal error alert with the text. */
  void(ZV_API *ErrorAlert)(const char *text);
  /* Shows a modal message alert with the text. */
  void(ZV_API *MessageAlert)(const char *text);
  /* Sounds the system beep. */
  void(ZV_API *Beep)(void);
} ADMBasicSuite10;

#endif
