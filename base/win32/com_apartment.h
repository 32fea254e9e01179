#pragma once
#include "base/win32/com_library.h"

namespace dusk::win32 {

// COM for the calling thread, single-threaded apartment, for the life of the object.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(com::InitializeApartment())) {}
    ~ComApartment() {
        if (initialised_) com::UninitializeApartment();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace dusk::win32
