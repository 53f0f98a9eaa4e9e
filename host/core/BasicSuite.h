// The basic suite every message carries: suites by name and version, string equality, and
// blocks, each of which the host counts until it is freed.
#pragma once

#include <cstddef>
#include <unordered_map>

#include "SPBasicSuite.h"
#include "host/core/LiveObjects.h"
#include "host/core/SoleInstance.h"

namespace zvhost {

class BasicSuite final : public LiveCounter, public SoleInstance<BasicSuite> {
 public:
  static constexpr const char *kRole = "basic suite";

  BasicSuite();
  ~BasicSuite() override;

  const SPBasicSuite *Table() const;
  size_t Live() const override { return blocks_.size(); }

  HostErr Allocate(size_t size, void **block);
  HostErr Free(void *block);
  HostErr Reallocate(void *block, size_t size, void **newBlock);

 private:
  std::unordered_map<void *, size_t> blocks_;
};

}  // namespace zvhost
