// SPDX-License-Identifier: Apache-2.0
#pragma once

// The GB18030 mapping of the C library's iconv, read from it once and kept in
// tables, so that converting a large text costs one lookup per character
// instead of iconv's per-character work. The mapping is exactly the library's,
// plus codes for the few private-use characters it has none for.

#include <array>
#include <cstdint>

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
        return twoByte_[(lead - 0x81) * kTrails + (trail - 0x40)];
    }
    // The scalar value of a four-byte code (bytes 81-FE, 30-39, 81-FE,
    // 30-39), or 0 where it stands for nothing.
    char32_t fourByte(unsigned char b1, unsigned char b2, unsigned char b3, unsigned char b4) const;
    // The code of a scalar value from U+0001 up, or 0 where there is none.
    Code code(char32_t scalar) const { return scalar <= 0xFFFF ? bmpCode_[scalar] : supplementaryCode(scalar); }

private:
    friend const Mapping& mapping();
    Mapping();
    Code supplementaryCode(char32_t scalar) const;

    static constexpr int kTrails = 0xFF - 0x40;  // 40-FE, 7F included
    // The four-byte codes from 81308130 on, in their linear order: those of
    // the Basic Multilingual Plane end at 8431A439 (U+FFFF), and a few after
    // it serve private-use characters the library cannot code.
    static constexpr int kLowFourByteCodes = 39420 + 6;

    std::array<char32_t, 126 * kTrails> twoByte_{};
    std::array<char16_t, kLowFourByteCodes> lowFourByte_{};
    std::array<Code, 0x10000> bmpCode_{};
    // Supplementary characters the library codes in two bytes (FE51 is
    // U+20087); all others follow the linear four-byte sequence.
    struct Exception {
        char32_t scalar;
        Code code;
    };
    std::array<Exception, 16> supplementaryExceptions_{};
    int supplementaryExceptionCount_ = 0;
};

// Read from the library on first use; the same object ever after.
const Mapping& mapping();

}  // namespace harvela::gb18030
