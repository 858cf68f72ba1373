#include "skin/skin_config.h"

#include <cfloat>
#include <cmath>
#include <cwctype>

#include "skin/absolute_path.h"
#include "skin/path_macros.h"
#include "skin/xml_number.h"
#include "text/module_path.h"

namespace {

// Attribute values lose their surrounding white space, as XML Schema's
// numbers do.
std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && std::iswspace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::iswspace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

float GammaOf(std::wstring_view text)
{
    // Not OLE Automation's VariantChangeTypeEx, as before: with the user's
    // locale it reads "1.5" as 15 where the decimal separator is a comma,
    // and even with LOCALE_INVARIANT it takes thousands separators, currency
    // signs and parentheses; and a run without a skin would load it only
    // for this.
    const std::optional<double> gamma = XmlNumberValue(Trimmed(text));
    if (!gamma || !std::isfinite(*gamma) || std::fabs(*gamma) > FLT_MAX) {
        return 0.0f;
    }
    return static_cast<float>(*gamma);
}

std::wstring SkinConfigPath()
{
    return ModuleFolder(nullptr) + L"\\common.xml";
}

SkinConfig SkinConfigOf(const SkinConfigTexts& texts)
{
    const std::wstring programFolder = ModuleFolder(nullptr);
    SkinConfig config;
    const std::wstring rootpath = path_macros::Expand(texts.rootpath);
    config.rootpath = AbsolutePathIn(programFolder, rootpath);
    // A rootpath refused (a device) is no skin, not the program's folder.
    if (config.rootpath.empty() == rootpath.empty()) {
        config.uis = AbsolutePathIn(config.rootpath.empty() ? programFolder : config.rootpath,
                                    path_macros::Expand(texts.uis));
    }
    config.gamma = GammaOf(texts.gamma);
    return config;
}

SkinConfig ReadSkinConfigFile(const std::wstring& path)
{
    return SkinConfigOf(ReadSkinConfigTexts(path));
}

SkinConfig ReadSkinConfig()
{
    return ReadSkinConfigFile(SkinConfigPath());
}
