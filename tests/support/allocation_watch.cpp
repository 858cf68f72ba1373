#include "support/allocation_watch.h"

#include <cstdlib>
#include <new>

namespace {

// Plain counters: the GUI tests run on one thread, and nothing here may
// allocate.
std::size_t count = 0;
std::size_t refused = 0;
std::size_t largeCount = 0;
std::size_t largeThreshold = static_cast<std::size_t>(-1);
bool failing = false;

}  // namespace

// operator new[] and the nothrow forms of the runtime come here too.
void* operator new(std::size_t size)
{
    ++count;
    if (size >= largeThreshold) {
        ++largeCount;
    }
    if (failing) {
        ++refused;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace test_support {

AllocationWatch::AllocationWatch(std::size_t largeBytes)
{
    largeThreshold = largeBytes;
    count = 0;
    refused = 0;
    largeCount = 0;
    failing = false;
}

AllocationWatch::~AllocationWatch()
{
    failing = false;
    largeThreshold = static_cast<std::size_t>(-1);
}

void AllocationWatch::FailAll(bool fail)
{
    failing = fail;
}

std::size_t AllocationWatch::Count() const
{
    return count;
}

std::size_t AllocationWatch::Refused() const
{
    return refused;
}

std::size_t AllocationWatch::LargeCount() const
{
    return largeCount;
}

}  // namespace test_support
