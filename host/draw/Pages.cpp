#include "host/draw/Pages.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "host/core/HostServices.h"
#include "host/core/UsageError.h"

namespace zvhost::draw {

namespace {

// Revisions grow and are never shared, so the newest one changes whenever any paragraph does.
uint64_t NewestRevision(const engine::Story &story) {
  uint64_t newest = 0;
  for (const engine::Paragraph &paragraph : story.Paragraphs()) {
    newest = std::max(newest, paragraph.revision);
  }
  return newest;
}

// Paths have no place in the document file: they stand in a row below the text frames, as
// grey boxes of one size, so that they cover no text.
void PlacePaths(const engine::Document &document, std::vector<compose::FrameBox> &boxes) {
  constexpr float kWidth = 96, kHeight = 64, kGap = 24;
  float left = 0, bottom = 0;
  bool first = true;
  for (size_t art = 0; art < document.art.size(); ++art) {
    if (document.art[art].kind != engine::ArtKind::kText) continue;
    left = first ? boxes[art].left : std::min(left, boxes[art].left);
    bottom = first ? boxes[art].top + boxes[art].height
                   : std::max(bottom, boxes[art].top + boxes[art].height);
    first = false;
  }
  float x = first ? kGap : left;
  const float top = first ? kGap : bottom + kGap;
  for (size_t art = 0; art < document.art.size(); ++art) {
    if (document.art[art].kind != engine::ArtKind::kPath) continue;
    boxes[art] = {x, top, kWidth, kHeight};
    x += kWidth + kGap;
  }
}

}  // namespace

void Pages::Update(const engine::Document &document, DocumentPage &page, bool retryFailed) {
  const size_t count = document.stories.size();
  if (page.stories.size() != count) {
    page.boxes = compose::FrameBoxes(document);
    PlacePaths(document, page.boxes);
    page.stories.resize(count);
    page.stamps.assign(count, 0);
    page.composed.assign(count, false);
    page.tried.assign(count, false);
  }
  std::string failure;
  for (size_t index = 0; index < count; ++index) {
    const engine::Story &story = document.stories[index];
    const uint64_t stamp = NewestRevision(story);
    const bool current = page.tried[index] && page.stamps[index] == stamp;
    if (current && (page.composed[index] || !retryFailed)) continue;
    page.stamps[index] = stamp;
    page.tried[index] = true;
    page.composed[index] = false;
    std::vector<compose::FrameBox> frames;
    frames.reserve(story.frames.size());
    for (int32_t art : story.frames) frames.push_back(page.boxes[static_cast<size_t>(art)]);
    try {
      page.stories[index] =
          composer_.Compose(document.serial, static_cast<uint32_t>(index), story, frames);
      page.composed[index] = true;
    } catch (const std::runtime_error &error) {
      if (failure.empty())
        failure = "cannot compose story " + std::to_string(index) + ": " + error.what();
    }
  }
  if (!failure.empty()) throw UsageError(failure);
}

void Pages::Follow() {
  for (auto it = pages_.begin(); it != pages_.end();) {
    if (documents_.Find(it->first) != nullptr) {
      ++it;
      continue;
    }
    composer_.Forget(it->first);
    it = pages_.erase(it);
  }
  const engine::Document *document = documents_.Current();
  if (document == nullptr) return;
  // A story that cannot be composed (its font is not installed, say) leaves the document
  // open and usable: a note says so once, and the page commands refuse with the reason.
  try {
    Update(*document, pages_[document->serial], false);
  } catch (const UsageError &error) {
    HostServices::The().output.Emit(
        {{"kind", "note"},
         {"text", std::string(error.what()) + "; snapshot doc and dump layout cannot show it"}});
  }
}

const DocumentPage &Pages::Page() {
  const engine::Document *document = documents_.Current();
  if (document == nullptr) throw UsageError("no document is open");
  DocumentPage &page = pages_[document->serial];
  Update(*document, page, true);
  return page;
}

}  // namespace zvhost::draw
