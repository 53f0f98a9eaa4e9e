#include "host/adm/DialogBuilder.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace zvhost {

namespace {

constexpr uint32_t kVisibleStyle = 0x10000000;   // WS_VISIBLE
constexpr uint32_t kDisabledStyle = 0x08000000;  // WS_DISABLED
constexpr uint16_t kButtonAtom = 0x80;
constexpr uint16_t kEditAtom = 0x81;
constexpr uint16_t kStaticAtom = 0x82;
constexpr uint32_t kDefaultPushButtonStyle = 1;  // BS_DEFPUSHBUTTON

// The dialog manager's own controls, by window class name.
struct NamedClass {
  std::string_view name;
  ItemKind kind;
};
constexpr NamedClass kNamedClasses[] = {
    {"ADM Picture Static Type", ItemKind::kPicture},
    {"ADM Popup List Type", ItemKind::kPopupList},
    {"ADM Spin Edit Popup Type", ItemKind::kSpinEditPopup},
};

// Standard controls: the low bits of the style say what a button or static is.
struct StyledClass {
  uint16_t atom;
  uint32_t typeMask;
  uint32_t type;
  ItemKind kind;
};
constexpr StyledClass kStyledClasses[] = {
    {kButtonAtom, 0x0F, 0x0, ItemKind::kPushButton},   // BS_PUSHBUTTON
    {kButtonAtom, 0x0F, 0x1, ItemKind::kPushButton},   // BS_DEFPUSHBUTTON
    {kButtonAtom, 0x0F, 0x2, ItemKind::kCheckBox},     // BS_CHECKBOX
    {kButtonAtom, 0x0F, 0x3, ItemKind::kCheckBox},     // BS_AUTOCHECKBOX
    {kButtonAtom, 0x0F, 0x4, ItemKind::kRadioButton},  // BS_RADIOBUTTON
    {kButtonAtom, 0x0F, 0x5, ItemKind::kCheckBox},     // BS_3STATE
    {kButtonAtom, 0x0F, 0x6, ItemKind::kCheckBox},     // BS_AUTO3STATE
    {kButtonAtom, 0x0F, 0x7, ItemKind::kFrame},        // BS_GROUPBOX
    {kButtonAtom, 0x0F, 0x9, ItemKind::kRadioButton},  // BS_AUTORADIOBUTTON
    {kStaticAtom, 0x1F, 0x0, ItemKind::kStaticText},   // SS_LEFT
    {kStaticAtom, 0x1F, 0x1, ItemKind::kStaticText},   // SS_CENTER
    {kStaticAtom, 0x1F, 0x2, ItemKind::kStaticText},   // SS_RIGHT
    {kStaticAtom, 0x1F, 0xB, ItemKind::kStaticText},   // SS_SIMPLE
    {kStaticAtom, 0x1F, 0xC, ItemKind::kStaticText},   // SS_LEFTNOWORDWRAP
    {kStaticAtom, 0x1F, 0x3, ItemKind::kPicture},      // SS_ICON
    {kStaticAtom, 0x1F, 0xE, ItemKind::kPicture},      // SS_BITMAP
    {kStaticAtom, 0x1F, 0x4, ItemKind::kFrame},        // SS_BLACKRECT
    {kStaticAtom, 0x1F, 0x5, ItemKind::kFrame},        // SS_GRAYRECT
    {kStaticAtom, 0x1F, 0x6, ItemKind::kFrame},        // SS_WHITERECT
    {kStaticAtom, 0x1F, 0x7, ItemKind::kFrame},        // SS_BLACKFRAME
    {kStaticAtom, 0x1F, 0x8, ItemKind::kFrame},        // SS_GRAYFRAME
    {kStaticAtom, 0x1F, 0x9, ItemKind::kFrame},        // SS_WHITEFRAME
    {kStaticAtom, 0x1F, 0x10, ItemKind::kFrame},       // SS_ETCHEDHORZ
    {kStaticAtom, 0x1F, 0x11, ItemKind::kFrame},       // SS_ETCHEDVERT
    {kStaticAtom, 0x1F, 0x12, ItemKind::kFrame},       // SS_ETCHEDFRAME
    {kEditAtom, 0x0, 0x0, ItemKind::kTextEdit},
};

// A class given by name may still be a standard one ("BUTTON", "Static").
std::optional<uint16_t> StandardAtom(const DialogItem &item) {
  if (item.classAtom != 0) return item.classAtom;
  for (uint16_t atom : {kButtonAtom, kEditAtom, kStaticAtom}) {
    if (SameIgnoringCase(WindowClassAtomName(atom), item.windowClass)) return atom;
  }
  return std::nullopt;
}

bool HasList(ItemKind kind) {
  return kind == ItemKind::kPopupList || kind == ItemKind::kSpinEditPopup ||
         kind == ItemKind::kPanelMenu;
}

std::unique_ptr<Item> MakeItem(Dialog &dialog, int32_t id, ItemKind kind) {
  auto item = std::make_unique<Item>();
  item->dialog = &dialog;
  item->id = id;
  item->kind = kind;
  if (HasList(kind)) {
    item->list = std::make_unique<List>();
    item->list->item = item.get();
  }
  return item;
}

int32_t Pixels(int32_t units, double perUnit) {
  return static_cast<int32_t>(std::lround(units * perUnit));
}

}  // namespace

ItemKind KindOf(const DialogItem &item) {
  for (const NamedClass &named : kNamedClasses) {
    if (SameIgnoringCase(item.windowClass, named.name)) return named.kind;
  }
  std::optional<uint16_t> atom = StandardAtom(item);
  if (!atom) return ItemKind::kOther;
  for (const StyledClass &styled : kStyledClasses) {
    if (styled.atom == *atom && (item.style & styled.typeMask) == styled.type) return styled.kind;
  }
  return ItemKind::kOther;
}

std::unique_ptr<Dialog> BuildDialog(const DialogTemplate &dialogTemplate, int32_t style) {
  auto dialog = std::make_unique<Dialog>();
  dialog->title = dialogTemplate.title;
  dialog->style = style;
  dialog->unitSize = {dialogTemplate.x, dialogTemplate.y, dialogTemplate.width,
                      dialogTemplate.height};
  // Where a new window of this host first appears; the plug-in may not place it.
  constexpr int32_t kFirstLeft = 100;
  constexpr int32_t kFirstTop = 120;
  dialog->bounds = {kFirstLeft, kFirstTop,
                    kFirstLeft + Pixels(dialogTemplate.width, kPixelsPerUnitAcross),
                    kFirstTop + Pixels(dialogTemplate.height, kPixelsPerUnitDown)};
  for (const DialogItem &source : dialogTemplate.items) {
    std::unique_ptr<Item> item = MakeItem(*dialog, source.id, KindOf(source));
    item->label = source.text;
    item->text = source.text;
    item->bounds = {source.x, source.y, source.width, source.height};
    item->visible = (source.style & kVisibleStyle) != 0;
    item->enabled = (source.style & kDisabledStyle) == 0;
    item->defaultButton =
        item->kind == ItemKind::kPushButton && (source.style & 0x0F) == kDefaultPushButtonStyle;
    dialog->items.push_back(std::move(item));
  }
  if (style == kADMTabbedFloatingDialogStyle) {
    dialog->items.push_back(MakeItem(*dialog, kADMMenuItemID, ItemKind::kPanelMenu));
  }
  return dialog;
}

}  // namespace zvhost
