// The fonts a composer has opened, by family, each opened once.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "host/compose/Font.h"

namespace zvhost::compose {

class FontCache {
 public:
  // The font of `family`, opened on first use; throws as Font::Open does.
  std::shared_ptr<const Font> Get(const std::string &family) {
    auto found = fonts_.find(family);
    if (found != fonts_.end()) return found->second;
    return fonts_.emplace(family, Font::Open(family)).first->second;
  }

 private:
  std::map<std::string, std::shared_ptr<const Font>> fonts_;
};

}  // namespace zvhost::compose
