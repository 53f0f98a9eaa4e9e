// "ATE ArrayKashidas Suite": the kashidas values a character inspector found.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATEArrayKashidasSuite;

// The value at the index that `pick` makes of the array's size, or the error for a bad
// handle or index.
template <class Pick>
ATEErr ValueAt(ArrayKashidasRef values, Kashidas *value, const char *operation, Pick pick) {
  const ValueArray *array = Engine().kashidasArrays.Live(values);
  if (array == nullptr) [[unlikely]]
    return Refuse(Engine().kashidasArrays, values, operation);
  if (value == nullptr) return kATEBadParameterErr;
  const int32_t index = pick(array->Size());
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
  return ValueAt(values, value, "GetFirst", [](int32_t) { return 0; });
}

ATEErr GetLast(ArrayKashidasRef values, Kashidas *value) {
  return ValueAt(values, value, "GetLast", [](int32_t size) { return size - 1; });
}

ATEErr Item(ArrayKashidasRef values, int32_t index, Kashidas *value) {
  return ValueAt(values, value, "Item", [index](int32_t) { return index; });
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
