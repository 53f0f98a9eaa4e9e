// The script's document commands: new, open, close, save, select and `dump doc`, with the
// notifications a real host sends after each change.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "AINotifierSuite.h"
#include "host/core/FilePath.h"
#include "host/core/FileReplace.h"
#include "host/core/HostServices.h"
#include "host/core/UsageError.h"
#include "host/core/WholeNumber.h"
#include "host/engine/DocumentFile.h"
#include "host/engine/Documents.h"
#include "host/engine/StoryText.h"
#include "host/services/Notifiers.h"

namespace zvhost {

namespace {

using engine::Selection;

// Larger files are refused before they are read: no document of this host comes near it.
constexpr std::uintmax_t kMaxFileBytes = 256u << 20;

void Notify(const char *type) {
  Notifiers::The().Notify(type);
}

std::string ReadWholeFile(const std::string &path) {
  namespace fs = std::filesystem;
  const fs::path file = FilePath(path);
  std::error_code error;
  if (!fs::exists(file, error)) throw UsageError("cannot open " + path + ": no such file");
  if (fs::is_directory(file, error)) throw UsageError("cannot open " + path + ": it is a folder");
  std::uintmax_t size = fs::file_size(file, error);
  if (error) throw UsageError("cannot open " + path + ": " + error.message());
  if (size > kMaxFileBytes) {
    throw UsageError("cannot open " + path + ": " + std::to_string(size) +
                     " bytes is more than a document file may hold (256 MiB)");
  }
  std::string text(static_cast<size_t>(size), '\0');
  std::ifstream in(file, std::ios::binary);
  if (!in.read(text.data(), static_cast<std::streamsize>(size))) {
    throw UsageError("cannot open " + path + ": it cannot be read");
  }
  return text;
}

Json SelectionJson(const Selection &selection) {
  switch (selection.kind) {
    case Selection::Kind::kArt:
      return {{"art", selection.art}};
    case Selection::Kind::kText:
      return {
          {"text", {{"story", selection.story}, {"from", selection.from}, {"to", selection.to}}}};
    case Selection::Kind::kNone:
      break;
  }
  return Json::object();
}

void NoArguments(const std::vector<std::string> &args, const char *usage) {
  if (!args.empty()) throw UsageError(std::string("usage: ") + usage);
}

}  // namespace

void Documents::New() {
  Add(std::make_unique<engine::Document>());
  Notify(kAIDocumentNewNotifier);
  Notify(kAIArtSelectionChangedNotifier);
}

void Documents::Open(const std::string &path) {
  std::string text = ReadWholeFile(path);
  auto document = std::make_unique<engine::Document>();
  try {
    *document = engine::ReadDocument(text);
  } catch (const engine::DocumentFileError &error) {
    throw UsageError("cannot open " + path + ": " + error.what());
  }
  try {
    Add(std::move(document));
  } catch (const UsageError &error) {
    throw UsageError("cannot open " + path + ": " + error.what());
  }
  Notify(kAIDocumentOpenedNotifier);
  Notify(kAIArtSelectionChangedNotifier);
}

void Documents::Close() {
  if (open_.empty()) return HostServices::The().Refuse("close: no document is open");
  for (AIArtHandle art : open_.back()->artHandles) HostServices::The().handles.Remove(art);
  open_.pop_back();
  if (++closeEpoch_ == 0) closeEpoch_ = 1;
  Notify(kAIDocumentClosedNotifier);
  Notify(kAIArtSelectionChangedNotifier);
}

void Documents::Save(const std::string &path) {
  if (open_.empty()) return HostServices::The().Refuse("save: no document is open");
  if (path.empty()) throw UsageError("save: the file name is empty");
  try {
    ReplaceFile(path, engine::DocumentFileText(*Current()));
  } catch (const FileWriteError &error) {
    throw UsageError("cannot save " + path + ": " + error.what());
  }
}

void Documents::Select(Selection selection) {
  engine::Document *document = Current();
  if (document == nullptr) return HostServices::The().Refuse("select: no document is open");
  if (selection.kind == Selection::Kind::kArt) {
    for (int32_t index : selection.art) {
      if (index < 0 || static_cast<size_t>(index) >= document->art.size()) {
        throw UsageError("select art: there is no art " + std::to_string(index) +
                         " (the document has " + std::to_string(document->art.size()) + ")");
      }
    }
    std::sort(selection.art.begin(), selection.art.end());
    selection.art.erase(std::unique(selection.art.begin(), selection.art.end()),
                        selection.art.end());
  } else if (selection.kind == Selection::Kind::kText) {
    if (selection.story < 0 || static_cast<size_t>(selection.story) >= document->stories.size()) {
      throw UsageError("select text: there is no story " + std::to_string(selection.story) +
                       " (the document has " + std::to_string(document->stories.size()) + ")");
    }
    int32_t length = document->stories[static_cast<size_t>(selection.story)].Length();
    if (selection.from < 0 || selection.from > selection.to || selection.to > length) {
      throw UsageError("select text: FROM " + std::to_string(selection.from) + " and TO " +
                       std::to_string(selection.to) + " must satisfy 0 <= FROM <= TO <= " +
                       std::to_string(length) + " (the story's length)");
    }
  }
  document->selection = std::move(selection);
  Notify(kAIArtSelectionChangedNotifier);
}

const engine::Story &Documents::StoryOf(const std::string &word, const char *command) {
  engine::Document *document = Current();
  if (document == nullptr) throw UsageError(std::string(command) + ": no document is open");
  const int64_t story = WholeNumber(word, std::string(command) + ": story S");
  if (story < 0 || static_cast<uint64_t>(story) >= document->stories.size()) {
    throw UsageError(std::string(command) + ": there is no story " + word + " (the document has " +
                     std::to_string(document->stories.size()) + ")");
  }
  return document->stories[static_cast<size_t>(story)];
}

// `select text S FROM TO` when there are three words and the second reads as a number;
// otherwise `select text S TEXT [N]`, the N-th place (from 0) where TEXT occurs.
void Documents::SelectText(const std::vector<std::string> &args) {
  constexpr const char *kUsage = "usage: select text S FROM TO | select text S TEXT [N]";
  if (args.size() != 2 && args.size() != 3) throw UsageError(kUsage);
  Selection selection;
  selection.kind = Selection::Kind::kText;
  // FROM begins with an ASCII digit or a minus; a TEXT that does too takes no N.
  const bool range = args.size() == 3 && !args[1].empty() &&
                     (std::isdigit(static_cast<unsigned char>(args[1][0])) || args[1][0] == '-');
  if (range) {
    const char *names[] = {"select text: story S", "select text: FROM", "select text: TO"};
    int32_t *fields[] = {&selection.story, &selection.from, &selection.to};
    for (size_t i = 0; i < 3; ++i) {
      *fields[i] = static_cast<int32_t>(WholeNumber(args[i], names[i], INT32_MIN, INT32_MAX));
    }
    return Select(std::move(selection));
  }
  if (Current() == nullptr) return HostServices::The().Refuse("select: no document is open");
  const engine::Story &story = StoryOf(args[0], "select text");
  const std::string &text = args[1];
  if (text.empty()) throw UsageError("select text: TEXT is empty");
  const int64_t occurrence =
      args.size() == 3 ? WholeNumber(args[2], "select text: N", 0, INT32_MAX) : 0;
  const std::optional<engine::Found> found = engine::FindText(story, text, occurrence);
  if (!found) {
    throw UsageError("select text: story " + args[0] + " holds \"" + text + "\" " +
                     std::to_string(engine::CountText(story, text)) + " time(s); N counts from 0");
  }
  selection.story = static_cast<int32_t>(WholeNumber(args[0], "select text: story S"));
  selection.from = found->from;
  selection.to = found->to;
  Select(std::move(selection));
}

void Documents::RegisterCommands(CommandTable &commands) {
  commands.Add({{"new"},
                "new",
                "a new empty document becomes current",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "new");
                  New();
                }});
  commands.Add({{"open"},
                "open FILE",
                "opens a document file; it becomes current",
                [this](const std::vector<std::string> &args) {
                  if (args.size() != 1) throw UsageError("usage: open FILE");
                  Open(args[0]);
                }});
  commands.Add({{"close"},
                "close",
                "closes the current document; the one opened before it becomes current",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "close");
                  Close();
                }});
  commands.Add({{"save"},
                "save FILE",
                "writes the current document to a file",
                [this](const std::vector<std::string> &args) {
                  if (args.size() != 1) throw UsageError("usage: save FILE");
                  Save(args[0]);
                }});
  commands.Add({{"select", "art"},
                "select art I [J ...]",
                "selects those art objects as a whole",
                [this](const std::vector<std::string> &args) {
                  if (args.empty()) throw UsageError("usage: select art I [J ...]");
                  Selection selection;
                  selection.kind = Selection::Kind::kArt;
                  for (const std::string &arg : args) {
                    int64_t index = WholeNumber(arg, "select art: art index");
                    if (index < 0 || index > INT32_MAX) {
                      throw UsageError("select art: there is no art " + arg);
                    }
                    selection.art.push_back(static_cast<int32_t>(index));
                  }
                  Select(std::move(selection));
                }});
  commands.Add({{"select", "text"},
                "select text S FROM TO | select text S TEXT [N]",
                "selects characters [FROM, TO) of story S with the text tool, or the first "
                "place where TEXT occurs in it (N: the N-th after that, from 0)",
                [this](const std::vector<std::string> &args) { SelectText(args); }});
  commands.Add({{"select", "none"},
                "select none",
                "empties the selection",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "select none");
                  Select(Selection{});
                }});
  commands.Add({{"dump", "text"},
                "dump text S",
                "story S's paragraphs and words with their positions",
                [this](const std::vector<std::string> &args) {
                  if (args.size() != 1) throw UsageError("usage: dump text S");
                  const engine::Story &story = StoryOf(args[0], "dump text");
                  HostServices::The().output.Emit(
                      {{"kind", "text"},
                       {"story", WholeNumber(args[0], "dump text: story S")},
                       {"paragraphs", engine::StoryWords(story)}});
                }});
  commands.Add({{"dump", "doc"},
                "dump doc",
                "prints the current document with its selection",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "dump doc");
                  Json dump = {{"kind", "doc"}};
                  engine::Document *document = Current();
                  if (document == nullptr) {
                    dump["open"] = false;
                  } else {
                    dump.update(engine::DocumentJson(*document));
                    dump["selection"] = SelectionJson(document->selection);
                  }
                  HostServices::The().output.Emit(dump);
                }});
}

}  // namespace zvhost
