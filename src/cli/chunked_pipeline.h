// SPDX-License-Identifier: Apache-2.0
#pragma once

// Converts one input of any size in pieces cut at character boundaries, with
// bounded memory: one thread reads and decodes the next pieces while the
// calling thread converts and writes the current one. A step may do more of
// the work on the reading thread (the text filters convert the characters
// there), so that the two threads share it evenly.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace harvela::cli {

class InputFile;
class OutputFile;
class Progress;

// What the decode step made of the start of the input it was given.
struct DecodedPiece {
    std::string bytes;                         // the decoded whole characters
    std::size_t used = 0;                      // input bytes they came from; the rest waits
    std::optional<std::size_t> invalidOffset;  // the first invalid input byte, if any
};

struct ChunkSteps {
    // Decodes the whole characters at the start of input (all of it when
    // atEnd), for the convert step. Runs on the reading thread.
    std::function<DecodedPiece(std::string_view input, bool atEnd)> decode;
    // Converts one decoded piece, appending to output; returns what went
    // wrong, or the empty text. inputOffset is where the piece began.
    std::function<std::string(std::string_view piece, std::uint64_t inputOffset, std::string& output)> convert;
    // Called by the reading thread before the first piece of each input.
    std::function<void()> startInput;
    // What an invalid byte is said to be, e.g. "not valid UTF-8".
    std::string invalidInput;
};

// The default number of input bytes read at a time.
inline constexpr std::size_t kDefaultChunkSize = 1u << 18;

// Runs the steps over the whole input and writes the result. Returns what went
// wrong, naming the input (and the byte offset, for invalid input), or the
// empty text on success.
std::string convertInChunks(InputFile& input, OutputFile& output, const ChunkSteps& steps,
                            std::size_t chunkSize, Progress& progress);

}  // namespace harvela::cli
