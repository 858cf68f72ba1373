// A combo box of a dialog template that remembers a value text for each of its
// items (the action list keeps "0".."5" behind its display texts), and whose
// window text, when set, selects an item instead of typing into the box.
#pragma once

#include "ui/subclass.h"

#include <windows.h>

#include <map>
#include <string>

class ValueComboBox : public ui::Subclass {
public:
    ValueComboBox() = default;
    ~ValueComboBox() override = default;

    // Takes over the combo box `id` of `dialog`.
    bool AttachTo(HWND dialog, int id);

    // Appends `displayText` to the list and remembers `valueText` for it. A
    // value given twice keeps the later display text.
    void AddItem(const std::string& displayText, const std::string& valueText);

    // The value of the item shown as `displayText` (exact bytes, case
    // sensitive); when several items show the same text, the one with the
    // lowest value in string order. A text that no item shows is its own value.
    std::string ValueOf(const std::string& displayText) const;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // `text` as WM_SETTEXT's lParam brought it (MessagesAreWide).
    void SelectByPrefix(LPARAM text);

    std::map<std::string, std::string> displayTextByValue_;
};
