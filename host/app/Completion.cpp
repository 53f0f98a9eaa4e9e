#include "host/app/Completion.h"

#include <algorithm>

#include "host/adm/ControlFinder.h"
#include "host/adm/DialogManager.h"
#include "host/app/CommandHelp.h"
#include "host/core/UsageError.h"

namespace zvhost {

namespace {

struct Typed {
  size_t start = 0;               // where the word being typed begins
  std::vector<std::string> done;  // the whole words before the one being typed
  std::string partial;            // the word being typed, without an opening quote
};

// The line split into whole words and the word being typed, with a quote left open.
Typed SplitTyped(const std::string &line) {
  Typed typed;
  size_t start = line.find_last_of(" \t");
  start = start == std::string::npos ? 0 : start + 1;
  // Inside an open quote the word being typed began at that quote.
  if (std::count(line.begin(), line.end(), '"') % 2 == 1) start = line.rfind('"');
  typed.start = start;
  typed.partial = line.substr(start);
  if (typed.partial.starts_with("\"")) typed.partial.erase(0, 1);
  try {
    typed.done = SplitScriptLine(line.substr(0, start));
  } catch (const UsageError &) {
    typed.done.clear();
  }
  return typed;
}

std::vector<std::string> ControlLabels(const Dialog &panel) {
  std::vector<std::string> labels;
  for (const auto &item : panel.items) {
    if (item->list == nullptr && item->kind != ItemKind::kCheckBox) continue;
    std::string label = LabelOf(panel, *item);
    if (!label.empty()) labels.push_back(std::move(label));
  }
  return labels;
}

std::vector<std::string> EntryTexts(const List &list) {
  std::vector<std::string> texts;
  for (const auto &entry : list.entries) {
    if (!entry->separator && !entry->text.empty()) texts.push_back(entry->text);
  }
  return texts;
}

// What may stand in argument `index` of the panel command `verb`.
std::vector<std::string> PanelArguments(const std::string &verb, size_t index,
                                        const std::vector<std::string> &args) {
  if (!DialogManager::ModuleLoaded()) return {};
  const Dialog *panel = DialogManager::The().Panel();
  if (panel == nullptr) return {};
  const bool control = verb == "choose" || verb == "type" || verb == "click";
  if (control && index == 0) return ControlLabels(*panel);
  if (verb == "choose" && index == 1) {
    const Item *item = FindControl(*panel, args[0]);
    if (item != nullptr && item->list != nullptr) return EntryTexts(*item->list);
  }
  if (verb == "menu" && index == 0) {
    const Item *menu = panel->FindItem(kADMMenuItemID);
    if (menu != nullptr && menu->list != nullptr) return EntryTexts(*menu->list);
  }
  return {};
}

std::string AsTyped(const std::string &word) {
  return word.find_first_of(" \t") == std::string::npos ? word : "\"" + word + "\"";
}

}  // namespace

Completion Completions(const Host &host, const std::string &line) {
  const Typed typed = SplitTyped(line);
  std::vector<std::string> candidates;
  const std::vector<std::string> &done = typed.done;
  if (!done.empty() && done[0] == "help") {
    candidates = NextCommandWords(host.commands, {done.begin() + 1, done.end()}, done.size() - 1);
  } else if (done.size() >= 2 && done[0] == "panel") {
    candidates = PanelArguments(done[1], done.size() - 2, {done.begin() + 2, done.end()});
  } else {
    candidates = NextCommandWords(host.commands, done, done.size());
  }
  Completion completion{typed.start, {}};
  for (const std::string &candidate : candidates) {
    if (candidate.size() >= typed.partial.size() &&
        SameIgnoringCase(candidate.substr(0, typed.partial.size()), typed.partial)) {
      completion.words.push_back(AsTyped(candidate));
    }
  }
  return completion;
}

}  // namespace zvhost
