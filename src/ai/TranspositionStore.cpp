#include "ai/TranspositionStore.h"

#include <bit>
#include <cstring>

namespace halmora {

// One cache line. The words are read and written through atomic_ref so that a reader racing a
// writer sees torn data only as a changed version, never as undefined behaviour.
struct CTranspositionStore::Entry {
    uint32_t version;
    uint32_t unused;
    uint64_t hash;
    uint64_t check;
    uint64_t values[3];  // six floats
    uint64_t counts;     // nodes, candidates << 32
    uint64_t meta;       // search << 16 | depth << 8 | turn
};

namespace {

// Loads acquire and stores release (plain moves on x86): a reader that sees any word of a write
// then sees the version that write began with, so checking the version again after the words
// tells a torn read. No fences, which thread sanitizers do not follow.
template <class T>
T Load(const T& word) {
    return std::atomic_ref<T>(const_cast<T&>(word)).load(std::memory_order_acquire);
}
template <class T>
void Put(T& word, T value) {
    std::atomic_ref<T>(word).store(value, std::memory_order_release);
}

uint64_t Meta(uint64_t search, int depth, int turn) {
    return search << 16 | static_cast<uint64_t>(depth & 0xFF) << 8 |
           static_cast<uint64_t>(turn & 0xFF);
}

// The same position at another depth or turn goes to another bucket.
uint64_t Slot(const PositionKey& key, int depth, int turn) {
    return key.hash ^ Mix64(static_cast<uint64_t>(depth * 8 + turn + 1));
}

}  // namespace

CTranspositionStore::CTranspositionStore(std::size_t bytes)
    : block_(std::bit_floor(bytes < sizeof(Entry) * kBucketEntries ? sizeof(Entry) * kBucketEntries
                                                                   : bytes)) {
    static_assert(sizeof(Entry) == 64);
    buckets_ = block_.Size() / (sizeof(Entry) * kBucketEntries);
}

CTranspositionStore::Entry* CTranspositionStore::BucketFor(uint64_t hash) const {
    // The low bits pick the bucket; the whole hash and the check word are compared.
    return static_cast<Entry*>(block_.Data()) + (hash & (buckets_ - 1)) * kBucketEntries;
}

void CTranspositionStore::Prefetch(const PositionKey& key, int depth, int turn) const {
    if (buckets_ == 0)
        return;
    const char* bucket = reinterpret_cast<const char*>(BucketFor(Slot(key, depth, turn)));
    for (int line = 0; line < kBucketEntries; ++line)
        __builtin_prefetch(bucket + line * sizeof(Entry));
}

bool CTranspositionStore::Probe(const PositionKey& key, int depth, int turn, uint64_t search,
                                StoredNode& out) const {
    if (buckets_ == 0)
        return false;
    const uint64_t hash = Slot(key, depth, turn);
    const uint64_t meta = Meta(search, depth, turn);
    const Entry* bucket = BucketFor(hash);
    for (int i = 0; i < kBucketEntries; ++i) {
        const Entry& e = bucket[i];
        const uint32_t before = Load(e.version);
        if ((before & 1) != 0 || Load(e.hash) != hash || Load(e.meta) != meta ||
            Load(e.check) != key.check)
            continue;
        uint64_t values[3];
        for (int w = 0; w < 3; ++w)
            values[w] = Load(e.values[w]);
        const uint64_t counts = Load(e.counts);
        if (Load(e.version) != before)
            continue;
        std::memcpy(out.values.data(), values, sizeof values);
        out.nodes = static_cast<uint32_t>(counts);
        out.candidates = static_cast<uint32_t>(counts >> 32);
        return true;
    }
    return false;
}

void CTranspositionStore::Store(const PositionKey& key, int depth, int turn, uint64_t search,
                                uint64_t nodes, uint64_t candidates,
                                const std::array<float, kColorCount>& values) {
    if (buckets_ == 0 || nodes > UINT32_MAX || candidates > UINT32_MAX)
        return;
    const uint64_t hash = Slot(key, depth, turn);
    Entry* bucket = BucketFor(hash);
    // The victim: an entry of another search (or never used), else the smallest subtree. Reads
    // here are unguarded; a torn one only makes a poorer choice.
    Entry* victim = nullptr;
    uint32_t smallest = UINT32_MAX;
    for (int i = 0; i < kBucketEntries; ++i) {
        Entry& e = bucket[i];
        if (Load(e.meta) >> 16 != search) {
            victim = &e;
            break;
        }
        const auto size = static_cast<uint32_t>(Load(e.counts));
        if (victim == nullptr || size < smallest) {
            victim = &e;
            smallest = size;
        }
    }
    uint32_t version = Load(victim->version);
    // Another thread is writing this entry: leave it to that one.
    if ((version & 1) != 0 ||
        !std::atomic_ref<uint32_t>(victim->version)
             .compare_exchange_strong(version, version + 1, std::memory_order_acquire))
        return;
    uint64_t words[3];
    std::memcpy(words, values.data(), sizeof words);
    Put(victim->hash, hash);
    Put(victim->check, key.check);
    for (int w = 0; w < 3; ++w)
        Put(victim->values[w], words[w]);
    Put(victim->counts, nodes | candidates << 32);
    Put(victim->meta, Meta(search, depth, turn));
    Put(victim->version, version + 2);
}

CTranspositionStore& CTranspositionStore::Shared() {
    static CTranspositionStore store;
    return store;
}

}  // namespace halmora
