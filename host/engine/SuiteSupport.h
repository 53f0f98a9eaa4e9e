// What every suite function of the engine and the documents shares: its failure point, the
// way to its objects, and the leading operations that every text-engine suite begins with.
#pragma once

#include <string>
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

// Every operation that returns a code begins with its failure point; each file names its
// suite kSuite. The operation's number is a constant, so the check is a counter's increment.
#define ZV_FAILPOINT(operation)                                                                   \
  if (HostErr failure = OpenDocuments().Failures().Take(ZV_FAILPOINT_NUMBER(kSuite, #operation))) \
  return failure

inline TextEngine &Engine() {
  return OpenDocuments().Engine();
}

// Hands out a new object with one reference for the caller.
template <class Ref, class T>
ATEErr HandOut(HandleTable<T> &table, T value, Ref *out) {
  Ref ref = table.template Make<Ref>(std::move(value));
  if (ref == nullptr) return kATEOutOfMemoryErr;
  *out = ref;
  return kATENoError;
}

// A span behind a range or inspector handle, and the story it lies in. The story is null
// for a null or dead handle and for a span of a closed document.
struct SpanInStory {
  TextSpan *span = nullptr;
  Story *story = nullptr;
};

template <class Ref>
SpanInStory Resolve(HandleTable<TextSpan> &table, Ref ref, const char *operation) {
  SpanInStory found;
  found.span = table.Get(ref, operation);
  if (found.span != nullptr) {
    found.story = OpenDocuments().StoryOf(*found.span);
  }
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
