// Every handle the host hands out comes from one registry that knows its kind: a handle of
// one kind passed where another is expected is refused and reported as misuse of the suite
// and operation, whichever part of the host made it. The module never does this, so the
// suites are called directly, with the real module loaded.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ADMDialogSuite.h"
#include "AIMenuSuite.h"
#include "AINotifierSuite.h"
#include "AITextFrameSuite.h"
#include "AIUnicodeStringSuite.h"
#include "host/adm/DialogManager.h"
#include "host/core/HandleRegistry.h"
#include "host/loader/PluginConnection.h"
#include "support/HostHarness.h"

namespace {

using zvtest::HostHarness;

template <class To, class From>
To As(From handle) {
  return reinterpret_cast<To>(handle);
}

class HostHandleKinds : public ::testing::Test {
 protected:
  void SetUp() override {
    menus_ = Acquire<AIMenuSuite9>(kAIMenuSuite, kAIMenuSuiteVersion9);
    notifiers_ = Acquire<AINotifierSuite2>(kAINotifierSuite, kAINotifierSuiteVersion2);
    texts_ = Acquire<AIUnicodeStringSuite6>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6);
    dialogs_ = Acquire<ADMDialogSuite10>(kADMDialogSuite, 10);
    frames_ = Acquire<AITextFrameSuite2>(kAITextFrameSuite, kAITextFrameSuiteVersion2);
    harness_.Run("new");  // a document, so that the text frame suite looks at its art

    ASSERT_EQ(menus_->GetNthMenuGroup(0, &group_), kHostNoErr);
    ASSERT_EQ(texts_->Initialize(&text_, "Item"), kHostNoErr);
    AIPlatformAddMenuItemDataUS data{"Window", text_};
    ASSERT_EQ(menus_->AddMenuItem(Plugin(), "item", &data, 0, &item_), kHostNoErr);
    ASSERT_EQ(
        notifiers_->AddNotifier(Plugin(), "test", "AI Art Selection Changed Notifier", &notifier_),
        kHostNoErr);
    ASSERT_NE(harness_.host().dialogs->Panel(), nullptr) << "the module made its panel";
    dialog_ = harness_.host().dialogs->Panel()->ref;
  }
  void TearDown() override {
    texts_->Destroy(text_);
    for (const auto &[name, version] : acquired_) harness_.host().suites.Release(name, version);
  }

  template <class Suite>
  const Suite *Acquire(const char *name, int32_t version) {
    const void *table = nullptr;
    EXPECT_EQ(harness_.host().suites.Acquire(name, version, &table), kHostNoErr) << name;
    acquired_.emplace_back(name, version);
    return static_cast<const Suite *>(table);
  }
  HostPluginRef Plugin() { return harness_.host().plugin->Ref(); }

  HostHarness harness_;
  std::vector<std::pair<const char *, int32_t>> acquired_;
  const AIMenuSuite9 *menus_ = nullptr;
  const AINotifierSuite2 *notifiers_ = nullptr;
  const AIUnicodeStringSuite6 *texts_ = nullptr;
  const ADMDialogSuite10 *dialogs_ = nullptr;
  const AITextFrameSuite2 *frames_ = nullptr;

  AIMenuGroup group_ = nullptr;
  AIMenuItemHandle item_ = nullptr;
  AINotifierHandle notifier_ = nullptr;
  HostUnicodeStringRef text_ = nullptr;
  ADMDialogRef dialog_ = nullptr;
};

TEST_F(HostHandleKinds, AHandleOfAnotherKindIsRefusedAndAFindingNamesTheOperation) {
  struct Case {
    const char *what;
    std::function<bool()> refused;  // makes the call; true when it was refused
    const char *operation;
    const char *expected;  // the kind the operation expected
  };
  char buffer[16] = {};
  const char *name = nullptr;
  const std::vector<Case> cases = {
      {"a menu group as an item",
       [&] { return menus_->EnableItem(As<AIMenuItemHandle>(group_)) != kHostNoErr; },
       "AI Menu Suite/EnableItem", "menu item"},
      {"a menu item as a group",
       [&] { return menus_->GetMenuGroupName(As<AIMenuGroup>(item_), &name) != kHostNoErr; },
       "AI Menu Suite/GetMenuGroupName", "menu group"},
      {"a menu group as a submenu's parent item",
       [&] {
         AIMenuGroup made = nullptr;
         return menus_->AddMenuGroupAsSubMenu("Mine", 0, As<AIMenuItemHandle>(group_), &made) !=
                kHostNoErr;
       },
       "AI Menu Suite/AddMenuGroupAsSubMenu", "menu item"},
      {"a menu item as a notifier",
       [&] { return notifiers_->SetNotifierActive(As<AINotifierHandle>(item_), 0) != kHostNoErr; },
       "AI Notifier Suite/SetNotifierActive", "notifier"},
      {"a notifier as a menu item",
       [&] { return menus_->CheckItem(As<AIMenuItemHandle>(notifier_), 1) != kHostNoErr; },
       "AI Menu Suite/CheckItem", "menu item"},
      {"a text as a menu group",
       [&] { return menus_->GetMenuGroupName(As<AIMenuGroup>(text_), &name) != kHostNoErr; },
       "AI Menu Suite/GetMenuGroupName", "menu group"},
      {"a menu item as a text",
       [&] {
         return texts_->GetAsUTF8(As<HostUnicodeStringRef>(item_), buffer, sizeof buffer) !=
                kHostNoErr;
       },
       "AI Unicode String Suite/GetAsUTF8", "UnicodeString"},
      {"a dialog as a menu item",
       [&] { return menus_->DisableItem(As<AIMenuItemHandle>(dialog_)) != kHostNoErr; },
       "AI Menu Suite/DisableItem", "menu item"},
      {"a menu group as a dialog",
       [&] { return dialogs_->GetItem(As<ADMDialogRef>(group_), 1) == nullptr; },
       "ADM Dialog Suite/GetItem", "dialog"},
      {"a menu item as text frame art",
       [&] {
         TextRangeRef range = nullptr;
         return frames_->GetATETextRange(As<AIArtHandle>(item_), &range) != kHostNoErr;
       },
       "AI Text Frame Suite/GetATETextRange", "art"},
  };
  for (const Case &test : cases) {
    SCOPED_TRACE(test.what);
    const size_t before = harness_.host().findings.All().size();
    EXPECT_TRUE(test.refused());
    const auto &findings = harness_.host().findings.All();
    ASSERT_EQ(findings.size(), before + 1);
    EXPECT_EQ(findings.back().operation, test.operation);
    EXPECT_EQ(
        findings.back().reason,
        std::string(test.expected) + " expected, but the handle names an object of another kind");
  }

  // Nothing the wrong handles named was touched: the item, notifier and text still work.
  EXPECT_EQ(menus_->EnableItem(item_), kHostNoErr);
  EXPECT_EQ(notifiers_->SetNotifierActive(notifier_, 0), kHostNoErr);
  EXPECT_EQ(texts_->GetAsUTF8(text_, buffer, sizeof buffer), kHostNoErr);
  EXPECT_STREQ(buffer, "Item");
}

