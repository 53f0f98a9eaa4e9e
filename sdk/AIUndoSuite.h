/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_UNDO_SUITE_H
#define ZARVEL_SDK_AI_UNDO_SUITE_H

#include "HostTypes.h"

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion5 5

typedef struct AIUndoSuite5 {
  HostErr(ZV_API *SetUndoText)(const char *undoText, const char *redoText);
  HostErr(ZV_API *UndoChanges)(void);
} AIUndoSuite5;

#endif
