// SPDX-License-Identifier: Apache-2.0
#pragma once

// The GB18030 mapping of the C library's iconv, read from it once and kept in
// tables, so that converting a large text costs one lookup per character
// instead of iconv's per-character work. The mapping is exactly the library's,
// plus codes for the few private-use characters it has none for.

#include <array>
#include <cstdint>
#include <vector>

namespace harvela::gb18030 {

// A code: one byte (below 0x80), two bytes 0xLLTT, or four bytes 0xB1B2B3B4
// (above 0xFFFF); 0 for none.
using Code = std::uint32_t;

inline bool isFourByteCode(Code code) { return code > 0xFFFF; }

class Mapping {
public:
    // The scalar value of a two-byte code (lead 81-FE, trail 40-7E or
    // 80-FE), or 0 where it stands for nothing.
    char32_t twoByte(unsigned char lead, unsigned char trail) const
    {
        const char16_t scalar = twoByte_[(lead - 0x81) * kTrails + (trail - 0x40)];
        return scalar != kSupplementary ? scalar : supplementaryScalar(lead, trail);
    }
    // The scalar value of a four-byte code (bytes 81-FE, 30-39, 81-FE,
    // 30-39), or 0 where it stands for nothing.
    char32_t fourByte(unsigned char b1, unsigned char b2, unsigned char b3, unsigned char b4) const;
    // The code of a scalar value from U+0001 up, or 0 where there is none.
    Code code(char32_t scalar) const
    {
        if (scalar > 0xFFFF) {
            return supplementaryCode(scalar);
        }
        const std::uint16_t code = bmpCode_[scalar];
        return code != kFourByte ? code : bmpFourByteCode(scalar);
    }

private:
    friend const Mapping& mapping();
    Mapping();
    char32_t supplementaryScalar(unsigned char lead, unsigned char trail) const;
    Code supplementaryCode(char32_t scalar) const;
    Code bmpFourByteCode(char32_t scalar) const;
    void setBmpCode(char16_t scalar, Code code);

    static constexpr int kTrails = 0xFF - 0x40;  // 40-FE, 7F included
    // The four-byte codes from 81308130 on, in their linear order: those of
    // the Basic Multilingual Plane end at 8431A439 (U+FFFF), and a few after
    // it serve private-use characters the library cannot code.
    static constexpr int kLowFourByteCodes = 39420 + 6;

    // The tables the common characters take are kept to 16-bit entries, half
    // the cache a text's lookups would otherwise take; the few entries that do
    // not fit say so and are looked up elsewhere. A two-byte code's scalar
    // value is never U+FFFF, and no two-byte code has the trail byte FF.
    static constexpr char16_t kSupplementary = 0xFFFF;
    static constexpr std::uint16_t kFourByte = 0xFFFF;

    std::array<char16_t, 126 * kTrails> twoByte_{};
    std::array<char16_t, kLowFourByteCodes> lowFourByte_{};
    // ASCII, a two-byte code, kFourByte, or 0 for none.
    std::array<std::uint16_t, 0x10000> bmpCode_{};
    // The linear places of the four-byte codes that bmpCode_ leaves out.
    std::array<std::uint16_t, 0x10000> bmpFourByteIndex_{};
    // Supplementary characters the library codes in two bytes (FE51 is
    // U+20087), for both directions; all others follow the linear four-byte
    // sequence.
    struct Exception {
        char32_t scalar;
        Code code;
    };
    std::array<Exception, 16> supplementaryExceptions_{};
    int supplementaryExceptionCount_ = 0;
    // The two-byte codes the library decodes as supplementary characters.
    std::vector<Exception> supplementaryTwoByte_;
};

// Read from the library on first use; the same object ever after.
const Mapping& mapping();

}  // namespace harvela::gb18030
