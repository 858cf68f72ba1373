// The handler std::terminate calls by default, replaced for the executable
// only. libstdc++'s own prints the uncaught exception's demangled type to
// standard error, which a windowed program does not have; its demangler and
// the printf behind it are about a tenth of the executable. The tests keep
// the verbose one.
#include <cstdlib>

namespace __gnu_cxx {

// Linked from an object file of the executable, not from the core library:
// the library is searched before libstdc++ pulls in the reference, so a
// definition there would not be seen.
void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx
