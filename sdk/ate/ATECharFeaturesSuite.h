#ifndef ZARVEL_SDK_ATE_CHARFEATURES_SUITE_H
#define ZARVEL_SDK_ATE_CHARFEATURES_SUITE_H

#include "ATETypes.h"

#define kATECharFeaturesSuite ATE_SUITE_NAME(CharFeatures)
#define kATECharFeaturesSuiteVersion 101

typedef struct ATECharFeaturesSuite {
  ATE_HANDLE_SUITE_HEAD(CharFeatures);
  /* A new set with no attribute assigned. */
  ATEErr(ZV_API *Initialize)(CharFeaturesRef *features);
  /* Getters: *isAssigned tells whether the attribute has one value over the text read. */
  ATEErr(ZV_API *GetDirOverride)(CharFeaturesRef features, HostBool *isAssigned,
                                 DirOverride *value);
  ATEErr(ZV_API *GetDigitSet)(CharFeaturesRef features, HostBool *isAssigned, DigitSet *value);
  ATEErr(ZV_API *GetDiacVPos)(CharFeaturesRef features, HostBool *isAssigned, DiacVPos *value);
  ATEErr(ZV_API *GetDiacXOffset)(CharFeaturesRef features, HostBool *isAssigned, float *value);
  ATEErr(ZV_API *GetDiacYOffset)(CharFeaturesRef features, HostBool *isAssigned, float *value);
  ATEErr(ZV_API *GetKashidas)(CharFeaturesRef features, HostBool *isAssigned, Kashidas *value);
  /* Setters assign the attribute; any 32-bit value is stored as given. */
  ATEErr(ZV_API *SetDirOverride)(CharFeaturesRef features, DirOverride value);
  ATEErr(ZV_API *SetDigitSet)(CharFeaturesRef features, DigitSet value);
  ATEErr(ZV_API *SetDiacVPos)(CharFeaturesRef features, DiacVPos value);
  ATEErr(ZV_API *SetDiacXOffset)(CharFeaturesRef features, float value);
  ATEErr(ZV_API *SetDiacYOffset)(CharFeaturesRef features, float value);
  ATEErr(ZV_API *SetKashidas)(CharFeaturesRef features, Kashidas value);
} ATECharFeaturesSuite;

#endif
