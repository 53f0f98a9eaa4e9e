// A procedure that the module handed to the host (a dialog's or an item's), kept as where it
// lies in the module's image rather than as an address: after an unload the system loader may
// place the module elsewhere, and the procedure is found again there.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zvhost {

// Where a procedure lies: an offset into the module's image, or, for one outside any image
// of the module (a module linked into the program), its address as it is.
struct ModulePlace {
  uintptr_t value = 0;
  bool inImage = false;

  bool Empty() const { return value == 0 && !inImage; }
};

// The place of an address in the module loaded now.
ModulePlace PlaceInModule(uintptr_t address);
// The address of a place in the module loaded now; 0 for none, or while the module is out.
uintptr_t AddressInModule(const ModulePlace &place);

template <class Proc>
class ModuleProc {
 public:
  ModuleProc() = default;
  ModuleProc(std::nullptr_t) {}
  ModuleProc(Proc proc) : place_(PlaceInModule(reinterpret_cast<uintptr_t>(proc))) {}

  // The procedure where the module is now; null when none was given or the module is out.
  Proc Get() const {
    const uintptr_t address = AddressInModule(place_);
    return address == 0 ? nullptr : reinterpret_cast<Proc>(address);
  }
  explicit operator bool() const { return !place_.Empty(); }

 private:
  ModulePlace place_;
};

}  // namespace zvhost
