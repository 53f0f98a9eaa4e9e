#include "host/validate/SessionFacts.h"

#include <set>

namespace zvhost {

namespace {

size_t CodePoints(const std::string &utf8) {
  size_t count = 0;
  for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

void AddLeaves(const Json &groups, const Json &group, const std::string &path, int depth,
               std::vector<std::string> &paths) {
  for (const Json &item : group["items"]) {
    const std::string itemPath = path + "/" + item.value("text", "");
    const std::string submenu =
        item["submenu"].is_string() ? item["submenu"].get<std::string>() : "";
    const Json *opened = nullptr;
    for (const Json &other : groups) {
      if (!submenu.empty() && other.value("name", "") == submenu) opened = &other;
    }
    if (opened == nullptr) {
      paths.push_back(itemPath);
    } else if (depth < 8) {
      AddLeaves(groups, *opened, itemPath, depth + 1, paths);
    }
  }
}

}  // namespace

std::string Quoted(const std::string &word) {
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

SessionFacts ProbeSession(const CheckContext &context, CheckResult &result) {
  const std::string script = context.WriteScript(
      "probe", "open " + Quoted(context.options.documentPath) + "\ndump doc\ndump menus\n");
  HostRunResult run = context.RunAndJudge("probe", context.Command({script}), result);
  SessionFacts facts;
  for (const Json &doc : run.OfKind("doc")) {
    if (doc.contains("art")) facts.artCount = doc["art"].size();
    for (const Json &story : doc.value("stories", Json::array())) {
      size_t length = 0;
      bool first = true;
      for (const Json &paragraph : story.value("paragraphs", Json::array())) {
        length += (first ? 0 : 1) + CodePoints(paragraph.value("text", ""));
        first = false;
      }
      facts.storyLengths.push_back(length);
    }
  }
  for (const Json &menus : run.OfKind("menus")) {
    const Json &groups = menus["groups"];
    std::set<std::string> opened;
    for (const Json &group : groups) {
      for (const Json &item : group["items"]) {
        if (item["submenu"].is_string()) opened.insert(item["submenu"].get<std::string>());
      }
    }
    for (const Json &group : groups) {
      const std::string name = group.value("name", "");
      if (!opened.contains(name)) AddLeaves(groups, group, name, 0, facts.menuPaths);
    }
  }
  return facts;
}

}  // namespace zvhost
