// The menu and Unicode string suites as a module sees them, beyond what start-up uses.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "AIMenuSuite.h"
#include "AIUnicodeStringSuite.h"
#include "host/loader/PluginConnection.h"
#include "support/HostHarness.h"

namespace {

using zvtest::HostHarness;
using zvtest::Json;

constexpr HostErr kNess = ZV_FOUR_CHAR('N', 'E', 'S', 'S');

zvhost::HostOptions Strict() {
  zvhost::HostOptions options;
  options.strict = true;
  return options;
}

class MenuSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Acquire(kAIMenuSuite, kAIMenuSuiteVersion9, &menus_), 0);
    ASSERT_EQ(Acquire(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6, &texts_), 0);
  }
  void TearDown() override {
    harness_->host().suites.Release(kAIMenuSuite, kAIMenuSuiteVersion9);
    harness_->host().suites.Release(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6);
  }

  template <class Suite>
  HostErr Acquire(const char *name, int32_t version, const Suite **suite) {
    return harness_->host().suites.Acquire(name, version, reinterpret_cast<const void **>(suite));
  }

  HostPluginRef Plugin() { return harness_->host().plugin->Ref(); }

  HostUnicodeStringRef Text(const char *platform) {
    HostUnicodeStringRef text = nullptr;
    EXPECT_EQ(texts_->Initialize(&text, platform), 0);
    return text;
  }

  // Adds an item with a text of its own, destroyed right after as the host copies it.
  HostErr Add(const char *group, const char *name, const char *text, AIMenuItemHandle *item) {
    HostUnicodeStringRef itemText = Text(text);
    AIPlatformAddMenuItemDataUS data{group, itemText};
    HostErr result = menus_->AddMenuItem(Plugin(), name, &data, 0, item);
    texts_->Destroy(itemText);
    return result;
  }

  Json Group(const std::string &name) {
    const Json menus = harness_->Dump("menus");
    for (const Json &group : menus["groups"]) {
      if (group["name"] == name) return group;
    }
    ADD_FAILURE() << "no group " << name;
    return Json::object();
  }

  std::unique_ptr<HostHarness> harness_ = std::make_unique<HostHarness>();
  const AIMenuSuite9 *menus_ = nullptr;
  const AIUnicodeStringSuite6 *texts_ = nullptr;
};

TEST_F(MenuSuite, ItemsKeepTheirNameTextAndSubmenu) {
  AIMenuItemHandle plain = nullptr;
  AIMenuItemHandle opener = nullptr;
  AIMenuItemHandle inside = nullptr;
  AIMenuGroup submenu = nullptr;
  ASSERT_EQ(Add("File", nullptr, "Export\xc9", &plain), 0);
  ASSERT_EQ(Add("File", "Recent", "Open Recent", &opener), 0);
  ASSERT_EQ(menus_->AddMenuGroupAsSubMenu("Recent Files", 0, opener, &submenu), 0);
  ASSERT_EQ(Add("Recent Files", "first", "a.json", &inside), 0);
  EXPECT_NE(plain, opener);

  EXPECT_EQ(Group("File")["items"], Json::parse(R"([
    {"name": null, "text": "Export\u00c9", "submenu": null},
    {"name": "Recent", "text": "Open Recent", "submenu": "Recent Files"}])"));
  // A group without the sorted option shows its items in the order they came.
  ASSERT_EQ(Add("Recent Files", "second", "B.json", &inside), 0);
  ASSERT_EQ(Add("Recent Files", "third", "0.json", &inside), 0);
  Json recent = Group("Recent Files")["items"];
  ASSERT_EQ(recent.size(), 3u);
  EXPECT_EQ(recent[2]["text"], "0.json");

  // The new group comes last in the host's order and its name reads back as given.
  int32_t count = 0;
  AIMenuGroup last = nullptr;
  const char *name = nullptr;
  ASSERT_EQ(menus_->CountMenuGroups(&count), 0);
  ASSERT_EQ(menus_->GetNthMenuGroup(count - 1, &last), 0);
  EXPECT_EQ(last, submenu);
  ASSERT_EQ(menus_->GetMenuGroupName(last, &name), 0);
  EXPECT_STREQ(name, "Recent Files");
}

