#include "host/core/ReadableText.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace zvhost {

namespace {

std::string Text(const Json &value) {
  return value.is_string() ? value.get<std::string>() : value.dump();
}

// `text` padded with blanks to `width` code points.
std::string Padded(const std::string &text, size_t width) {
  size_t points = 0;
  for (unsigned char c : text) points += (c & 0xC0) != 0x80 ? 1 : 0;
  return text + std::string(points < width ? width - points : 1, ' ');
}

// The first `limit` code points of `text`, with "..." when there were more.
std::string Excerpt(const std::string &text, size_t limit) {
  size_t points = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && points++ == limit) {
      return text.substr(0, i) + "...";
    }
  }
  return text;
}

// "AI Art Selection Changed Notifier" -> "selection changed".
std::string NotifierName(const std::string &type) {
  static const std::array<std::pair<const char *, const char *>, 4> kNames = {{
      {"AI Art Selection Changed Notifier", "selection changed"},
      {"AI Document New Notifier", "new document"},
      {"AI Document Opened Notifier", "document opened"},
      {"AI Document Closed Notifier", "document closed"},
  }};
  for (const auto &[name, readable] : kNames) {
    if (type == name) return readable;
  }
  return type;
}

std::string MessageText(const Json &event) {
  std::string what = Text(event["caller"]) + " " + Text(event["selector"]);
  if (event.contains("notifier")) what = "notified: " + NotifierName(Text(event["notifier"]));
  const int64_t result = event.value("result", int64_t{0});
  return what + (result == 0 ? "\n" : " -> " + CodeText(result) + "\n");
}

std::string ControlValue(const Json &item) {
  if (item.contains("text")) return item["text"].is_null() ? "(none chosen)" : Text(item["text"]);
  if (item.contains("value")) return Text(item["value"]);
  return item.value("checked", false) ? "[x]" : "[ ]";
}

std::string PanelText(const Json &event) {
  if (!event.value("exists", false)) return "panel: the plug-in made no panel\n";
  std::string text =
      std::string("panel (") + (event.value("visible", false) ? "shown" : "hidden") + ")\n";
  for (const Json &item : event["items"]) {
    const std::string label =
        item.contains("label") ? Text(item["label"]) : "item " + Text(item["id"]);
    text += "  " + Padded(label, 21) + ControlValue(item);
    text += item.value("enabled", true) ? "\n" : "  (off)\n";
  }
  return text;
}

std::string SelectionText(const Json &selection) {
  if (selection.contains("art")) {
    std::string art;
    for (const Json &index : selection["art"]) art += (art.empty() ? "" : " ") + Text(index);
    return "art " + art;
  }
  if (selection.contains("text")) {
    const Json &text = selection["text"];
    return "text of story " + Text(text["story"]) + " [" + Text(text["from"]) + ", " +
           Text(text["to"]) + ")";
  }
  return "nothing";
}

// The document: its art, then each story's paragraphs with their runs, one line each.
std::string DocText(const Json &event) {
  if (!event.value("open", true)) return "document: none open\n";
  std::ostringstream text;
  text << "document: " << event["stories"].size() << " stories, " << event["art"].size()
       << " art objects; selected: " << SelectionText(event.value("selection", Json::object()))
       << "\n";
  for (size_t i = 0; i < event["art"].size(); ++i) {
    const Json &art = event["art"][i];
    text << "  art " << i << "  " << Text(art["kind"]);
    if (art.contains("story")) {
      text << " of story " << Text(art["story"]) << ", story direction "
           << art.value("storyDirection", 0);
    }
    text << "\n";
  }
  text << "  story/para  [from, to)   dir just comp every |  run [from, to)  over digits "
          "diac x/y      kashidas  text\n";
  for (size_t s = 0; s < event["stories"].size(); ++s) {
    int64_t position = 0;
    const Json &paragraphs = event["stories"][s]["paragraphs"];
    for (size_t p = 0; p < paragraphs.size(); ++p) {
      const Json &paragraph = paragraphs[p];
      const std::string paragraphText = paragraph.value("text", "");
      const int64_t start = position;
      const Json runs = paragraph.value("runs", Json::array());
      int64_t end = start;
      for (const Json &run : runs) end += run.value("length", int64_t{0});
      char head[96];
      std::snprintf(head, sizeof head, "  %zu/%-8zu [%lld, %lld)", s, p,
                    static_cast<long long>(start), static_cast<long long>(end));
      char attributes[96];
      std::snprintf(attributes, sizeof attributes, "%4d %4d %4d %5s |",
                    paragraph.value("paragraphDirection", 0),
                    paragraph.value("justificationMethod", 0), paragraph.value("composerEngine", 0),
                    paragraph.value("everyLineComposer", false) ? "yes" : "no");
      int64_t runStart = start;
      bool first = true;
      size_t byte = 0;
      for (const Json &run : runs) {
        const int64_t length = run.value("length", int64_t{0});
        // The run's own text: `length` code points from `byte`.
        size_t runEnd = byte;
        for (int64_t n = 0; n < length && runEnd < paragraphText.size();) {
          ++runEnd;
          if (runEnd == paragraphText.size() ||
              (static_cast<unsigned char>(paragraphText[runEnd]) & 0xC0) != 0x80) {
            ++n;
          }
        }
        const std::string offsets =
            Text(run.value("diacXOffset", Json(0))) + "/" + Text(run.value("diacYOffset", Json(0)));
        char line[512];
        std::snprintf(line, sizeof line, "%-26s %-22s [%lld, %lld) %6d %6d %4d %-9s %8d  ",
                      first ? head : "", first ? attributes : "                      |",
                      static_cast<long long>(runStart), static_cast<long long>(runStart + length),
                      run.value("dirOverride", 0), run.value("digitSet", 0),
                      run.value("diacVPos", 0), offsets.c_str(), run.value("kashidas", 0));
        text << line << "\"" << Excerpt(paragraphText.substr(byte, runEnd - byte), 24) << "\"\n";
        runStart += length;
        byte = runEnd;
        first = false;
      }
      if (first) text << head << " " << attributes << " (empty)\n";
      position = end + 1;  // the paragraph separator
    }
  }
  return text.str();
}

