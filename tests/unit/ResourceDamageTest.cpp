// Damaged resources and module files: every reader must end in a FormatError that names the
// place, never crash or read past the end (the sanitizer builds watch the second part).
#include <gtest/gtest.h>

#include <functional>

#include "ResourceFixtures.h"
#include "host/resources/DialogTemplate.h"
#include "host/resources/MenuTemplate.h"
#include "host/resources/ModuleFile.h"
#include "host/resources/PngInfo.h"
#include "host/resources/PropertyList.h"
#include "host/resources/StringTable.h"
#include "host/resources/VersionInfo.h"

namespace {

using zvhost::Bytes;
using zvhost::FormatError;
using zvhost::ResourceType;

const zvhost::ResourceSource &Compiled() {
  static const std::unique_ptr<zvhost::ResourceSource> resources =
      zvhost::ReadResImage(zvtest::ReadBytes(ZARVEL_RES_FILE));
  return *resources;
}

Bytes Compiled(const ResourceType &type, uint16_t id) {
  return Compiled().Find(type, id).value_or(Bytes{});
}

void PutU16(Bytes &bytes, size_t offset, uint16_t value) {
  bytes.at(offset) = static_cast<uint8_t>(value);
  bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void PutU32(Bytes &bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void AppendU16(Bytes &bytes, uint16_t value) {
  bytes.push_back(static_cast<uint8_t>(value));
  bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendU32(Bytes &bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendText(Bytes &bytes, const std::string &text) {
  Bytes units = zvtest::Utf16Bytes(text);
  bytes.insert(bytes.end(), units.begin(), units.end());
  AppendU16(bytes, 0);
}

void Pad4(Bytes &bytes) {
  while (bytes.size() % 4) bytes.push_back(0);
}

// An extended dialog template (DLGTEMPLATEEX) with a button and a named class item.
Bytes ExtendedDialog() {
  Bytes bytes;
  AppendU16(bytes, 1);       // version
  AppendU16(bytes, 0xFFFF);  // signature
  AppendU32(bytes, 0);       // help id
  AppendU32(bytes, 0);       // extended style
  AppendU32(bytes, 0x80C80040);
  AppendU16(bytes, 2);  // items
  for (uint16_t v : {0, 0, 120, 60}) AppendU16(bytes, v);
  AppendU16(bytes, 0);  // no menu
  AppendU16(bytes, 0);  // default class
  AppendText(bytes, "Extended");
  AppendU16(bytes, 8);    // point size
  AppendU16(bytes, 400);  // weight
  bytes.push_back(1);     // italic
  bytes.push_back(0);     // character set
  AppendText(bytes, "MS Sans Serif");
  auto item = [&bytes](uint32_t id, uint16_t atom, const std::string &className,
                       const std::string &text) {
    Pad4(bytes);
    AppendU32(bytes, 0);           // help id
    AppendU32(bytes, 0);           // extended style
    AppendU32(bytes, 0x50010001);  // style
    for (uint16_t v : {5, 6, 50, 14}) AppendU16(bytes, v);
    AppendU32(bytes, id);
    if (atom) {
      AppendU16(bytes, 0xFFFF);
      AppendU16(bytes, atom);
    } else {
      AppendText(bytes, className);
    }
    AppendText(bytes, text);
    AppendU16(bytes, 0);  // no creation data
  };
  item(70000, 0x80, "", "OK");
  item(2, 0, "ADM Popup List Type", "");
  return bytes;
}

// An extended menu template (MENUEX): one pop-up with an entry, a separator and a sub-menu.
Bytes ExtendedMenu() {
  Bytes bytes;
  AppendU16(bytes, 1);  // version
  AppendU16(bytes, 4);  // offset to the items, from the end of this field
  AppendU32(bytes, 0);  // help id
  auto item = [&bytes](uint32_t type, uint32_t id, uint16_t flags, const std::string &text) {
    Pad4(bytes);
    AppendU32(bytes, type);
    AppendU32(bytes, 0);  // state
    AppendU32(bytes, id);
    AppendU16(bytes, flags);
    AppendText(bytes, text);
    if (flags & 1) {
      Pad4(bytes);
      AppendU32(bytes, 0);  // help id of the sub-menu
    }
  };
  item(0, 0, 0x81, "Extended List");  // the last top-level item, a pop-up
  item(0, 7, 0, "First");
  item(0x800, 0, 0, "");     // separator
  item(0, 0, 0x81, "More");  // the last entry, a sub-menu
  item(0, 9, 0x80, "Deeper");
  return bytes;
}

TEST(ResourceDamage, ExtendedTemplatesReadLikeStandardOnes) {
  const zvhost::DialogTemplate dialog = zvhost::ParseDialogTemplate(ExtendedDialog(), "dialog 1");
  EXPECT_TRUE(dialog.extended);
  EXPECT_EQ(dialog.title, "Extended");
  EXPECT_EQ(dialog.fontName, "MS Sans Serif");
  EXPECT_TRUE(dialog.fontItalic);
  ASSERT_EQ(dialog.items.size(), 2u);
  EXPECT_EQ(dialog.items[0].id, 70000);
  EXPECT_EQ(dialog.items[0].windowClass, "Button");
  EXPECT_EQ(dialog.items[0].text, "OK");
  EXPECT_EQ(dialog.items[1].windowClass, "ADM Popup List Type");
  EXPECT_EQ(dialog.items[1].height, 14);

  const zvhost::MenuTemplate menu = zvhost::ParseMenuTemplate(ExtendedMenu(), "menu 1");
  EXPECT_TRUE(menu.extended);
  EXPECT_EQ(menu.title, "Extended List");
  ASSERT_EQ(menu.entries.size(), 4u);
  EXPECT_EQ(menu.entries[0].text, "First");
  EXPECT_EQ(menu.entries[0].id, 7);
  EXPECT_TRUE(menu.entries[1].separator);
  EXPECT_TRUE(menu.entries[2].submenu);
  EXPECT_EQ(menu.entries[3].text, "Deeper");
  EXPECT_EQ(menu.entries[3].depth, 1);
}

struct Reader {
  const char *name;
  std::function<Bytes()> valid;
  std::function<void(const Bytes &)> read;
  size_t validCut = 0;  // a cut at this length is complete (a menu with no items), 0 for none
};

const std::vector<Reader> &Readers() {
  static const std::vector<Reader> readers = {
      {"property list", [] { return Compiled(ResourceType::Named("PIPL"), 16000); },
       [](const Bytes &b) { zvhost::ParsePropertyList(b); }},
      {"dialog", [] { return Compiled(ResourceType::Numbered(zvhost::kResDialog), 102); },
       [](const Bytes &b) { zvhost::ParseDialogTemplate(b, "dialog 102"); }},
      {"extended dialog", ExtendedDialog,
       [](const Bytes &b) { zvhost::ParseDialogTemplate(b, "dialog 1"); }},
      {"menu", [] { return Compiled(ResourceType::Numbered(zvhost::kResMenu), 16066); },
       [](const Bytes &b) { zvhost::ParseMenuTemplate(b, "menu 16066"); }, 4},
      {"extended menu", ExtendedMenu,
       [](const Bytes &b) { zvhost::ParseMenuTemplate(b, "menu 1"); }, 8},
      {"string block", [] { return Compiled(ResourceType::Numbered(zvhost::kResString), 1004); },
       [](const Bytes &b) { zvhost::ParseStringBlock(b, "string block 1004"); }},
      {"version", [] { return Compiled(ResourceType::Numbered(zvhost::kResVersion), 1); },
       [](const Bytes &b) { zvhost::ParseVersionInfo(b, "version 1"); }},
      {"picture", [] { return Compiled(ResourceType::Named("PNGI"), 1685); },
       [](const Bytes &b) { zvhost::ParsePng(b, "picture 1685"); }},
  };
  return readers;
}

// Every length up to 600 bytes, then every 61st: the pictures are long and every one of their
// chunks is checked against its CRC.
bool Tried(size_t length) {
  return length < 600 || length % 61 == 0;
}

TEST(ResourceDamage, EveryTruncationIsAFormatError) {
  for (const Reader &reader : Readers()) {
    SCOPED_TRACE(reader.name);
    const Bytes valid = reader.valid();
    ASSERT_FALSE(valid.empty());
    ASSERT_NO_THROW(reader.read(valid));
    for (size_t length = 0; length < valid.size(); ++length) {
      if (!Tried(length) || (reader.validCut && length == reader.validCut)) continue;
      const Bytes cut(valid.begin(), valid.begin() + static_cast<ptrdiff_t>(length));
      EXPECT_THROW(reader.read(cut), FormatError) << "cut to " << length << " bytes";
    }
  }
}

// A .res image cut at an entry boundary is a shorter valid image; cut anywhere else it is
// damaged.
TEST(ResourceDamage, ATruncatedImageIsDamagedOrAShorterImage) {
  const Bytes image = zvtest::ReadBytes(ZARVEL_RES_FILE);
  const std::vector<zvhost::ResourceEntry> all = Compiled().List();
  size_t shorter = 0;
  for (size_t length = 0; length < image.size(); ++length) {
    if (!Tried(length)) continue;
    try {
      const auto entries =
          zvhost::ReadResImage(Bytes(image.begin(), image.begin() + static_cast<ptrdiff_t>(length)))
              ->List();
      ASSERT_LT(entries.size(), all.size()) << "cut to " << length;
      for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].data, all[i].data);
      ++shorter;
    } catch (const FormatError &) {
    }
  }
  EXPECT_GT(shorter, 0u);
}

struct Damage {
  const char *name;
  size_t reader;  // index in Readers()
  std::function<void(Bytes &)> damage;
  const char *message;  // a part of the error message
};

// Offsets in the compiled property list: properties start at 10; 'wx86' is the third.
constexpr size_t kPiplCount = 6, kWx86 = 10 + 20 + 20, kWx86Length = kWx86 + 12;

const std::vector<Damage> kDamages = {
    {"format marker 2", 0, [](Bytes &b) { PutU16(b, 0, 2); }, "format marker is 2, not 1"},
    {"version 1", 0, [](Bytes &b) { PutU32(b, 2, 1); }, "version is 1, not 0"},
    {"huge property count", 0, [](Bytes &b) { PutU32(b, kPiplCount, 0x7FFFFFFF); },
     "property count 2147483647 does not fit"},
    {"one property too few", 0, [](Bytes &b) { PutU32(b, kPiplCount, 3); },
     "bytes follow the last property"},
    {"data length past the end", 0, [](Bytes &b) { PutU32(b, kWx86Length, 0x1000); },
     "property 3 ('wx86'): data length 4096 runs past the end at offset 0x3e"},
    {"data length not a multiple of four", 0, [](Bytes &b) { PutU32(b, kWx86Length, 11); },
     "is not a multiple of four"},
    {"entry point without NUL", 0,
     [](Bytes &b) { std::fill(b.begin() + kWx86 + 16, b.begin() + kWx86 + 28, 'x'); },
     "'wx86': text has no terminating NUL"},
    {"padding not zero", 0, [](Bytes &b) { b.at(kWx86 + 16 + 11) = 'x'; }, "padding is not zero"},
    {"trailing byte", 0, [](Bytes &b) { b.push_back(0); }, "1 bytes follow the last property"},
    {"no entry point", 0, [](Bytes &b) { b.at(kWx86 + 4) = 'X'; },
     "no 'wx86' property names the entry point"},
    {"twice the name", 0,
     [](Bytes &b) { std::copy_n(b.begin() + kWx86 + 28 + 4, 4, b.begin() + kWx86 + 4); },
     "property 4 ('pinm'): the list holds this property twice"},
    {"huge item count", 1, [](Bytes &b) { PutU16(b, 8, 0xFFFF); },
     "dialog 102: item 22: style runs past the end"},
    {"creation data past the end", 2, [](Bytes &b) { PutU16(b, b.size() - 2, 0x7FFF); },
     "dialog 1: item 2: creation data runs past the end"},
    {"menu version 7", 3, [](Bytes &b) { PutU16(b, 0, 7); }, "version 7 is neither"},
    {"menu header past the end", 3, [](Bytes &b) { PutU16(b, 2, 0xFFFF); },
     "header runs past the end"},
    {"menu never ends", 3, [](Bytes &b) { b.at(b.size() - 14) &= 0x7F; },
     "the menu ends before its last item"},
    {"string length past the end", 5, [](Bytes &b) { PutU16(b, 0, 0xFFFF); },
     "string block 1004: string 0 runs past the end"},
    {"string block with a trailing byte", 5, [](Bytes &b) { b.push_back(1); },
     "bytes follow the 16th string"},
    {"version block past the end", 6, [](Bytes &b) { PutU16(b, 0, 0xFFFF); },
     "block runs past the end"},
    {"version block too small", 6, [](Bytes &b) { PutU16(b, 0, 3); },
     "block length 3 is too small"},
    {"fixed information signature", 6,
     [](Bytes &b) {
       b = zvtest::ReplaceOnce(b, {0xBD, 0x04, 0xEF, 0xFE}, {0, 0, 0, 0});
     },
     "wrong signature"},
    {"not a PNG", 7, [](Bytes &b) { b.at(1) = 'X'; }, "not a PNG file"},
    {"PNG chunk CRC", 7, [](Bytes &b) { b.at(20) ^= 1; }, "chunk IHDR has a wrong CRC"},
    {"PNG chunk past the end", 7, [](Bytes &b) { b.at(33) = 0x7F; }, "runs past the end"},
};

TEST(ResourceDamage, EachDamageIsNamed) {
  for (const Damage &damage : kDamages) {
    SCOPED_TRACE(damage.name);
    const Reader &reader = Readers().at(damage.reader);
    Bytes bytes = reader.valid();
    damage.damage(bytes);
    try {
      reader.read(bytes);
      ADD_FAILURE() << "read without complaint";
    } catch (const FormatError &error) {
      EXPECT_NE(std::string(error.what()).find(damage.message), std::string::npos) << error.what();
    }
  }
}

TEST(ResourceDamage, AMessageNamesTheDialogTheItemTheFieldAndTheOffset) {
  const Bytes dialog = Compiled(ResourceType::Numbered(zvhost::kResDialog), 102);
  const zvhost::DialogTemplate parsed = zvhost::ParseDialogTemplate(dialog, "dialog 102");
  ASSERT_GE(parsed.items.size(), 7u);
  // Item 7 is the third popup list (item id 7): cut its class name in the middle.
  const Bytes className = zvtest::Utf16Bytes(parsed.items[6].windowClass);
  auto at = dialog.begin();
  for (int found = 0; found < 3; ++found) {
    at = std::search(at + (found ? 1 : 0), dialog.end(), className.begin(), className.end());
    ASSERT_NE(at, dialog.end());
  }
  const size_t start = static_cast<size_t>(at - dialog.begin());
  char expected[128];
  std::snprintf(expected, sizeof expected,
                "dialog 102: item 7: class name runs past the end at offset 0x%zx", start);
  try {
    zvhost::ParseDialogTemplate(Bytes(dialog.begin(), at + 10), "dialog 102");
    ADD_FAILURE() << "read without complaint";
  } catch (const FormatError &error) {
    EXPECT_STREQ(error.what(), expected);
  }
}

TEST(ResourceDamage, NestingWithoutEndIsRefused) {
  Bytes menu = {0, 0, 0, 0};
  for (int depth = 0; depth < 40; ++depth) {
    AppendU16(menu, 0x10);  // a pop-up, never the last
    AppendText(menu, "Deeper");
  }
  EXPECT_THROW(zvhost::ParseMenuTemplate(menu, "menu 1"), FormatError);
}

TEST(ResourceDamage, ResImageHeadersAreChecked) {
  const Bytes image = zvtest::ReadBytes(ZARVEL_RES_FILE);
  struct Case {
    const char *name;
    std::function<void(Bytes &)> damage;
    const char *message;
  };
  const std::vector<Case> cases = {
      {"no marker", [](Bytes &b) { PutU32(b, 0, 4); }, "not a 32-bit resource image"},
      {"a 16-bit image", [](Bytes &b) { b = {0xFF, 5, 0, 0xFF, 102, 0}; },
       "not a 32-bit resource image"},
      {"header size too small", [](Bytes &b) { PutU32(b, 36, 4); },
       "entry 1: header size 4 is too small at offset 0x24"},
      {"header past the end", [](Bytes &b) { PutU32(b, 36, 0x100000); },
       "entry 1: header runs past the end"},
      {"data past the end", [](Bytes &b) { PutU32(b, 32, 0x100000); },
       "entry 1 (PIPL 16000): data of 1048576 bytes runs past the end"},
      {"type name without end", [](Bytes &b) { std::fill(b.begin() + 40, b.begin() + 72, 'A'); },
       "type runs past the end"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = image;
    c.damage(bytes);
    try {
      zvhost::ReadResImage(bytes);
      ADD_FAILURE() << "read without complaint";
    } catch (const FormatError &error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

// A minimal PE32 file with one section holding a resource directory for one resource
// (DIALOG 102, U.S. English), laid out as a linker lays it out.
class TinyPe {
 public:
  static constexpr uint32_t kSectionRva = 0x1000, kSectionFile = 0x200;
  static constexpr size_t kRoot = 0, kNames = 0x18, kLanguages = 0x30, kDataEntry = 0x48,
                          kData = 0x58;

  explicit TinyPe(const Bytes &data) {
    section_.resize(kData);
    Table(kRoot, 5, 0x80000000 | kNames);
    Table(kNames, 102, 0x80000000 | kLanguages);
    Table(kLanguages, 1033, kDataEntry);
    PutU32(section_, kDataEntry, kSectionRva + kData);
    PutU32(section_, kDataEntry + 4, static_cast<uint32_t>(data.size()));
    section_.insert(section_.end(), data.begin(), data.end());
  }

  Bytes &Section() { return section_; }

  Bytes File() const {
    Bytes file(kSectionFile, 0);
    file[0] = 'M';
    file[1] = 'Z';
    PutU32(file, 0x3C, 0x40);
    PutU32(file, 0x40, 0x00004550);
    PutU16(file, 0x44, 0x14C);  // i386
    PutU16(file, 0x46, 1);      // one section
    PutU16(file, 0x54, 224);    // optional header size
    const size_t optional = 0x58;
    PutU16(file, optional, 0x10B);
    PutU32(file, optional + 92, 16);  // data directories
    PutU32(file, optional + 96 + 2 * 8, kSectionRva);
    PutU32(file, optional + 96 + 2 * 8 + 4, static_cast<uint32_t>(section_.size()));
    const size_t header = optional + 224;
    std::copy_n(".rsrc", 5, file.begin() + static_cast<ptrdiff_t>(header));
    PutU32(file, header + 8, static_cast<uint32_t>(section_.size()));
    PutU32(file, header + 12, kSectionRva);
    PutU32(file, header + 16, static_cast<uint32_t>(section_.size()));
    PutU32(file, header + 20, kSectionFile);
    file.insert(file.end(), section_.begin(), section_.end());
    return file;
  }

 private:
  // A table of one id entry.
  void Table(size_t offset, uint32_t id, uint32_t target) {
    PutU16(section_, offset + 14, 1);
    PutU32(section_, offset + 16, id);
    PutU32(section_, offset + 20, target);
  }

  Bytes section_;
};

std::vector<zvhost::ResourceEntry> ReadPe(const Bytes &file) {
  zvtest::TempFile module("tiny.dll", file);
  return zvhost::ReadModuleResources(module.Path())->List();
}

TEST(ResourceDamage, APeResourceDirectoryIsWalkedAndChecked) {
  const Bytes dialog = Compiled(ResourceType::Numbered(zvhost::kResDialog), 102);
  const std::vector<zvhost::ResourceEntry> entries = ReadPe(TinyPe(dialog).File());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].type, ResourceType::Numbered(zvhost::kResDialog));
  EXPECT_EQ(entries[0].id, 102);
  EXPECT_EQ(entries[0].language, 1033);
  EXPECT_EQ(entries[0].data, dialog);

  struct Case {
    const char *name;
    std::function<void(Bytes &)> damage;
    const char *message;
  };
  const std::vector<Case> cases = {
      {"a table that contains itself",
       [](Bytes &s) { PutU32(s, TinyPe::kNames + 20, 0x80000000 | TinyPe::kRoot); },
       "reached twice"},
      {"a huge entry count", [](Bytes &s) { PutU16(s, TinyPe::kRoot + 14, 0xFFFF); },
       "entries run past the end"},
      {"a table past the end",
       [](Bytes &s) { PutU32(s, TinyPe::kRoot + 20, 0x80000000 | 0xFFFFFF); },
       "points past the end"},
      {"data outside every section", [](Bytes &s) { PutU32(s, TinyPe::kDataEntry, 0x90000); },
       "lies in no section"},
      {"data past the section", [](Bytes &s) { PutU32(s, TinyPe::kDataEntry + 4, 0x10000); },
       "more than the file holds"},
      {"data in place of a type table",
       [](Bytes &s) { PutU32(s, TinyPe::kRoot + 20, TinyPe::kDataEntry); },
       "points at data instead of a table"},
      {"a name past the end",
       [](Bytes &s) { PutU32(s, TinyPe::kNames + 16, 0x80000000 | 0xFFFFF0); }, "resource name"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    TinyPe pe(dialog);
    c.damage(pe.Section());
    try {
      ReadPe(pe.File());
      ADD_FAILURE() << "read without complaint";
    } catch (const FormatError &error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

TEST(ResourceDamage, AFolderIsNoModule) {
  try {
    zvhost::ReadModuleResources(ZARVEL_SOURCE_DIR);
    ADD_FAILURE() << "a folder was read as a module";
  } catch (const FormatError &error) {
    EXPECT_EQ(error.what(), "cannot open " + std::string(ZARVEL_SOURCE_DIR) + ": it is a folder");
  }
}

TEST(ResourceDamage, ModuleFilesAreCheckedBeforeTheirResourcesAreRead) {
  const Bytes module = zvtest::ReadBytes(ZARVEL_MODULE_FILE);
  ASSERT_GE(module.size(), 64u);
  // The damage below is done to an ELF module's headers; a Windows build's module is a PE
  // file, whose damage the PE resource directory test covers.
  if (module[0] != 0x7F || module[1] != 'E' || module[2] != 'L' || module[3] != 'F') {
    GTEST_SKIP() << "the built module is not an ELF file";
  }
  const bool is64 = module[4] == 2;
  const size_t sectionOffset = is64 ? 0x28 : 0x20, namesIndex = is64 ? 0x3E : 0x32;
  struct Case {
    const char *name;
    std::function<void(Bytes &)> damage;
    const char *message;
  };
  const std::vector<Case> cases = {
      {"not a module", [](Bytes &b) { b = zvtest::BytesOf("#!/bin/sh\necho hello\n"); },
       "not a module: "},
      {"an empty file", [](Bytes &b) { b.clear(); }, "not a module: "},
      {"section headers past the end", [&](Bytes &b) { PutU32(b, sectionOffset, 0x7FFFFFF0); },
       "section headers start past the end"},
      {"section name table out of range", [&](Bytes &b) { PutU16(b, namesIndex, 0x7FFF); },
       "section name table index is out of range"},
      {"no .rsrc section",
       [](Bytes &b) {
         b = zvtest::ReplaceOnce(b, zvtest::BytesOf(std::string(".rsrc\0", 6)),
                                 zvtest::BytesOf(std::string(".rsrx\0", 6)));
       },
       "no .rsrc section"},
      {"a big-endian file", [](Bytes &b) { b[5] = 2; }, "big-endian"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = module;
    c.damage(bytes);
    zvtest::TempFile file("module.aip", bytes);
    try {
      zvhost::ReadModuleResources(file.Path());
      ADD_FAILURE() << "read without complaint";
    } catch (const FormatError &error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
  EXPECT_THROW(zvhost::ReadModuleResources("/nonexistent/Zarvel.aip"), FormatError);

  // Cut anywhere, the module is damaged: its section headers stand at its end.
  for (size_t length = 0; length < module.size(); length += 4093) {
    zvtest::TempFile file("cut.aip",
                          Bytes(module.begin(), module.begin() + static_cast<ptrdiff_t>(length)));
    EXPECT_THROW(zvhost::ReadModuleResources(file.Path()), FormatError) << "cut to " << length;
  }
}

}  // namespace
