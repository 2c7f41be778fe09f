// SPDX-License-Identifier: Apache-2.0
#include "cli/amount_line.h"

#include <utility>

#include "amount/amount_in_words.h"
#include "amount/amount_words.h"
#include "amount/integer_words.h"
#include "text/box.h"
#include "text/gbk_codec.h"

namespace harvela::cli {

namespace {

// The amount page's two boxes, held in memory.
class StoredBox final : public Box {
public:
    Text read() const override { return text_; }
    void write(Text text) override { text_ = std::move(text); }

private:
    Text text_;
};

// The amount page with nothing typed yet.
class FreshAmountPage {
public:
    FreshAmountPage() : handler_(amountBox_, wordsBox_) {}

    // The user types (or pastes) text over the amount box.
    void type(const Text& text)
    {
        writeBoxText(amountBox_, text);
        handler_.updateAmountInWords();
    }
    Text words() const { return readBoxText(wordsBox_); }

private:
    StoredBox amountBox_;
    StoredBox wordsBox_;
    AmountInWords handler_;
};

constexpr const char* kNotAnAmount = "not an amount";
constexpr const char* kTooManyDecimals = "more than two decimals";

}  // namespace

AmountOutcome amountInWords(std::string_view amount)
{
    // The page holds what is typed as GBK, and counts its limits in GBK bytes.
    StrictGbk typedText = utf8ToGbkStrict(amount);
    if (typedText.invalidOffset) {
        return {{}, kNotAnAmount};
    }
    const Text typed = std::move(typedText.text);
    const std::string_view typedBytes = typed.bytes();
    FreshAmountPage page;
    const std::size_t point = typedBytes.find('.');
    if (point != std::string_view::npos) {
        // The page keeps the words of the integer part while no decimal is
        // typed yet, and shows its message when the integer part is too long.
        page.type(Text(typedBytes.substr(0, point)));
        const Text fraction(typedBytes.substr(point + 1));
        if (page.words() != Text(amountWords::kTooMuchMoney)) {
            if (!isDigitText(fraction)) {
                return {{}, kNotAnAmount};
            }
            if (fraction.length() > 2) {
                return {{}, kTooManyDecimals};
            }
        }
    }
    page.type(typed);
    Text words = page.words();
    if (words == Text(amountWords::kTooMuchMoney)) {
        return {{}, gbkToUtf8(words.bytes())};
    }
    if (words.empty()) {
        return {{}, kNotAnAmount};
    }
    return {std::move(words), {}};
}

}  // namespace harvela::cli
