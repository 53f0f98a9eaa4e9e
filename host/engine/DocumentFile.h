// The document file: JSON of the format "zarvel-document/1", read into a document and
// written back with its runs merged, so that reading what was written gives the same file.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/core/Output.h"
#include "host/engine/Document.h"

namespace zvhost::engine {

inline constexpr const char *kDocumentFormat = "zarvel-document/1";

// A paragraph's "alignment" as the file names it, in the order of Alignment.
inline constexpr std::array<const char *, 4> kAlignmentNames = {"justify", "start", "end",
                                                                "center"};

// A file that is not a document: the message names the place, as in
// "stories[0].paragraphs[1].runs: lengths add up to 7, text has 6".
class DocumentFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a whole file's text; throws DocumentFileError for the first fault found.
Document ReadDocument(std::string_view text);

// The document as the file holds it (also the body of `dump doc`).
Json DocumentJson(const Document &document);
// The file's text: the JSON indented, with a final newline.
std::string DocumentFileText(const Document &document);

}  // namespace zvhost::engine
