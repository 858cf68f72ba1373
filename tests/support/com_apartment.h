// COM for the test's thread, as start-up initialises it for the program:
// CoInitialize now, CoUninitialize when the object goes.
#pragma once

#include <objbase.h>

namespace test_support {

class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComApartment()
    {
        if (initialised_) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace test_support