TEST_F(MenuSuite, ASortedGroupShowsItsItemsByText) {
  AIMenuItemHandle opener = nullptr;
  AIMenuItemHandle item = nullptr;
  AIMenuGroup submenu = nullptr;
  ASSERT_EQ(Add("Edit", "", "Sorted", &opener), 0);
  ASSERT_EQ(menus_->AddMenuGroupAsSubMenu("Sorted Group", kMenuGroupSortedAlphabeticallyOption,
                                          opener, &submenu),
            0);
  for (const char *text : {"beta", "Gamma", "alpha", "Beta"}) {
    ASSERT_EQ(Add("Sorted Group", text, text, &item), 0);
  }
  std::vector<std::string> texts;
  const Json sorted = Group("Sorted Group");
  for (const Json &entry : sorted["items"]) texts.push_back(entry["text"]);
  EXPECT_EQ(texts, (std::vector<std::string>{"alpha", "beta", "Beta", "Gamma"}));
}

TEST_F(MenuSuite, BadRequestsFailAndLeaveTheOutputAlone) {
  auto sentinel = reinterpret_cast<AIMenuItemHandle>(uintptr_t{0x5a5a});
  auto groupSentinel = reinterpret_cast<AIMenuGroup>(uintptr_t{0x5a5a});
  AIMenuItemHandle item = sentinel;
  AIMenuGroup group = groupSentinel;
  HostUnicodeStringRef text = Text("Item");
  AIPlatformAddMenuItemDataUS toNowhere{"No Such Group", text};
  AIPlatformAddMenuItemDataUS noText{"File", nullptr};
  AIPlatformAddMenuItemDataUS noGroup{nullptr, text};
  AIPlatformAddMenuItemDataUS good{"File", text};
  auto foreign = reinterpret_cast<HostPluginRef>(uintptr_t{0x1234});
  int32_t count = 0;
  ASSERT_EQ(menus_->CountMenuGroups(&count), 0);

  struct Case {
    const char *what;
    std::function<HostErr()> call;
  };
  const Case cases[] = {
      {"unknown group", [&] { return menus_->AddMenuItem(Plugin(), "x", &toNowhere, 0, &item); }},
      {"no text", [&] { return menus_->AddMenuItem(Plugin(), "x", &noText, 0, &item); }},
      {"no group name", [&] { return menus_->AddMenuItem(Plugin(), "x", &noGroup, 0, &item); }},
      {"no record", [&] { return menus_->AddMenuItem(Plugin(), "x", nullptr, 0, &item); }},
      {"another plug-in", [&] { return menus_->AddMenuItem(foreign, "x", &good, 0, &item); }},
      {"no item", [&] { return menus_->AddMenuGroupAsSubMenu("G", 0, nullptr, &group); }},
      {"group index -1", [&] { return menus_->GetNthMenuGroup(-1, &group); }},
      {"group index past the end", [&] { return menus_->GetNthMenuGroup(count, &group); }},
      {"null group",
       [&] {
         const char *name = nullptr;
         return menus_->GetMenuGroupName(nullptr, &name);
       }},
      {"null count", [&] { return menus_->CountMenuGroups(nullptr); }},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(c.call(), kHostBadParameterErr) << c.what;
    EXPECT_EQ(item, sentinel) << c.what;
    EXPECT_EQ(group, groupSentinel) << c.what;
  }
  texts_->Destroy(text);
  EXPECT_TRUE(harness_->host().findings.All().empty());
}

