// Every question and notice of the game, composed in the language asked for.
#pragma once

#include "text/text.h"

namespace qiro {

enum class Language { kFrench, kEnglish };

// The first and last message kinds; every other kind composes to the empty text.
constexpr int kFirstMessageKind = 2;
constexpr int kLastMessageKind = 15;

// Kinds 4, 5 and 6 take a grid number as argument1; kind 7 a grid name and a number of
// cells. A line break is "\n", a blank line "\n\n".
Text composeMessage(int kind, TextView argument1, TextView argument2, Language language);

}  // namespace qiro
