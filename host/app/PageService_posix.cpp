// The Linux host composes the current document after every change through one composer, and
// draws or lists its page on request.
#include <string>

#include "host/app/PageService.h"
#include "host/core/FileReplace.h"
#include "host/core/HostServices.h"
#include "host/core/UsageError.h"
#include "host/draw/LayoutDump.h"
#include "host/draw/PageDrawing.h"
#include "host/draw/Pages.h"

namespace zvhost {

namespace {

class ComposedPage final : public PageService {
 public:
  ComposedPage(Documents &documents, CommandTable &commands)
      : documents_(documents), pages_(documents) {
    commands.Add(SnapshotDocCommand([this](const std::vector<std::string> &args) {
      if (args.size() != 1) throw UsageError("usage: snapshot doc FILE");
      Snapshot(args[0]);
    }));
    commands.Add(DumpLayoutCommand([this](const std::vector<std::string> &args) {
      if (!args.empty()) throw UsageError("usage: dump layout");
      DumpLayout();
    }));
  }

  void Follow() override { pages_.Follow(); }

 private:
  void Snapshot(const std::string &path) {
    // The name is checked first: a picture it cannot draw costs no composition.
    const draw::PictureKind kind = draw::PictureKindOf(path);
    const engine::Document *document = documents_.Current();
    if (document == nullptr) return HostServices::The().Refuse("snapshot doc: no document is open");
    const std::string picture = draw::DrawPage(*document, pages_.Page(), kind);
    try {
      ReplaceFile(path, picture);
    } catch (const FileWriteError &error) {
      throw UsageError("snapshot doc: cannot write " + path + ": " + error.what());
    }
    HostServices::The().output.Emit({{"kind", "note"}, {"text", "the page is drawn in " + path}});
  }

  void DumpLayout() {
    const engine::Document *document = documents_.Current();
    if (document == nullptr) return HostServices::The().Refuse("dump layout: no document is open");
    Json layout = draw::LayoutJson(*document, pages_.Page());
    Output &output = HostServices::The().output;
    if (output.IsJson()) return output.Emit(layout);
    output.Emit({{"kind", "note"}, {"text", draw::LayoutTable(layout)}});
  }

  Documents &documents_;
  draw::Pages pages_;
};

}  // namespace

std::unique_ptr<PageService> MakePageService(Documents &documents, CommandTable &commands) {
  return std::make_unique<ComposedPage>(documents, commands);
}

}  // namespace zvhost
