// A move-only owner of one COM interface reference.
#pragma once

#include <unknwn.h>

#include <utility>

namespace base {

template <typename Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { Reset(); }

    ComPtr(ComPtr&& other) noexcept : ptr_(other.Detach()) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            ptr_ = other.Detach();
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const noexcept { return ptr_; }
    Interface* operator->() const noexcept { return ptr_; }
    explicit operator bool() const noexcept { return ptr_ != nullptr; }

    // For out-parameters of COM calls: releases what is held first.
    Interface** Put() noexcept
    {
        Reset();
        return &ptr_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    Interface* Detach() noexcept { return std::exchange(ptr_, nullptr); }

    void Reset() noexcept
    {
        if (Interface* old = std::exchange(ptr_, nullptr)) {
            old->Release();
        }
    }

private:
    Interface* ptr_ = nullptr;
};

}  // namespace base
