// A large block of memory that starts out zero and costs nothing until it is touched: pages are
// mapped on demand, and the block asks for huge pages so that random access over tens of
// megabytes does not thrash the address translation cache.
#pragma once

#include <cstddef>

namespace halmora {

class CZeroedBlock {
public:
    // Null Data() when the memory cannot be had.
    explicit CZeroedBlock(std::size_t bytes);
    ~CZeroedBlock();
    CZeroedBlock(const CZeroedBlock&) = delete;
    CZeroedBlock& operator=(const CZeroedBlock&) = delete;

    void* Data() const { return data_; }
    std::size_t Size() const { return data_ != nullptr ? bytes_ : 0; }

private:
    void* mapping_ = nullptr;
    std::size_t mappedBytes_ = 0;
    void* data_ = nullptr;
    std::size_t bytes_ = 0;
};

}  // namespace halmora
