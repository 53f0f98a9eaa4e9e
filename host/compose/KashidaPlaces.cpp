// The rules come from two published texts:
// - the W3C's "Arabic & Persian Layout Requirements" (ALReq), sections "Joining" and
//   "Ligatures", with its gap analysis of justification: letters join by their joining type
//   (dual-joining letters on both sides, right-joining letters only to the letter before
//   them; diacritics do not affect joining), lam followed by any alef is one mandatory
//   ligature whatever marks stand between them, and an elongation stretches the baseline
//   connection between two joined letters;
// - the Naskh kashida priority list published in Microsoft's "Justifying Text using
//   Cascading Style Sheets (CSS) in Internet Explorer 5.5" and repeated by later
//   justification documents: seven conditions in falling priority, one elongation a word at
//   its place of highest priority and, of equal places, the one closest to the word's end.
// Joining types and groups are ICU's (the Unicode Character Database's ArabicShaping data).
#include "host/compose/KashidaPlaces.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <span>

namespace zvhost::compose {
namespace {

constexpr UChar32 kTatweel = 0x0640;

// A character that takes part in joining. What lies between two of them (marks, and the
// other characters of joining type Transparent) does not break their connection.
struct Joiner {
  uint32_t index = 0;
  bool tatweel = false;
  bool arabicLetter = false;   // a letter of the Arabic script, or a tatweel joined to one
  bool joinsNext = false;      // dual-joining, left-joining or join-causing
  bool joinsPrevious = false;  // dual-joining, right-joining or join-causing
  UJoiningGroup group = U_JG_NO_JOINING_GROUP;
};

// The text's joining characters in order, the transparent ones left out.
std::vector<Joiner> Joiners(std::u32string_view text) {
  std::vector<Joiner> joiners;
  joiners.reserve(text.size());
  for (uint32_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<UChar32>(text[i]);
    const auto type = u_getIntPropertyValue(c, UCHAR_JOINING_TYPE);
    if (type == U_JT_TRANSPARENT) continue;
    Joiner joiner;
    joiner.index = i;
    joiner.tatweel = c == kTatweel;
    // A tatweel lengthens the letter it follows; one that joins no Arabic letter before it
    // stands at a word's start, where no elongation goes.
    joiner.arabicLetter =
        joiner.tatweel ? !joiners.empty() && joiners.back().arabicLetter && joiners.back().joinsNext
                       : u_isalpha(c) && uscript_hasScript(c, USCRIPT_ARABIC);
    joiner.joinsNext =
        type == U_JT_DUAL_JOINING || type == U_JT_LEFT_JOINING || type == U_JT_JOIN_CAUSING;
    joiner.joinsPrevious =
        type == U_JT_DUAL_JOINING || type == U_JT_RIGHT_JOINING || type == U_JT_JOIN_CAUSING;
    joiner.group = static_cast<UJoiningGroup>(u_getIntPropertyValue(c, UCHAR_JOINING_GROUP));
    joiners.push_back(joiner);
  }
  return joiners;
}

bool Joined(const Joiner &first, const Joiner *next) {
  return next != nullptr && first.joinsNext && next->joinsPrevious;
}

bool InGroups(const Joiner *letter, std::span<const UJoiningGroup> groups) {
  return letter != nullptr &&
         std::find(groups.begin(), groups.end(), letter->group) != groups.end();
}

// ALReq: an elongation goes only on the connection of two joined Arabic letters: never after
// a letter that does not join the next, never inside the lam-alef ligature. The place before
// a typed tatweel is that tatweel's own stroke; its place is after it.
bool MayElongate(const Joiner &first, const Joiner &next) {
  const bool lamAlef = first.group == U_JG_LAM && next.group == U_JG_ALEF;
  return first.arabicLetter && next.arabicLetter && Joined(first, &next) && !next.tatweel &&
         !lamAlef;
}

// The letters around a place: the elongation goes between `before` and `letter`.
struct Neighbourhood {
  const Joiner &before;
  const Joiner &letter;
  const Joiner *after;      // the letter after `letter`, if any
  const Joiner *afterNext;  // and the one after that

