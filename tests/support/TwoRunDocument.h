// A document file the end-to-end tests share: one story of six characters in two runs whose
// digit sets differ, in one text frame.
#pragma once

namespace zvtest {

inline const char *const kTwoRunDocument = R"({
  "format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abcdef",
    "runs": [{"length": 3, "digitSet": 1}, {"length": 3, "digitSet": 2}]}]}],
  "art": [{"kind": "text", "story": 0}]
})";

}  // namespace zvtest
