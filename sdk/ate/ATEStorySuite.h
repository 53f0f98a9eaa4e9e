#ifndef ZARVEL_SDK_ATE_STORY_SUITE_H
#define ZARVEL_SDK_ATE_STORY_SUITE_H

#include "ATETypes.h"

#define kATEStorySuite ATE_SUITE_NAME(Story)
#define kATEStorySuiteVersion 1

typedef struct ATEStorySuite {
  ATE_HANDLE_SUITE_HEAD(Story);
  /* The number of frames the story is threaded through. */
  ATEErr(ZV_API *GetFrameCount)(StoryRef story, int32_t *count);
  /* The story's frame at a 0-based index (0 is its first frame). */
  ATEErr(ZV_API *GetFrame)(StoryRef story, int32_t index, TextFrameRef *frame);
  ATEErr(ZV_API *GetTextRange)(StoryRef story, TextRangeRef *range);
} ATEStorySuite;

#endif
