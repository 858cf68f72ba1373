// A dialog that handles nothing itself: the parent of the controls and
// subclasses that the window framework's and the controls' tests put on it.
#pragma once

#include <windows.h>

#include "ui/dialog.h"

namespace test_support {

class HostDialog : public ui::Dialog {
public:
    ~HostDialog() override = default;

protected:
    bool ProcessMessage(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
};

}  // namespace test_support
