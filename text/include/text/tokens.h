// Comma token lists read from the front, and settings tables of key=value items.
#pragma once

#include <cstdint>

#include "text/text.h"
#include "text/text_list.h"

namespace qiro {

// Token lists: tokens separated by commas, spaces around them removed.
void popToken(Text& target, Text& source);
void popTokenUpper(Text& target, Text& source);
std::int32_t popInteger(Text& source);
void dropTokens(Text& buf, int n);
// Every item followed by a comma; the list ends empty.
void joinInto(TextList& list, Text& target);

// Settings tables: items key=value, the key matched after leading spaces, ignoring case.
int keyIndex(const TextList& list, TextView key);
void setValue(TextList& list, TextView key, TextView value);
int getValue(const TextList& list, TextView key, Text& target);
std::int32_t getInteger(const TextList& list, TextView key);
void splitEntry(const TextList& list, int index, Text& key, Text& value);

}  // namespace qiro
