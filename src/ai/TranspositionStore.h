// Values of positions already searched, so that a search meeting the same position again at the
// same depth with the same colour to move takes the stored result instead of searching it again.
// Within one search such a node's value depends on nothing else, so the store changes no result;
// it also keeps the subtree's node and candidate counts, which a hit adds as if it had searched.
//
// The table is allocated once at its full size and never grows. Entries belong to one search
// (NewSearch gives each search its own number), so nothing has to be cleared between searches.
// Several threads may probe and store at once: each entry is guarded by a version number that is
// odd while it is written, and a reader that sees it change treats the entry as missing.
//
//   CTranspositionStore store;                  // 64 MiB
//   const uint64_t id = store.NewSearch();
//   if (!store.Probe(key, depth, turn, id, result)) { ...search...; store.Store(key, ..., result);
//   }
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "board/BasicBoard.h"
#include "platform/ZeroedBlock.h"

namespace halmora {

struct StoredNode {
    std::array<float, kColorCount> values{};
    uint32_t nodes = 0;       // nodes of the subtree, the node itself included
    uint32_t candidates = 0;  // candidates generated in the subtree
};

class CTranspositionStore {
public:
    static constexpr std::size_t kDefaultBytes = std::size_t{64} << 20;
    static constexpr int kBucketEntries = 4;

    // Rounds the size down to a power of two of buckets; at least one bucket.
    explicit CTranspositionStore(std::size_t bytes = kDefaultBytes);

    // A number no earlier search of this store had.
    uint64_t NewSearch() { return searches_.fetch_add(1, std::memory_order_relaxed) + 1; }

    bool Probe(const PositionKey& key, int depth, int turn, uint64_t search, StoredNode& out) const;
    // Keeps the node, pushing out an entry of an earlier search, else the entry of the bucket
    // with the smallest subtree. Counts that do not fit 32 bits are not stored.
    void Store(const PositionKey& key, int depth, int turn, uint64_t search, uint64_t nodes,
               uint64_t candidates, const std::array<float, kColorCount>& values);

    // Asks the processor to fetch the entries a later Probe of the key will read.
    void Prefetch(const PositionKey& key, int depth, int turn) const;

    std::size_t Entries() const { return buckets_ * kBucketEntries; }
    std::size_t Bytes() const { return block_.Size(); }

    // The store that every computer player of the process shares, made on first use.
    static CTranspositionStore& Shared();

private:
    struct Entry;

    Entry* BucketFor(uint64_t hash) const;

    CZeroedBlock block_;
    std::size_t buckets_ = 0;
    std::atomic<uint64_t> searches_{0};
};

}  // namespace halmora
