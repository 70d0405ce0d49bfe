#include "scan/status_word_filter.h"

#include <array>
#include <cctype>

#include "base/text.h"

namespace scan {

namespace {

constexpr std::array<std::string_view, 42> kWords{
    "sex",    "butt",   "anal",     "cum",     "ass",    "arse",  "fuck",  "fucker", "fucking",
    "shit",   "shitty", "bitch",    "bastard", "damn",   "crap",  "piss",  "cock",   "dick",
    "prick",  "pussy",  "cunt",     "twat",    "tits",   "boobs", "penis", "vagina", "porn",
    "porno",  "xxx",    "whore",    "slut",    "horny",  "nude",  "naked", "dildo",  "orgasm",
    "erotic", "fetish", "bollocks", "wank",    "wanker", "milf"};

bool IsWordCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    // Letters of the ANSI code page above 127 are word characters too.
    return std::isalnum(byte) || byte >= 0xC0;
}

}  // namespace

std::string FilterStatusWords(std::string_view text) {
    std::string result(text);
    for (std::string_view word : kWords) {
        std::size_t pos = base::FindIgnoreCase(result, word);
        while (pos != std::string::npos) {
            const std::size_t end = pos + word.size();
            const bool startsWord = pos == 0 || !IsWordCharacter(result[pos - 1]);
            const bool endsWord = end == result.size() || !IsWordCharacter(result[end]);
            if (startsWord && endsWord) {
                result.erase(pos, word.size());
                pos = base::FindIgnoreCase(result, word, pos);
            } else {
                pos = base::FindIgnoreCase(result, word, pos + 1);
            }
        }
    }
    return result;
}

}  // namespace scan
