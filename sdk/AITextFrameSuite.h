#ifndef ZARVEL_SDK_AI_TEXT_FRAME_SUITE_H
#define ZARVEL_SDK_AI_TEXT_FRAME_SUITE_H

#include "HostTypes.h"
#include "ate/ATETypes.h"

#define kAITextFrameSuite "AI Text Frame Suite"
#define kAITextFrameSuiteVersion2 2

typedef struct AITextFrameSuite2 {
  /* The text range of a text frame art object, with one reference for the caller; *range
   * untouched on failure (the art is not a text frame, no document). */
  HostErr(ZV_API *GetATETextRange)(AIArtHandle textFrame, TextRangeRef *range);
  /* The text engine's frame of a text frame art object, with one reference for the caller. */
  HostErr(ZV_API *GetATETextFrame)(AIArtHandle textFrame, TextFrameRef *frame);
} AITextFrameSuite2;

#endif
