// Counts the test process's operator new calls and, on request, refuses them
// with std::bad_alloc: for code that must survive a failed allocation or must
// not allocate at all. The test executables replace the global operator new
// with a counting one that passes through to malloc.
#pragma once

#include <cstddef>

namespace test_support {

class AllocationWatch {
public:
    // Starts counting from zero, allocations allowed; allocations of at least
    // `largeBytes` are counted apart.
    explicit AllocationWatch(std::size_t largeBytes = static_cast<std::size_t>(-1));
    // Allows allocations again.
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    void FailAll(bool fail);
    // Allocations since the start, refused ones included.
    std::size_t Count() const;
    std::size_t Refused() const;
    std::size_t LargeCount() const;
};

}  // namespace test_support