  // `letter` is joined to `before`; its form is final or medial by whether it joins on.
  bool LetterIsFinal() const { return !Joined(letter, after); }
  bool AfterIsFinal() const { return Joined(letter, after) && !Joined(*after, afterNext); }
};

// Where a condition of the Naskh list looks.
enum class Condition : uint8_t {
  kAfterTatweel,              // after a tatweel the user typed
  kAfterLetterOf,             // after a letter of the groups
  kBeforeFinalOf,             // before a letter of the groups in its final form
  kBeforeToothBeforeFinalOf,  // before a medial Beh-shaped letter followed by a final of the groups
  kBeforeAnyFinal,            // before any letter in its final form
};

struct NaskhRule {
  uint8_t priority;
  Condition condition;
  std::vector<UJoiningGroup> groups;
};

// The list in its published order. Seen and Sad include their dotted sisters (Sheen, Dad),
// Dal includes Thal, Tah includes Zah, Gaf includes the Persian Keheh (ک), Yeh includes
// Alef Maksura: ICU's joining groups are the letters' skeletons.
const std::vector<NaskhRule> &NaskhRules() {
  static const std::vector<NaskhRule> rules = {
      {1, Condition::kAfterTatweel, {}},
      {2, Condition::kAfterLetterOf, {U_JG_SEEN, U_JG_SAD}},
      {3, Condition::kBeforeFinalOf, {U_JG_TEH_MARBUTA, U_JG_HEH, U_JG_DAL}},
      {4, Condition::kBeforeFinalOf, {U_JG_ALEF, U_JG_TAH, U_JG_LAM, U_JG_KAF, U_JG_GAF}},
      {5, Condition::kBeforeToothBeforeFinalOf, {U_JG_REH, U_JG_YEH, U_JG_FARSI_YEH}},
      {6, Condition::kBeforeFinalOf, {U_JG_WAW, U_JG_AIN, U_JG_QAF, U_JG_FEH}},
      {7, Condition::kBeforeAnyFinal, {}},
  };
  return rules;
}

// The places the list names none of: two letters joined in their initial or medial forms.
constexpr uint8_t kOtherJoinedPriority = 8;

// In the middle of a word Beh, Teh, Noon and Yeh share one tooth-shaped form (the list's
// "medial Beh"), told apart only by their dots.
constexpr UJoiningGroup kToothGroups[] = {U_JG_BEH, U_JG_NOON, U_JG_YEH, U_JG_FARSI_YEH};

bool Matches(const NaskhRule &rule, const Neighbourhood &n) {
  switch (rule.condition) {
    case Condition::kAfterTatweel:
      return n.before.tatweel;
    case Condition::kAfterLetterOf:
      return InGroups(&n.before, rule.groups);
    case Condition::kBeforeFinalOf:
      return n.LetterIsFinal() && InGroups(&n.letter, rule.groups);
    case Condition::kBeforeToothBeforeFinalOf:
      return InGroups(&n.letter, kToothGroups) && n.AfterIsFinal() &&
             InGroups(n.after, rule.groups);
    case Condition::kBeforeAnyFinal:
      return n.LetterIsFinal();
  }
  return false;
}

uint8_t NaskhPriority(const Neighbourhood &n) {
  for (const NaskhRule &rule : NaskhRules()) {
    if (Matches(rule, n)) return rule.priority;
  }
  return kOtherJoinedPriority;
}

// Words are runs of letters, marks and format characters (the joiners ZWJ and ZWNJ among
// them); anything else, spaces, punctuation and digits, separates them.
bool IsWordCharacter(char32_t c) {
  constexpr uint32_t kWordCategories = U_GC_L_MASK | U_GC_M_MASK | U_GC_CF_MASK;
  return (U_MASK(u_charType(static_cast<UChar32>(c))) & kWordCategories) != 0;
}

bool IsMark(char32_t c) {
  return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_M_MASK) != 0;
}

// The positions of the characters before and after `index`, marks passed over; npos past
// the text's ends.
size_t Previous(std::u32string_view text, size_t index) {
  while (index > 0 && IsMark(text[index - 1])) --index;
  return index > 0 ? index - 1 : std::u32string_view::npos;
}
size_t Next(std::u32string_view text, size_t index) {
  do {
    ++index;
  } while (index < text.size() && IsMark(text[index]));
  return index < text.size() ? index : std::u32string_view::npos;
}

// Fonts draw the name of God, الله, as one ligature: lam, lam and heh (with or without their
// marks) ending a word, after an alef (ال, and its prefixed forms والله, بالله) or at the
// word's start (لله). An elongation would break the ligature, so none goes inside it.
// Returns whether joiners[i] is one of the two lams.
bool InNameOfGod(std::span<const Joiner> joiners, size_t i, std::u32string_view text) {
  auto ligature = [&](size_t lam) {
    if (lam + 2 >= joiners.size()) return false;
    const Joiner &first = joiners[lam];
    const Joiner &heh = joiners[lam + 2];
    if (first.group != U_JG_LAM || joiners[lam + 1].group != U_JG_LAM || heh.group != U_JG_HEH) {
      return false;
    }
    const size_t before = Previous(text, first.index);
    const size_t after = Next(text, heh.index);
    const bool afterAlef =
        lam > 0 && joiners[lam - 1].group == U_JG_ALEF && joiners[lam - 1].index == before;
    const bool wordStart = before == std::u32string_view::npos || !IsWordCharacter(text[before]);
    const bool wordEnd = after == std::u32string_view::npos || !IsWordCharacter(text[after]);
    return (afterAlef || wordStart) && wordEnd;
  };
  return ligature(i) || (i > 0 && ligature(i - 1));
}

}  // namespace

std::vector<KashidaPlace> KashidaPlaces(std::u32string_view text) {
  const std::vector<Joiner> joiners = Joiners(text);
  std::vector<KashidaPlace> places;
  for (size_t i = 0; i + 1 < joiners.size(); ++i) {
    if (!MayElongate(joiners[i], joiners[i + 1]) || InNameOfGod(joiners, i, text)) continue;
    const Neighbourhood neighbourhood{joiners[i], joiners[i + 1],
                                      i + 2 < joiners.size() ? &joiners[i + 2] : nullptr,
                                      i + 3 < joiners.size() ? &joiners[i + 3] : nullptr};
    places.push_back({joiners[i].index, NaskhPriority(neighbourhood)});
  }
  return places;
}

std::vector<KashidaPlace> NaskhKashidaPlaces(std::u32string_view text) {
  std::vector<KashidaPlace> chosen;
  uint32_t scanned = 0;  // the text up to here has been looked at for word separators
  for (const KashidaPlace &place : KashidaPlaces(text)) {
    // Places lie inside words: one follows the place before it in the same word unless a
    // separator stands between their letters.
    bool sameWord = !chosen.empty();
    for (; scanned <= place.after; ++scanned) {
      if (!IsWordCharacter(text[scanned])) sameWord = false;
    }
    if (!sameWord) {
      chosen.push_back(place);
    } else if (place.priority <= chosen.back().priority) {
      chosen.back() = place;  // of equal priorities, the one closest to the word's end
    }
  }
  return chosen;
}

}  // namespace zvhost::compose
