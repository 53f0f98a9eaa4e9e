// "ATE CharFeatures Suite": character attributes read from text or to be applied to it.
#include "host/engine/EngineSuites.h"
#include "host/engine/FeatureAccess.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATECharFeaturesSuite;
using FeaturesRef = CharFeaturesRef;

HandleTable<CharFeatureSet> &Table() {
  return Engine().charFeatures;
}

ATEErr Initialize(CharFeaturesRef *features) {
  if (features == nullptr) return kATEBadParameterErr;
  return HandOut(Table(), CharFeatureSet{}, features);
}

// In the suite's order.
#define CHAR_FEATURES(X)                    \
  X(DirOverride, kDirOverride, DirOverride) \
  X(DigitSet, kDigitSet, DigitSet)          \
  X(DiacVPos, kDiacVPos, DiacVPos)          \
  X(DiacXOffset, kDiacXOffset, float)       \
  X(DiacYOffset, kDiacYOffset, float) X(Kashidas, kKashidas, Kashidas)

CHAR_FEATURES(ZV_FEATURE_GETTER)
CHAR_FEATURES(ZV_FEATURE_SETTER)

const ATECharFeaturesSuite kTable = {ZV_LEADING_ENTRIES(CharFeaturesRef) ZV_CHECKED_ENTRY(
    Initialize) CHAR_FEATURES(ZV_FEATURE_GETTER_ENTRY) CHAR_FEATURES(ZV_FEATURE_SETTER_ENTRY)};

}  // namespace

void OfferCharFeaturesSuite(SuiteRegistry &suites) {
  suites.Offer(
      kSuite, kATECharFeaturesSuiteVersion, &kTable,
      {"Initialize", CHAR_FEATURES(ZV_FEATURE_GETTER_NAME) CHAR_FEATURES(ZV_FEATURE_SETTER_NAME)});
}

}  // namespace zvhost::engine
