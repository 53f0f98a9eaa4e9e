// The suites the host offers, found by name and version, with the names of their
// operations (for --fail and --help) and the acquisitions that are outstanding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HostTypes.h"

namespace zvhost {

class SuiteRegistry {
 public:
  // Offers a suite; `operations` are the names of its functions in table order.
  void Offer(std::string name, int32_t version, const void *table,
             std::vector<std::string> operations);
  // The host stops offering (name, version): acquiring it fails with 'S!Fd'.
  void Withhold(std::string name, int32_t version);

  HostErr Acquire(const char *name, int32_t version, const void **suite);
  HostErr Release(const char *name, int32_t version);

  // True when the host offers (name, version).
  bool Offers(const std::string &name, int32_t version) const;
  // Every suite as "NAME:VERSION", in the order offered.
  std::vector<std::string> AllSuites() const;
  // True when "SUITE/OPERATION" names an operation of an offered suite.
  bool HasOperation(const std::string &operation) const;
  // Every "SUITE/OPERATION", suites in the order offered, each name once.
  std::vector<std::string> AllOperations() const;
  // Acquisitions not yet released, over all suites.
  int Outstanding() const;
  int SuiteCount() const { return static_cast<int>(suites_.size()); }

 private:
  struct Offered {
    std::string name;
    int32_t version;
    const void *table;
    std::vector<std::string> operations;
    bool withheld = false;
    int acquired = 0;
  };
  Offered *Lookup(const char *name, int32_t version);

  std::vector<Offered> suites_;
};

// Builds a suite table and its operation names from one list, so the two cannot drift:
//   #define ART_SET_OPERATIONS(X) X(NewArtSet) X(DisposeArtSet) ...
//   const AIArtSetSuite6 kTable = {ART_SET_OPERATIONS(ZV_TABLE_ENTRY)};
//   registry.Offer(kAIArtSetSuite, 6, &kTable, {ART_SET_OPERATIONS(ZV_OPERATION_NAME)});
#define ZV_TABLE_ENTRY(function) function,
#define ZV_OPERATION_NAME(function) #function,

}  // namespace zvhost
