#include "support/shown_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "resource.h"
#include "support/window_finder.h"

namespace test_support {

void ExpectParametersDialogShows(HWND dialog, const ShownTextOf& shown)
{
    EXPECT_EQ(ControlTextW(dialog), shown("_EnterParams"));
    const std::pair<int, const char*> controls[] = {
        {IDOK, "_OK"},
        {IDCANCEL, "_Cancel"},
        {IDC_ACTION_LABEL, "_Selectanaction"},
        {IDC_TIMER_LABEL, "_SetTimer"},
        {IDC_HOURS_LABEL, "_Hours"},
        {IDC_MINUTES_LABEL, "_Mins"},
        {IDC_SECONDS_LABEL, "_Secs"},
        {IDC_USE_PASSWORD, "_Usemustenterpswtocancel"},
        {IDC_PASSWORD_LABEL, "_asdPassword"},
        {IDC_PASSWORD_REPEAT_LABEL, "_asdPasswordre"},
    };
    for (const auto& [id, key] : controls) {
        EXPECT_EQ(ControlTextW(::GetDlgItem(dialog, id)), shown(key)) << key;
    }
    std::vector<std::wstring> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(ControlTextW(child));
    }
    for (const char* key : {"_EnerParamsInfo", "_LegalNotice", "_Copyright"}) {
        EXPECT_NE(std::find(children.begin(), children.end(), shown(key)), children.end()) << key;
    }
    // CB_GETLBTEXT across processes: Wine returns one character of an ANSI
    // item, the whole of a wide one.
    const char* const actions[] = {"_cbstandby",       "_cbHibernate",      "_cbShutdownpc",
                                   "_cbLogoffWindows", "_cbRestartWindows", "_cbPowerOffPC"};
    const HWND list = ::GetDlgItem(dialog, IDC_ACTION);
    for (int index = 0; index < 6; ++index) {
        wchar_t item[512] = {};
        ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(std::wstring(item), shown(actions[index])) << actions[index];
    }
}

}  // namespace test_support
