// Dialog templates, standard (DLGTEMPLATE) and extended (DLGTEMPLATEEX), as the dialog
// manager builds dialogs from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/resources/ByteReader.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

struct DialogItem {
  int32_t id = 0;           // a standard template's 16-bit id is sign-extended (-1 stays -1)
  uint16_t classAtom = 0;   // 0x80 button, 0x81 edit, 0x82 static, ...; 0 for a named class
  std::string windowClass;  // the class name, or the atom's name ("Button", "Static", ...)
  std::string text;         // empty when the text is an ordinal
  std::optional<uint16_t> textOrdinal;  // a resource id in place of a text (icons, pictures)
  int16_t x = 0, y = 0, width = 0, height = 0;  // dialog units
  uint32_t style = 0;
  uint32_t extendedStyle = 0;
  uint32_t helpId = 0;  // extended templates only
  Bytes creationData;
};

struct DialogTemplate {
  bool extended = false;
  uint32_t style = 0;
  uint32_t extendedStyle = 0;
  int16_t x = 0, y = 0, width = 0, height = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::string title;
  bool hasFont = false;  // DS_SETFONT (or DS_SHELLFONT) was set
  uint16_t fontSize = 0;
  uint16_t fontWeight = 0;
  bool fontItalic = false;
  std::string fontName;
  std::vector<DialogItem> items;
};

// The name of a predefined window class atom ("Button" for 0x80), or "#0x.." for another.
std::string WindowClassAtomName(uint16_t atom);

// `context` opens error messages ("dialog 102"). Throws FormatError naming the place.
DialogTemplate ParseDialogTemplate(const Bytes &data, const std::string &context);

}  // namespace zvhost
