// The open documents set on their pages: one composer for the whole host, which composes a
// story again only when its text or attributes changed, and forgets the documents that close.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "host/compose/Composer.h"
#include "host/core/SoleInstance.h"
#include "host/engine/Documents.h"

namespace zvhost::draw {

// A document's stories as last composed, one layout a story, and the boxes of its art.
struct DocumentPage {
  std::vector<compose::FrameBox> boxes;       // by art index
  std::vector<compose::StoryLayout> stories;  // by story index
  // By story: its newest paragraph revision when it was last composed, whether it was tried
  // at that revision, and whether that succeeded (its layout is then current).
  std::vector<uint64_t> stamps;
  std::vector<bool> tried;
  std::vector<bool> composed;
};

class Pages : public SoleInstance<Pages> {
 public:
  static constexpr const char *kRole = "page keeper";

  explicit Pages(Documents &documents) : documents_(documents) {}

  // After every change: composes the stories of the current document whose paragraphs
  // changed since they were last composed, and forgets closed documents. A story that cannot
  // be composed is noted once; Page() tries it again.
  void Follow();

  // The current document set on its page, every story composed. Throws UsageError when no
  // document is open or a story cannot be composed.
  const DocumentPage &Page();

  compose::Composer &Composer() { return composer_; }

 private:
  // Composes the stories of `document` that changed (and, with `retryFailed`, those that
  // could not be composed before); throws UsageError for the first that cannot be composed,
  // the others still composed.
  void Update(const engine::Document &document, DocumentPage &page, bool retryFailed);

  Documents &documents_;
  compose::Composer composer_;
  std::map<uint32_t, DocumentPage> pages_;  // by document serial
};

}  // namespace zvhost::draw
