#include "controls/value_combo_box.h"

bool ValueComboBox::AttachTo(HWND dialog, int id)
{
    return Attach(::GetDlgItem(dialog, id));
}

void ValueComboBox::AddItem(const std::string& displayText, const std::string& valueText)
{
    if (IsAttached()) {
        ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(displayText.c_str()));
    }
    displayTextByValue_[valueText] = displayText;
}

std::string ValueComboBox::ValueOf(const std::string& displayText) const
{
    for (const auto& [value, shown] : displayTextByValue_) {
        if (shown == displayText) {
            return value;
        }
    }
    return displayText;
}

bool ValueComboBox::ProcessMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_SETTEXT) {
        return false;
    }
    // CBS_SIMPLE, CBS_DROPDOWN and CBS_DROPDOWNLIST all have one of the two
    // lowest style bits set; anything else is left to the control.
    const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
    if ((style & 0x3) == 0) {
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
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
