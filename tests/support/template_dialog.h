// A dialog built from one of the program's templates with a procedure that
// does nothing: the template as the dialog manager lays it out, for tests of
// the templates themselves. Optionally at another point size, which lays it
// out as the system does at another DPI (8 points at 144 DPI is 12 at 96).
#pragma once

#include <windows.h>

#include <vector>

namespace test_support {

class TemplateDialog {
public:
    // `pointSize` 0 keeps the template's own.
    explicit TemplateDialog(int templateId, WORD pointSize = 0);
    ~TemplateDialog();
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    HWND Get() const { return window_; }

private:
    std::vector<BYTE> bytes_;
    HWND window_ = nullptr;
};

// The dialog's child windows in template order (which is the tab order).
std::vector<HWND> ChildrenInTemplateOrder(HWND dialog);

// A child's window rectangle in the dialog's client coordinates.
RECT RectInDialog(HWND dialog, HWND child);

}  // namespace test_support
