// The dialog manager's state as the host reports it: the `modal` line of a modal run and
// the `panel` line of `dump panel`.
#pragma once

#include "host/adm/AdmObjects.h"
#include "host/core/Output.h"

namespace zvhost {

// {"kind":"modal","name":...,"resource":...,"title":...,"items":[{"id":1,"text":"OK"},...]}:
// every item by id, with its text where it has one and its picture where one was set.
Json ModalJson(const Dialog &dialog);

// {"kind":"panel","exists":true,"visible":...,"items":[...]}: one entry per control (popup
// lists, spin-edit popups, check boxes) in id order, each with its label;
// {"kind":"panel","exists":false} without a panel.
Json PanelJson(const Dialog *panel);

// Whole numbers as JSON integers ("value":0), others as their shortest decimal text.
Json NumberJson(double value);

// The items of a dialog ordered by id.
std::vector<const Item *> ItemsById(const Dialog &dialog);

}  // namespace zvhost
