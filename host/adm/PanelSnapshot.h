// A picture of a dialog as it stands, drawn from its template in screen pixels: the title
// strip with the flyout button, pictures from the module, labels, each list with its chosen
// entry, number fields with their numbers, check boxes, and disabled controls greyed.
#pragma once

#include <string>

#include "host/adm/AdmObjects.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

// An SVG document; `resources` (may be null) supplies the pictures.
std::string PanelSvg(const Dialog &dialog, const ResourceSource *resources);

}  // namespace zvhost
