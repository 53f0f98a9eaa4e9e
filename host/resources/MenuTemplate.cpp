#include "host/resources/MenuTemplate.h"

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

constexpr uint16_t kPopup = 0x0010;        // MF_POPUP
constexpr uint16_t kLastItem = 0x0080;     // MF_END
constexpr uint32_t kSeparator = 0x0800;    // MF_SEPARATOR, MFT_SEPARATOR
constexpr uint16_t kExtendedPopup = 0x01;  // MENUEX item flag: a sub-menu follows
// Pop-ups nested deeper than this are taken as damage rather than followed.
constexpr int kMaximumDepth = 16;

struct ItemHeader {
  MenuEntry entry;
  bool popup = false;
  bool last = false;
};

ItemHeader ReadStandardItem(ByteReader &reader) {
  ItemHeader item;
  const uint16_t options = reader.U16("item options");
  item.popup = options & kPopup;
  item.last = options & kLastItem;
  if (!item.popup) item.entry.id = reader.U16("item id");
  item.entry.text = reader.Utf16z("item text");
  // A separator is stored as an entry with the separator flag or as id 0 with no text.
  item.entry.separator =
      !item.popup && ((options & kSeparator) || (item.entry.id == 0 && item.entry.text.empty()));
  return item;
}

ItemHeader ReadExtendedItem(ByteReader &reader) {
  ItemHeader item;
  reader.Align(4);
  const uint32_t type = reader.U32("item type");
  reader.U32("item state");
  item.entry.id = static_cast<int32_t>(reader.U32("item id"));
  const uint16_t flags = reader.U16("item flags");
  item.entry.text = reader.Utf16z("item text");
  item.popup = flags & kExtendedPopup;
  item.last = flags & kLastItem;
  item.entry.separator = type & kSeparator;
  if (item.popup) {
    reader.Align(4);
    reader.U32("sub-menu help id");
  }
  return item;
}

class MenuReader {
 public:
  MenuReader(ByteReader &reader, bool extended, MenuTemplate &menu)
      : reader_(reader), extended_(extended), menu_(menu) {}

  // Reads the items of one level, up to the one marked last; depth -1 is the top level.
  void ReadLevel(int depth) {
    if (depth >= kMaximumDepth)
      reader_.Fail("sub-menus nest deeper than " + std::to_string(kMaximumDepth));
    for (;;) {
      if (reader_.AtEnd()) reader_.Fail("the menu ends before its last item");
      ItemHeader item = extended_ ? ReadExtendedItem(reader_) : ReadStandardItem(reader_);
      if (depth < 0) {
        if (item.popup && !titled_) {
          menu_.title = item.entry.text;
          titled_ = true;
        }
        if (!item.popup) menu_.entries.push_back(Entry(item, 0));
      } else {
        menu_.entries.push_back(Entry(item, depth));
      }
      if (item.popup) ReadLevel(depth + 1);
      if (item.last) return;
    }
  }

 private:
  static MenuEntry Entry(const ItemHeader &item, int depth) {
    MenuEntry entry = item.entry;
    entry.submenu = item.popup;
    entry.depth = depth;
    return entry;
  }

  ByteReader &reader_;
  bool extended_;
  MenuTemplate &menu_;
  bool titled_ = false;
};

}  // namespace

MenuTemplate ParseMenuTemplate(const Bytes &data, const std::string &context) {
  ByteReader reader(data, context);
  MenuTemplate menu;
  const uint16_t version = reader.U16("version");
  const uint16_t offset = reader.U16("header size");
  if (version > 1) {
    reader.FailAt(0, "version " + std::to_string(version) + " is neither 0 (MENU) nor 1 (MENUEX)");
  }
  menu.extended = version == 1;
  // The header size counts from the end of its own field: 0 for MENU, 4 (a help id) for MENUEX.
  reader.Skip(offset, "header");
  if (reader.AtEnd()) return menu;  // a menu with no items at all
  MenuReader(reader, menu.extended, menu).ReadLevel(-1);
  return menu;
}

}  // namespace zvhost
