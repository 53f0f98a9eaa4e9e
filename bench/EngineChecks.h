// How the benchmark's minimal engine keeps its handles and counts its calls. NoChecks does
// nothing: a run's handle is its index. HostChecks does it with the host's own machinery, as
// the real engine does: every call counted for failures on demand, every object in its kind's
// handle table, its handle carrying its kind (numbered by the host's registry) and its
// generation, with reference counts and every bad handle reported as a finding. The minimal engine
// with HostChecks is the floor under any engine that keeps the host's checks.
#pragma once

#include <cstdint>
#include <ostream>
#include <type_traits>

#include "ate/ATESuites.h"
#include "host/core/HandleTable.h"
#include "host/core/HostServices.h"

namespace zvbench {

struct NoChecks {
  // Whether a handle may be refused or an object not be made.
  static constexpr bool kChecks = false;
  // The code the call at the failure point Point is to fail with; 0: it goes on.
  template <class Point>
  static constexpr ATEErr Failure() {
    return kATENoError;
  }

  // A walk's handle is its position's address; any other handle is the run's index plus one.
  template <class Ref>
  static Ref Make(uintptr_t target) {
    if constexpr (std::is_same_v<Ref, TextRunsIteratorRef>) {
      return reinterpret_cast<Ref>(new uint32_t(static_cast<uint32_t>(target)));
    } else {
      return reinterpret_cast<Ref>(target + 1);
    }
  }
  template <class Ref>
  static bool Target(Ref ref, uintptr_t &target) {
    target = reinterpret_cast<uintptr_t>(ref) - 1;
    return true;
  }
  static uint32_t *Position(TextRunsIteratorRef walk) { return reinterpret_cast<uint32_t *>(walk); }
  template <class Ref>
  static void Release(Ref ref) {
    if constexpr (std::is_same_v<Ref, TextRunsIteratorRef>) delete Position(ref);
  }
};

// One engine's checks at a time: the host's services while it lives, which no other host may
// share.
class HostChecks {
 public:
  static constexpr bool kChecks = true;

  HostChecks();
  ~HostChecks();

  template <class Point>
  static ATEErr Failure() {
    if (Point::CountUnplanned()) [[likely]]
      return kATENoError;
    return Planned(Point::number);
  }

  // A new object of Ref's kind naming `target`, with one reference; null when no handle is
  // left.
  template <class Ref>
  static Ref Make(uintptr_t target) {
    return Table<Ref>().template Make<Ref>(static_cast<uint32_t>(target));
  }
  // What a live handle of Ref's kind names; false for any other handle, which is reported.
  template <class Ref>
  static bool Target(Ref ref, uintptr_t &target) {
    const uint32_t *found = Table<Ref>().Get(ref, kOperation);
    if (found == nullptr) [[unlikely]]
      return false;
    target = *found;
    return true;
  }
  // A walk's position, which its steps move; null for any other handle, which is reported.
  static uint32_t *Position(TextRunsIteratorRef walk) {
    return Table<TextRunsIteratorRef>().Get(walk, kOperation);
  }
  template <class Ref>
  static void Release(Ref ref) {
    Table<Ref>().Release(ref, "Release");
  }

  // The failures planned, the bad handles reported, and the references held, of the engine
  // that lives now.
  static zvhost::FailurePlan &Failures() { return current_->services_.failures; }
  static size_t Findings() { return current_->services_.findings.All().size(); }
  static size_t LiveRefs();

 private:
  static constexpr const char *kOperation = "a walk's call";

  // The failure planned for this call, counted already, or 0: the way of every call while
  // one is planned, kept out of line as the host keeps it.
  static ATEErr Planned(uint32_t operation);

  template <class Ref>
  static zvhost::HandleTable<uint32_t> &Table() {
    if constexpr (std::is_same_v<Ref, TextRunsIteratorRef>) return current_->walks_;
    if constexpr (std::is_same_v<Ref, TextRangeRef>) return current_->ranges_;
    if constexpr (std::is_same_v<Ref, CharFeaturesRef>) return current_->features_;
    if constexpr (std::is_same_v<Ref, CharInspectorRef>) return current_->inspectors_;
    if constexpr (std::is_same_v<Ref, ArrayKashidasRef>) return current_->kashidas_;
  }

  static inline HostChecks *current_ = nullptr;
  std::ostream sink_{nullptr};
  zvhost::HostServices services_{sink_, false, false};
  zvhost::HandleTable<uint32_t> walks_, ranges_, features_, inspectors_, kashidas_;
};

}  // namespace zvbench
