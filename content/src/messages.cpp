// The messages: fixed wordings written here, the others unscrambled from the stored tables
// as they are composed.
#include "content/messages.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "plain_text.h"
#include "stored_tables.h"
#include "toolkit/scrambler.h"

namespace qiro {

namespace {

constexpr std::string_view kBlankLine = "\n\n";

// The pieces unscrambled and joined: joins[i] (a blank or a line break) stands between
// piece i and the next, and lead before the first.
template <std::size_t N, std::size_t M>
Text joined(const std::array<std::string_view, N>& pieces, const char (&joins)[M],
            std::string_view lead = {}) {
  static_assert(M == N, "one join between each two pieces");
  Text text{TextView(lead)};
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text.append(std::string_view(&joins[i - 1], 1));
    text.append(unscramble(pieces[i]));
  }
  return text;
}

// Text pieces one after the other.
Text concat(std::initializer_list<TextView> pieces) {
  Text text;
  for (const TextView piece : pieces)
    text.append(piece);
  return text;
}

Text loadQuestion(TextView n, bool english) {
  const Text question = english ? Text("Load Grid #") : plainText(stored::kLoadGridFr);
  return concat({question, n, " ?"});
}

Text gridInUse(TextView n, bool english) {
  if (english)
    return concat({"Grid #", n, " is already in use.", kBlankLine, "Reload grid #", n, " ?"});
  const auto& pieces = stored::kGridInUseFr;
  return concat(
      {plainText(pieces[0]), n, plainText(pieces[1]), kBlankLine, plainText(pieces[2]), n, " ?"});
}

Text congratulation(TextView n, bool english) {
  Text text = plainText(english ? stored::kCongratulationEn : stored::kCongratulationFr);
  // One occurrence, and only when n is no longer than the placeholder it takes the room of.
  safeReplace(text, 1, "zukv", n);
  text.append(kBlankLine, "*** BRAVO ***");
  return text;
}

Text gridFacts(TextView name, TextView cells, bool english) {
  return english ? concat({"Grid: ", name, "\n", cells, " cells."})
                 : concat({"Grille ", name, "\n", cells, " cases."});
}

}  // namespace

Text composeMessage(int kind, TextView argument1, TextView argument2, Language language) {
  const bool english = language == Language::kEnglish;
  using namespace stored;
  switch (kind) {
    case 2:
      return english ? joined(kHelpNoticeEn, " \n  ") : joined(kHelpNoticeFr, " \n  ");
    case 3:
      return english ? joined(kInfoPage4En, " \n ") : joined(kInfoPage4Fr, "\n\n\n\n");
    case 4:
      return loadQuestion(argument1, english);
    case 5:
      return gridInUse(argument1, english);
    case 6:
      return congratulation(argument1, english);
    case 7:
      return gridFacts(argument1, argument2, english);
    case 8:
      return plainText(english ? kPauseQuestionEn : kPauseQuestionFr);
    case 9:
      return plainText(english ? kQuitQuestionEn : kQuitQuestionFr);
    case 10:
      return english ? plainText(kFixedNumbersQuestionEn) : Text("Retour valeurs fixes?");
    case 11:
      return plainText(english ? kSaveQuestionEn : kSaveQuestionFr);
    case 12:
      return plainText(english ? kSaveSolvedQuestionEn : kSaveSolvedQuestionFr);
    case 13:
      return english ? joined(kInfoPage5En, " \n\n", "\n") : joined(kInfoPage5Fr, " \n \n", "\n");
    case 14:
      return english ? joined(kInfoPage3En, "\n") : joined(kInfoPage3Fr, "\n\n");
    case 15:
      return english ? joined(kInfoPage2En, "\n\n") : joined(kInfoPage2Fr, "\n\n");
    default:
      return Text();
  }
}

}  // namespace qiro
