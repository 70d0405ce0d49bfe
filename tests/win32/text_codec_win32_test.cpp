#include "platform/win32/text_codec_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace platform::win32 {
namespace {

class TextCodecWin32Test : public ::testing::Test {
protected:
    // The expected bytes below are those of Western European code page 1252.
    void SetUp() override { ASSERT_EQ(::GetACP(), 1252u); }

    TextCodecWin32 codec;
};

TEST_F(TextCodecWin32Test, Utf8BecomesAnsi) {
    EXPECT_EQ(codec.Utf8ToAnsi("Gr\xC3\xBC\xC3\x9F"), "Gr\xFC\xDF");
    EXPECT_EQ(codec.Utf8ToAnsi("\xE2\x82\xAC 5"), "\x80 5");
}

TEST_F(TextCodecWin32Test, AnsiBecomesUtf8) {
    EXPECT_EQ(codec.AnsiToUtf8("Gr\xFC\xDF"), "Gr\xC3\xBC\xC3\x9F");
    EXPECT_EQ(codec.AnsiToUtf8("\x80 5"), "\xE2\x82\xAC 5");
}

TEST_F(TextCodecWin32Test, EveryAnsiByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(codec.Utf8ToAnsi(codec.AnsiToUtf8(all)), all);
}

TEST_F(TextCodecWin32Test, CharacterMissingFromTheCodePageBecomesAQuestionMark) {
    EXPECT_EQ(codec.Utf8ToAnsi("a\xE4\xB8\xAD"
                               "b"),
              "a?b");
}

TEST_F(TextCodecWin32Test, EmbeddedNulIsKept) {
    EXPECT_EQ(codec.Utf8ToAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(codec.AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST_F(TextCodecWin32Test, HostNamesInUnicodeBecomePunycode) {
    EXPECT_EQ(codec.HostNameToAscii("B\xC3\xBC"
                                    "cher.Example"),
              "xn--bcher-kva.example");
    EXPECT_EQ(codec.HostNameToAscii("tracker.com"), "tracker.com");
    EXPECT_EQ(codec.HostNameToAscii("bad\xC3("), std::nullopt);
}

TEST_F(TextCodecWin32Test, EmptyTextStaysEmpty) {
    EXPECT_EQ(codec.Utf8ToAnsi(""), "");
    EXPECT_EQ(codec.AnsiToUtf8(""), "");
}

TEST_F(TextCodecWin32Test, InvalidUtf8KeepsTheValidPartsAround) {
    const std::string converted = codec.Utf8ToAnsi("ok\xC3(\xFF\xFE end");
    EXPECT_EQ(converted.substr(0, 2), "ok");
    EXPECT_EQ(converted.substr(converted.size() - 4), " end");
    EXPECT_EQ(codec.Utf8ToAnsi("\x80\x80\x80").find_first_not_of('?'), std::string::npos);
}

}  // namespace
}  // namespace platform::win32
