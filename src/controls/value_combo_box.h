// A combo box of a dialog template whose items each carry a value as item
// data (the action list keeps the numbers of the actions behind their
// texts), and whose window text, when set, selects an item instead of typing
// into the box.
#pragma once

#include "ui/subclass.h"
#include "ui/window.h"

#include <windows.h>

#include <optional>
#include <string>

class ValueComboBox : public ui::Subclass {
public:
    ValueComboBox() = default;
    ~ValueComboBox() override = default;

    // Takes over the combo box `id` of `dialog`.
    bool AttachTo(ui::Window dialog, int id);

    // Appends `text` to the list with `value` as its item data; false when
    // the box is not attached or refused the item.
    bool AddItem(const std::string& text, LPARAM value);

    // The value of the selected item; nothing when no item is selected.
    // Items that show the same text (exact bytes, case sensitive) cannot be
    // told apart by the user: each of them stands for the lowest of their
    // values.
    std::optional<LPARAM> SelectedValue() const;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // `text` as WM_SETTEXT's lParam brought it (MessagesAreWide).
    void SelectByPrefix(LPARAM text);
    std::string ItemText(LRESULT index) const;
};
