// SPDX-License-Identifier: Apache-2.0
#pragma once

// The large text the conversion benchmarks share: ordinary simplified Chinese
// prose, about 16 MB in GBK, and the same text in UTF-8.

#include <string>

namespace harvela {

struct SampleTexts {
    std::string utf8;
    std::string gbk;
};

// Built once, on first use.
const SampleTexts& sampleTexts();

}  // namespace harvela
