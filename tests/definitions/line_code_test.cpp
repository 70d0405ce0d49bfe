#include "definitions/line_code.h"

#include <gtest/gtest.h>

namespace definitions {
namespace {

char C(int code) {
    return static_cast<char>(code);
}
int Code(char c) {
    return static_cast<unsigned char>(c);
}

TEST(LineCode, DecodesAndEncodesTheBoundaryCodes) {
    EXPECT_EQ(Code(DecodeDefinitionChar(C(64))), 0);
    EXPECT_EQ(Code(DecodeDefinitionChar(C(65))), 1);
    EXPECT_EQ(Code(DecodeDefinitionChar(C(0))), 191);
    EXPECT_EQ(Code(DecodeDefinitionChar(C(63))), 254);
    EXPECT_EQ(Code(EncodeDefinitionChar(C(0))), 64);
    EXPECT_EQ(Code(EncodeDefinitionChar(C(191))), 255);
    EXPECT_EQ(Code(EncodeDefinitionChar(C(192))), 1);
    EXPECT_EQ(Code(EncodeDefinitionChar(C(255))), 64);
}

TEST(LineCode, EveryCodeButTheLastRoundTrips) {
    for (int code = 0; code < 255; ++code) {
        EXPECT_EQ(Code(DecodeDefinitionChar(EncodeDefinitionChar(C(code)))), code) << code;
    }
    // The rotation is modulo 255: 255 comes back as 0.
    EXPECT_EQ(Code(DecodeDefinitionChar(EncodeDefinitionChar(C(255)))), 0);
}

TEST(LineCode, LinesKeepTheirLength) {
    const std::string plain = "EVIL.EXE=Adware|[windir]";
    const std::string coded = EncodeDefinitionLine(plain);
    EXPECT_EQ(coded.size(), plain.size());
    EXPECT_NE(coded, plain);
    EXPECT_EQ(DecodeDefinitionLine(coded), plain);
    EXPECT_EQ(EncodeDefinitionLine(""), "");
    // "A" (65) is stored as 129.
    EXPECT_EQ(Code(EncodeDefinitionLine("A")[0]), 129);
}

}  // namespace
}  // namespace definitions
