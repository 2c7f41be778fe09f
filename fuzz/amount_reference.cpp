// SPDX-License-Identifier: Apache-2.0
#include "amount_reference.h"

#include <algorithm>
#include <array>
#include <vector>

#include "fuzz_input.h"

namespace harvela::fuzz {

namespace {

// GBK bytes of the words, written out here rather than shared with the program.
constexpr std::array<std::string_view, 10> kCapital = {
    "\xc1\xe3", "\xd2\xbc", "\xb7\xa1", "\xc8\xfe", "\xcb\xc1",  // 零 壹 贰 叁 肆
    "\xce\xe9", "\xc2\xbd", "\xc6\xe2", "\xb0\xc6", "\xbe\xc1",  // 伍 陆 柒 捌 玖
};
constexpr std::string_view kYuanZheng = "\xd4\xaa\xd5\xfb";  // 元整
constexpr std::string_view kWan = "\xcd\xf2";                // 万
constexpr std::string_view kYi = "\xd2\xda";                 // 亿
constexpr std::string_view kJiao = "\xbd\xc7";               // 角
constexpr std::string_view kFen = "\xb7\xd6";                // 分
constexpr std::string_view kZheng = "\xd5\xfb";              // 整
constexpr std::string_view kFu = "\xb8\xba";                 // 负
constexpr std::string_view kTooMuch =
    "\xcc\xab\xb6\xe0\xc1\xcb\xa3\xac\xbb\xb9\xc3\xbb\xbc\xfb\xb5\xbd"
    "\xb9\xfd\xd5\xe2\xc3\xb4\xb6\xe0\xc7\xae\xa1\xa3";

// The unit of a place within its group of four: -, 拾, 佰, 仟.
constexpr std::array<std::string_view, 4> kInGroupUnit = {"", "\xca\xb0", "\xb0\xdb", "\xc7\xaa"};
// The unit that closes a group: 元整, 万, 亿.
constexpr std::array<std::string_view, 3> kGroupUnit = {kYuanZheng, kWan, kYi};

std::string_view placeUnit(std::size_t place)
{
    return place % 4 == 0 ? kGroupUnit[place / 4] : kInGroupUnit[place % 4];
}

bool allAsciiDigits(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= '0' && c <= '9'; });
}

enum class Kind { Word, Zero, GroupUnit };
struct Token {
    Kind kind;
    std::string bytes;
};

bool endsWith(std::string_view words, std::string_view end)
{
    return words.size() >= end.size() && words.substr(words.size() - end.size()) == end;
}

// Keeps the tokens for which keep(previous kept token, token, next token) holds.
template <typename Keep>
std::vector<Token> reduce(const std::vector<Token>& tokens, Keep keep)
{
    std::vector<Token> kept;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token* next = i + 1 < tokens.size() ? &tokens[i + 1] : nullptr;
        if (kept.empty() || keep(kept.back(), tokens[i], next)) {
            kept.push_back(tokens[i]);
        }
    }
    return kept;
}

}  // namespace

std::string_view tooMuchMoneyMessage()
{
    return kTooMuch;
}

// Every digit is first written in full: the first digit with its unit
// whatever it is, a later non-zero digit with its unit, a later zero as 零,
// or as its group's unit where it closes a group. Then the zero rules remove
// tokens: a 零 right after a 零, a 零 right before a group's unit, and a 万
// right after 亿 (a 万 group of zeros).
std::optional<std::string> referenceIntegerWords(std::string_view digits)
{
    if (digits.empty() || digits.size() > 12 || !allAsciiDigits(digits)) {
        return std::nullopt;
    }
    const std::size_t count = digits.size();
    std::vector<Token> tokens;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t place = count - 1 - k;
        const int digit = digits[k] - '0';
        if (k == 0 || digit != 0) {
            tokens.push_back({Kind::Word, std::string(kCapital[digit]) + std::string(placeUnit(place))});
        } else if (place % 4 == 0) {
            tokens.push_back({Kind::GroupUnit, std::string(placeUnit(place))});
        } else {
            tokens.push_back({Kind::Zero, std::string(kCapital[0])});
        }
    }
    tokens = reduce(tokens, [](const Token& before, const Token& token, const Token*) {
        return !(token.kind == Kind::Zero && before.kind == Kind::Zero);
    });
    tokens = reduce(tokens, [](const Token&, const Token& token, const Token* next) {
        return !(token.kind == Kind::Zero && next != nullptr && next->kind == Kind::GroupUnit);
    });
    tokens = reduce(tokens, [](const Token& before, const Token& token, const Token*) {
        return !(token.kind == Kind::GroupUnit && token.bytes == kWan && endsWith(before.bytes, kYi));
    });
    std::string words;
    for (const Token& token : tokens) {
        words += token.bytes;
    }
    return words;
}

namespace {

// A "-" in front of ASCII digits only is a sign and does not count.
bool tooLong(std::string_view integerPart)
{
    const bool sign = !integerPart.empty() && integerPart[0] == '-' && allAsciiDigits(integerPart.substr(1));
    return integerPart.size() - (sign ? 1 : 0) > 12;
}

std::optional<std::string> signedWords(std::string_view integerPart, bool emptyIsZero)
{
    const bool negative = !integerPart.empty() && integerPart[0] == '-';
    std::string_view digits = negative ? integerPart.substr(1) : integerPart;
    if (digits.empty() && emptyIsZero) {
        digits = "0";
    }
    std::optional<std::string> words = referenceIntegerWords(digits);
    if (words && negative) {
        words = std::string(kFu) + *words;
    }
    return words;
}

// The byte offset of the first "." that starts a character, or npos.
std::size_t firstPoint(std::string_view typed)
{
    for (std::size_t at = 0; at < typed.size(); at += characterLength(typed, at)) {
        if (typed[at] == '.') {
            return at;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::string referenceWordsBox(std::string_view typed, std::string_view shownBefore)
{
    const std::size_t point = firstPoint(typed);
    if (point == std::string_view::npos) {
        if (tooLong(typed)) {
            return std::string(kTooMuch);
        }
        return signedWords(typed, false).value_or(std::string());
    }
    const std::string_view integerPart = typed.substr(0, point);
    const std::string_view fraction = typed.substr(point + 1);
    if (fraction.empty() || fraction == "." || fraction.size() > 2) {
        return std::string(shownBefore);  // still being typed, or too long: the words stay
    }
    if (tooLong(integerPart)) {
        return std::string(kTooMuch);
    }
    const std::optional<std::string> integerWords = signedWords(integerPart, true);
    if (!integerWords || !allAsciiDigits(fraction)) {
        return {};
    }
    std::string words = integerWords->substr(0, integerWords->size() - kZheng.size());
    words += kCapital[fraction[0] - '0'];
    words += kJiao;
    if (fraction.size() == 2) {
        words += kCapital[fraction[1] - '0'];
        words += kFen;
    } else {
        words += kZheng;
    }
    return words;
}

}  // namespace harvela::fuzz
