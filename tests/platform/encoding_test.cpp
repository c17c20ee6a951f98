// Tests of reading Windows-1252 bytes as Unicode, and of the way back from UTF-8.
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

TEST(Encoding, Utf8BackToTheCodePage) {
  const std::string all = "Qiro été à Ççô ®\u00A0ÿ €…Œ’–™œŸ";
  const std::optional<std::string> bytes = windows1252FromUtf8(all);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(utf8FromWindows1252(*bytes), all);
  EXPECT_EQ(windows1252FromUtf8(""), "");
  // What the code page cannot hold, and what is not UTF-8 at all.
  for (const std::string_view refused : {"\u0100", "\u4E2D", "\U0001F600", "\xE9t\xE9", "\xC3",
                                         "\xC0\xAF" /* an overlong slash */}) {
    EXPECT_FALSE(windows1252FromUtf8(refused)) << refused;
  }
}

}  // namespace
}  // namespace qiro
