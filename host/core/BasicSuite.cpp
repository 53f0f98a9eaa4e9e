#include "host/core/BasicSuite.h"

#include <cstdlib>
#include <cstring>

#include "host/core/Failpoint.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = "SP Basic Suite";

HostErr ZV_API AcquireSuite(const char *name, int32_t version, const void **suite) {
  return HostServices::The().suites.Acquire(name, version, suite);
}

HostErr ZV_API ReleaseSuite(const char *name, int32_t version) {
  return HostServices::The().suites.Release(name, version);
}

HostBool ZV_API IsEqual(const char *token1, const char *token2) {
  if (token1 == nullptr || token2 == nullptr) return token1 == token2;
  return std::strcmp(token1, token2) == 0;
}

HostErr ZV_API AllocateBlock(size_t size, void **block) {
  if (HostErr err = Failpoint(kSuite, "AllocateBlock")) return err;
  return BasicSuite::The().Allocate(size, block);
}

HostErr ZV_API FreeBlock(void *block) {
  if (HostErr err = Failpoint(kSuite, "FreeBlock")) return err;
  return BasicSuite::The().Free(block);
}

HostErr ZV_API ReallocateBlock(void *block, size_t newSize, void **newBlock) {
  if (HostErr err = Failpoint(kSuite, "ReallocateBlock")) return err;
  return BasicSuite::The().Reallocate(block, newSize, newBlock);
}

#define BASIC_OPERATIONS(X) \
  X(AcquireSuite) X(ReleaseSuite) X(IsEqual) X(AllocateBlock) X(FreeBlock) X(ReallocateBlock)
// IsEqual answers yes or no and has no code to fail with: it is no operation that can fail.
#define BASIC_FAILABLE_OPERATIONS(X) \
  X(AcquireSuite) X(ReleaseSuite) X(AllocateBlock) X(FreeBlock) X(ReallocateBlock)

const SPBasicSuite kTable = {BASIC_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

BasicSuite::BasicSuite() : LiveCounter("blocks", LiveCategory::Block) {
  HostServices::The().suites.Offer(kSPBasicSuite, kSPBasicSuiteVersion, &kTable,
                                   {BASIC_FAILABLE_OPERATIONS(ZV_OPERATION_NAME)});
}

BasicSuite::~BasicSuite() {
  for (auto &[block, size] : blocks_) std::free(block);
}

const SPBasicSuite *BasicSuite::Table() const {
  return &kTable;
}

HostErr BasicSuite::Allocate(size_t size, void **block) {
  if (block == nullptr) return kHostBadParameterErr;
  void *memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) return kHostOutOfMemoryErr;
  blocks_[memory] = size;
  *block = memory;
  return kHostNoErr;
}

HostErr BasicSuite::Free(void *block) {
  if (block == nullptr) return kHostNoErr;
  auto it = blocks_.find(block);
  if (it == blocks_.end()) {
    HostServices::The().findings.Report(
        std::string(kSuite) + "/FreeBlock",
        "free of a block the host did not allocate or already freed");
    return kHostBadParameterErr;
  }
  blocks_.erase(it);
  std::free(block);
  return kHostNoErr;
}

HostErr BasicSuite::Reallocate(void *block, size_t size, void **newBlock) {
  if (newBlock == nullptr) return kHostBadParameterErr;
  if (block == nullptr) return Allocate(size, newBlock);
  auto it = blocks_.find(block);
  if (it == blocks_.end()) {
    HostServices::The().findings.Report(
        std::string(kSuite) + "/ReallocateBlock",
        "resize of a block the host did not allocate or already freed");
    return kHostBadParameterErr;
  }
  void *memory = std::realloc(block, size == 0 ? 1 : size);
  if (memory == nullptr) return kHostOutOfMemoryErr;
  blocks_.erase(it);
  blocks_[memory] = size;
  *newBlock = memory;
  return kHostNoErr;
}

}  // namespace zvhost
