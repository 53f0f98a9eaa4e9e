#include "host/adm/PanelSnapshot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "host/adm/Base64.h"
#include "host/adm/DialogBuilder.h"

namespace zvhost {

namespace {

constexpr double kTitleHeight = 22;
constexpr const char *kFont =
    "'MS Sans Serif','Microsoft Sans Serif',Tahoma,'DejaVu Sans',Arial,sans-serif";
constexpr double kFontSize = 11;  // 8 points at 96 dpi

// Colours of a light panel; disabled controls take the grey ones.
struct Palette {
  const char *face = "#d6d6d6";
  const char *field = "#ffffff";
  const char *fieldDisabled = "#e6e6e6";
  const char *border = "#7a7a7a";
  const char *borderDisabled = "#b4b4b4";
  const char *text = "#000000";
  const char *textDisabled = "#9c9c9c";
  const char *strip = "#4b4b4b";
  const char *tab = "#d6d6d6";
};
constexpr Palette kColours;

struct Box {
  double x, y, width, height;
};

std::string Num(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string Escaped(const std::string &text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

class SvgCanvas {
 public:
  void Rect(const Box &box, const char *fill, const char *stroke, double radius = 0,
            const char *extra = "") {
    out_ << "<rect x=\"" << Num(box.x) << "\" y=\"" << Num(box.y) << "\" width=\"" << Num(box.width)
         << "\" height=\"" << Num(box.height) << "\"";
    if (radius > 0) out_ << " rx=\"" << Num(radius) << "\"";
    out_ << " fill=\"" << fill << "\" stroke=\"" << stroke << "\"" << extra << "/>\n";
  }
  // Text whose baseline sits so that it is centred in a band `height` high from `top`, cut
  // off at the edges of `clip`, as a control draws no text outside its rectangle.
  void Text(double x, double top, double height, const std::string &text, const char *fill,
            const Box &clip, const char *anchor = "start") {
    if (text.empty()) return;
    const std::string id = "clip" + std::to_string(++clips_);
    out_ << "<clipPath id=\"" << id << "\"><rect x=\"" << Num(clip.x) << "\" y=\"" << Num(clip.y)
         << "\" width=\"" << Num(clip.width) << "\" height=\"" << Num(clip.height)
         << "\"/></clipPath>\n";
    out_ << "<text x=\"" << Num(x) << "\" y=\"" << Num(top + height / 2 + kFontSize * 0.36)
         << "\" fill=\"" << fill << "\" text-anchor=\"" << anchor << "\" clip-path=\"url(#" << id
         << ")\">" << Escaped(text) << "</text>\n";
  }
  void Path(const std::string &d, const char *fill, const char *stroke, double width = 1) {
    out_ << "<path d=\"" << d << "\" fill=\"" << fill << "\" stroke=\"" << stroke
         << "\" stroke-width=\"" << Num(width) << "\"/>\n";
  }
  // A small triangle pointing down, centred on (x, y): the mark of a popup.
  void DownArrow(double x, double y, const char *fill) {
    Path("M" + Num(x - 4) + " " + Num(y - 2) + "h8l-4 5z", fill, "none");
  }
  void Image(const Box &box, const Bytes &png) {
    out_ << "<image x=\"" << Num(box.x) << "\" y=\"" << Num(box.y) << "\" width=\""
         << Num(box.width) << "\" height=\"" << Num(box.height)
         << "\" preserveAspectRatio=\"xMidYMid meet\" href=\"data:image/png;base64," << Base64(png)
         << "\"/>\n";
  }
  void Raw(const std::string &text) { out_ << text; }
  std::string Str() const { return out_.str(); }

 private:
  std::ostringstream out_;
  int clips_ = 0;
};

Box Pixels(const UnitRect &units) {
  return {units.x * kPixelsPerUnitAcross, kTitleHeight + units.y * kPixelsPerUnitDown,
          units.width * kPixelsPerUnitAcross, units.height * kPixelsPerUnitDown};
}

const char *TextColour(const Item &item) {
  return item.enabled ? kColours.text : kColours.textDisabled;
}

// A field with a popup mark at its right end: popup lists and spin-edit popups.
void DrawPopupField(SvgCanvas &canvas, const Item &item, const Box &box, const std::string &shown,
                    double buttonWidth) {
  const char *border = item.enabled ? kColours.border : kColours.borderDisabled;
  canvas.Rect(box, item.enabled ? kColours.field : kColours.fieldDisabled, border, 2);
  const Box button{box.x + box.width - buttonWidth, box.y, buttonWidth, box.height};
  canvas.Path("M" + Num(button.x) + " " + Num(box.y + 3) + "v" + Num(box.height - 6), "none",
              border);
  canvas.DownArrow(button.x + buttonWidth / 2, box.y + box.height / 2, TextColour(item));
  canvas.Text(box.x + 5, box.y, box.height, shown, TextColour(item),
              {box.x + 1, box.y, box.width - buttonWidth - 2, box.height});
}

void DrawItem(SvgCanvas &canvas, const Item &item, const ResourceSource *resources) {
  const Box box = Pixels(item.bounds);
  switch (item.kind) {
    case ItemKind::kPicture: {
      std::optional<Bytes> png;
      if (resources != nullptr && item.pictureID && *item.pictureID >= 0 &&
          *item.pictureID <= UINT16_MAX) {
        png = resources->Find(ResourceType::Named("PNGI"), static_cast<uint16_t>(*item.pictureID));
      }
      if (png) return canvas.Image(box, *png);
      canvas.Rect(box, "none", kColours.borderDisabled, 0, " stroke-dasharray=\"4 3\"");
      canvas.Text(box.x + box.width / 2, box.y, box.height,
                  item.pictureID ? "picture " + std::to_string(*item.pictureID) : "no picture",
                  kColours.textDisabled, box, "middle");
      return;
    }
    case ItemKind::kPopupList: {
      const Entry *chosen = item.list->chosen;
      DrawPopupField(canvas, item, {box.x, box.y + 1, box.width, box.height - 2},
                     chosen != nullptr ? chosen->text : "", 16);
      return;
    }
    case ItemKind::kSpinEditPopup:
      DrawPopupField(canvas, item, box, FormatNumber(item.value), 14);
      return;
    case ItemKind::kStaticText:
    case ItemKind::kOther:
      canvas.Text(box.x, box.y, std::min(box.height, kFontSize * 1.3), item.text, TextColour(item),
                  box);
      return;
    case ItemKind::kTextEdit:
      canvas.Rect(box, item.enabled ? kColours.field : kColours.fieldDisabled, kColours.border);
      canvas.Text(box.x + 3, box.y, box.height, item.text, TextColour(item),
                  {box.x + 1, box.y, box.width - 2, box.height});
      return;
    case ItemKind::kCheckBox:
    case ItemKind::kRadioButton: {
      const double size = 13;
      const Box mark{box.x + 1, box.y + (box.height - size) / 2, size, size};
      const char *border = item.enabled ? kColours.border : kColours.borderDisabled;
      const char *fill = item.enabled ? kColours.field : kColours.fieldDisabled;
      canvas.Rect(mark, fill, border, item.kind == ItemKind::kRadioButton ? size / 2 : 1.5);
      if (item.value != 0) {
        canvas.Path("M" + Num(mark.x + 3) + " " + Num(mark.y + 6.5) + "l3 3.5l4.5-7", "none",
                    TextColour(item), 2);
      }
      canvas.Text(mark.x + size + 5, box.y, box.height, item.text, TextColour(item), box);
      return;
    }
    case ItemKind::kPushButton:
      canvas.Rect(box, "#ececec", item.enabled ? kColours.border : kColours.borderDisabled, 3,
                  item.defaultButton ? " stroke-width=\"2\"" : "");
      canvas.Text(box.x + box.width / 2, box.y, box.height, item.text, TextColour(item), box,
                  "middle");
      return;
    case ItemKind::kFrame:
      canvas.Rect(box, "none", "#000000");
      return;
    case ItemKind::kPanelMenu:
      return;  // drawn in the title strip
  }
}

// The strip above a panel: its tab with the title, and the flyout button at the right.
void DrawTitleStrip(SvgCanvas &canvas, const Dialog &dialog, double width) {
  canvas.Rect({0, 0, width, kTitleHeight}, kColours.strip, "none");
  const double tabWidth = std::max(60.0, 14 + 7.0 * static_cast<double>(dialog.title.size()));
  canvas.Path("M2 " + Num(kTitleHeight) + "V6q0-3 3-3H" + Num(tabWidth - 3) + "q3 0 3 3V" +
                  Num(kTitleHeight) + "z",
              kColours.tab, "none");
  canvas.Text(9, 3, kTitleHeight - 3, dialog.title, kColours.text,
              {2, 0, tabWidth - 2, kTitleHeight});
  const Item *menu = dialog.FindItem(kADMMenuItemID);
  if (menu == nullptr || !menu->visible) return;
  const double x = width - 20;
  const char *ink = menu->enabled ? "#e8e8e8" : "#8a8a8a";
  canvas.Path("M" + Num(x) + " 8h5l-2.5 3z", ink, "none");
  for (double y : {7.0, 10.0, 13.0}) {
    canvas.Path("M" + Num(x + 7) + " " + Num(y) + "h8", "none", ink, 1.5);
  }
}

}  // namespace

std::string PanelSvg(const Dialog &dialog, const ResourceSource *resources) {
  const double width = std::round(dialog.unitSize.width * kPixelsPerUnitAcross);
  const double height = kTitleHeight + std::round(dialog.unitSize.height * kPixelsPerUnitDown);
  SvgCanvas canvas;
  canvas.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  canvas.Raw("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "\" height=\"" +
             Num(height) + "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) +
             "\" font-family=\"" + kFont + "\" font-size=\"" + Num(kFontSize) + "\">\n");
  canvas.Raw("<title>" + Escaped(dialog.title) + "</title>\n");
  canvas.Rect({0, 0, width, height}, kColours.face, "none");
  DrawTitleStrip(canvas, dialog, width);
  for (const auto &item : dialog.items) {
    if (item->visible) DrawItem(canvas, *item, resources);
  }
  canvas.Raw("</svg>\n");
  return canvas.Str();
}

}  // namespace zvhost
