// Controls and entries named as a user names them: a control by its item id or its label,
// an entry by its text or else its index.
#pragma once

#include <string>

#include "host/adm/AdmObjects.h"

namespace zvhost {

// What a person reads beside a control: its own caption (a check box's) or else the static
// text that stands before it in the dialog ("Composer" for the composer list); "" for none.
std::string LabelOf(const Dialog &dialog, const Item &item);

// "Composer (item 5)", "item 89" for an item without a label, "the panel menu" for -5.
std::string Describe(const Dialog &dialog, const Item &item);

// The item with that id, or else the control (not a static text, frame or picture) with
// that label, compared exactly and then without regard to case; null when none.
Item *FindControl(const Dialog &dialog, const std::string &name);

// The entry whose text is `name` (exactly, then without regard to case); otherwise the
// entry at `name` read as an index; null when neither.
Entry *FindEntry(const List &list, const std::string &name);

}  // namespace zvhost