TEST_F(HostHandleKinds, NotifierHandlesTheHostNeverMadeAreMisuse) {
  EXPECT_EQ(notifiers_->SetNotifierActive(As<AINotifierHandle>(uintptr_t{0x7777}), 1),
            kHostBadParameterErr);
  EXPECT_EQ(notifiers_->SetNotifierActive(nullptr, 1), kHostBadParameterErr);
  const auto &findings = harness_.host().findings.All();
  ASSERT_EQ(findings.size(), 1u) << "a null handle is refused without a finding";
  EXPECT_EQ(findings[0].operation, "AI Notifier Suite/SetNotifierActive");
  EXPECT_EQ(findings[0].reason, "use of an unknown notifier handle");
}

// The registry alone: numbers, kinds and generations.
TEST(HostHandleRegistry, AReusedNumberNeverRevivesAHandleThatOutlivedItsObject) {
  const zvhost::HandleKind first{"first"};
  const zvhost::HandleKind second{"second"};
  zvhost::HandleRegistry registry;
  using Ref = struct Opaque *;
  uint64_t target = 0;

  Ref old = registry.Add<Ref>(first, 7);
  registry.Remove(old);
  Ref reused = registry.Add<Ref>(second, 9);
  EXPECT_NE(reused, old);
  EXPECT_EQ(registry.Find(old, first, &target), zvhost::HandleState::kGone);
  EXPECT_EQ(registry.Find(old, second, &target), zvhost::HandleState::kGone);
  EXPECT_EQ(registry.Find(reused, first, &target), zvhost::HandleState::kOtherKind);
  ASSERT_EQ(registry.Find(reused, second, &target), zvhost::HandleState::kLive);
  EXPECT_EQ(target, 9u);

  registry.Remove(old);  // a second removal of a gone handle leaves the live one alone
  EXPECT_EQ(registry.Find(reused, second, &target), zvhost::HandleState::kLive);
  EXPECT_EQ(registry.Live(), 1u);
  for (uintptr_t small : {uintptr_t{0}, uintptr_t{1}, uintptr_t{0x7777}, uintptr_t{0xFFFFFF}}) {
    EXPECT_EQ(registry.Find(reinterpret_cast<Ref>(small), second, &target),
              zvhost::HandleState::kUnknown)
        << small;
  }
}

TEST(HostHandleRegistry, FreedNumbersComeBackOldestFirstAndWiderNumbersAreNoHandles) {
  const zvhost::HandleKind kind{"kind"};
  zvhost::HandleRegistry registry;
  using Ref = struct Opaque *;
  auto index = [](Ref ref) { return reinterpret_cast<uintptr_t>(ref) & 0xFFFFFF; };
  uint64_t target = 0;

  Ref a = registry.Add<Ref>(kind, 1);
  Ref b = registry.Add<Ref>(kind, 2);
  Ref c = registry.Add<Ref>(kind, 3);
  registry.Remove(b);
  registry.Remove(a);
  // The slot kept ready after c comes first, then those freed, in the order they were.
  Ref ready = registry.Add<Ref>(kind, 6);
  Ref first = registry.Add<Ref>(kind, 4);
  Ref second = registry.Add<Ref>(kind, 5);
  EXPECT_EQ(index(first), index(b));
  EXPECT_EQ(index(second), index(a));
  EXPECT_NE(index(ready), index(a));
  EXPECT_NE(index(ready), index(b));
  EXPECT_NE(index(ready), index(c));
  EXPECT_EQ(registry.Find(b, kind, &target), zvhost::HandleState::kGone);
  ASSERT_EQ(registry.Find(first, kind, &target), zvhost::HandleState::kLive);
  EXPECT_EQ(target, 4u);

  if constexpr (sizeof(uintptr_t) > 4) {
    // A live handle's number with high bits set, as a stray 64-bit address could be.
    const uintptr_t wide = reinterpret_cast<uintptr_t>(c) | (uintptr_t{1} << 40);
    EXPECT_EQ(registry.Find(reinterpret_cast<Ref>(wide), kind, &target),
              zvhost::HandleState::kUnknown);
  }
}

}  // namespace