TEST_F(MenuSuite, AnItemOpensOneSubmenuAndGroupNamesAreUnique) {
  AIMenuItemHandle first = nullptr;
  AIMenuItemHandle second = nullptr;
  AIMenuGroup group = nullptr;
  ASSERT_EQ(Add("Window", "one", "One", &first), 0);
  ASSERT_EQ(Add("Window", "two", "Two", &second), 0);
  ASSERT_EQ(menus_->AddMenuGroupAsSubMenu("Mine", 0, first, &group), 0);
  EXPECT_EQ(menus_->AddMenuGroupAsSubMenu("Other", 0, first, &group), kHostBadParameterErr);
  EXPECT_EQ(menus_->AddMenuGroupAsSubMenu("Mine", 0, second, &group), kHostBadParameterErr);
  EXPECT_EQ(menus_->AddMenuGroupAsSubMenu("Edit", 0, second, &group), kHostBadParameterErr);
  EXPECT_EQ(Group("Window")["items"][1]["submenu"], nullptr);
}

TEST_F(MenuSuite, HandlesTheHostNeverMadeAreMisuse) {
  auto bogusItem = reinterpret_cast<AIMenuItemHandle>(uintptr_t{0x7777});
  auto bogusGroup = reinterpret_cast<AIMenuGroup>(uintptr_t{0x7777});
  const char *name = nullptr;
  AIMenuGroup group = nullptr;
  EXPECT_EQ(menus_->EnableItem(bogusItem), kHostBadParameterErr);
  EXPECT_EQ(menus_->CheckItem(bogusItem, 1), kHostBadParameterErr);
  EXPECT_EQ(menus_->AddMenuGroupAsSubMenu("G", 0, bogusItem, &group), kHostBadParameterErr);
  EXPECT_EQ(menus_->GetMenuGroupName(bogusGroup, &name), kHostBadParameterErr);
  std::vector<std::string> operations;
  for (const auto &finding : harness_->host().findings.All())
    operations.push_back(finding.operation);
  EXPECT_EQ(operations,
            (std::vector<std::string>{"AI Menu Suite/EnableItem", "AI Menu Suite/CheckItem",
                                      "AI Menu Suite/AddMenuGroupAsSubMenu",
                                      "AI Menu Suite/GetMenuGroupName"}));
}

TEST_F(MenuSuite, EveryOperationCanBeMadeToFail) {
  HostUnicodeStringRef text = Text("Item");
  AIPlatformAddMenuItemDataUS data{"File", text};
  AIMenuItemHandle item = nullptr;
  ASSERT_EQ(menus_->AddMenuItem(Plugin(), "item", &data, 0, &item), 0);
  AIMenuGroup group = nullptr;
  ASSERT_EQ(menus_->GetNthMenuGroup(0, &group), 0);
  int32_t count = 0;
  const char *name = nullptr;
  char buffer[32];
  HostUnicodeStringRef made = nullptr;

  struct Case {
    const char *operation;
    std::function<HostErr()> call;
  };
  const Case cases[] = {
      {"AI Menu Suite/AddMenuItem",
       [&] { return menus_->AddMenuItem(Plugin(), "x", &data, 0, &item); }},
      {"AI Menu Suite/AddMenuGroupAsSubMenu",
       [&] { return menus_->AddMenuGroupAsSubMenu("G", 0, item, &group); }},
      {"AI Menu Suite/CountMenuGroups", [&] { return menus_->CountMenuGroups(&count); }},
      {"AI Menu Suite/GetNthMenuGroup", [&] { return menus_->GetNthMenuGroup(0, &group); }},
      {"AI Menu Suite/GetMenuGroupName", [&] { return menus_->GetMenuGroupName(group, &name); }},
      {"AI Menu Suite/EnableItem", [&] { return menus_->EnableItem(item); }},
      {"AI Menu Suite/DisableItem", [&] { return menus_->DisableItem(item); }},
      {"AI Menu Suite/CheckItem", [&] { return menus_->CheckItem(item, 1); }},
      {"AI Unicode String Suite/Initialize", [&] { return texts_->Initialize(&made, "x"); }},
      {"AI Unicode String Suite/GetAsUTF8",
       [&] { return texts_->GetAsUTF8(text, buffer, sizeof buffer); }},
  };
  for (const Case &c : cases) {
    harness_->Run(std::string("fail \"") + c.operation + ":NESS\"");
    EXPECT_EQ(c.call(), kNess) << c.operation;
    EXPECT_EQ(c.call(), 0) << c.operation << " fails once only";
  }
  EXPECT_EQ(Group("File")["items"].size(), 2u) << "a failed AddMenuItem adds nothing";
  texts_->Destroy(made);
  texts_->Destroy(text);
}

