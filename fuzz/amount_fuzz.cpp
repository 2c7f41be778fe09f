// SPDX-License-Identifier: Apache-2.0
// The amount page, one box state after another, against a separately written
// model: every state of the amount box must show exactly the model's words.
// Also, on their own: more than twelve digits show the message, and a valid
// amount always shows words.
//
// Input: the first byte chooses how the rest is read. Even: the bytes as they
// are, each line one state of the amount box (zero bytes left out). Odd: each
// byte picks one piece from a small alphabet of amount keys and traps, so
// that most inputs look like typed amounts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "amount/amount_in_words.h"
#include "amount_reference.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "memory_box.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

constexpr std::size_t kLongestInput = 512;

constexpr std::array<std::string_view, 16> kAlphabet = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "-", "\n",
    "\xa3\xb1",  // full-width 1: two bytes, not a digit
    "\x81",      // a lead byte, which takes the next byte with it
    "a",
};

std::vector<std::string> boxStates(std::string_view input)
{
    std::string joined;
    if (!input.empty() && (static_cast<unsigned char>(input[0]) & 1) != 0) {
        for (const char byte : input.substr(1)) {
            joined += kAlphabet[static_cast<unsigned char>(byte) % kAlphabet.size()];
        }
    } else if (!input.empty()) {
        joined = input.substr(1);
        std::erase(joined, '\0');
    }
    std::vector<std::string> states;
    std::size_t start = 0;
    while (start < joined.size()) {
        const std::size_t end = std::min(joined.find('\n', start), joined.size());
        states.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return states;
}

bool digitsOnly(std::string_view bytes)
{
    return !bytes.empty() && bytes.find_first_not_of("0123456789") == std::string_view::npos;
}

// -?D{1,12}(.D{1,2})? or -?.D{1,2}, with D an ASCII digit.
bool isValidAmount(std::string_view typed)
{
    if (!typed.empty() && typed[0] == '-') {
        typed.remove_prefix(1);
    }
    const std::size_t point = typed.find('.');
    const std::string_view integerPart = typed.substr(0, point);
    if (integerPart.size() > 12 || (!integerPart.empty() && !digitsOnly(integerPart))) {
        return false;
    }
    if (point == std::string_view::npos) {
        return !integerPart.empty();
    }
    const std::string_view fraction = typed.substr(point + 1);
    return fraction.size() <= 2 && digitsOnly(fraction);
}

// -?D{13,}, optionally followed by "." and one or two digits.
bool hasTooManyDigits(std::string_view typed)
{
    if (!typed.empty() && typed[0] == '-') {
        typed.remove_prefix(1);
    }
    const std::size_t point = typed.find('.');
    const std::string_view integerPart = typed.substr(0, point);
    const bool fractionFits = point == std::string_view::npos
        || (typed.size() - point - 1 <= 2 && digitsOnly(typed.substr(point + 1)));
    return integerPart.size() > 12 && digitsOnly(integerPart) && fractionFits;
}

bool endsWith(std::string_view words, std::string_view end)
{
    return words.size() >= end.size() && words.substr(words.size() - end.size()) == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kLongestInput) {
        return 0;  // a few dozen box states are plenty; longer inputs only cost time
    }
    MemoryBox amountBox;
    MemoryBox wordsBox;
    AmountInWords amount(amountBox, wordsBox);
    amountBox.onTextChanged([&] { amount.updateAmountInWords(); });

    std::string shownBefore;
    for (const std::string& typed : boxStates(asBytes(data, size))) {
        amountBox.type(Text(typed));
        const Text shownText = readBoxText(wordsBox);
        const std::string_view shown = shownText.bytes();

        check(shown == referenceWordsBox(typed, shownBefore), "the words box shows the model's words");
        if (hasTooManyDigits(typed)) {
            check(shown == tooMuchMoneyMessage(), "more than twelve digits show the message");
        }
        if (isValidAmount(typed)) {
            check(endsWith(shown, "\xd5\xfb") || endsWith(shown, "\xb7\xd6"),  // 整 or 分
                  "a valid amount shows words");
        }
        shownBefore = shown;
    }
    return 0;
}
