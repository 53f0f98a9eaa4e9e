#include "host/inspect/ResourceRecords.h"

#include "host/resources/ByteReader.h"
#include "host/resources/DialogTemplate.h"
#include "host/resources/MenuTemplate.h"
#include "host/resources/PngInfo.h"
#include "host/resources/StringTable.h"
#include "host/resources/VersionInfo.h"

namespace zvhost {

namespace {

InspectRecord NameOrOrdinalRecord(const NameOrOrdinal &value) {
  if (value.ordinal) return *value.ordinal;
  return value.text;
}

InspectRecord DialogRecord(const ResourceEntry &entry) {
  const DialogTemplate dialog =
      ParseDialogTemplate(entry.data, "dialog " + std::to_string(entry.id));
  InspectRecord items = InspectRecord::array();
  for (const DialogItem &item : dialog.items) {
    InspectRecord record = {{"id", item.id}, {"class", item.windowClass}};
    if (item.textOrdinal) {
      record["textOrdinal"] = *item.textOrdinal;
    } else {
      record["text"] = item.text;
    }
    record["x"] = item.x;
    record["y"] = item.y;
    record["width"] = item.width;
    record["height"] = item.height;
    record["style"] = item.style;
    if (item.extendedStyle) record["extendedStyle"] = item.extendedStyle;
    items.push_back(std::move(record));
  }
  InspectRecord record = {{"kind", "dialog"},
                          {"id", entry.id},
                          {"language", entry.language},
                          {"extended", dialog.extended},
                          {"title", dialog.title},
                          {"x", dialog.x},
                          {"y", dialog.y},
                          {"width", dialog.width},
                          {"height", dialog.height},
                          {"style", dialog.style}};
  if (dialog.extendedStyle) record["extendedStyle"] = dialog.extendedStyle;
  if (dialog.menu.ordinal || !dialog.menu.text.empty()) {
    record["menu"] = NameOrOrdinalRecord(dialog.menu);
  }
  if (dialog.windowClass.ordinal || !dialog.windowClass.text.empty()) {
    record["class"] = NameOrOrdinalRecord(dialog.windowClass);
  }
  if (dialog.hasFont) record["font"] = {{"name", dialog.fontName}, {"size", dialog.fontSize}};
  record["items"] = std::move(items);
  return record;
}

InspectRecord MenuRecord(const ResourceEntry &entry) {
  const MenuTemplate menu = ParseMenuTemplate(entry.data, "menu " + std::to_string(entry.id));
  InspectRecord entries = InspectRecord::array();
  for (size_t index = 0; index < menu.entries.size(); ++index) {
    const MenuEntry &item = menu.entries[index];
    InspectRecord record = {{"index", index}};
    if (item.separator) {
      record["separator"] = true;
    } else {
      record["id"] = item.id;
      record["text"] = item.text;
    }
    if (item.submenu) record["submenu"] = true;
    if (item.depth) record["depth"] = item.depth;
    entries.push_back(std::move(record));
  }
  return {{"kind", "menu"},
          {"id", entry.id},
          {"language", entry.language},
          {"title", menu.title},
          {"extended", menu.extended},
          {"entries", std::move(entries)}};
}

InspectRecord PictureRecord(const ResourceEntry &entry) {
  const PngInfo png = ParsePng(entry.data, "picture " + std::to_string(entry.id));
  return {{"kind", "picture"},         {"id", entry.id},       {"type", entry.type.ToString()},
          {"width", png.width},        {"height", png.height}, {"alpha", png.alpha},
          {"bytes", entry.data.size()}};
}

std::string VersionText(const std::array<uint16_t, 4> &version) {
  return std::to_string(version[0]) + "." + std::to_string(version[1]) + "." +
         std::to_string(version[2]) + "." + std::to_string(version[3]);
}

InspectRecord VersionRecord(const ResourceEntry &entry) {
  const VersionInfo info = ParseVersionInfo(entry.data, "version " + std::to_string(entry.id));
  InspectRecord tables = InspectRecord::object();
  for (const VersionStringTable &table : info.stringTables) {
    InspectRecord values = InspectRecord::object();
    for (const auto &[key, value] : table.values) values[key] = value;
    tables[table.key] = std::move(values);
  }
  InspectRecord translations = InspectRecord::array();
  for (uint32_t translation : info.translations) {
    translations.push_back({{"language", translation & 0xFFFF}, {"codePage", translation >> 16}});
  }
  return {{"kind", "version"},
          {"id", entry.id},
          {"language", entry.language},
          {"fileVersion", VersionText(info.fileVersion)},
          {"productVersion", VersionText(info.productVersion)},
          {"fileFlags", info.fileFlags},
          {"fileOS", info.fileOS},
          {"fileType", info.fileType},
          {"fileSubtype", info.fileSubtype},
          {"strings", std::move(tables)},
          {"translations", std::move(translations)}};
}

InspectRecord OtherRecord(const ResourceEntry &entry) {
  InspectRecord record = {{"kind", "resource"}, {"type", entry.type.ToString()}};
  if (entry.name.empty()) {
    record["id"] = entry.id;
  } else {
    record["name"] = entry.name;
  }
  record["language"] = entry.language;
  record["bytes"] = entry.data.size();
  return record;
}

InspectRecord ErrorRecord(const std::string &resource, const std::string &reason) {
  return {{"kind", "error"}, {"resource", resource}, {"reason", reason}};
}

InspectRecord StringsRecord(const ResourceSource &resources) {
  InspectRecord strings = InspectRecord::array();
  for (const StringResource &string : ListStrings(resources)) {
    strings.push_back({{"id", string.id}, {"text", string.text}});
  }
  return {{"kind", "strings"}, {"strings", std::move(strings)}};
}

// The kinds of resources reported, in order: each resource of the type in a record of its
// own, or all of them in one record.
struct Describer {
  ResourceType type;
  InspectRecord (*each)(const ResourceEntry &entry);
  InspectRecord (*whole)(const ResourceSource &resources);
};

const std::vector<Describer> &Describers() {
  static const std::vector<Describer> describers = {
      {ResourceType::Named("PIPL"), nullptr, nullptr},  // reported by PropertyListRecord
      {ResourceType::Numbered(kResDialog), DialogRecord, nullptr},
      {ResourceType::Numbered(kResMenu), MenuRecord, nullptr},
      {ResourceType::Numbered(kResString), nullptr, StringsRecord},
      {ResourceType::Named("PNGI"), PictureRecord, nullptr},
      {ResourceType::Numbered(kResVersion), VersionRecord, nullptr},
  };
  return describers;
}

}  // namespace

std::string ResourceLabel(const ResourceEntry &entry) {
  return entry.type.ToString() + " " + (entry.name.empty() ? std::to_string(entry.id) : entry.name);
}

InspectRecord PropertyListRecord(const PropertyList &list) {
  InspectRecord properties = InspectRecord::array();
  for (const PropertyListEntry &property : list.properties) {
    properties.push_back({{"vendor", FourCharText(property.vendor)},
                          {"key", FourCharText(property.key)},
                          {"id", property.id},
                          {"length", property.data.size()}});
  }
  return {{"kind", "pipl"},
          {"id", 16000},
          {"pluginKind", FourCharText(list.kind)},
          {"interfaceVersion", list.interfaceVersion},
          {"entryPoint", list.entryPoint},
          {"name", list.name},
          {"properties", std::move(properties)}};
}

std::vector<InspectRecord> ResourceRecords(const ResourceSource &resources) {
  const std::vector<ResourceEntry> entries = resources.List();
  std::vector<InspectRecord> records;
  for (const Describer &describer : Describers()) {
    if (describer.whole) {
      try {
        records.push_back(describer.whole(resources));
      } catch (const FormatError &error) {
        records.push_back(ErrorRecord(describer.type.ToString(), error.what()));
      }
    }
    if (!describer.each) continue;
    for (const ResourceEntry &entry : entries) {
      if (!(entry.type == describer.type)) continue;
      try {
        records.push_back(describer.each(entry));
      } catch (const FormatError &error) {
        records.push_back(ErrorRecord(ResourceLabel(entry), error.what()));
      }
    }
  }
  for (const ResourceEntry &entry : entries) {
    bool described = false;
    for (const Describer &describer : Describers())
      described = described || entry.type == describer.type;
    if (!described) records.push_back(OtherRecord(entry));
  }
  return records;
}

}  // namespace zvhost
