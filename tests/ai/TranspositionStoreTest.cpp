#include "ai/TranspositionStore.h"

#include <gtest/gtest.h>

namespace halmora {
namespace {

PositionKey Key(uint64_t n) {
    return {Mix64(n), Mix64(n + 1000)};
}

std::array<float, kColorCount> Values(float v) {
    return {v, v + 1, v + 2, v + 3, v + 4, v + 5};
}

TEST(TranspositionStore, FindsOnlyTheSamePositionDepthTurnAndSearch) {
    CTranspositionStore store(1 << 20);
    const uint64_t search = store.NewSearch();
    store.Store(Key(1), 3, 2, search, 40, 700, Values(1.5f));
    StoredNode found;
    ASSERT_TRUE(store.Probe(Key(1), 3, 2, search, found));
    EXPECT_EQ(found.values, Values(1.5f));
    EXPECT_EQ(found.nodes, 40u);
    EXPECT_EQ(found.candidates, 700u);

    PositionKey otherCheck = Key(1);
    otherCheck.check ^= 1;
    EXPECT_FALSE(store.Probe(otherCheck, 3, 2, search, found));
    EXPECT_FALSE(store.Probe(Key(1), 4, 2, search, found));
    EXPECT_FALSE(store.Probe(Key(1), 3, 1, search, found));
    EXPECT_FALSE(store.Probe(Key(1), 3, 2, store.NewSearch(), found));
    EXPECT_FALSE(store.Probe(Key(2), 3, 2, search, found));

    // Counts beyond 32 bits are not kept rather than kept wrong.
    store.Store(Key(5), 1, 0, search, uint64_t{1} << 32, 1, Values(0));
    EXPECT_FALSE(store.Probe(Key(5), 1, 0, search, found));
}

TEST(TranspositionStore, PushesOutOldSearchesFirstThenTheSmallestSubtree) {
    // One bucket: every key lands in it.
    CTranspositionStore store(CTranspositionStore::kBucketEntries * 64);
    ASSERT_EQ(store.Entries(), 4u);
    const uint64_t old = store.NewSearch();
    store.Store(Key(100), 1, 0, old, 1, 0, Values(0));
    const uint64_t now = store.NewSearch();
    for (int i = 0; i < 3; ++i)
        store.Store(Key(i), 1, 0, now, 10 + i, 0, Values(static_cast<float>(i)));
    // The old search's entry and the unused one went first; now the smallest subtree goes.
    store.Store(Key(3), 1, 0, now, 50, 0, Values(3));
    store.Store(Key(4), 1, 0, now, 60, 0, Values(4));
    StoredNode found;
    EXPECT_FALSE(store.Probe(Key(100), 1, 0, old, found));
    EXPECT_FALSE(store.Probe(Key(0), 1, 0, now, found));
    for (int i : {1, 2, 3, 4})
        EXPECT_TRUE(store.Probe(Key(i), 1, 0, now, found)) << i;
}

}  // namespace
}  // namespace halmora
