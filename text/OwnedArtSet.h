// An art set made for one operation, disposed of when the operation leaves, also when an
// exception passes.
#pragma once

#include "HostTypes.h"
#include "base/HostSuites.h"

class OwnedArtSet {
 public:
  OwnedArtSet() = default;
  OwnedArtSet(const OwnedArtSet &) = delete;
  OwnedArtSet &operator=(const OwnedArtSet &) = delete;
  ~OwnedArtSet() {
    if (artSet_ != nullptr && gAIArtSetSuite != nullptr) gAIArtSetSuite->DisposeArtSet(&artSet_);
  }

  // Where the art set is made; null until then.
  AIArtSet *Address() { return &artSet_; }
  AIArtSet Get() const { return artSet_; }

 private:
  AIArtSet artSet_ = nullptr;
};
