#include "skin/skin_config.h"

#include <cfloat>
#include <cmath>
#include <cwctype>

#include "skin/absolute_path.h"
#include "skin/path_macros.h"
#include "skin/xml_config_reader.h"
#include "text/module_path.h"
#include "ui/com_text.h"

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// XML Schema's decimal and float lexical forms, without the words INF and
// NaN: VariantChangeTypeEx would also take thousands separators ("1,5" as
// 15), currency signs and parentheses.
bool IsXmlNumber(const std::wstring& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == L'.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
        }
        if (i == exponentStart) {
            return false;
        }
    }
    return i == text.size();
}

// Attribute values lose their surrounding white space, as XML Schema's
// numbers do.
std::wstring Trimmed(const wchar_t* text, std::size_t length)
{
    std::size_t begin = 0;
    while (begin < length && std::iswspace(text[begin])) {
        ++begin;
    }
    while (length > begin && std::iswspace(text[length - 1])) {
        --length;
    }
    return std::wstring(text + begin, length - begin);
}

std::wstring TextOf(VARIANT& value)
{
    ::VariantChangeType(&value, &value, 0, VT_BSTR);
    if (value.vt != VT_BSTR || value.bstrVal == nullptr) {
        return {};
    }
    return path_macros::Expand(std::wstring(value.bstrVal, ::SysStringLen(value.bstrVal)));
}

// The file's three values as it writes them: the reader and its document
// are gone when this returns.
struct FileValues {
    std::wstring rootpath;
    std::wstring uis;
    float gamma = 0.0f;
};

FileValues ReadValues(const std::wstring& path)
{
    const XmlConfigReader reader(path);
    // Nothing read, nothing to convert: a run without the file never loads
    // OLE Automation. The values are what an empty document gives.
    if (!reader.IsLoaded()) {
        return {};
    }
    ScopedVariant rootpath;
    ScopedVariant uis;
    ScopedVariant gamma;
    {
        ui::ComPtr<IXMLDOMNode> node;
        reader.SelectNode(L"/config/activateskin", node);
        reader.GetAttribute(node.Get(), L"rootpath", rootpath.Get());
    }
    {
        ui::ComPtr<IXMLDOMNode> node;
        reader.SelectNode(L"/config/activateskin", node);
        reader.GetAttribute(node.Get(), L"uis", uis.Get());
    }
    {
        ui::ComPtr<IXMLDOMNode> node;
        reader.SelectNode(L"/config/SkinGamma", node);
        reader.GetAttribute(node.Get(), L"val", gamma.Get());
    }
    FileValues values;
    values.rootpath = TextOf(*rootpath.Get());
    values.uis = TextOf(*uis.Get());
    ::VariantChangeType(gamma.Get(), gamma.Get(), 0, VT_BSTR);
    values.gamma = GammaOf(*gamma);
    return values;
}

}  // namespace

float GammaOf(const VARIANT& value)
{
    if (value.vt != VT_BSTR || value.bstrVal == nullptr) {
        return 0.0f;
    }
    ScopedVariant number;
    number.Get()->vt = VT_BSTR;
    number.Get()->bstrVal = ::SysAllocString(
        Trimmed(value.bstrVal, ::SysStringLen(value.bstrVal)).c_str());
    if (number.Get()->bstrVal == nullptr || !IsXmlNumber(number.Get()->bstrVal)) {
        return 0.0f;
    }
    // VariantChangeType (flags 0) reads the user's locale: with a decimal
    // comma "1.5" would become 15. XML writes numbers the invariant way.
    ::VariantChangeTypeEx(number.Get(), number.Get(), LOCALE_INVARIANT, 0, VT_R8);
    if ((*number).vt != VT_R8) {
        return 0.0f;
    }
    const double gamma = (*number).dblVal;
    if (!std::isfinite(gamma) || std::fabs(gamma) > FLT_MAX) {
        return 0.0f;
    }
    return static_cast<float>(gamma);
}

std::wstring SkinConfigPath()
{
    return ModuleFolderW(nullptr) + L"\\common.xml";
}

SkinConfig ReadSkinConfigFile(const std::wstring& path)
{
    FileValues values = ReadValues(path);
    // The document is released: the DOM component's DLL, and the networking
    // libraries it brought in, would otherwise stay for the whole run.
    ::CoFreeUnusedLibraries();

    const std::wstring programFolder = ModuleFolderW(nullptr);
    SkinConfig config;
    config.rootpath = AbsolutePathIn(programFolder, values.rootpath);
    // A rootpath refused (a device) is no skin, not the program's folder.
    if (config.rootpath.empty() == values.rootpath.empty()) {
        config.uis = AbsolutePathIn(config.rootpath.empty() ? programFolder : config.rootpath, values.uis);
    }
    config.gamma = values.gamma;
    return config;
}

SkinConfig ReadSkinConfig()
{
    return ReadSkinConfigFile(SkinConfigPath());
}
