// SPDX-License-Identifier: Apache-2.0
#pragma once

// Martian text (火星文): each of the 3500 common characters swapped for a
// look-alike, or the look-alikes turned back, one whole character at a time.

#include "text/text.h"

namespace harvela {

// The 3500 characters of the 1988 list of frequently used characters, in the
// list's order: 7000 bytes, entry k at bytes 2k-1 and 2k.
const Text& commonCharTable();
// Entry k is the Martian look-alike of entry k of commonCharTable.
const Text& martianCharTable();

// toMartian looks each two-byte character up in commonCharTable and writes the
// martianCharTable entry at the same position; otherwise the other way round.
// Where a code is held twice the lower entry wins. Characters not in the
// searched table, one-byte characters and a lone lead byte at the end pass
// unchanged; nothing written is looked up again.
Text convertMartianText(const Text& text, bool toMartian);

}  // namespace harvela
