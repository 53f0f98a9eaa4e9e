// The preferences file: read when the host starts, written when it ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/core/UsageError.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"

namespace {

using zvtest::HostHarness;
using zvtest::Json;

zvhost::HostOptions WithPrefs(const std::string &path) {
  zvhost::HostOptions options;
  options.prefsPath = path;
  return options;
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Why a host with that preferences file cannot start; empty when it can.
std::string StartError(const std::string &path) {
  std::ostringstream out;
  try {
    zvhost::Host host(WithPrefs(path), out);
  } catch (const zvhost::UsageError &error) {
    return error.what();
  }
  return {};
}

TEST(PrefFile, AMissingFileIsAnEmptyStoreAndIsWrittenAtTheEnd) {
  const zvtest::TempFolder temp;
  const std::string prefs = temp.PathOf("prefs.json");
  {
    HostHarness harness(WithPrefs(prefs));
    EXPECT_EQ(harness.Dump("prefs"), Json::parse(R"({"kind": "prefs", "prefs": {}})"));
    harness.Run("panel place 100 120 291 330");
    harness.Finish();
  }
  Json written = Json::parse(ReadFile(prefs));
  EXPECT_EQ(written["ZarvelNonModalDialog"]["kADM_DPLocationStr"], Json::array({100, 120}));
  EXPECT_EQ(written["ZarvelNonModalDialog"]["kADM_DPSizeStr"], Json::array({291, 330}));
  EXPECT_FALSE(std::filesystem::exists(prefs + ".tmp"));
}

TEST(PrefFile, WhatTheModuleDoesNotTouchIsKept) {
  const zvtest::TempFolder temp;
  const std::string prefs = temp.Write("prefs.json", R"({
    "Other Plugin": {"name": "caf\u00e9", "on": true, "where": [-1, 2], "count": 7},
    "ZarvelNonModalDialog": {"kADM_DPVisibleStr": true, "Extra": 1}})");
  {
    HostHarness harness(WithPrefs(prefs));
    EXPECT_EQ(harness.Dump("prefs")["prefs"]["Other Plugin"],
              Json::parse(R"({"count": 7, "name": "caf\u00e9", "on": true, "where": [-1, 2]})"));
    harness.Finish();
  }
  Json written = Json::parse(ReadFile(prefs));
  EXPECT_EQ(written["Other Plugin"],
            Json::parse(R"({"count": 7, "name": "caf\u00e9", "on": true, "where": [-1, 2]})"));
  EXPECT_EQ(written["ZarvelNonModalDialog"]["Extra"], 1);
  EXPECT_EQ(written["ZarvelNonModalDialog"]["kADM_DPVisibleStr"], false);
  EXPECT_EQ(written["ZarvelNonModalDialog"].size(), 6u);
}

TEST(PrefFile, ADamagedFileIsRefusedNamingThePlace) {
  struct Case {
    const char *contents;
    const char *error;
  };
  const Case cases[] = {
      {R"({"ZarvelNonModalDialog": {"kADM_DPSizeStr": [291]}})",
       "ZarvelNonModalDialog.kADM_DPSizeStr: expected [horizontal, vertical]"},
      {R"({"ZarvelNonModalDialog": {"kADM_DPSizeStr": [291, "330"]}})",
       "ZarvelNonModalDialog.kADM_DPSizeStr: expected [horizontal, vertical]"},
      {R"({"ZarvelNonModalDialog": {"kADM_DPSizeStr": [291, 2147483648]}})",
       "ZarvelNonModalDialog.kADM_DPSizeStr: expected [horizontal, vertical]"},
      {R"({"P": {"k": 2147483648}})",
       "P.k: expected a whole number from -2147483648 to 2147483647"},
      {R"({"P": {"k": 1.5}})", "P.k: expected a whole number from -2147483648 to 2147483647"},
      {R"({"P": {"k": 1e999}})", "P.k: number overflow parsing '1e999'"},
      {R"({"P": {"k": 1, "p": [1, -1e999]}})", "P.p: number overflow parsing '-1e999'"},
      {R"({"P": {"k": null}})",
       "P.k: expected a whole number, true or false, a string or [horizontal, vertical]"},
      {R"({"P": {"k": {"h": 1}}})",
       "P.k: expected a whole number, true or false, a string or [horizontal, vertical]"},
      {R"({"P": 3})", "P: expected an object of keys"},
      {R"({"P": {"k": 1, "j": 2, "k": 3}})", "P.k: given twice"},
      {R"({"P": {"k": 1}, "Q": {}, "P": {}})", "P: given twice"},
      {R"({"P": {"k": {"a": 1, "a": 2}}})", "P.k.a: given twice"},
      {R"([1, 2])", "expected an object with one member per prefix"},
      {R"({"P": {"k": 1})",
       "not valid JSON: parse error at line 1, column 15: syntax error "
       "while parsing object - unexpected end of input; expected '}'"},
      {"",
       "not valid JSON: parse error at line 1, column 1: syntax error while parsing value - "
       "unexpected end of input; expected '[', '{', or a literal"},
  };
  const zvtest::TempFolder temp;
  for (const Case &c : cases) {
    const std::string path = temp.Write("prefs.json", c.contents);
    EXPECT_EQ(StartError(path), path + ": " + c.error) << c.contents;
    EXPECT_EQ(ReadFile(path), c.contents) << "a refused file stays as it was";
  }
}

TEST(PrefFile, AFileThatCannotBeReadIsAnError) {
  const zvtest::TempFolder temp;
  const std::string directory = temp.PathOf("prefs-dir");
  std::filesystem::create_directory(directory);
  EXPECT_EQ(StartError(directory), directory + ": cannot read the preferences file");
}

TEST(PrefFile, AFailedWriteLeavesTheOldFileWhole) {
  const std::string old = R"({"P": {"k": 1}})";
  const zvtest::TempFolder temp;
  // A name so long that the new file beside it cannot have a name makes the write fail.
  const std::string prefs = temp.Write(std::string(250, 'p'), old);
  HostHarness harness(WithPrefs(prefs));
  harness.Run("panel place 1 2 3 4");
  try {
    harness.Finish();
    ADD_FAILURE() << "the write succeeded";
  } catch (const zvhost::UsageError &error) {
    EXPECT_EQ(std::string(error.what()).rfind(prefs + ": cannot write the preferences (", 0), 0u)
        << error.what();
  }
  EXPECT_EQ(ReadFile(prefs), old);
}

TEST(PrefFile, SavingWhatWasReadGivesTheSameFile) {
  const char *const files[] = {
      "{}\n",
      "{\n  \"Empty\": {}\n}\n",
      R"({
  "A": {
    "b": false,
    "i": -5,
    "p": [0, -2147483648],
    "s": "café \"quoted\""
  },
  "ZarvelNonModalDialog": {
    "kADM_DPDockCodeStr": 0,
    "kADM_DPDockGroupStr": "",
    "kADM_DPLocationStr": [100, 120],
    "kADM_DPSizeStr": [291, 330],
    "kADM_DPVisibleStr": false
  }
}
)",
  };
  const zvtest::TempFolder temp;
  for (const char *contents : files) {
    const std::string prefs = temp.Write("prefs.json", contents);
    HostHarness harness(WithPrefs(prefs), false);
    harness.Finish();
    EXPECT_EQ(ReadFile(prefs), contents);
  }
}

}  // namespace
