// The JSON parser's scalar events (null, booleans, numbers, strings, binary) each handed to
// Derived::Value(nlohmann::json &&) as one value: what every reader that builds its result
// from the parser's events does with them. Derived implements the container and key events.
#pragma once

#include <utility>

#include <nlohmann/json.hpp>

namespace zvhost {

template <class Derived>
class JsonScalarEvents : public nlohmann::json_sax<nlohmann::json> {
 public:
  using json = nlohmann::json;

  bool null() override { return Self().Value(json(nullptr)); }
  bool boolean(bool value) override { return Self().Value(json(value)); }
  bool number_integer(number_integer_t value) override { return Self().Value(json(value)); }
  bool number_unsigned(number_unsigned_t value) override { return Self().Value(json(value)); }
  bool number_float(number_float_t value, const string_t &) override {
    return Self().Value(json(value));
  }
  bool string(string_t &value) override { return Self().Value(json(std::move(value))); }
  bool binary(binary_t &value) override {
    return Self().Value(json(json::binary_t(std::move(value))));
  }

 private:
  Derived &Self() { return static_cast<Derived &>(*this); }
};

}  // namespace zvhost
