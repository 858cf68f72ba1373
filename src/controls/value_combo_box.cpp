#include "controls/value_combo_box.h"

#include <algorithm>

bool ValueComboBox::AttachTo(ui::Window dialog, int id)
{
    return Attach(dialog.Item(id));
}

bool ValueComboBox::AddItem(const std::string& text, LPARAM value)
{
    if (!IsAttached()) {
        return false;
    }
    const LRESULT index = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR || index == CB_ERRSPACE) {
        return false;
    }
    return Send(CB_SETITEMDATA, static_cast<WPARAM>(index), value) != CB_ERR;
}

std::optional<LPARAM> ValueComboBox::SelectedValue() const
{
    const LRESULT selected = IsAttached() ? Send(CB_GETCURSEL) : CB_ERR;
    if (selected == CB_ERR) {
        return std::nullopt;
    }
    const std::string shown = ItemText(selected);
    LPARAM value = Send(CB_GETITEMDATA, static_cast<WPARAM>(selected));
    const LRESULT count = Send(CB_GETCOUNT);
    for (LRESULT index = 0; index < count; ++index) {
        if (index != selected && ItemText(index) == shown) {
            value = std::min<LPARAM>(value, Send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
        }
    }
    return value;
}

std::string ValueComboBox::ItemText(LRESULT index) const
{
    // CB_GETLBTEXTLEN may count more than CB_GETLBTEXT copies (double-byte
    // text): keep only what was copied.
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

bool ValueComboBox::ProcessMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_SETTEXT) {
        return false;
    }
    // CBS_SIMPLE, CBS_DROPDOWN and CBS_DROPDOWNLIST all have one of the two
    // lowest style bits set; anything else is left to the control.
    if ((Style() & 0x3) == 0) {
        return false;
    }
    SelectByPrefix(lParam);
    result = 0;
    return true;
}

void ValueComboBox::SelectByPrefix(LPARAM text)
{
    // A null text matches nothing: handing it to CB_SELECTSTRING would make
    // the list read through a null pointer.
    LRESULT index = CB_ERR;
    if (text != 0) {
        // CB_SELECTSTRING with -1 searches the whole list from the top for the
        // first item that begins with the text, ignoring case. Handed on with
        // the text in the form WM_SETTEXT brought it.
        index = CallPreviousProcedure(CB_SELECTSTRING, static_cast<WPARAM>(-1), text);
    }
    // CB_SELECTSTRING leaves the old selection when nothing matches; CB_ERR
    // given to CB_SETCURSEL clears it. Sent, not handed on: the chain is
    // handed on once per message.
    Send(CB_SETCURSEL, static_cast<WPARAM>(index));
}
