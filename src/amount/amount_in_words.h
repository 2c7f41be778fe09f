// SPDX-License-Identifier: Apache-2.0
#pragma once

// The amount page: after every change of the amount box, the words box shows
// the typed sum of money in Chinese financial capitals.

#include "text/box.h"
#include "text/text.h"

namespace harvela {

class AmountInWords {
public:
    // Works on the two boxes of the amount page; both must outlive this object.
    AmountInWords(Box& amountBox, Box& wordsBox) : amountBox_(amountBox), wordsBox_(wordsBox) {}

    // The text-changed handler of the amount box.
    void updateAmountInWords();
    // Composes the words of integerDigits() into amountWords() and shows them.
    void composeIntegerPart();
    // Appends the 角 and 分 words of fractionDigits() to amountWords() and shows them.
    void composeFractionPart();
    // The exit routine: empties the three texts.
    void releaseAmountTexts();

    const Text& integerDigits() const { return integerDigits_; }
    const Text& fractionDigits() const { return fractionDigits_; }
    const Text& amountWords() const { return amountWords_; }

private:
    // Shows the words of integerDigits() (an empty integer part reads as zero
    // when zeroWhenEmpty); false, and nothing shown, when it has no words.
    bool composeIntegerWords(bool zeroWhenEmpty);

    Box& amountBox_;
    Box& wordsBox_;
    Text integerDigits_;
    Text fractionDigits_;
    Text amountWords_;
};

}  // namespace harvela
