// What every suite function of the engine and the documents shares: its failure point, the
// way to its objects, and the leading operations that every text-engine suite begins with.
#pragma once

#include <string>
#include <tuple>
#include <type_traits>

#include "host/core/Failpoint.h"
#include "host/core/FailurePlan.h"
#include "host/core/Findings.h"
#include "host/engine/Documents.h"
#include "host/engine/TextEngine.h"

namespace zvhost::engine {

inline Documents &OpenDocuments() {
  return *gDocuments;
}

inline TextEngine &Engine() {
  return OpenDocuments().Engine();
}

// Takes the failure planned for this call, counted already, of the operation numbered
// `operation`, or else answers call(arguments). The way of every call while the host plans a
// failure; out of line.
ATEErr TakeFailureOrCall(uint32_t operation, ATEErr (*call)(const void *arguments),
                         const void *arguments);

// A suite function as the module calls it: the operation's failure point `Point`
// (ZV_FAILPOINT), then `Operation`. While no failure is planned, the failure point is the
// call counter's increment and one branch, and the operation runs inline after it; a planned
// failure takes the way out of line, so the common way saves no registers for it.
template <auto Operation, class Point>
struct Checked;
template <class... Args, ATEErr (*Operation)(Args...), class Point>
struct Checked<Operation, Point> {
  static ATEErr ZV_API Call(Args... args) {
    if (Point::CountUnplanned()) [[likely]]
      return Operation(args...);
    const std::tuple<Args...> arguments{args...};
    return TakeFailureOrCall(Point::number, &CallWith, &arguments);
  }

 private:
  static ATEErr CallWith(const void *arguments) {
    return std::apply(Operation, *static_cast<const std::tuple<Args...> *>(arguments));
  }
};

// A suite table's entry for an operation that returns a code; each file names its suite
// kSuite.
#define ZV_CHECKED_ENTRY(operation) Checked<operation, ZV_FAILPOINT(kSuite, #operation)>::Call,

// Answers a handle that `table` does not hold live: reported as misuse of `operation`. A
// function that ends with it keeps the report off its common way.
template <class T, class Ref>
inline ATEErr Refuse(const HandleTable<T> &table, Ref ref, const char *operation) {
  return table.Refuse(ref, operation, kATEBadParameterErr);
}

// Hands out a new object with one reference for the caller, built in the table by
// fill(object) (HandleStore::MakeFilled).
template <class Ref, class T, class Fill>
inline ATEErr HandOutFilled(HandleTable<T> &table, Fill &&fill, Ref *out) {
  Ref ref = table.template MakeFilled<Ref>(std::forward<Fill>(fill));
  if (ref == nullptr) return kATEOutOfMemoryErr;
  *out = ref;
  return kATENoError;
}

// The same, made from `value`, which is moved or copied once, into the table.
template <class Ref, class T, class Value>
inline ATEErr HandOut(HandleTable<T> &table, Value &&value, Ref *out) {
  return HandOutFilled(
      table, [&](T &object) { object = std::forward<Value>(value); }, out);
}

// A span behind a range or inspector handle, and the story it lies in. The story is null
// for a null or dead handle and for a span of a closed document.
struct SpanInStory {
  TextSpan *span = nullptr;
  Story *story = nullptr;
};

// The span behind a live handle of `table`, and its story; no span for any other handle,
// which the caller answers with Refuse().
template <class Ref>
inline SpanInStory LiveSpan(HandleTable<TextSpan> &table, Ref ref) {
  SpanInStory found;
  found.span = table.Live(ref);
  if (found.span != nullptr) found.story = OpenDocuments().StoryOf(*found.span);
  return found;
}

// The same, with any other handle reported as misuse of `operation`.
template <class Ref>
SpanInStory Resolve(HandleTable<TextSpan> &table, Ref ref, const char *operation) {
  SpanInStory found = LiveSpan(table, ref);
  if (found.span == nullptr) table.Refuse(ref, operation, kATEBadParameterErr);
  return found;
}

// Add a reference, release a reference, test for null: the same for every kind. A kind the
// engine never hands out has no table, so any handle of it is foreign.
template <class Ref, const char *kSuiteName>
struct LeadingOperations {
  static void ZV_API AddRef(Ref handle) {
    if constexpr (kHasTable) {
      Table().AddRef(handle, "AddRef");
    } else {
      Foreign(handle, "AddRef");
    }
  }
  static void ZV_API Release(Ref handle) {
    if constexpr (kHasTable) {
      Table().Release(handle, "Release");
    } else {
      Foreign(handle, "Release");
    }
  }
  static HostBool ZV_API IsNull(Ref handle) {
    if constexpr (kHasTable) {
      return handle == nullptr || Table().Get(handle, "IsNull") == nullptr;
    } else {
      Foreign(handle, "IsNull");
      return handle == nullptr;
    }
  }

 private:
  static constexpr bool kHasTable =
      !std::is_null_pointer_v<std::remove_cv_t<decltype(TableOf<Ref>::member)>>;

  static auto &Table() { return Engine().*TableOf<Ref>::member; }
  static void Foreign(Ref handle, const char *operation) {
    if (handle == nullptr) return;
    HostServices::The().findings.Report(std::string(kSuiteName) + "/" + operation,
                                        "a handle of a kind this host never hands out");
  }
};

// The leading operations as the first three entries of a suite table.
#define ZV_LEADING_ENTRIES(Ref)                                                    \
  LeadingOperations<Ref, kSuite>::AddRef, LeadingOperations<Ref, kSuite>::Release, \
      LeadingOperations<Ref, kSuite>::IsNull,

}  // namespace zvhost::engine
