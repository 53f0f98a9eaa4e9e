#ifndef ZARVEL_SDK_ATE_PARAFEATURES_SUITE_H
#define ZARVEL_SDK_ATE_PARAFEATURES_SUITE_H

#include "ATETypes.h"

#define kATEParaFeaturesSuite ATE_SUITE_NAME(ParaFeatures)
#define kATEParaFeaturesSuiteVersion 101

typedef struct ATEParaFeaturesSuite {
  ATE_HANDLE_SUITE_HEAD(ParaFeatures);
  /* A new set with no attribute assigned. */
  ATEErr(ZV_API *Initialize)(ParaFeaturesRef *features);
  ATEErr(ZV_API *GetEveryLineComposer)(ParaFeaturesRef features, HostBool *isAssigned,
                                       HostBool *value);
  ATEErr(ZV_API *GetParagraphDirection)(ParaFeaturesRef features, HostBool *isAssigned,
                                        ParagraphDirection *value);
  ATEErr(ZV_API *GetJustificationMethod)(ParaFeaturesRef features, HostBool *isAssigned,
                                         JustificationMethod *value);
  ATEErr(ZV_API *GetComposerEngine)(ParaFeaturesRef features, HostBool *isAssigned,
                                    ComposerEngine *value);
  ATEErr(ZV_API *SetEveryLineComposer)(ParaFeaturesRef features, HostBool value);
  ATEErr(ZV_API *SetParagraphDirection)(ParaFeaturesRef features, ParagraphDirection value);
  ATEErr(ZV_API *SetJustificationMethod)(ParaFeaturesRef features, JustificationMethod value);
  ATEErr(ZV_API *SetComposerEngine)(ParaFeaturesRef features, ComposerEngine value);
} ATEParaFeaturesSuite;

#endif
