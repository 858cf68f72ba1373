// The DLL's own allocation functions. The engine allocates with
// new (std::nothrow) only and checks for null; libstdc++'s nothrow operator
// new wraps the throwing one in a try block, which would link in the whole
// exception runtime (and the thread library it needs) for nothing. Replacing
// the global allocation functions is the language's own provision; the tests,
// which link the engine's code into their own executable, keep the standard
// ones.
#include <windows.h>

#include <cstddef>
#include <new>

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return ::HeapAlloc(::GetProcessHeap(), 0, size != 0 ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}

void operator delete(void* memory) noexcept
{
    if (memory != nullptr) {
        ::HeapFree(::GetProcessHeap(), 0, memory);
    }
}

void operator delete[](void* memory) noexcept { operator delete(memory); }
void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }
void operator delete[](void* memory, std::size_t) noexcept { operator delete(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { operator delete(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { operator delete(memory); }
