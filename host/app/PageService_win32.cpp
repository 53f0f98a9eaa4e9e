// The Windows host has no text libraries to compose with: nothing follows the changes, and
// the page commands are refused.
#include "host/app/PageService.h"

namespace zvhost {

namespace {

class NoPage final : public PageService {
 public:
  void Follow() override {}
};

}  // namespace

std::unique_ptr<PageService> MakePageService(Documents &, CommandTable &commands) {
  RegisterRefusedPageCommands(commands);
  return std::make_unique<NoPage>();
}

}  // namespace zvhost
