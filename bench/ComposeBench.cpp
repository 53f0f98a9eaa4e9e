// Composition against its peer and its budgets. A story of a million characters of Arabic
// and Persian prose, Amiri 18 points on a 360-point measure, composed by the host's
// composer and laid out by Pango (what a Linux program would reach for) with the same text,
// font, size and width; total fit against single-line; a panel choice on one paragraph of
// that story, recomposition included; the tour's document. After the runs a table gives
// each ratio and time against its target, all measured in this one process.
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/compose/Composer.h"
#include "host/engine/DocumentFile.h"
#include "host/engine/Utf8.h"

namespace {

using zvhost::compose::Composer;
using zvhost::compose::FrameBox;
using zvhost::engine::CharFeatureSet;
using zvhost::engine::ParaFeatureSet;
using zvhost::engine::Story;

constexpr float kMeasure = 360;  // points: the width of the default frame
constexpr float kSize = 18;
constexpr int64_t kStoryLength = 1'000'000;
constexpr int64_t kParagraphLength = 700;  // about; paragraphs end at a sentence's end
constexpr uint32_t kSerial = 1;
// Each million-character run takes seconds: a few of them, as one would be noise.
constexpr int kStoryIterations = 3;
// One frame tall enough for every line: the measure is what the comparison is about.
constexpr FrameBox kTallFrame{0, 0, kMeasure, 1e9f};

// Prose as it is printed, with its digits, punctuation, vowel marks, Persian joiners and
// embedded Latin; paragraphs start at different sentences so that no two are the same.
// Kept from clang-format, which splits these literals further on every run.
// clang-format off
constexpr const char *kSentences[] = {
    "بدأت الطباعة العربية في القرن السادس عشر، حين طبعت أول الكتب بالحروف العربية في إيطاليا، "
    "ثم انتقلت المطابع إلى إسطنبول والقاهرة وبيروت.",
    "ويقوم الخط العربي على اتصال الحروف بعضها ببعض، فلكل حرف أشكال تختلف بحسب موقعه في الكلمة: "
    "في أولها أو وسطها أو آخرها أو منفردًا.",
    "ومن أشهر أساليب الخط النسخ والثلث والرقعة والديواني والكوفي، ولكل منها قواعده في النسب "
    "والمسافات وامتداد الحروف.",
    "وقد بلغ عدد الكتب المطبوعة في مصر وحدها عام ١٩٥٠ أكثر من ٣٠٠٠ عنوان، وتضاعف هذا العدد خلال "
    "عشرين سنة.",
    "يستعمل المصممون الكشيدة لملء السطر حين تضيق المسافات بين الكلمات أو تتسع أكثر من اللازم، "
    "فتبدو الصفحة متوازنة ومريحة للعين.",
    "بِسْمِ اللَّهِ الرَّحْمَٰنِ الرَّحِيمِ، الْحَمْدُ لِلَّهِ رَبِّ الْعَالَمِينَ.",
    "يدعم البرنامج الملفات بصيغة PDF وSVG وPNG، ويعمل على Linux وWindows منذ الإصدار 2.4.",
    "زبان فارسی با الفبای عربی نوشته می‌شود، اما چهار حرف پ، چ، ژ و گ را به آن افزوده است.",
    "نیم‌فاصله در نگارش فارسی جای مهمی دارد: واژه‌هایی مانند «می‌روم» و «کتاب‌ها» بدون آن درست "
    "نمایش داده نمی‌شوند.",
    "در سال ۱۳۹۹ بیش از ۱۲۰۰۰ عنوان کتاب در ایران منتشر شد و بسیاری از آن‌ها با قلم‌های نسخ و "
    "نستعلیق حروف‌چینی شدند.",
    "حافظ شیرازی می‌گوید: الا یا ایها الساقی ادر کأسا و ناولها، که عشق آسان نمود اول ولی افتاد "
    "مشکل‌ها.",
    "قال المتنبي: إذا غامرت في شرف مروم فلا تقنع بما دون النجوم.",
};
// clang-format on

std::vector<std::string> MillionCharacterParagraphs() {
  std::vector<std::string> paragraphs;
  const size_t count = std::size(kSentences);
  int64_t total = 0;
  for (size_t first = 0; total < kStoryLength; ++first) {
    std::string text;
    int64_t length = 0;
    for (size_t s = first; length < kParagraphLength; ++s) {
      if (!text.empty()) {
        text += ' ';
        ++length;
      }
      text += kSentences[s % count];
      length += zvhost::engine::CheckUtf8(kSentences[s % count]).codePoints;
    }
    total += length + 1;  // and the separator
    paragraphs.push_back(std::move(text));
  }
  return paragraphs;
}

const std::vector<std::string> &StoryParagraphs() {
  static const std::vector<std::string> paragraphs = MillionCharacterParagraphs();
  return paragraphs;
}

// The story right to left, justified, in the composer given; marks where the font puts
// them, as Pango places them.
Story MillionCharacterStory(int32_t composerEngine, bool everyLine) {
  using namespace zvhost::engine;
  ParaAttributes paragraph{};
  paragraph[kParagraphDirection] = 1;
  paragraph[kJustificationMethod] = 0;
  paragraph[kComposerEngine] = composerEngine;
  paragraph[kEveryLineComposer] = everyLine ? 1 : 0;
  CharAttributes characters{};
  characters[kDiacVPos] = 4;
  Story story;
  for (const std::string &text : StoryParagraphs()) {
    const auto length = static_cast<int32_t>(CheckUtf8(text).codePoints);
    story.AddParagraph(text, length, paragraph, {{length, characters}});
  }
  story.font = "Amiri";
  story.size = kSize;
  return story;
}

size_t LineCount(const zvhost::compose::StoryLayout &layout) {
  return layout.places.size();
}

// Every paragraph composed afresh, each time: the composer forgets what it kept.
void ComposeStory(benchmark::State &state, int32_t composerEngine, bool everyLine) {
  Story story = MillionCharacterStory(composerEngine, everyLine);
  Composer composer;
  size_t lines = 0;
  for (auto _ : state) {
    composer.Forget(kSerial);
    lines = LineCount(composer.Compose(kSerial, 0, story, {&kTallFrame, 1}));
    benchmark::DoNotOptimize(lines);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["paragraphs"] = static_cast<double>(story.Paragraphs().size());
}

void BM_ComposeSingleLine(benchmark::State &state) {
  ComposeStory(state, static_cast<int32_t>(state.range(0)), false);
}
BENCHMARK(BM_ComposeSingleLine)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("engine")
    ->Iterations(kStoryIterations)
    ->Unit(benchmark::kMillisecond);

void BM_ComposeTotalFit(benchmark::State &state) {
  ComposeStory(state, static_cast<int32_t>(state.range(0)), true);
}
BENCHMARK(BM_ComposeTotalFit)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("engine")
    ->Iterations(kStoryIterations)
    ->Unit(benchmark::kMillisecond);

struct GObjectUnref {
  void operator()(void *object) const { g_object_unref(object); }
};
template <class T>
using GObject = std::unique_ptr<T, GObjectUnref>;
struct FontDescriptionFree {
  void operator()(PangoFontDescription *description) const {
    pango_font_description_free(description);
  }
};

// Pango set up as a program would: one font map and context, one layout a paragraph,
// wrapped by words, justified, right to left, at 72 dpi so that a unit is a point.
class PangoSetter {
 public:
  PangoSetter()
      : fontMap_(pango_cairo_font_map_new()),
        context_(pango_font_map_create_context(fontMap_.get())),
        font_(pango_font_description_from_string("Amiri")) {
    pango_cairo_context_set_resolution(context_.get(), 72);
    pango_context_set_base_dir(context_.get(), PANGO_DIRECTION_RTL);
    pango_font_description_set_size(font_.get(), static_cast<int>(kSize * PANGO_SCALE));
  }

  // Lays the paragraph out, every line placed; gives its line count.
  size_t Lay(const std::string &text) const {
    GObject<PangoLayout> layout(pango_layout_new(context_.get()));
    pango_layout_set_font_description(layout.get(), font_.get());
    pango_layout_set_auto_dir(layout.get(), FALSE);
    pango_layout_set_width(layout.get(), static_cast<int>(kMeasure * PANGO_SCALE));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
    pango_layout_set_justify(layout.get(), TRUE);
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    const auto lines = static_cast<size_t>(pango_layout_get_line_count(layout.get()));
    PangoLayoutIter *iter = pango_layout_get_iter(layout.get());
    do {
      PangoRectangle logical;
      pango_layout_iter_get_line_extents(iter, nullptr, &logical);
      benchmark::DoNotOptimize(logical);
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    return lines;
  }

 private:
  GObject<PangoFontMap> fontMap_;
  GObject<PangoContext> context_;
  std::unique_ptr<PangoFontDescription, FontDescriptionFree> font_;
};

void BM_PangoLayout(benchmark::State &state) {
  PangoSetter pango;
  size_t lines = 0;
  for (auto _ : state) {
    lines = 0;
    for (const std::string &text : StoryParagraphs()) lines += pango.Lay(text);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["paragraphs"] = static_cast<double>(StoryParagraphs().size());
}
BENCHMARK(BM_PangoLayout)->Iterations(kStoryIterations)->Unit(benchmark::kMillisecond);

// A panel choice on the middle paragraph of the composed story and the recomposition that
// follows, as the host does it: the choice goes through the story's Apply*, and the
// composer sets that paragraph again and places every line. Each time the choice changes,
// between two values, so that every iteration is a real change.
void BM_PanelChoiceOnOneParagraph(benchmark::State &state) {
  using namespace zvhost::engine;
  const bool paragraphChoice = state.range(0) == 0;
  Story story = MillionCharacterStory(1, false);
  Composer composer;
  composer.Compose(kSerial, 0, story, {&kTallFrame, 1});
  const Paragraph &middle = story.Paragraphs()[story.Paragraphs().size() / 2];
  const int32_t from = middle.start;
  const int32_t to = middle.start + middle.length;
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    if (paragraphChoice) {
      ParaFeatureSet choice;  // "Naskh" and back to "Standard"
      choice.Assign(kJustificationMethod, flip ? 2 : 0);
      story.ApplyParaFeatures(from, to, choice);
    } else {
      CharFeatureSet choice;  // Extended Arabic-Indic digits and back to Arabic-Indic
      choice.Assign(kDigitSet, flip ? 3 : 2);
      story.ApplyCharFeatures(from, to, choice);
    }
    benchmark::DoNotOptimize(composer.Compose(kSerial, 0, story, {&kTallFrame, 1}));
    if (composer.LastCounts().composed != 1) {
      state.SkipWithError("the choice recomposed other paragraphs than its own");
      break;
    }
  }
}
BENCHMARK(BM_PanelChoiceOnOneParagraph)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("character")
    ->Unit(benchmark::kMillisecond);

std::string FileText(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Every story of the tour's document into its frames, from nothing.
void BM_ComposeTour(benchmark::State &state) {
  const zvhost::engine::Document document =
      zvhost::engine::ReadDocument(FileText(ZARVEL_SOURCE_DIR "/examples/tour.json"));
  const std::vector<FrameBox> boxes = zvhost::compose::FrameBoxes(document);
  std::vector<std::vector<FrameBox>> storyFrames;
  for (const Story &story : document.stories) {
    std::vector<FrameBox> &frames = storyFrames.emplace_back();
    for (int32_t art : story.frames) frames.push_back(boxes[static_cast<size_t>(art)]);
  }
  Composer composer;
  for (auto _ : state) {
    composer.Forget(kSerial);
    for (uint32_t s = 0; s < document.stories.size(); ++s) {
      benchmark::DoNotOptimize(composer.Compose(kSerial, s, document.stories[s], storyFrames[s]));
    }
  }
}
BENCHMARK(BM_ComposeTour)->Unit(benchmark::kMillisecond);

// The mean wall and CPU times of an iteration, milliseconds.
struct Times {
  double wall = 0;
  double cpu = 0;
};

// Keeps each benchmark's times while the console shows the runs.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) {
        continue;
      }
      const double iterations = static_cast<double>(run.iterations);
      // By function and arguments, as the table names them, whatever iteration count.
      const std::string &args = run.run_name.args;
      const std::string name = run.run_name.function_name + (args.empty() ? "" : "/" + args);
      times_[name] = {run.real_accumulated_time * 1000.0 / iterations,
                      run.cpu_accumulated_time * 1000.0 / iterations};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The times of a benchmark that ran.
  std::optional<Times> Of(const std::string &name) const {
    auto found = times_.find(name);
    if (found == times_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::string, Times> times_;
};

// One line of the closing table: a time, or a ratio of two, against its target. The target
// is judged by wall time; CPU time stands beside it, as other work on a shared machine
// lengthens the wall time of both sides of a ratio but not necessarily alike.
void PrintTarget(const RecordingReporter &reporter, const char *what, const std::string &measured,
                 const std::string &baseline, double target) {
  const std::optional<Times> value = reporter.Of(measured);
  const std::optional<Times> base =
      baseline.empty() ? std::optional<Times>(Times{1, 1}) : reporter.Of(baseline);
  if (!value || !base || base->wall <= 0 || base->cpu <= 0) {
    std::printf("%-50s not measured\n", what);
    return;
  }
  const double wall = value->wall / base->wall;
  const double cpu = value->cpu / base->cpu;
  const char *unit = baseline.empty() ? " ms" : "";
  std::printf("%-50s %7.2f%s (CPU %.2f%s)  target %s %.1f%s  %s\n", what, wall, unit, cpu, unit,
              baseline.empty() ? "<" : "<=", target, unit, wall <= target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\nComposition of a million characters against Pango, and the budgets:\n");
  PrintTarget(reporter, "standard composer, single-line / Pango", "BM_ComposeSingleLine/engine:0",
              "BM_PangoLayout", 1.0);
  PrintTarget(reporter, "complex-script composer, single-line / Pango",
              "BM_ComposeSingleLine/engine:1", "BM_PangoLayout", 1.0);
  PrintTarget(reporter, "standard composer, total fit / single-line", "BM_ComposeTotalFit/engine:0",
              "BM_ComposeSingleLine/engine:0", 3.0);
  PrintTarget(reporter, "complex-script composer, total fit / single-line",
              "BM_ComposeTotalFit/engine:1", "BM_ComposeSingleLine/engine:1", 3.0);
  PrintTarget(reporter, "paragraph choice on one paragraph, recomposed",
              "BM_PanelChoiceOnOneParagraph/character:0", "", 16.7);
  PrintTarget(reporter, "character choice on one paragraph, recomposed",
              "BM_PanelChoiceOnOneParagraph/character:1", "", 16.7);
  PrintTarget(reporter, "the tour's document composed", "BM_ComposeTour", "", 20.0);
  return 0;
}
