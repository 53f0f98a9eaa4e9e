#include "host/resources/DialogTemplate.h"

#include <array>
#include <cstdio>

namespace zvhost {

namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT; DS_SHELLFONT includes it

constexpr std::array<const char *, 6> kClassAtomNames = {"Button",  "Edit",      "Static",
                                                         "ListBox", "ScrollBar", "ComboBox"};

void ReadItemClassAndText(ByteReader &reader, DialogItem &item) {
  NameOrOrdinal windowClass = reader.NameOrOrdinalField("class name");
  if (windowClass.ordinal) {
    item.classAtom = *windowClass.ordinal;
    item.windowClass = WindowClassAtomName(item.classAtom);
  } else {
    item.windowClass = windowClass.text;
  }
  NameOrOrdinal text = reader.NameOrOrdinalField("text");
  item.text = text.text;
  item.textOrdinal = text.ordinal;
  const uint16_t extra = reader.U16("creation data size");
  item.creationData = reader.Take(extra, "creation data");
}

DialogItem ReadStandardItem(ByteReader &reader) {
  DialogItem item;
  item.style = reader.U32("style");
  item.extendedStyle = reader.U32("extended style");
  item.x = static_cast<int16_t>(reader.U16("x"));
  item.y = static_cast<int16_t>(reader.U16("y"));
  item.width = static_cast<int16_t>(reader.U16("width"));
  item.height = static_cast<int16_t>(reader.U16("height"));
  item.id = static_cast<int16_t>(reader.U16("id"));
  ReadItemClassAndText(reader, item);
  return item;
}

DialogItem ReadExtendedItem(ByteReader &reader) {
  DialogItem item;
  item.helpId = reader.U32("help id");
  item.extendedStyle = reader.U32("extended style");
  item.style = reader.U32("style");
  item.x = static_cast<int16_t>(reader.U16("x"));
  item.y = static_cast<int16_t>(reader.U16("y"));
  item.width = static_cast<int16_t>(reader.U16("width"));
  item.height = static_cast<int16_t>(reader.U16("height"));
  item.id = static_cast<int32_t>(reader.U32("id"));
  ReadItemClassAndText(reader, item);
  return item;
}

}  // namespace

std::string WindowClassAtomName(uint16_t atom) {
  if (atom >= 0x80 && atom < 0x80 + kClassAtomNames.size()) return kClassAtomNames[atom - 0x80];
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#0x%x", atom);
  return buffer;
}

DialogTemplate ParseDialogTemplate(const Bytes &data, const std::string &context) {
  ByteReader reader(data, context);
  DialogTemplate dialog;
  uint16_t itemCount = 0;
  if (data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
    dialog.extended = true;
    reader.U16("version");
    reader.U16("signature");
    reader.U32("help id");
    dialog.extendedStyle = reader.U32("extended style");
    dialog.style = reader.U32("style");
  } else {
    dialog.style = reader.U32("style");
    dialog.extendedStyle = reader.U32("extended style");
  }
  itemCount = reader.U16("item count");
  dialog.x = static_cast<int16_t>(reader.U16("x"));
  dialog.y = static_cast<int16_t>(reader.U16("y"));
  dialog.width = static_cast<int16_t>(reader.U16("width"));
  dialog.height = static_cast<int16_t>(reader.U16("height"));
  dialog.menu = reader.NameOrOrdinalField("menu");
  dialog.windowClass = reader.NameOrOrdinalField("class name");
  dialog.title = reader.Utf16z("title");
  if (dialog.style & kSetFont) {
    dialog.hasFont = true;
    dialog.fontSize = reader.U16("font size");
    if (dialog.extended) {
      dialog.fontWeight = reader.U16("font weight");
      dialog.fontItalic = reader.U8("font italic flag") != 0;
      reader.U8("font character set");
    }
    dialog.fontName = reader.Utf16z("font name");
  }

  for (uint16_t index = 0; index < itemCount; ++index) {
    reader.Align(4);
    ByteReader itemReader = reader.Rest(context + ": item " + std::to_string(index + 1));
    dialog.items.push_back(dialog.extended ? ReadExtendedItem(itemReader)
                                           : ReadStandardItem(itemReader));
    reader.Skip(itemReader.Offset(), "item");
  }
  return dialog;
}

}  // namespace zvhost
