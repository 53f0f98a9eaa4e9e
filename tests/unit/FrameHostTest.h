// Readers shared by the frame's tests: the real host running the linked module, started
// with the options a test needs, and what it printed about messages, menus and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/HostHarness.h"

namespace frametest {

using zvtest::Json;

inline constexpr HostErr kSuiteNotFound = ZV_FOUR_CHAR('S', '!', 'F', 'd');
inline constexpr HostErr kNess = ZV_FOUR_CHAR('N', 'E', 'S', 'S');

// A host started on `failures` ("SUITE/OPERATION:CODE[:COUNT]") and `missing` suites
// ("NAME:VERSION").
inline std::unique_ptr<zvtest::HostHarness> StartHost(std::vector<std::string> failures = {},
                                                      std::vector<std::string> missing = {}) {
  zvhost::HostOptions options;
  options.failures = std::move(failures);
  options.missingSuites = std::move(missing);
  return std::make_unique<zvtest::HostHarness>(std::move(options));
}

// The events of one kind among `events`.
inline std::vector<Json> OfKind(const std::vector<Json> &events, const std::string &kind) {
  std::vector<Json> matching;
  for (const Json &event : events) {
    if (event.value("kind", "") == kind) matching.push_back(event);
  }
  return matching;
}

// The result of the one message with that caller and selector among `events`.
inline std::optional<HostErr> ResultOf(const std::vector<Json> &events, const std::string &caller,
                                       const std::string &selector) {
  std::optional<HostErr> result;
  for (const Json &message : OfKind(events, "message")) {
    if (message["caller"] == caller && message["selector"] == selector) {
      EXPECT_FALSE(result.has_value()) << caller << "/" << selector << " was sent twice";
      result = message["result"].get<HostErr>();
    }
  }
  return result;
}

// The host menu group of that name in a "dump menus" object, or null.
inline Json GroupNamed(const Json &menus, const std::string &name) {
  for (const Json &group : menus["groups"]) {
    if (group["name"] == name) return group;
  }
  return nullptr;
}

// The items of a group that show that text.
inline std::vector<Json> ItemsWithText(const Json &group, const std::string &text) {
  std::vector<Json> items;
  if (group.is_null()) return items;
  for (const Json &item : group["items"]) {
    if (item["text"] == text) items.push_back(item);
  }
  return items;
}

// The text of a modal dialog's item, empty when it has none.
inline std::string ItemText(const Json &modal, int id) {
  for (const Json &item : modal["items"]) {
    if (item["id"] == id) return item.value("text", "");
  }
  ADD_FAILURE() << "the modal dialog has no item " << id;
  return {};
}

inline bool HasPicture(const Json &modal) {
  for (const Json &item : modal["items"]) {
    if (item.contains("picture")) return true;
  }
  return false;
}

}  // namespace frametest
