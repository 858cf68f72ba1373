#include "support/template_dialog.h"

namespace test_support {
namespace {

// The procedure refuses WM_INITDIALOG's focus, so the dialog manager leaves
// the buttons' default-button styles exactly as the template has them.
INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

WORD WordAt(const std::vector<BYTE>& bytes, std::size_t offset)
{
    return offset + 1 < bytes.size() ? static_cast<WORD>(bytes[offset] | (bytes[offset + 1] << 8)) : 0;
}

// A DLGTEMPLATEEX field that is empty (0), a resource number (0xFFFF, n) or
// a zero-terminated UTF-16 string.
std::size_t SkipNameOrNumber(const std::vector<BYTE>& bytes, std::size_t offset)
{
    const WORD first = WordAt(bytes, offset);
    if (first == 0) {
        return offset + 2;
    }
    if (first == 0xFFFF) {
        return offset + 4;
    }
    while (offset < bytes.size() && WordAt(bytes, offset) != 0) {
        offset += 2;
    }
    return offset + 2;
}

// The offset of the point size in a DLGTEMPLATEEX with DS_SETFONT: after the
// fixed 26-byte head come the menu, the class and the caption.
std::size_t PointSizeOffset(const std::vector<BYTE>& bytes)
{
    constexpr std::size_t kFixedHead = 26;
    std::size_t offset = kFixedHead;
    for (int field = 0; field < 3; ++field) {
        offset = SkipNameOrNumber(bytes, offset);
    }
    return offset;
}

}  // namespace

TemplateDialog::TemplateDialog(int templateId, WORD pointSize)
{
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const auto* data = static_cast<const BYTE*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (data == nullptr) {
        return;
    }
    bytes_.assign(data, data + ::SizeofResource(module, resource));
    if (pointSize != 0) {
        const std::size_t offset = PointSizeOffset(bytes_);
        if (offset + 1 >= bytes_.size()) {
            return;
        }
        bytes_[offset] = static_cast<BYTE>(pointSize & 0xFF);
        bytes_[offset + 1] = static_cast<BYTE>(pointSize >> 8);
    }
    window_ = ::CreateDialogIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()), nullptr,
                                           &InertDialogProc, 0);
}

TemplateDialog::~TemplateDialog()
{
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

std::vector<HWND> ChildrenInTemplateOrder(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

RECT RectInDialog(HWND dialog, HWND child)
{
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace test_support
