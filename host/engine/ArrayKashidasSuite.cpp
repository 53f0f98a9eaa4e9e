// "ATE ArrayKashidas Suite": the kashidas values a character inspector found.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATEArrayKashidasSuite;

// The value at `index` of the array, or the error for a bad handle or index.
ATEErr ValueAt(ArrayKashidasRef values, int32_t index, Kashidas *value, const char *operation) {
  const ValueArray *array = Engine().kashidasArrays.Live(values);
  if (array == nullptr) [[unlikely]]
    return Refuse(Engine().kashidasArrays, values, operation);
  if (value == nullptr) return kATEBadParameterErr;
  if (index < 0 || index >= array->Size()) return kATEOutOfRangeErr;
  *value = array->At(index);
  return kATENoError;
}

ATEErr GetSize(ArrayKashidasRef values, int32_t *size) {
  const ValueArray *array = Engine().kashidasArrays.Live(values);
  if (array == nullptr) [[unlikely]]
    return Refuse(Engine().kashidasArrays, values, "GetSize");
  if (size == nullptr) return kATEBadParameterErr;
  *size = array->Size();
  return kATENoError;
}

ATEErr GetFirst(ArrayKashidasRef values, Kashidas *value) {
  return ValueAt(values, 0, value, "GetFirst");
}

ATEErr GetLast(ArrayKashidasRef values, Kashidas *value) {
  const ValueArray *array = Engine().kashidasArrays.Get(values, "GetLast");
  if (array == nullptr) return kATEBadParameterErr;
  return ValueAt(values, array->Size() - 1, value, "GetLast");
}

ATEErr Item(ArrayKashidasRef values, int32_t index, Kashidas *value) {
  return ValueAt(values, index, value, "Item");
}

#define ARRAY_KASHIDAS_OPERATIONS(X) X(GetSize) X(GetFirst) X(GetLast) X(Item)

const ATEArrayKashidasSuite kTable = {ZV_LEADING_ENTRIES(ArrayKashidasRef)
                                          ARRAY_KASHIDAS_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferArrayKashidasSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATEArrayKashidasSuiteVersion, &kTable,
               {ARRAY_KASHIDAS_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
