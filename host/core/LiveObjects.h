// Everything the host hands out that the module must give back: text-engine references,
// art sets, blocks, texts. Each kind of object counts what is alive, for `dump refs` and
// the leak check at exit.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zvhost {

enum class LiveCategory { TextEngine, ArtSet, Block, Other };

class LiveCounter {
 public:
  LiveCounter(std::string kind, LiveCategory category);
  virtual ~LiveCounter();
  LiveCounter(const LiveCounter &) = delete;
  LiveCounter &operator=(const LiveCounter &) = delete;

  const std::string &Kind() const { return kind_; }
  LiveCategory Category() const { return category_; }
  // References (or objects, for kinds without references) alive now.
  virtual size_t Live() const = 0;

  // Every counter that exists, in the order they were made.
  static const std::vector<LiveCounter *> &All();

 private:
  std::string kind_;
  LiveCategory category_;
};

}  // namespace zvhost
