// SPDX-License-Identifier: Apache-2.0
// The text primitives against the plain versions of text_reference: left,
// right, mid, find, replace, split (and joining the pieces rebuilds the
// text), compare, textToBytes and bytesToText; and the memory stream driven
// by a sequence of operations, readAllText included.
//
// Input: byte 0 chooses the mode. Top bit set: the rest is a sequence of
// stream operations. Otherwise its low two bits give the sought text's
// length and the next two bits pick the replacement; bytes 1 and 2 are the
// signed count and start for left, right and mid; the rest holds the sought
// text, then the text (zero bytes left out; bytesToText gets them all).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "text/memory_stream.h"
#include "text/text.h"
#include "text/text_array.h"
#include "text_reference.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

constexpr std::array<const char*, 4> kReplacements = {"", "#", "\xd2\xbc;", "ab"};  // "壹;" third

void checkOperations(std::uint8_t mode, long count, long start, std::string_view rest)
{
    const std::size_t soughtLength = std::min<std::size_t>(mode & 3, rest.size());
    const Text sought = textWithoutZeros(rest.substr(0, soughtLength));
    const std::string_view raw = rest.substr(soughtLength);
    const Text text = textWithoutZeros(raw);
    const std::string_view bytes = text.bytes();

    check(leftText(text, count).bytes() == referenceLeft(bytes, count), "leftText");
    check(rightText(text, count).bytes() == referenceRight(bytes, count), "rightText");
    check(midText(text, start, count).bytes() == referenceMid(bytes, start, count), "midText");
    check(findText(text, sought) == referenceFind(bytes, sought.bytes()), "findText: first match at a character start");

    const Text replacement(kReplacements[(mode >> 2) & 3]);
    check(replaceText(text, sought, replacement).bytes()
              == referenceReplace(bytes, sought.bytes(), replacement.bytes()),
          "replaceText");

    const TextArray pieces = splitText(text, sought);
    const std::vector<std::string> expected = referenceSplit(bytes, sought.bytes());
    check(memberCount(pieces) == static_cast<Count>(expected.size()), "splitText: member count");
    std::string joined;
    for (Count i = 1; i <= memberCount(pieces); ++i) {
        check(pieces.member(i).bytes() == expected[static_cast<std::size_t>(i - 1)], "splitText: members");
        joined += std::string(i > 1 ? sought.bytes() : "") + std::string(pieces.member(i).bytes());
    }
    // A delimiter at the very end adds no member, so joining may lack it.
    check(joined == bytes || joined + std::string(sought.bytes()) == bytes, "splitText then joining rebuilds the text");

    check(compareText(text, sought) == referenceCompare(bytes, sought.bytes()), "compareText");
    check(compareText(sought, text) == referenceCompare(sought.bytes(), bytes), "compareText");
    check(textToBytes(text).bytes() == bytes, "textToBytes keeps every byte");
    check(bytesToText(ByteSet(raw)).bytes() == raw.substr(0, raw.find('\0')), "bytesToText stops at a zero byte");
    check(concatTexts(sought, text, replacement).bytes()
              == std::string(sought.bytes()) + std::string(bytes) + std::string(replacement.bytes()),
          "concatTexts");
}

// Each operation is one byte; writes take a length byte and that many bytes.
void checkStream(std::string_view operations)
{
    MemoryStream stream;
    ReferenceStream reference;
    std::size_t at = 0;
    const auto next = [&]() -> unsigned char {
        return at < operations.size() ? static_cast<unsigned char>(operations[at++]) : 0;
    };
    while (at < operations.size()) {
        const unsigned char operation = next() % 6;
        switch (operation) {
        case 0:
            stream.rewind();
            reference.rewind();
            break;
        case 1:
        case 2: {
            const std::size_t length = next() % 16;
            const Text text = textWithoutZeros(operations.substr(std::min(at, operations.size()), length));
            at += length;
            if (operation == 1) {
                stream.writeData(text);
                reference.writeData(text.bytes());
            } else {
                stream.writeText(text);
                reference.writeText(text.bytes());
            }
            break;
        }
        case 3: {
            const std::size_t count = 1 + next() % 8;
            check(stream.readBytes(static_cast<Count>(count)).bytes() == reference.readBytes(count), "readBytes");
            break;
        }
        case 4:
            check(stream.readAllText().bytes() == reference.readAllText(), "readAllText");
            break;
        default:
            break;
        }
        check(stream.atEnd() == reference.atEnd(), "atEnd");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3) {
        return 0;
    }
    const std::string_view rest = asBytes(data + 3, size - 3);
    if ((data[0] & 0x80) != 0) {
        checkStream(asBytes(data + 1, size - 1));
    } else {
        checkOperations(data[0], static_cast<std::int8_t>(data[1]), static_cast<std::int8_t>(data[2]), rest);
    }
    return 0;
}
