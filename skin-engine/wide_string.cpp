#include "wide_string.h"

namespace skin {
namespace {

wchar_t* Allocate(std::size_t length) noexcept
{
    return static_cast<wchar_t*>(::HeapAlloc(::GetProcessHeap(), 0, (length + 1) * sizeof(wchar_t)));
}

}  // namespace

std::size_t WideLength(const wchar_t* text) noexcept
{
    return text != nullptr ? static_cast<std::size_t>(::lstrlenW(text)) : 0;
}

WideString::WideString(const wchar_t* text, std::size_t length) noexcept
{
    Append(text, length);
}

WideString::WideString(const wchar_t* text) noexcept : WideString(text, WideLength(text)) {}

WideString::~WideString()
{
    Clear();
}

WideString::WideString(const WideString& other) noexcept : WideString(other.c_str(), other.size()) {}

WideString& WideString::operator=(const WideString& other) noexcept
{
    if (this != &other) {
        Clear();
        Append(other.c_str(), other.size());
    }
    return *this;
}

WideString::WideString(WideString&& other) noexcept : text_(other.text_), length_(other.length_)
{
    other.text_ = nullptr;
    other.length_ = 0;
}

WideString& WideString::operator=(WideString&& other) noexcept
{
    if (this != &other) {
        Clear();
        text_ = other.text_;
        length_ = other.length_;
        other.text_ = nullptr;
        other.length_ = 0;
    }
    return *this;
}

bool WideString::Append(const wchar_t* text, std::size_t length) noexcept
{
    if (length == 0) {
        return true;
    }
    wchar_t* joined = Allocate(length_ + length);
    if (joined == nullptr) {
        Clear();
        return false;
    }
    if (length_ != 0) {
        ::CopyMemory(joined, text_, length_ * sizeof(wchar_t));
    }
    ::CopyMemory(joined + length_, text, length * sizeof(wchar_t));
    const std::size_t joinedLength = length_ + length;
    joined[joinedLength] = L'\0';
    Clear();
    text_ = joined;
    length_ = joinedLength;
    return true;
}

bool WideString::Append(const wchar_t* text) noexcept
{
    return Append(text, WideLength(text));
}

void WideString::Clear() noexcept
{
    if (text_ != nullptr) {
        ::HeapFree(::GetProcessHeap(), 0, text_);
    }
    text_ = nullptr;
    length_ = 0;
}

}  // namespace skin
