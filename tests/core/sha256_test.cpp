// SHA-256 against the standard's test vectors, given whole and in pieces
// that cross the 64-byte blocks, so that a quarantined copy's digest is the
// one any other tool computes.

#include "core/sha256.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(Sha256, GivesTheStandardDigestsWholeAndInPieces) {
    struct Vector {
        std::string message;
        const char* digest;
    };
    const Vector vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqr"
         "lmnopqrsmnopqrstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Vector& vector : vectors) {
        EXPECT_EQ(Sha256Hex(vector.message), vector.digest) << vector.message.size();
        Sha256 pieces;
        for (std::size_t at = 0; at < vector.message.size(); at += 37) {
            pieces.Update(std::string_view(vector.message).substr(at, 37));
        }
        EXPECT_EQ(pieces.FinalHex(), vector.digest) << vector.message.size();
    }
}

}  // namespace
}  // namespace core
