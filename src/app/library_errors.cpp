// The functions through which the standard library's inline code reports
// errors, replaced for the executable only. libstdc++ keeps all of them in
// one object file whose error classes carry reference-counted strings of an
// older ABI; linking it brings that whole second string implementation and
// its helpers, about a tenth of the executable. Here the allocation failures
// stay the standard types the program catches (std::bad_alloc), and the
// other errors (a position past a string's end, a length beyond max_size),
// which only a fault of the program can cause, become one small
// std::exception: caught where std::exception is caught, as before, and
// otherwise ending the program through std::terminate, as before. The tests
// keep the library's own.
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryLogicError : public std::exception {
public:
    explicit LibraryLogicError(const char* what) noexcept : what_(what != nullptr ? what : "logic error") {}
    const char* what() const noexcept override { return what_; }

private:
    // The library passes literals (or, for the _fmt variant, the format).
    const char* what_;
};

[[noreturn]] void ThrowLogicError(const char* what)
{
    throw LibraryLogicError(what);
}

}  // namespace

// Linked from an object file of the executable, not from the core library,
// for the reason terminate_handler.cpp gives. All of the object file's
// functions are defined here, so that no reference ever brings it in.
namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* what) { ThrowLogicError(what); }
void __throw_domain_error(const char* what) { ThrowLogicError(what); }
void __throw_invalid_argument(const char* what) { ThrowLogicError(what); }
void __throw_length_error(const char* what) { ThrowLogicError(what); }
void __throw_out_of_range(const char* what) { ThrowLogicError(what); }
void __throw_out_of_range_fmt(const char* format, ...) { ThrowLogicError(format); }
void __throw_runtime_error(const char* what) { ThrowLogicError(what); }
void __throw_range_error(const char* what) { ThrowLogicError(what); }
void __throw_overflow_error(const char* what) { ThrowLogicError(what); }
void __throw_underflow_error(const char* what) { ThrowLogicError(what); }

}  // namespace std
