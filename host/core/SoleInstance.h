// The one object of a class that the process has at a time. Suite functions are plain C
// functions without a context argument, so they reach the object that serves them through
// its class: the object registers itself for as long as it lives.
#pragma once

#include <stdexcept>
#include <string>

namespace zvhost {

// T names itself for the messages with `static constexpr const char *kRole`.
template <class T>
class SoleInstance {
 public:
  // The object that lives now, or null.
  static T *Current() { return current_ == nullptr ? nullptr : static_cast<T *>(current_); }
  // The object that lives now; there must be one.
  static T &The() {
    if (current_ == nullptr) throw std::logic_error(std::string("no ") + T::kRole + " exists");
    return *static_cast<T *>(current_);
  }

  SoleInstance(const SoleInstance &) = delete;
  SoleInstance &operator=(const SoleInstance &) = delete;

 protected:
  SoleInstance() {
    if (current_ != nullptr) {
      throw std::logic_error(std::string("only one ") + T::kRole + " may exist at a time");
    }
    current_ = this;
  }
  ~SoleInstance() { current_ = nullptr; }

 private:
  // Kept as the base, which is whole while T is still being made.
  static inline SoleInstance *current_ = nullptr;
};

}  // namespace zvhost
