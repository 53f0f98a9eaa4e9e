// The getters and setters of the character and paragraph feature suites: one attribute of
// a feature set each, read with its assigned flag or assigned by writing it.
#pragma once

#include <type_traits>

#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

template <class Value>
Value FromBits(int32_t bits) {
  if constexpr (std::is_same_v<Value, float>) {
    return BitsFloat(bits);
  } else if constexpr (std::is_same_v<Value, HostBool>) {
    return bits != 0 ? 1 : 0;
  } else {
    return bits;
  }
}

template <class Value>
int32_t ToBits(Value value) {
  if constexpr (std::is_same_v<Value, float>) {
    return FloatBits(value);
  } else if constexpr (std::is_same_v<Value, HostBool>) {
    return value != 0 ? 1 : 0;
  } else {
    return value;
  }
}

// `isAssigned` may be null: the caller does not want the flag.
template <size_t N, class Ref, class Value>
inline ATEErr ReadFeature(HandleTable<FeatureSet<N>> &table, Ref features, size_t attribute,
                          HostBool *isAssigned, Value *value, const char *operation) {
  const FeatureSet<N> *set = table.Live(features);
  if (set == nullptr) [[unlikely]]
    return Refuse(table, features, operation);
  if (value == nullptr) return kATEBadParameterErr;
  if (isAssigned != nullptr) *isAssigned = set->IsAssigned(attribute) ? 1 : 0;
  *value = FromBits<Value>(set->values[attribute]);
  return kATENoError;
}

template <size_t N, class Ref, class Value>
ATEErr WriteFeature(HandleTable<FeatureSet<N>> &table, Ref features, size_t attribute, Value value,
                    const char *operation) {
  FeatureSet<N> *set = table.Get(features, operation);
  if (set == nullptr) return kATEBadParameterErr;
  set->Assign(attribute, ToBits(value));
  return kATENoError;
}

// A feature suite's attributes are listed once as X(Name, attribute, Value); these make
// its getters and setters, their table entries and their names from that list. Each file
// defines Table() and names its handle kind FeaturesRef.
#define ZV_FEATURE_GETTER(Name, attribute, Value)                                     \
  ATEErr Get##Name(FeaturesRef features, HostBool *isAssigned, Value *value) {        \
    return ReadFeature(Table(), features, attribute, isAssigned, value, "Get" #Name); \
  }
#define ZV_FEATURE_SETTER(Name, attribute, Value)                          \
  ATEErr Set##Name(FeaturesRef features, Value value) {                    \
    return WriteFeature(Table(), features, attribute, value, "Set" #Name); \
  }
#define ZV_FEATURE_GETTER_ENTRY(Name, attribute, Value) ZV_CHECKED_ENTRY(Get##Name)
#define ZV_FEATURE_SETTER_ENTRY(Name, attribute, Value) ZV_CHECKED_ENTRY(Set##Name)
#define ZV_FEATURE_GETTER_NAME(Name, attribute, Value) "Get" #Name,
#define ZV_FEATURE_SETTER_NAME(Name, attribute, Value) "Set" #Name,

}  // namespace zvhost::engine
