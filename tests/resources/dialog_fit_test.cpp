// Every control of every dialog template with the texts of every shipped
// language, at 96 and at 144 DPI: inside its dialog, clear of the others, and
// with room for its whole text; a label's text fits even in a font one pixel
// taller, as fonts differ from one machine to the next. 144 DPI is laid out the way the system does it
// there: the template's 8 points become 12 at 96 DPI, the same pixels, and
// the dialog units follow the font.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <cwctype>
#include <vector>

#include "push_button_painter.h"
#include "resource.h"
#include "support/shipped_languages.h"
#include "support/template_dialog.h"

namespace {

using test_support::ShippedLanguage;
using test_support::ShownText;

constexpr int kTemplatePointSize = 8;
constexpr int kHeadingWeight = 900;  // the parameters dialog's two headings (text labels)

struct Dpi {
    int dpi;
    int Scale(int pixelsAt96) const { return ::MulDiv(pixelsAt96, dpi, 96); }
    WORD PointSize() const { return static_cast<WORD>(::MulDiv(kTemplatePointSize, dpi, 96)); }
};

std::wstring WideText(HWND window)
{
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::string Narrow(const std::wstring& key)
{
    return std::string(key.begin(), key.end());  // keys are ASCII
}

// Faces with the glyphs that the template's face may lack, tried in turn:
// Japanese (fonts-vlgothic), Chinese and Korean (fonts-wqy-zenhei), Greek and
// the rest (fonts-dejavu). The system draws such texts through font linking
// in a face of the script's own, whose ideographs and syllables are one em
// wide as here; the substitute of the template's face draws blank boxes,
// narrower, so it would measure nothing.
const wchar_t* const kScriptFaces[] = {L"VL Gothic", L"WenQuanYi Zen Hei", L"DejaVu Sans"};

// Whether `font` has a glyph of its own for every character of `text` but
// the line breaks.
bool HasEveryGlyph(HDC dc, HFONT font, const std::wstring& text)
{
    std::wstring drawn;
    for (const wchar_t c : text) {
        if (c >= L' ') {
            drawn += c;
        }
    }
    if (drawn.empty()) {
        return true;
    }
    std::vector<WORD> glyphs(drawn.size());
    const HGDIOBJ old = ::SelectObject(dc, font);
    const DWORD done = ::GetGlyphIndicesW(dc, drawn.c_str(), static_cast<int>(drawn.size()), glyphs.data(),
                                          GGI_MARK_NONEXISTING_GLYPHS);
    ::SelectObject(dc, old);
    return done != GDI_ERROR && std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

std::wstring FaceOf(HDC dc, HFONT font)
{
    wchar_t face[LF_FACESIZE] = {};
    const HGDIOBJ old = ::SelectObject(dc, font);
    ::GetTextFaceW(dc, LF_FACESIZE, face);
    ::SelectObject(dc, old);
    return face;
}

// Measures texts the way the controls draw them, in a font of the dialog's
// size: its own face when that has every glyph of `texts`, else the first
// face of kScriptFaces that has them.
class TextMeasure {
public:
    TextMeasure(HWND dialog, const std::wstring& texts) : dc_(::GetDC(dialog)), dialog_(dialog)
    {
        LOGFONTW logFont{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof logFont, &logFont);
        regular_ = ::CreateFontIndirectW(&logFont);
        covered_ = HasEveryGlyph(dc_, regular_, texts);
        for (const wchar_t* face : kScriptFaces) {
            if (covered_) {
                break;
            }
            LOGFONTW scriptFont = logFont;
            lstrcpyW(scriptFont.lfFaceName, face);
            scriptFont.lfCharSet = DEFAULT_CHARSET;
            const HFONT candidate = ::CreateFontIndirectW(&scriptFont);
            if (FaceOf(dc_, candidate) == face && HasEveryGlyph(dc_, candidate, texts)) {
                ::DeleteObject(regular_);
                regular_ = candidate;
                logFont = scriptFont;
                covered_ = true;
            } else {
                ::DeleteObject(candidate);
            }
        }
        logFont.lfWeight = kHeadingWeight;
        heading_ = ::CreateFontIndirectW(&logFont);
        // The same faces a pixel taller: the margin a label keeps.
        logFont.lfHeight += logFont.lfHeight < 0 ? -1 : 1;
        tallerHeading_ = ::CreateFontIndirectW(&logFont);
        logFont.lfWeight = FW_NORMAL;
        tallerRegular_ = ::CreateFontIndirectW(&logFont);
        face_ = FaceOf(dc_, regular_);
    }
    ~TextMeasure()
    {
        ::DeleteObject(regular_);
        ::DeleteObject(heading_);
        ::DeleteObject(tallerRegular_);
        ::DeleteObject(tallerHeading_);
        ::ReleaseDC(dialog_, dc_);
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    const std::wstring& Face() const { return face_; }
    // Whether the face measured in has every glyph of the texts.
    bool Covered() const { return covered_; }

    // The size of `text` wrapped at `width` (DT_WORDBREAK) or on one line;
    // `taller` measures it in the font one pixel taller.
    SIZE Measure(const std::wstring& text, int width, bool wrap, bool heading = false, bool taller = false) const
    {
        RECT rect{0, 0, width, 0};
        const HFONT font = taller ? (heading ? tallerHeading_ : tallerRegular_) : (heading ? heading_ : regular_);
        const HGDIOBJ old = ::SelectObject(dc_, font);
        ::DrawTextW(dc_, text.c_str(), -1, &rect, DT_CALCRECT | DT_EXPANDTABS | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
        ::SelectObject(dc_, old);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }

private:
    HDC dc_;
    HWND dialog_;
    HFONT regular_ = nullptr;
    HFONT heading_ = nullptr;
    HFONT tallerRegular_ = nullptr;
    HFONT tallerHeading_ = nullptr;
    std::wstring face_;
    bool covered_ = false;
};

void PrintTo(const Dpi& dpi, std::ostream* out) { *out << dpi.dpi << " DPI"; }

using Entries = std::map<std::string, std::string>;

// The language text of a key, as the program shows it; the key itself when
// the file has none.
std::wstring Shown(const Entries& entries, const ShippedLanguage& language, const std::string& key)
{
    const auto found = entries.find(key);
    return found == entries.end() ? std::wstring(key.begin(), key.end()) : ShownText(found->second, language.codePage);
}

// Every text of the dialog replaced by its language text, as the program's
// translation does.
void Translate(HWND dialog, const Entries& entries, const ShippedLanguage& language)
{
    ::SetWindowTextW(dialog, Shown(entries, language, Narrow(WideText(dialog))).c_str());
    for (HWND child : test_support::ChildrenInTemplateOrder(dialog)) {
        const std::wstring key = WideText(child);
        if (!key.empty()) {
            ::SetWindowTextW(child, Shown(entries, language, Narrow(key)).c_str());
        }
    }
}

using FitCase = std::tuple<int, Dpi, ShippedLanguage>;

class DialogFitTest : public ::testing::TestWithParam<FitCase> {
protected:
    void SetUp() override
    {
        templateId_ = std::get<0>(GetParam());
        dpi_ = std::get<1>(GetParam());
        language_ = std::get<2>(GetParam());
        entries_ = test_support::ReadLanguageEntries(test_support::ShippedLanguagePath(language_));
        ASSERT_FALSE(entries_.empty()) << "build the TolvrinShutdown target: it puts the language files there";
    }

    std::wstring Shown(const std::string& key) const { return ::Shown(entries_, language_, key); }

    // Texts a control shows besides its own: the lists' items.
    std::vector<std::wstring> ListItems(int id) const
    {
        if (id == IDC_ACTION) {
            std::vector<std::wstring> items;
            for (const char* key : {"_cbstandby", "_cbHibernate", "_cbShutdownpc", "_cbLogoffWindows",
                                    "_cbRestartWindows", "_cbPowerOffPC"}) {
                items.push_back(Shown(key));
            }
            return items;
        }
        return {L"23", L"59"};
    }

    void ExpectTextFits(HWND dialog, HWND child, const RECT& rect, const TextMeasure& measure) const
    {
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        const int id = ::GetDlgCtrlID(child);
        wchar_t className[32] = {};
        ::GetClassNameW(child, className, 32);
        const std::wstring text = WideText(child);
        const std::string what = "control " + std::to_string(id) + " (" + Narrow(className) + ")";

        if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT) {
            const bool heading = templateId_ == IDD_PARAMETERS && (id == IDC_ACTION_LABEL || id == IDC_TIMER_LABEL);
            const SIZE need = measure.Measure(text, width, true, heading, true);
            EXPECT_LE(need.cy, height) << what << ": its text, a pixel taller, is cut at the bottom";
            EXPECT_LE(need.cx, width) << what << ": a word of its text, a pixel taller, is wider than the control";
        } else if (lstrcmpiW(className, L"Button") == 0) {
            const bool checkBox = (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
            const int room = checkBox ? width - dpi_.Scale(::GetSystemMetrics(SM_CXMENUCHECK) + 4)
                                      : width - 2 * dpi_.Scale(4);
            EXPECT_LE(measure.Measure(text, room, false).cx, room)
                << what << ": its text does not fit on one line as the system draws it";
            EXPECT_LE(measure.Measure(text, room, false).cy, height) << what;
            if (!checkBox) {
                // The skin engine draws a push button's text itself, inside
                // its focus rectangle.
                const RECT skinned = skin::PushButtonTextRect(RECT{0, 0, width, height});
                const int skinnedRoom = skinned.right - skinned.left;
                EXPECT_LE(measure.Measure(text, skinnedRoom, false).cx, skinnedRoom)
                    << what << ": its text runs over the frame the skin engine draws";
            }
        } else if (lstrcmpiW(className, L"ComboBox") == 0) {
            const int room = width - dpi_.Scale(::GetSystemMetrics(SM_CXVSCROLL) + 6);
            for (const std::wstring& item : ListItems(id)) {
                EXPECT_LE(measure.Measure(item, room, false).cx, room) << what << ": an item is cut";
            }
        }
        (void)dialog;
    }

    int templateId_ = 0;
    Dpi dpi_{96};
    ShippedLanguage language_{};
    Entries entries_;
};

TEST_P(DialogFitTest, EveryControlIsInsideNoneOverlapsAndEveryTextFits)
{
    test_support::TemplateDialog dialog(templateId_, dpi_.PointSize());
    ASSERT_NE(dialog.Get(), nullptr);
    Translate(dialog.Get(), entries_, language_);
    // The texts measured: those of labels and buttons, and the lists' items.
    std::wstring texts;
    for (HWND child : test_support::ChildrenInTemplateOrder(dialog.Get())) {
        wchar_t className[32] = {};
        ::GetClassNameW(child, className, 32);
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        if (lstrcmpiW(className, L"Button") == 0 ||
            (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT)) {
            texts += WideText(child);
        } else if (lstrcmpiW(className, L"ComboBox") == 0) {
            for (const std::wstring& item : ListItems(::GetDlgCtrlID(child))) {
                texts += item;
            }
        }
    }
    const TextMeasure measure(dialog.Get(), texts);
    ASSERT_TRUE(measure.Covered()) << "no font with the glyphs of every text to measure with (measured in "
                                   << Narrow(measure.Face()) << "): scripts/lib/packages.sh installs the fonts";
    SCOPED_TRACE("measured in " + Narrow(measure.Face()));

    RECT client{};
    ::GetClientRect(dialog.Get(), &client);
    const std::vector<HWND> children = test_support::ChildrenInTemplateOrder(dialog.Get());
    std::vector<RECT> rects;
    for (HWND child : children) {
        rects.push_back(test_support::RectInDialog(dialog.Get(), child));
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        const RECT& r = rects[i];
        SCOPED_TRACE("control #" + std::to_string(i) + ", id " + std::to_string(::GetDlgCtrlID(children[i])));
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << r.left << "," << r.top << "," << r.right << "," << r.bottom << " outside 0,0," << client.right << ","
            << client.bottom;
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            RECT overlap{};
            EXPECT_FALSE(::IntersectRect(&overlap, &r, &rects[j])) << "overlaps control #" << j;
        }
        ExpectTextFits(dialog.Get(), children[i], r, measure);
    }
}

std::string FitCaseName(const ::testing::TestParamInfo<FitCase>& info)
{
    const int id = std::get<0>(info.param);
    const char* dialog = id == IDD_COUNTDOWN ? "Countdown" : id == IDD_PASSWORD ? "Password" : "Parameters";
    return std::string(dialog) + "_" + std::to_string(std::get<1>(info.param).dpi) + "dpi_" +
           std::get<2>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Shipped, DialogFitTest,
                         ::testing::Combine(::testing::Values(IDD_COUNTDOWN, IDD_PASSWORD, IDD_PARAMETERS),
                                            ::testing::Values(Dpi{96}, Dpi{144}),
                                            ::testing::ValuesIn(test_support::ShippedLanguages())),
                         FitCaseName);

// Alt+letter of each label of the parameters dialog reaches the control after
// it, in every language: the dialog manager moves the focus from a label to
// the next tab stop.
class ParametersMnemonicsTest : public ::testing::TestWithParam<ShippedLanguage> {};

TEST_P(ParametersMnemonicsTest, AltLetterOfEachLabelFocusesItsControl)
{
    const ShippedLanguage& language = GetParam();
    const Entries entries = test_support::ReadLanguageEntries(test_support::ShippedLanguagePath(language));
    test_support::TemplateDialog dialog(IDD_PARAMETERS);
    ASSERT_NE(dialog.Get(), nullptr);
    Translate(dialog.Get(), entries, language);
    ::ShowWindow(dialog.Get(), SW_SHOW);
    ::SetForegroundWindow(dialog.Get());

    const std::pair<int, int> labelled[] = {
        {IDC_ACTION_LABEL, IDC_ACTION},   {IDC_HOURS_LABEL, IDC_HOURS},
        {IDC_MINUTES_LABEL, IDC_MINUTES}, {IDC_SECONDS_LABEL, IDC_SECONDS},
        {IDC_USE_PASSWORD, IDC_USE_PASSWORD}, {IDC_PASSWORD_LABEL, IDC_PASSWORD},
        {IDC_PASSWORD_REPEAT_LABEL, IDC_PASSWORD_REPEAT},
    };
    for (const auto& [labelId, controlId] : labelled) {
        const std::wstring text = WideText(::GetDlgItem(dialog.Get(), labelId));
        const std::size_t amp = text.find(L'&');
        ASSERT_TRUE(amp != std::wstring::npos && amp + 1 < text.size()) << "no letter in label " << labelId;
        ::SetFocus(::GetDlgItem(dialog.Get(), IDOK));
        // WM_SYSCHAR with the Alt bit, as TranslateMessage makes it.
        MSG alt{::GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(std::towlower(text[amp + 1])),
                static_cast<LPARAM>(1) << 29, 0, {}};
        ::IsDialogMessageW(dialog.Get(), &alt);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog.Get(), controlId))
            << "Alt+" << static_cast<char>(text[amp + 1]) << " of label " << labelId;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ParametersMnemonicsTest, ::testing::ValuesIn(test_support::ShippedLanguages()),
                         [](const ::testing::TestParamInfo<ShippedLanguage>& info) { return info.param.name; });

}  // namespace
