// Draws a document's page as a designer sees it in the drawing application: the text frames
// with their composed lines, the selection, text that fits nowhere, the paths, and the order
// in which the story's frames are read.
#pragma once

#include <string>

#include "host/draw/Pages.h"
#include "host/engine/Document.h"

namespace zvhost::draw {

enum class PictureKind { kSvg, kPng, kPdf };

// The kind of picture a file name asks for by its extension (any case). Throws UsageError
// naming the extension when it is none of .svg, .png and .pdf.
PictureKind PictureKindOf(const std::string &path);

// The picture's bytes: the page is the union of the art's boxes and a margin, on white.
// Throws UsageError when Cairo cannot draw it (a page too large for a picture, say).
std::string DrawPage(const engine::Document &document, const DocumentPage &page, PictureKind kind);

}  // namespace zvhost::draw
