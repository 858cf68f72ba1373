#include "support/shipped_languages.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/program_process.h"
#include "text/escapes.h"
#include "text/wide_text.h"

namespace test_support {
namespace {

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string Unquoted(const std::string& text)
{
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

}  // namespace

const std::vector<ShippedLanguage>& ShippedLanguages()
{
    static const std::vector<ShippedLanguage> languages = {
        // Every one saved in UTF-8 with a byte-order mark (those of version
        // 1.1, in the legacy code pages, are LanguagePathOfVersion11).
        {"English", CP_UTF8}, {"German", CP_UTF8}, {"French", CP_UTF8}, {"Spanish", CP_UTF8},
        {"Italian", CP_UTF8}, {"Dutch", CP_UTF8},  {"Japanese", CP_UTF8},
        {"PortugueseBrazil", CP_UTF8}, {"Polish", CP_UTF8},  {"Czech", CP_UTF8},
        {"Russian", CP_UTF8},          {"Ukrainian", CP_UTF8}, {"Greek", CP_UTF8},
        {"Turkish", CP_UTF8},          {"Swedish", CP_UTF8}, {"Hungarian", CP_UTF8},
        {"ChineseSimplified", CP_UTF8}, {"ChineseTraditional", CP_UTF8}, {"Korean", CP_UTF8},
        {"Danish", CP_UTF8},
    };
    return languages;
}

std::string ShippedLanguagePath(const ShippedLanguage& language)
{
    return TestBinaryFolder() + "\\languages\\" + language.name + ".lng";
}

const std::vector<std::string>& ProgramLanguageKeys()
{
    static const std::vector<std::string> keys = {
        // Message boxes.
        "_AppName", "_AlreadyRunningAnInstance", "_InvalidPsw", "_PswsNotMatched", "_EmptyPsw",
        "_PswNotInCodePage",
        // The countdown's information text and the actions' names in it.
        "_InformationFormate", "_Standby", "_Hibernate", "_Shutdown", "_Logoff", "_RestartPC", "_PowerOffPC",
        // Tray menu.
        "_TrayDispInfo", "_TrayHideInfo", "_TrayCancel",
        // The parameters dialog's action list.
        "_cbstandby", "_cbHibernate", "_cbShutdownpc", "_cbLogoffWindows", "_cbRestartWindows", "_cbPowerOffPC",
        // Template 129, the countdown window.
        "_Cancel", "_Hide", "_Info",
        // Template 201, the password prompt.
        "_EnterPsw", "_EnterPswInfo", "OK", "Cancel",
        // Template 202, the parameters dialog.
        "_EnterParams", "_EnerParamsInfo", "_OK", "_Selectanaction", "_SetTimer", "_Hours", "_Mins", "_Secs",
        "_Usemustenterpswtocancel", "_asdPassword", "_asdPasswordre", "_LegalNotice", "_Copyright",
    };
    return keys;
}

std::string LanguagePathOfVersion11(const std::string& name)
{
    return TestBinaryFolder() + "\\languages-1.1\\" + name + ".lng";
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::map<std::string, std::string> ReadLanguageEntries(const std::string& path, std::vector<std::string>* duplicates)
{
    std::map<std::string, std::string> entries;
    std::map<std::string, bool> seen;
    std::string bytes = ReadFileBytes(path);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);  // the byte-order mark of UTF-8
    }
    std::istringstream lines(bytes);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';') {
            continue;
        }
        if (trimmed[0] == '[') {
            inSection = Lower(trimmed) == "[string]";
            continue;
        }
        const std::size_t equals = trimmed.find('=');
        if (!inSection || equals == std::string::npos) {
            continue;
        }
        const std::string key = Trim(trimmed.substr(0, equals));
        if (seen[Lower(key)] && duplicates != nullptr) {
            duplicates->push_back(key);
        }
        seen[Lower(key)] = true;
        entries[key] = Unquoted(Trim(trimmed.substr(equals + 1)));
    }
    return entries;
}

std::wstring ShownText(const std::string& text, unsigned int codePage)
{
    std::wstring wide;
    ToWideExactly(ExpandEscapes(text, codePage), wide, codePage);
    return wide;
}

}  // namespace test_support
