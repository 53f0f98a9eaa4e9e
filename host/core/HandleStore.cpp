#include "host/core/HandleStore.h"

#include "host/core/HandleRegistry.h"

namespace zvhost {

HandleStoreBase::HandleStoreBase(HandleRegistry &registry, HandleKind kind)
    : registry_(registry), kind_(kind), kindNumber_(registry.Enrol(*this)) {}

HandleStoreBase::~HandleStoreBase() {
  registry_.Withdraw(kindNumber_);
}

}  // namespace zvhost
