#include "platform/ZeroedBlock.h"

#include <sys/mman.h>

#include <cstdint>

namespace halmora {
namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}

CZeroedBlock::CZeroedBlock(std::size_t bytes) : bytes_(bytes) {
    if (bytes == 0)
        return;
    // Anonymous pages read as zero; the extra huge page lets the block start on a boundary.
    mappedBytes_ = bytes + kHugePage;
    void* p =
        mmap(nullptr, mappedBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return;
    mapping_ = p;
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    data_ = reinterpret_cast<void*>(aligned);
    // Only advice: without huge pages the block works the same, a little slower.
    madvise(data_, bytes, MADV_HUGEPAGE);
}

CZeroedBlock::~CZeroedBlock() {
    if (mapping_ != nullptr)
        munmap(mapping_, mappedBytes_);
}

}  // namespace halmora
