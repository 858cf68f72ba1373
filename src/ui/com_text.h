// Text at the COM boundary: BSTR and VARIANT owners.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

// A move-only owner of one BSTR (null is the empty text, as in COM).
class UniqueBstr {
public:
    UniqueBstr() noexcept = default;
    explicit UniqueBstr(BSTR text) noexcept : text_(text) {}
    ~UniqueBstr() { ::SysFreeString(text_); }
    UniqueBstr(UniqueBstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept
    {
        std::swap(text_, other.text_);
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR Get() const noexcept { return text_; }

private:
    BSTR text_ = nullptr;
};

// A BSTR copy of the text; the empty text gives an allocated empty BSTR.
UniqueBstr WideToBstr(const std::wstring& text);

// A VARIANT that starts empty (VT_EMPTY) and is cleared when it goes.
class ScopedVariant {
public:
    ScopedVariant() noexcept { ::VariantInit(&value_); }
    ~ScopedVariant() { ::VariantClear(&value_); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;

    VARIANT* Get() noexcept { return &value_; }
    const VARIANT& operator*() const noexcept { return value_; }

private:
    VARIANT value_;
};
