// Tests of reading Windows-1252 bytes as Unicode.
#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

TEST(Encoding, ReadsTheCodePagesOwnCharactersAndTheRestAsLatin1) {
  EXPECT_EQ(utf8FromWindows1252("Qiro 42"), "Qiro 42");
  // The French letters of the messages.
  EXPECT_EQ(utf8FromWindows1252("\xE9t\xE9 \xE0 \xC7\xE7\xF4"), "été à Ççô");
  EXPECT_EQ(utf8FromWindows1252("\xAE\xA0\xFF"), "®\u00A0ÿ");
  // 0x80 to 0x9F are not the control codes of Latin-1.
  EXPECT_EQ(utf8FromWindows1252("\x80\x85\x8C\x92\x96\x99\x9C\x9F"), "€…Œ’–™œŸ");
  // The five codes the code page leaves undefined keep their value.
  EXPECT_EQ(utf16FromWindows1252("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(utf16FromWindows1252("\x80"), u"\u20AC");
}

}  // namespace
}  // namespace qiro
