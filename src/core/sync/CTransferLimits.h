#pragma once

#include <cstddef>

// What a request expects back: a listing (a discovery answer, a listing of the collection, a
// batch of cards) or a single card (or the answer to a write).
enum class EReplySize { Listing, Card };

// How much a server may send and how slowly, the same for both transports: a reply past its
// size is abandoned, and so is a transfer that stays under the speed floor for the floor's
// time, so that no server can fill memory or hold the book's lock for ever. Tests make them
// small; the program uses the defaults.
struct CTransferLimits {
    static constexpr std::size_t MIB = 1024 * 1024;

    std::size_t listingBytes = 64 * MIB;
    std::size_t cardBytes = 16 * MIB;
    std::size_t headerBytes = 256 * 1024; // all header lines of one answer
    long connectSeconds = 30;
    // Slower than this many bytes a second for floorSeconds in a row ends a request.
    long floorBytesPerSecond = 1024;
    long floorSeconds = 30;

    std::size_t MaxBytes(EReplySize size) const {
        return size == EReplySize::Listing ? listingBytes : cardBytes;
    }
};
