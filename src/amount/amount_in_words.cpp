// SPDX-License-Identifier: Apache-2.0
#include "amount/amount_in_words.h"

#include <optional>

#include "amount/amount_words.h"
#include "amount/digits_to_capitals.h"
#include "amount/integer_words.h"
#include "text/text_array.h"

namespace harvela {

namespace {

using namespace amountWords;

constexpr Count kMaxIntegerBytes = 12;
constexpr Count kMaxFractionBytes = 2;

bool hasSign(const Text& integerPart)
{
    return integerPart.byteAt(0) == '-';
}

// A sign in front of ASCII digits is not counted against the limit; in front
// of anything else it is one more byte of a text that is not an amount.
Count integerByteCount(const Text& integerPart)
{
    const Count length = textLength(integerPart);
    const bool signedDigits = hasSign(integerPart) && isDigitText(rightText(integerPart, length - 1));
    return length - (signedDigits ? 1 : 0);
}

// The words of an integer part with an optional leading "-".
std::optional<Text> signedIntegerWords(const Text& integerPart, bool zeroWhenEmpty)
{
    const bool negative = hasSign(integerPart);
    Text digits = negative ? rightText(integerPart, textLength(integerPart) - 1) : integerPart;
    if (digits.empty() && zeroWhenEmpty) {
        digits = "0";
    }
    std::optional<Text> words = integerWords(digits);
    if (words && negative) {
        words = concatTexts(kNegative, *words);
    }
    return words;
}

}  // namespace

void AmountInWords::updateAmountInWords()
{
    const Text amount = readBoxText(amountBox_);
    const Count point = findText(amount, ".");

    if (point == -1) {
        if (integerByteCount(amount) > kMaxIntegerBytes) {
            writeBoxText(wordsBox_, kTooMuchMoney);
            return;
        }
        integerDigits_ = amount;
        if (!composeIntegerWords(false)) {
            writeBoxText(wordsBox_, Text());  // empty, or not an amount
        }
        return;
    }

    integerDigits_ = leftText(amount, point - 1);
    fractionDigits_ = rightText(amount, textLength(amount) - point);
    // While the fraction is being typed or is too long, the box keeps its words.
    if (fractionDigits_.empty() || compareText(fractionDigits_, ".") == 0
        || textLength(fractionDigits_) > kMaxFractionBytes) {
        return;
    }
    if (integerByteCount(integerDigits_) > kMaxIntegerBytes) {
        writeBoxText(wordsBox_, kTooMuchMoney);
        return;
    }
    // Never show words that do not match the amount.
    if (!isDigitText(fractionDigits_) || !composeIntegerWords(true)) {
        writeBoxText(wordsBox_, Text());
        return;
    }
    composeFractionPart();
}

void AmountInWords::composeIntegerPart()
{
    composeIntegerWords(false);
}

bool AmountInWords::composeIntegerWords(bool zeroWhenEmpty)
{
    std::optional<Text> words = signedIntegerWords(integerDigits_, zeroWhenEmpty);
    if (!words) {
        return false;
    }
    amountWords_ = std::move(*words);
    writeBoxText(wordsBox_, amountWords_);
    return true;
}

void AmountInWords::composeFractionPart()
{
    const TextArray decimals = splitText(digitsToCapitals(fractionDigits_), kDigitSeparator);
    if (memberCount(decimals) == 0) {
        return;
    }
    Text fractionWords = concatTexts(decimals.member(1), kJiao);
    fractionWords = memberCount(decimals) >= 2 ? concatTexts(fractionWords, decimals.member(2), kFen)
                                               : concatTexts(fractionWords, kExactly);

    writeBoxText(wordsBox_, Text());
    amountWords_ = leftText(amountWords_, textLength(amountWords_) - 2);  // drop the 整 of 元整
    writeBoxText(wordsBox_, concatTexts(amountWords_, fractionWords));
}

void AmountInWords::releaseAmountTexts()
{
    integerDigits_ = Text();
    fractionDigits_ = Text();
    amountWords_ = Text();
}

}  // namespace harvela