std::string MenusText(const Json &event) {
  std::string text = "menus:\n";
  for (const Json &group : event["groups"]) {
    text += "  " + Text(group["name"]) + "\n";
    for (const Json &item : group["items"]) {
      text += "    " + Text(item["text"]);
      if (!item["name"].is_null()) text += "  (name " + Text(item["name"]) + ")";
      if (!item["submenu"].is_null()) text += "  -> " + Text(item["submenu"]);
      text += "\n";
    }
  }
  return text;
}

std::string PrefsText(const Json &event) {
  std::string text = "prefs:\n";
  for (const auto &[prefix, values] : event["prefs"].items()) {
    text += "  " + prefix + "\n";
    for (const auto &[key, value] : values.items()) {
      text += "    " + Padded(key, 22) + Text(value) + "\n";
    }
  }
  if (event["prefs"].empty()) text += "  (none)\n";
  return text;
}

std::string CountsText(const Json &live) {
  std::string text;
  for (const auto &[kind, count] : live.items()) {
    text += (text.empty() ? "" : ", ") + kind + " " + Text(count);
  }
  return text.empty() ? "none" : text;
}

std::string ModalText(const Json &event) {
  std::string text = "modal \"" + Text(event["title"]) + "\" (" + Text(event["name"]) +
                     ", resource " + Text(event["resource"]) + ")\n";
  for (const Json &item : event["items"]) {
    text += "  item " + Padded(Text(item["id"]), 5);
    if (item.contains("text")) text += "\"" + Text(item["text"]) + "\"";
    if (item.contains("picture")) text += " picture " + Text(item["picture"]);
    text += "\n";
  }
  return text;
}

// A story's words with their positions, a paragraph to a block.
std::string StoryText(const Json &event) {
  std::string text = "story " + Text(event["story"]) + "\n";
  for (const Json &paragraph : event["paragraphs"]) {
    text += "  paragraph [" + Text(paragraph["from"]) + ", " + Text(paragraph["to"]) + ")\n";
    for (const Json &word : paragraph["words"]) {
      text += "    " + Padded("[" + Text(word["from"]) + ", " + Text(word["to"]) + ")", 12) +
              Text(word["text"]) + "\n";
    }
  }
  return text;
}

std::string TallyText(const Json &event) {
  std::string text = Text(event["actions"]) + " actions, " + Text(event["refused"]) + " refused";
  if (event.value("expectedRefusals", 0) != 0) {
    text += " (" + Text(event["expectedRefusals"]) + " expected)";
  }
  return text + ", " + Text(event["pluginErrors"]) + " plug-in errors\n";
}

}  // namespace

std::string CodeText(int64_t code) {
  std::string text = std::to_string(code);
  const uint32_t bits = static_cast<uint32_t>(code);
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = static_cast<char>((bits >> shift) & 0xFF);
    if (c < 0x20 || c > 0x7E) return text;
    chars += c;
  }
  return text + " '" + chars + "'";
}

std::string ReadableText(const Json &event) {
  const std::string kind = event.value("kind", "");
  if (kind == "message") return MessageText(event);
  if (kind == "panel") return PanelText(event);
  if (kind == "doc") return DocText(event);
  if (kind == "menus") return MenusText(event);
  if (kind == "prefs") return PrefsText(event);
  if (kind == "modal") return ModalText(event);
  if (kind == "tally") return TallyText(event);
  if (kind == "text") return StoryText(event);
  if (kind == "refs") {
    return "refs: live " + CountsText(event["live"]) + "; art sets " + Text(event["artSets"]) +
           "; blocks " + Text(event["blocks"]) + "\n";
  }
  if (kind == "change") {
    return Text(event["control"]) + ": " + Text(event["from"]) + " -> " + Text(event["to"]) + "\n";
  }
  if (kind == "alert") return "alert: " + Text(event["text"]) + "\n";
  if (kind == "refused") return "refused: " + Text(event["reason"]) + "\n";
  if (kind == "error") {
    std::string text = "error";
    if (event.contains("line")) text += " at line " + Text(event["line"]);
    return text + ": " + Text(event["reason"]) + "\n";
  }
  if (kind == "misuse") {
    return "misuse in " + Text(event["operation"]) + ": " + Text(event["reason"]) + "\n";
  }
  if (kind == "leaks") return "leaks at exit: " + CountsText(event["live"]) + "\n";
  if (kind == "note") return Text(event["text"]) + "\n";
  // A kind without its own form (another part's): its facts, compactly.
  Json rest = event;
  rest.erase("kind");
  return kind + ": " + rest.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace zvhost
