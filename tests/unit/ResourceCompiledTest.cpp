// The compiled resources (Zarvel.res, and the module that carries them) hold exactly what the
// module and its host rely on: the property list byte for byte, every dialog item, every
// list entry, every message, both pictures and the version record.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <set>

#include "HostTypes.h"
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
using zvhost::ResourceType;

constexpr uint16_t kUsEnglish = 1033;

const zvhost::ResourceSource &CompiledResources() {
  static const std::unique_ptr<zvhost::ResourceSource> resources =
      zvhost::ReadResImage(zvtest::ReadBytes(ZARVEL_RES_FILE));
  return *resources;
}

Bytes Resource(const ResourceType &type, uint16_t id) {
  std::optional<Bytes> data = CompiledResources().Find(type, id);
  EXPECT_TRUE(data) << "no resource " << type.ToString() << " " << id;
  return data.value_or(Bytes{});
}

std::string Upper(std::string text) {
  for (char &c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Four-character codes stand in the file in reverse order of their characters.
void AppendCode(Bytes &bytes, const char (&code)[5]) {
  for (int i = 3; i >= 0; --i) bytes.push_back(static_cast<uint8_t>(code[i]));
}

void AppendU32(Bytes &bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes ExpectedPropertyList() {
  Bytes bytes = {1, 0};
  AppendU32(bytes, 0);
  AppendU32(bytes, 4);
  auto property = [&bytes](const char(&key)[5], const Bytes &data) {
    AppendCode(bytes, "ADBE");
    AppendCode(bytes, key);
    AppendU32(bytes, 0);
    AppendU32(bytes, static_cast<uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
  };
  Bytes kind;
  AppendCode(kind, "SPEA");
  property("kind", kind);
  property("ivrs", {2, 0, 0, 0});
  property("wx86", zvtest::BytesOf(std::string("PluginMain\0\0", 12)));
  property("pinm", zvtest::BytesOf(std::string("Zarvel\0\0", 8)));
  return bytes;
}

TEST(ResourceCompiled, PropertyListIsExactlyTheTable) {
  const Bytes pipl = Resource(ResourceType::Named("PIPL"), 16000);
  EXPECT_EQ(pipl, ExpectedPropertyList());
  ASSERT_EQ(pipl.size(), 102u);

  const zvhost::PropertyList list = zvhost::ParsePropertyList(pipl);
  EXPECT_EQ(list.kind, static_cast<uint32_t>(ZV_FOUR_CHAR('S', 'P', 'E', 'A')));
  EXPECT_EQ(list.interfaceVersion, 2);
  EXPECT_EQ(list.entryPoint, "PluginMain");
  EXPECT_EQ(list.name, "Zarvel");
  ASSERT_EQ(list.properties.size(), 4u);
  for (const zvhost::PropertyListEntry &property : list.properties) {
    EXPECT_EQ(property.vendor, static_cast<uint32_t>(ZV_FOUR_CHAR('A', 'D', 'B', 'E')));
    EXPECT_EQ(property.id, 0u);
  }
}

TEST(ResourceCompiled, HoldsEveryResourceAndNoOtherAllInUsEnglish) {
  std::set<std::pair<std::string, uint16_t>> found;
  for (const zvhost::ResourceEntry &entry : CompiledResources().List()) {
    EXPECT_EQ(entry.language, kUsEnglish) << entry.type.ToString() << " " << entry.id;
    EXPECT_TRUE(entry.name.empty());
    EXPECT_TRUE(found.insert({Upper(entry.type.ToString()), entry.id}).second)
        << "twice: " << entry.type.ToString() << " " << entry.id;
  }
  const std::set<std::pair<std::string, uint16_t>> expected = {
      {"PIPL", 16000},
      {"DIALOG", 102},
      {"DIALOG", 16040},
      {"DIALOG", 16051},
      {"MENU", 16050},
      {"MENU", 16060},
      {"MENU", 16061},
      {"MENU", 16062},
      {"MENU", 16063},
      {"MENU", 16064},
      {"MENU", 16065},
      {"MENU", 16066},
      {"MENU", 16067},
      {"MENU", 16068},
      {"STRING", 16050 / 16 + 1},  // the block of strings 16048 to 16063
      {"PNGI", 1685},
      {"PNGI", 1686},
      {"VERSION", 1}};
  EXPECT_EQ(found, expected);
}

constexpr const char *kPicture = "ADM Picture Static Type";
constexpr const char *kPopup = "ADM Popup List Type";
constexpr const char *kSpinEdit = "ADM Spin Edit Popup Type";
constexpr const char *kStatic = "Static";
constexpr const char *kButton = "Button";

constexpr uint32_t kStyleLow4 = 0xF;
constexpr uint32_t kAutoCheckBox = 3;  // BS_AUTOCHECKBOX
constexpr uint32_t kDefaultPush = 1;   // BS_DEFPUSHBUTTON
constexpr uint32_t kBlackFrame = 7;    // SS_BLACKFRAME
constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kChild = 0x40000000;  // WS_CHILD

struct ExpectedItem {
  int32_t id;
  const char *windowClass;
  const char *text;
  int16_t x, y, width, height;
};

struct ExpectedDialog {
  uint16_t id;
  const char *title;
  int16_t width, height;
  std::vector<ExpectedItem> items;
};

const std::vector<ExpectedDialog> kDialogs = {
    {102,
     "Zarvel",
     194,
     203,
     {{89, kPicture, "", 10, 6, 174, 58},
      {1, kStatic, "Composer", 3, 70, 67, 8},
      {5, kPopup, "", 76, 68, 115, 15},
      {2, kStatic, "Character Direction", 3, 85, 71, 8},
      {6, kPopup, "", 76, 83, 115, 15},
      {3, kStatic, "Paragraph Direction", 3, 100, 71, 8},
      {7, kPopup, "", 76, 98, 115, 15},
      {4, kStatic, "Justification", 3, 115, 63, 8},
      {8, kPopup, "", 76, 113, 115, 15},
      {300, kStatic, "Digits", 3, 130, 60, 8},
      {9, kPopup, "", 76, 128, 115, 15},
      {306, kStatic, "Diacritics Position", 3, 145, 69, 8},
      {10, kPopup, "", 76, 143, 115, 15},
      {307, kStatic, "Diacritics Offset", 3, 160, 68, 8},
      {308, kStatic, "X", 76, 160, 8, 13},
      {11, kSpinEdit, "", 83, 158, 48, 13},
      {309, kStatic, "Y", 136, 160, 8, 13},
      {12, kSpinEdit, "", 143, 158, 48, 13},
      {310, kStatic, "Story Direction", 3, 175, 65, 8},
      {13, kPopup, "", 76, 173, 115, 15},
      {14, kButton, "Kashidas", 3, 188, 68, 16}}},
    {16040,
     "About Zarvel",
     250,
     205,
     {{90, kPicture, "", 0, 0, 250, 190}, {1, kButton, "OK", 103, 191, 40, 13}}},
    {16051,
     "Plug-in Error",
     185,
     92,
     {{1, kButton, "OK", 127, 65, 50, 14},
      {2, kStatic, "Message", 43, 12, 126, 28},
      {3, kStatic, "Code", 13, 66, 30, 8},
      {4, kStatic, "", 10, 10, 18, 20}}},
};

TEST(ResourceCompiled, DialogsHoldEveryItemAtItsPlace) {
  for (const ExpectedDialog &expected : kDialogs) {
    SCOPED_TRACE("dialog " + std::to_string(expected.id));
    const zvhost::DialogTemplate dialog = zvhost::ParseDialogTemplate(
        Resource(ResourceType::Numbered(zvhost::kResDialog), expected.id), "dialog");
    EXPECT_EQ(dialog.title, expected.title);
    EXPECT_EQ(dialog.width, expected.width);
    EXPECT_EQ(dialog.height, expected.height);
    EXPECT_TRUE(dialog.hasFont);
    EXPECT_EQ(dialog.fontName, "MS Sans Serif");
    EXPECT_EQ(dialog.fontSize, 8);
    ASSERT_EQ(dialog.items.size(), expected.items.size());
    for (size_t i = 0; i < expected.items.size(); ++i) {
      const ExpectedItem &want = expected.items[i];
      const zvhost::DialogItem &item = dialog.items[i];
      SCOPED_TRACE("item " + std::to_string(want.id));
      EXPECT_EQ(item.id, want.id);
      // The resource compiler may upper-case class names; the dialog manager ignores case.
      EXPECT_EQ(Upper(item.windowClass), Upper(want.windowClass));
      EXPECT_EQ(item.text, want.text);
      EXPECT_FALSE(item.textOrdinal);
      EXPECT_EQ(item.x, want.x);
      EXPECT_EQ(item.y, want.y);
      EXPECT_EQ(item.width, want.width);
      EXPECT_EQ(item.height, want.height);
      EXPECT_TRUE(item.style & kChild);
    }
  }
}

TEST(ResourceCompiled, ButtonsAndFramesCarryTheirStyles) {
  auto item = [](uint16_t dialog, int32_t id) {
    const zvhost::DialogTemplate parsed = zvhost::ParseDialogTemplate(
        Resource(ResourceType::Numbered(zvhost::kResDialog), dialog), "dialog");
    for (const zvhost::DialogItem &candidate : parsed.items) {
      if (candidate.id == id) return candidate;
    }
    ADD_FAILURE() << "dialog " << dialog << " has no item " << id;
    return zvhost::DialogItem{};
  };
  EXPECT_EQ(item(102, 14).style & kStyleLow4, kAutoCheckBox);
  EXPECT_EQ(item(16040, 1).style & kStyleLow4, kDefaultPush);
  EXPECT_EQ(item(16051, 1).style & kStyleLow4, kDefaultPush);
  EXPECT_EQ(item(16051, 4).style & kStaticTypeMask, kBlackFrame);
}

struct ExpectedMenu {
  uint16_t id;
  const char *title;
  std::vector<const char *> entries;  // nullptr for a separator
};

const std::vector<const char *> kOffsets = {"100",   "50",  "20",  "10",  nullptr, "0",
                                            nullptr, "-10", "-20", "-50", "-100"};

const std::vector<ExpectedMenu> kMenus = {
    {16050, "Dialog List", {"Apply Zarvel Composer...", nullptr, "About Zarvel Panel..."}},
    {16060,
     "Composer Menu List",
     {"Adobe Single Line", "Adobe Every Line", "Zarvel Single Line", "Zarvel Every Line"}},
    {16061, "CharacterDirection List", {"Multiple", "Default", "Left to right", "Right to left"}},
    {16062, "Paragraph Direction List", {"Left to right", "Right to left"}},
    {16063, "Justification List", {"Standard", "Arabic", "Naskh"}},
    {16064, "Digits List", {"Multiple", "Default", "Arabic", "Hindi", "Farsi"}},
    {16065,
     "Direction Position List",
     {"Multiple", "None", "Loose", "Normal", "Tight", "Open Type"}},
    {16066, "XOffset List", kOffsets},
    {16067, "YOffset List", kOffsets},
    {16068, "Story Direction List", {"Left to right", "Right to left"}},
};

TEST(ResourceCompiled, MenusListEveryEntryWithItsIndexAsId) {
  for (const ExpectedMenu &expected : kMenus) {
    SCOPED_TRACE("menu " + std::to_string(expected.id));
    const zvhost::MenuTemplate menu = zvhost::ParseMenuTemplate(
        Resource(ResourceType::Numbered(zvhost::kResMenu), expected.id), "menu");
    EXPECT_EQ(menu.title, expected.title);
    ASSERT_EQ(menu.entries.size(), expected.entries.size());
    for (size_t index = 0; index < menu.entries.size(); ++index) {
      const zvhost::MenuEntry &entry = menu.entries[index];
      SCOPED_TRACE("entry " + std::to_string(index));
      EXPECT_EQ(entry.depth, 0);
      EXPECT_FALSE(entry.submenu);
      if (expected.entries[index] == nullptr) {
        EXPECT_TRUE(entry.separator);
      } else {
        EXPECT_FALSE(entry.separator);
        EXPECT_EQ(entry.text, expected.entries[index]);
        EXPECT_EQ(entry.id, static_cast<int32_t>(index));
      }
    }
  }
}

TEST(ResourceCompiled, ErrorMessagesAreTheListInOrder) {
  const std::string memory =
      "The filter cannot complete because there isn't enough memory (RAM) available.";
  const std::vector<std::string> expected = {
      "<Mac strings begin at index 1>",
      "-108",
      memory,
      "271",
      memory,
      "SEGM",
      "The filter cannot complete because a layer is locked or invisible.",
      "NESS",
      "The filter cannot complete because a path has too many anchor points.",
      "!sel",
      "The selection is not valid for this filter.",
      "<Others>",
      "The filter cannot complete because of an unknown error."};
  for (size_t index = 0; index < expected.size(); ++index) {
    EXPECT_EQ(zvhost::FindString(CompiledResources(), static_cast<uint16_t>(16050 + index)),
              expected[index])
        << "string " << 16050 + index;
  }
  // The search for a code ends at the first empty text past the list.
  EXPECT_EQ(zvhost::FindString(CompiledResources(), 16063), "");
  EXPECT_EQ(zvhost::FindString(CompiledResources(), 16049), "");
  EXPECT_EQ(zvhost::ListStrings(CompiledResources()).size(), expected.size());
}

TEST(ResourceCompiled, PicturesAreTheCommittedPngFilesWithAlpha) {
  struct Picture {
    uint16_t id;
    const char *file;
    uint32_t width, height;
  };
  for (const Picture &picture :
       {Picture{1685, "ZarvelLogo.png", 217, 79}, Picture{1686, "ZarvelAbout.png", 454, 325}}) {
    SCOPED_TRACE(picture.file);
    const Bytes data = Resource(ResourceType::Named("PNGI"), picture.id);
    EXPECT_EQ(data,
              zvtest::ReadBytes(std::string(ZARVEL_SOURCE_DIR) + "/resources/" + picture.file));
    const zvhost::PngInfo png = zvhost::ParsePng(data, "picture");
    EXPECT_EQ(png.width, picture.width);
    EXPECT_EQ(png.height, picture.height);
    EXPECT_TRUE(png.alpha);
  }
}

TEST(ResourceCompiled, VersionNamesTheModule) {
  const zvhost::VersionInfo info =
      zvhost::ParseVersionInfo(Resource(ResourceType::Numbered(zvhost::kResVersion), 1), "version");
  const std::array<uint16_t, 4> version = {14, 0, 0, 0};
  EXPECT_EQ(info.fileVersion, version);
  EXPECT_EQ(info.productVersion, version);
  EXPECT_EQ(info.fileType, 2u);  // VFT_DLL
  EXPECT_EQ(info.fileOS, 4u);    // VOS__WINDOWS32
  ASSERT_EQ(info.stringTables.size(), 1u);
  EXPECT_EQ(info.stringTables[0].key, "040904E4");
  EXPECT_EQ(info.Value("FileVersion"), "14.0");
  EXPECT_EQ(info.Value("ProductVersion"), "14.0");
  EXPECT_EQ(info.Value("InternalName"), "Zarvel");
  EXPECT_EQ(info.Value("OriginalFilename"), "Zarvel.aip");
  EXPECT_EQ(info.translations, std::vector<uint32_t>{0x0409 | (1252u << 16)});
}

void ExpectSameResources(const zvhost::ResourceSource &actual) {
  const std::vector<zvhost::ResourceEntry> want = CompiledResources().List();
  const std::vector<zvhost::ResourceEntry> got = actual.List();
  ASSERT_EQ(got.size(), want.size());
  for (const zvhost::ResourceEntry &entry : want) {
    SCOPED_TRACE(entry.type.ToString() + " " + std::to_string(entry.id));
    auto match = std::find_if(got.begin(), got.end(), [&entry](const zvhost::ResourceEntry &e) {
      return e.type == entry.type && e.id == entry.id;
    });
    ASSERT_NE(match, got.end());
    EXPECT_EQ(match->language, entry.language);
    EXPECT_EQ(match->data, entry.data);
  }
}

TEST(ResourceCompiled, TheBuiltModuleCarriesTheSameResources) {
  ExpectSameResources(*zvhost::ReadModuleResources(ZARVEL_MODULE_FILE));
}

TEST(ResourceCompiled, TheBuiltModuleExportsOnlyTheEntryPoint) {
  EXPECT_EQ(zvhost::ModuleFile(ZARVEL_MODULE_FILE).Exports(),
            std::vector<std::string>{"PluginMain"});
}

// A PE32 DLL linked by the MinGW tool chain from the same resource script, when it is there.
TEST(ResourceCompiled, APeModuleFromTheSameScriptCarriesTheSameResources) {
  if (std::system("i686-w64-mingw32-gcc --version > /dev/null 2>&1") != 0 ||
      std::system("i686-w64-mingw32-windres --version > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no i686 MinGW tool chain";
  }
  zvtest::TempFile source("entry.c", zvtest::BytesOf("__declspec(dllexport) int PluginMain(void) "
                                                     "{ return 0; }\n"));
  zvtest::TempFile object("resources.o");
  zvtest::TempFile dll("module.dll");
  const std::string resources = std::string(ZARVEL_SOURCE_DIR) + "/resources";
  ASSERT_EQ(std::system(("i686-w64-mingw32-windres --target=pe-i386 -c 1252 -I " + resources +
                         " -i " + resources + "/Zarvel.rc -O coff -o " + object.Path())
                            .c_str()),
            0);
  ASSERT_EQ(std::system(("i686-w64-mingw32-gcc -x c -shared " + source.Path() + " -x none " +
                         object.Path() + " -o " + dll.Path())
                            .c_str()),
            0);
  const zvhost::ModuleFile module(dll.Path());
  EXPECT_EQ(module.Format(), "PE32");
  ExpectSameResources(*module.Resources());
  const std::vector<std::string> exports = module.Exports();
  EXPECT_NE(std::find(exports.begin(), exports.end(), "PluginMain"), exports.end());
}

// A 32-bit ELF shared object carrying the compiled resources, when the tools can make one.
TEST(ResourceCompiled, AnElf32ModuleCarriesTheSameResources) {
  zvtest::TempFile source("entry32.c", zvtest::BytesOf("int PluginMain(void) { return 0; }\n"));
  zvtest::TempFile object("entry32.o");
  zvtest::TempFile module("module32.so");
  if (std::system(("cc -m32 -fPIC -x c -c " + source.Path() + " -o " + object.Path() +
                   " 2>/dev/null && ld -m elf_i386 -shared " + object.Path() + " -o " +
                   module.Path() + " 2>/dev/null")
                      .c_str()) != 0) {
    GTEST_SKIP() << "no 32-bit x86 compiler and linker";
  }
  ASSERT_EQ(std::system(("objcopy --add-section .rsrc=" + std::string(ZARVEL_RES_FILE) + " " +
                         module.Path())
                            .c_str()),
            0);
  const zvhost::ModuleFile file(module.Path());
  EXPECT_EQ(file.Format(), "ELF32");
  ExpectSameResources(*file.Resources());
  EXPECT_EQ(file.Exports(), std::vector<std::string>{"PluginMain"});
}

}  // namespace
