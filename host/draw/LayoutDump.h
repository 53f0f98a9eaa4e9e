// `dump layout`: each text frame's lines as the composer set them, as JSON or as a table.
#pragma once

#include <string>

#include "host/core/Output.h"
#include "host/draw/Pages.h"
#include "host/engine/Document.h"

namespace zvhost::draw {

// {"kind":"layout","frames":[{"art":0,"lines":[{"from","to","y","width","level","kashidas",
// "spaceStretch"}]}]}: every text frame in art order; lengths in points, to a hundredth.
Json LayoutJson(const engine::Document &document, const DocumentPage &page);

// The same facts for people: a heading a frame, a row a line.
std::string LayoutTable(const Json &layout);

}  // namespace zvhost::draw
