#ifndef ZARVEL_SDK_ATE_TEXTFRAME_SUITE_H
#define ZARVEL_SDK_ATE_TEXTFRAME_SUITE_H

#include "ATETypes.h"

#define kATETextFrameSuite ATE_SUITE_NAME(TextFrame)
#define kATETextFrameSuiteVersion 101

typedef struct ATETextFrameSuite {
  ATE_HANDLE_SUITE_HEAD(TextFrame);
  ATEErr(ZV_API *GetStory)(TextFrameRef frame, StoryRef *story);
  ATEErr(ZV_API *GetTextRange)(TextFrameRef frame, TextRangeRef *range);
  ATEErr(ZV_API *GetStoryDirection)(TextFrameRef frame, int32_t *direction);
  ATEErr(ZV_API *SetStoryDirection)(TextFrameRef frame, int32_t direction);
} ATETextFrameSuite;

#endif