TEST_F(MenuSuite, TextsAreConvertedFromThePlatformEncoding) {
  HostUnicodeStringRef text = Text("Caf\xe9 \x80 \x93quoted\x94 \x81");
  char buffer[64];
  ASSERT_EQ(texts_->GetAsUTF8(text, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "Caf\u00e9 \u20ac \u201cquoted\u201d \u0081");

  // A buffer without room for the whole text and its terminator gets nothing.
  const size_t needed = std::strlen(buffer) + 1;
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(texts_->GetAsUTF8(text, buffer, static_cast<int32_t>(needed - 1)),
            kHostBadParameterErr);
  EXPECT_EQ(buffer[0], '#');
  EXPECT_EQ(texts_->GetAsUTF8(text, buffer, static_cast<int32_t>(needed)), 0);
  EXPECT_EQ(texts_->GetAsUTF8(text, buffer, 0), kHostBadParameterErr);
  texts_->Destroy(text);
}

TEST_F(MenuSuite, ADestroyedTextCannotNameAnItem) {
  HostUnicodeStringRef text = Text("Gone");
  texts_->Destroy(text);
  AIPlatformAddMenuItemDataUS data{"File", text};
  AIMenuItemHandle item = nullptr;
  char buffer[8];
  EXPECT_EQ(menus_->AddMenuItem(Plugin(), "x", &data, 0, &item), kHostBadParameterErr);
  EXPECT_EQ(texts_->GetAsUTF8(text, buffer, sizeof buffer), kHostBadParameterErr);
  texts_->Destroy(text);
  texts_->Destroy(nullptr);  // accepted, as the suite promises
  std::vector<std::string> reasons;
  for (const auto &finding : harness_->host().findings.All()) {
    reasons.push_back(finding.operation + ": " + finding.reason);
  }
  EXPECT_EQ(reasons, (std::vector<std::string>{
                         "AI Unicode String Suite/AddMenuItem: use of a released or unknown handle",
                         "AI Unicode String Suite/GetAsUTF8: use of a released or unknown handle",
                         "AI Unicode String Suite/Destroy: release of a dead reference"}));
}

TEST(MenuTexts, ATextLeftAtExitIsAStrictLeak) {
  HostHarness harness(Strict());
  const AIUnicodeStringSuite6 *texts = nullptr;
  ASSERT_EQ(harness.host().suites.Acquire(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6,
                                          reinterpret_cast<const void **>(&texts)),
            0);
  HostUnicodeStringRef text = nullptr;
  ASSERT_EQ(texts->Initialize(&text, "kept"), 0);
  // Texts are not text-engine references, so `dump refs` leaves them out.
  EXPECT_FALSE(harness.Dump("refs")["live"].contains("UnicodeString"));
  harness.host().suites.Release(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6);
  EXPECT_EQ(harness.Finish(), zvhost::kExitStrict);
  std::vector<Json> leaks = harness.Pending("leaks");
  ASSERT_EQ(leaks.size(), 1u);
  EXPECT_EQ(leaks[0]["live"], Json::parse(R"({"UnicodeString": 1})"));
}

TEST(MenuTexts, TheModuleDestroysTheTextsOfItsItems) {
  HostHarness harness(Strict());
  harness.Finish();
  for (const Json &leaks : harness.Pending("leaks")) {
    EXPECT_FALSE(leaks["live"].contains("UnicodeString")) << leaks.dump();
  }
}

}  // namespace
