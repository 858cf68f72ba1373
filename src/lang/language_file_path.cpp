#include "lang/language_file_path.h"

#include "text/module_path.h"
#include "text/path_rules.h"

std::wstring LanguageFilePath(HMODULE module)
{
    return LanguageFilePathFor(LongPathOf(ModuleFilePath(module)));
}

std::wstring LanguageFilePathFor(const std::wstring& modulePath)
{
    if (!HasFolder(modulePath)) {
        return {};
    }
    std::wstring path(FolderOf(modulePath));
    path += L'\\';
    path += WithoutExtension(NameOf(modulePath));
    return path + L".lng";
}
