// A wide text on the process heap, for the engine's paths and names. The
// engine links no C++ string library (it would be most of the DLL), and paths
// stay UTF-16 from the BSTRs to the wide file calls, so that no name outside
// the ANSI code page is lost and no DBCS trail byte is taken for a separator.
#pragma once

#include <windows.h>

#include <cstddef>

namespace skin {

class WideString {
public:
    WideString() noexcept = default;
    // A copy of `length` characters of `text`; the empty text when memory
    // cannot be had, which names no file.
    WideString(const wchar_t* text, std::size_t length) noexcept;
    explicit WideString(const wchar_t* text) noexcept;
    ~WideString();
    WideString(const WideString& other) noexcept;
    WideString& operator=(const WideString& other) noexcept;
    WideString(WideString&& other) noexcept;
    WideString& operator=(WideString&& other) noexcept;

    // Appends `length` characters; false (and the empty text) when memory
    // cannot be had.
    bool Append(const wchar_t* text, std::size_t length) noexcept;
    bool Append(const wchar_t* text) noexcept;

    const wchar_t* c_str() const noexcept { return text_ != nullptr ? text_ : L""; }
    std::size_t size() const noexcept { return length_; }
    bool empty() const noexcept { return length_ == 0; }
    wchar_t back() const noexcept { return length_ != 0 ? text_[length_ - 1] : L'\0'; }

private:
    void Clear() noexcept;

    wchar_t* text_ = nullptr;
    std::size_t length_ = 0;
};

std::size_t WideLength(const wchar_t* text) noexcept;

}  // namespace skin
