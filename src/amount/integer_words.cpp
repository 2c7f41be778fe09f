// SPDX-License-Identifier: Apache-2.0
#include "amount/integer_words.h"

#include <algorithm>
#include <array>

#include "amount/amount_words.h"
#include "amount/digits_to_capitals.h"
#include "text/text_array.h"

namespace harvela {

namespace {

using namespace amountWords;

constexpr Count kMaxDigits = 12;

// What a zero digit does to the words composed so far.
enum class ZeroRule {
    Z,  // one 零 inside a group
    W,  // close the 万 group, unless it was all zeros after 亿
    Y,  // close the 亿 group
    E,  // close the units
};

struct Place {
    const char* unit;
    ZeroRule zeroRule;
};

// Indexed by place: 0 is the units digit.
constexpr std::array<Place, kMaxDigits> kPlaces{{
    {kYuanExactly, ZeroRule::E},
    {kTen, ZeroRule::Z},
    {kHundred, ZeroRule::Z},
    {kThousand, ZeroRule::Z},
    {kTenThousand, ZeroRule::W},
    {kTen, ZeroRule::Z},
    {kHundred, ZeroRule::Z},
    {kThousand, ZeroRule::Z},
    {kHundredMillion, ZeroRule::Y},
    {kTen, ZeroRule::Z},
    {kHundred, ZeroRule::Z},
    {kThousand, ZeroRule::Z},
}};

bool endsWith(const Text& words, const char* character)
{
    return compareText(rightText(words, 2), character) == 0;
}

Text dropFinalZero(const Text& words)
{
    return endsWith(words, kZero) ? leftText(words, textLength(words) - 2) : words;
}

Text applyZeroRule(const Text& words, ZeroRule rule)
{
    switch (rule) {
    case ZeroRule::Z:
        return endsWith(words, kZero) ? words : concatTexts(words, kZero);
    case ZeroRule::W: {
        const Text closed = dropFinalZero(words);
        return endsWith(closed, kHundredMillion) ? closed : concatTexts(closed, kTenThousand);
    }
    case ZeroRule::Y:
        return concatTexts(dropFinalZero(words), kHundredMillion);
    case ZeroRule::E:
        return concatTexts(dropFinalZero(words), kYuanExactly);
    }
    return words;
}

}  // namespace

bool isDigitText(const Text& text)
{
    const std::string_view bytes = text.bytes();
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Text> integerWords(const Text& digits)
{
    const Count count = textLength(digits);
    if (count == 0 || count > kMaxDigits || !isDigitText(digits)) {
        return std::nullopt;
    }
    const TextArray digitWords = splitText(digitsToCapitals(digits), kDigitSeparator);

    Text words = concatTexts(digitWords.member(1), kPlaces[static_cast<std::size_t>(count - 1)].unit);
    for (Count k = 2; k <= count; ++k) {
        const Place& place = kPlaces[static_cast<std::size_t>(count - k)];
        const Text& digitWord = digitWords.member(k);
        words = compareText(digitWord, kZero) == 0 ? applyZeroRule(words, place.zeroRule)
                                                    : concatTexts(words, digitWord, place.unit);
    }
    return words;
}

}  // namespace harvela
