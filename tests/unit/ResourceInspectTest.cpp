// `zarvel-host inspect` over the built module and over damaged copies of it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "ResourceFixtures.h"
#include "host/inspect/Inspect.h"

namespace {

using zvhost::Bytes;

struct Inspection {
  int status = 0;
  std::string out;
  std::string err;
  std::vector<nlohmann::json> lines;  // with --json
};

Inspection Inspect(const std::string &path, bool json) {
  std::ostringstream out, err;
  Inspection result;
  result.status = zvhost::RunInspect(path, json, out, err);
  result.out = out.str();
  result.err = err.str();
  if (json) {
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
      result.lines.push_back(nlohmann::json::parse(line));  // throws on a line that is not JSON
    }
  }
  return result;
}

std::vector<nlohmann::json> OfKind(const Inspection &inspection, const std::string &kind) {
  std::vector<nlohmann::json> found;
  for (const nlohmann::json &line : inspection.lines) {
    if (line.at("kind") == kind) found.push_back(line);
  }
  return found;
}

TEST(ResourceInspect, ListsEveryResourceOfTheModuleAsJsonLines) {
  const Inspection inspection = Inspect(ZARVEL_MODULE_FILE, true);
  EXPECT_EQ(inspection.status, 0) << inspection.err;
  EXPECT_EQ(inspection.err, "");
  std::vector<std::string> kinds;
  for (const nlohmann::json &line : inspection.lines) kinds.push_back(line.at("kind"));
  std::vector<std::string> expected = {"module", "pipl", "dialog", "dialog", "dialog"};
  expected.insert(expected.end(), 10, "menu");
  for (const char *kind : {"strings", "picture", "picture", "version", "entry"}) {
    expected.push_back(kind);
  }
  EXPECT_EQ(kinds, expected);

  const nlohmann::json pipl = OfKind(inspection, "pipl").at(0);
  EXPECT_EQ(pipl.at("entryPoint"), "PluginMain");
  EXPECT_EQ(pipl.at("name"), "Zarvel");
  EXPECT_EQ(pipl.at("pluginKind"), "SPEA");
  EXPECT_EQ(pipl.at("properties").size(), 4u);

  const nlohmann::json panel = OfKind(inspection, "dialog").at(0);
  EXPECT_EQ(panel.at("id"), 102);
  EXPECT_EQ(panel.at("title"), "Zarvel");
  EXPECT_EQ(panel.at("items").size(), 21u);
  EXPECT_EQ(panel.at("items").at(20).at("text"), "Kashidas");

  const nlohmann::json offsets = OfKind(inspection, "menu").at(7);
  EXPECT_EQ(offsets.at("id"), 16066);
  EXPECT_EQ(offsets.at("entries").at(4), (nlohmann::json{{"index", 4}, {"separator", true}}));
  EXPECT_EQ(offsets.at("entries").at(5).at("text"), "0");

  EXPECT_EQ(OfKind(inspection, "strings").at(0).at("strings").size(), 13u);
  const nlohmann::json logo = OfKind(inspection, "picture").at(0);
  EXPECT_EQ(logo.at("id"), 1685);
  EXPECT_EQ(logo.at("width"), 217);
  EXPECT_EQ(logo.at("height"), 79);
  EXPECT_EQ(logo.at("alpha"), true);
  EXPECT_EQ(OfKind(inspection, "version").at(0).at("fileVersion"), "14.0.0.0");
  EXPECT_EQ(OfKind(inspection, "entry").at(0),
            (nlohmann::json{{"kind", "entry"}, {"name", "PluginMain"}, {"exported", true}}));
}

TEST(ResourceInspect, PrintsTheSameFactsForPeople) {
  const Inspection inspection = Inspect(ZARVEL_MODULE_FILE, false);
  EXPECT_EQ(inspection.status, 0) << inspection.err;
  for (const char *fact :
       {"Property list (PIPL 16000): 4 properties; plug-in \"Zarvel\"",
        "Dialog 102 \"Zarvel\": 0,0 194x203", "Dialog 16051 \"Plug-in Error\"",
        "Menu 16050 \"Dialog List\": 3 entries", "(separator)",
        "\"<Mac strings begin at index 1>\"", "Picture 1686 (PNGI): 454 x 325 pixels, with alpha",
        "OriginalFilename \"Zarvel.aip\"", "Entry point \"PluginMain\": exported"}) {
    EXPECT_NE(inspection.out.find(fact), std::string::npos) << fact;
  }
}

// A copy of the module with one run of bytes replaced.
struct DamagedCopy {
  const char *name;
  Bytes from, to;
  const char *message;  // on standard error
};

Bytes Text(const std::string &text) {
  return zvtest::BytesOf(text);
}

TEST(ResourceInspect, RefusesWhatCannotBeLoadedWithStatus3) {
  const Bytes module = zvtest::ReadBytes(ZARVEL_MODULE_FILE);
  const Bytes dialog = [] {
    auto resources = zvhost::ReadResImage(zvtest::ReadBytes(ZARVEL_RES_FILE));
    return *resources->Find(zvhost::ResourceType::Numbered(zvhost::kResDialog), 102);
  }();
  Bytes dialogHead(dialog.begin(), dialog.begin() + 12);
  Bytes badCount = dialogHead;
  badCount[8] = badCount[9] = 0xFF;
  const std::vector<DamagedCopy> cases = {
      {"the entry point is not exported", Text(std::string("PluginMain\0\0EBDA", 16)),
       Text(std::string("PluginMaim\0\0EBDA", 16)), "no entry point [PluginMaim] exported"},
      {"no property list", zvtest::Utf16Bytes("PIPL"), zvtest::Utf16Bytes("PIPX"),
       "no property list (resource PIPL 16000)"},
      {"a damaged property list", Text(std::string("\0\0EBDAmnip", 10)),
       Text(std::string("\0\1EBDAmnip", 10)),
       "invalid property list: property list: property 'wx86': padding is not zero"},
      {"a damaged dialog", dialogHead, badCount, "damaged resources: DIALOG 102"},
  };
  for (const DamagedCopy &c : cases) {
    SCOPED_TRACE(c.name);
    zvtest::TempFile copy("inspect.aip", zvtest::ReplaceOnce(module, c.from, c.to));
    for (bool json : {true, false}) {
      const Inspection inspection = Inspect(copy.Path(), json);
      EXPECT_EQ(inspection.status, 3);
      EXPECT_NE(inspection.err.find(c.message), std::string::npos) << inspection.err;
      // Whatever can be read is still listed.
      EXPECT_NE(inspection.out.find(json ? "\"kind\":\"menu\"" : "Menu 16060"), std::string::npos);
    }
  }

  zvtest::TempFile script("not-a-module.txt", Text("#!/bin/sh\n"));
  const Inspection notModule = Inspect(script.Path(), true);
  EXPECT_EQ(notModule.status, 3);
  EXPECT_EQ(notModule.out, "");
  EXPECT_NE(notModule.err.find("not a module: " + script.Path()), std::string::npos);
  EXPECT_EQ(Inspect("/nonexistent/Zarvel.aip", false).status, 3);
}

}  // namespace
