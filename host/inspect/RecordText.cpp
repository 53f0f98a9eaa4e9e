#include "host/inspect/RecordText.h"

#include <cstdio>
#include <map>
#include <string>

namespace zvhost {

namespace {

using Printer = void (*)(const InspectRecord &record, std::ostream &out);

std::string Quoted(const InspectRecord &text) {
  return text.dump(-1, ' ', false, InspectRecord::error_handler_t::replace);
}

std::string Hex(uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "0x%08llx", static_cast<unsigned long long>(value));
  return buffer;
}

// Left-aligned in a column of `width` characters (at least one blank after).
std::string Column(const std::string &text, size_t width) {
  return text.size() < width ? text + std::string(width - text.size(), ' ') : text + ' ';
}

std::string Rectangle(const InspectRecord &r) {
  return std::to_string(r["x"].get<int>()) + "," + std::to_string(r["y"].get<int>()) + " " +
         std::to_string(r["width"].get<int>()) + "x" + std::to_string(r["height"].get<int>());
}

void PrintModule(const InspectRecord &r, std::ostream &out) {
  out << "Module " << r["path"].get<std::string>() << " (" << r["format"].get<std::string>()
      << ")\n";
}

void PrintPropertyList(const InspectRecord &r, std::ostream &out) {
  out << "Property list (PIPL 16000): " << r["properties"].size() << " properties; plug-in "
      << Quoted(r["name"]) << ", kind " << r["pluginKind"].get<std::string>()
      << ", interface version " << r["interfaceVersion"].get<int>() << ", entry point "
      << Quoted(r["entryPoint"]) << "\n";
  for (const InspectRecord &property : r["properties"]) {
    out << "  " << property["vendor"].get<std::string>() << " '"
        << property["key"].get<std::string>() << "' id " << property["id"].get<uint32_t>() << ", "
        << property["length"].get<size_t>() << " bytes\n";
  }
}

void PrintDialog(const InspectRecord &r, std::ostream &out) {
  out << "Dialog " << r["id"].get<int>() << " " << Quoted(r["title"]) << ": " << Rectangle(r)
      << ", style " << Hex(r["style"].get<uint32_t>());
  if (r.contains("font")) {
    out << ", font " << Quoted(r["font"]["name"]) << " " << r["font"]["size"].get<int>();
  }
  out << (r["extended"].get<bool>() ? ", extended template" : "") << ", " << r["items"].size()
      << " items\n";
  for (const InspectRecord &item : r["items"]) {
    const std::string text = item.contains("text")
                                 ? Quoted(item["text"])
                                 : "#" + std::to_string(item["textOrdinal"].get<int>());
    out << "  item " << Column(std::to_string(item["id"].get<int>()), 5)
        << Column(item["class"].get<std::string>(), 26) << Column(text, 22)
        << Column(Rectangle(item), 15) << "style " << Hex(item["style"].get<uint32_t>()) << "\n";
  }
}

void PrintMenu(const InspectRecord &r, std::ostream &out) {
  out << "Menu " << r["id"].get<int>() << " " << Quoted(r["title"]) << ": " << r["entries"].size()
      << " entries\n";
  for (const InspectRecord &entry : r["entries"]) {
    out << "  " << std::string(2 * entry.value("depth", 0), ' ')
        << Column(std::to_string(entry["index"].get<int>()), 4);
    if (entry.value("separator", false)) {
      out << "(separator)\n";
    } else {
      out << Quoted(entry["text"]) << " (id " << entry["id"].get<int>() << ")"
          << (entry.value("submenu", false) ? ", sub-menu" : "") << "\n";
    }
  }
}

void PrintStrings(const InspectRecord &r, std::ostream &out) {
  out << "Strings: " << r["strings"].size() << "\n";
  for (const InspectRecord &string : r["strings"]) {
    out << "  " << Column(std::to_string(string["id"].get<int>()), 7) << Quoted(string["text"])
        << "\n";
  }
}

void PrintPicture(const InspectRecord &r, std::ostream &out) {
  out << "Picture " << r["id"].get<int>() << " (" << r["type"].get<std::string>()
      << "): " << r["width"].get<uint32_t>() << " x " << r["height"].get<uint32_t>() << " pixels, "
      << (r["alpha"].get<bool>() ? "with" : "without") << " alpha, " << r["bytes"].get<size_t>()
      << " bytes\n";
}

void PrintVersion(const InspectRecord &r, std::ostream &out) {
  out << "Version " << r["id"].get<int>() << ": file " << r["fileVersion"].get<std::string>()
      << ", product " << r["productVersion"].get<std::string>() << ", file type "
      << r["fileType"].get<uint32_t>() << ", operating system " << Hex(r["fileOS"].get<uint32_t>())
      << "\n";
  for (const auto &[table, values] : r["strings"].items()) {
    for (const auto &[key, value] : values.items()) {
      out << "  " << table << " " << Column(key, 17) << Quoted(value) << "\n";
    }
  }
  for (const InspectRecord &translation : r["translations"]) {
    out << "  translation: language " << translation["language"].get<int>() << ", code page "
        << translation["codePage"].get<int>() << "\n";
  }
}

void PrintOther(const InspectRecord &r, std::ostream &out) {
  out << "Resource " << r["type"].get<std::string>() << " "
      << (r.contains("name") ? r["name"].get<std::string>() : std::to_string(r["id"].get<int>()))
      << ": " << r["bytes"].get<size_t>() << " bytes\n";
}

void PrintEntry(const InspectRecord &r, std::ostream &out) {
  out << "Entry point " << Quoted(r["name"]) << ": "
      << (r["exported"].get<bool>() ? "exported" : "NOT exported") << "\n";
}

void PrintError(const InspectRecord &r, std::ostream &out) {
  out << "Damaged " << r["resource"].get<std::string>() << ": " << r["reason"].get<std::string>()
      << "\n";
}

const std::map<std::string, Printer> &Printers() {
  static const std::map<std::string, Printer> printers = {
      {"module", PrintModule},   {"pipl", PrintPropertyList}, {"dialog", PrintDialog},
      {"menu", PrintMenu},       {"strings", PrintStrings},   {"picture", PrintPicture},
      {"version", PrintVersion}, {"resource", PrintOther},    {"entry", PrintEntry},
      {"error", PrintError}};
  return printers;
}

}  // namespace

void PrintRecordText(const InspectRecord &record, std::ostream &out) {
  Printers().at(record["kind"].get<std::string>())(record, out);
}

}  // namespace zvhost
