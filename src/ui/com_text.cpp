#include "ui/com_text.h"

UniqueBstr WideToBstr(const std::wstring& text)
{
    return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}
