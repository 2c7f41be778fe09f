// SPDX-License-Identifier: Apache-2.0
#include "cli/chunked_pipeline.h"

#include <thread>

#include "cli/blocking_queue.h"
#include "cli/input_file.h"
#include "cli/output_file.h"
#include "cli/progress.h"

namespace harvela::cli {

namespace {

// Decoded pieces waiting for the converting thread; with the piece being read
// and the one being converted, memory stays a few chunk sizes.
constexpr std::size_t kPiecesAhead = 2;

struct Piece {
    std::string bytes;
    std::uint64_t inputOffset = 0;
    std::uint64_t inputDone = 0;  // input bytes read when the piece was made
    std::string problem;          // set on the last piece when reading failed
};

// The reading thread: reads, cuts and decodes until the end, a failure or
// until the queue is closed by the other side.
void readPieces(InputFile& input, const ChunkSteps& steps, std::size_t chunkSize, BlockingQueue<Piece>& pieces)
{
    if (steps.startInput) {
        steps.startInput();
    }
    std::string pending;  // read but not yet decoded: at most an unfinished character
    std::uint64_t pendingOffset = 0;
    std::uint64_t done = 0;
    for (;;) {
        const std::size_t got = input.readInto(pending, chunkSize);
        done += got;
        if (!input.error().empty()) {
            pieces.push(Piece{{}, pendingOffset, done, input.name() + ": " + input.error()});
            break;
        }
        const bool atEnd = got == 0;
        DecodedPiece decoded = steps.decode(pending, atEnd);
        if (decoded.invalidOffset) {
            pieces.push(Piece{{}, pendingOffset, done,
                              input.name() + ": byte " + std::to_string(pendingOffset + *decoded.invalidOffset) + ": "
                                  + steps.invalidInput});
            break;
        }
        if (!decoded.bytes.empty() && !pieces.push(Piece{std::move(decoded.bytes), pendingOffset, done, {}})) {
            break;  // the converting side has given up
        }
        pending.erase(0, decoded.used);
        pendingOffset += decoded.used;
        if (atEnd) {
            break;
        }
    }
    pieces.close();
}

}  // namespace

std::string convertInChunks(InputFile& input, OutputFile& output, const ChunkSteps& steps, std::size_t chunkSize,
                            Progress& progress)
{
    if (!input.error().empty()) {
        return input.name() + ": " + input.error();
    }
    BlockingQueue<Piece> pieces(kPiecesAhead);
    std::thread reader([&] { readPieces(input, steps, chunkSize, pieces); });

    std::string problem;
    std::string converted;
    while (std::optional<Piece> piece = pieces.pop()) {
        if (!piece->problem.empty()) {
            problem = std::move(piece->problem);
            break;
        }
        converted.clear();
        problem = steps.convert(piece->bytes, piece->inputOffset, converted);
        if (!problem.empty()) {
            problem = input.name() + ": " + problem;
            break;
        }
        if (!output.write(converted)) {
            problem = output.error();
            break;
        }
        progress.update(piece->inputDone);
    }
    pieces.close();  // stops the reader if this side gave up early
    reader.join();
    return problem;
}

}  // namespace harvela::cli
