#include "package/installation.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "text/wide_text.h"
#include "base/com_ptr.h"

namespace package_test {

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TolvrinShutdown";
constexpr char kProductName[] = "Tolvrin Shutdown Manager";

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return path;
}

// RegGetValueA with its type restriction: a value of another type reads as
// missing.
bool ReadUninstallValue(const char* name, DWORD typeFlag, void* data, DWORD* size)
{
    return ::RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, name, typeFlag, nullptr, data, size) == ERROR_SUCCESS;
}

}  // namespace

std::string PackagePath(const std::string& name)
{
    // The packages lie in the Unix build folder, which Wine shows on drive Z:.
    std::string path = "Z:" TOLVRIN_PACKAGES_DIR "/" + name;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string SetupPath()
{
    // Where Wine runs no 32-bit programs, scripts/package made the same
    // installer with a 64-bit stub for the tests.
    const std::string withX64Stub =
        PackagePath("../package-work/TolvrinShutdown-" TOLVRIN_VERSION "-setup-x64-stub.exe");
    if (FileExists(withX64Stub)) {
        return withX64Stub;
    }
    return PackagePath("TolvrinShutdown-" TOLVRIN_VERSION "-setup.exe");
}

std::string InstallFolder()
{
    return ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\" + kProductName;
}

std::string ShortcutPath()
{
    return ShellFolder(CSIDL_PROGRAMS) + "\\" + kProductName + ".lnk";
}

bool UninstallEntryExists()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

std::string UninstallText(const char* name)
{
    DWORD size = 0;
    if (!ReadUninstallValue(name, RRF_RT_REG_SZ, nullptr, &size) || size == 0) {
        return {};
    }
    std::vector<char> text(size);
    if (!ReadUninstallValue(name, RRF_RT_REG_SZ, text.data(), &size)) {
        return {};
    }
    return text.data();
}

DWORD UninstallNumber(const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    return ReadUninstallValue(name, RRF_RT_REG_DWORD, &value, &size) ? value : 0;
}

ShortcutTarget ReadShortcut(const std::string& shortcutPath)
{
    ShortcutTarget target;
    base::ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.PutVoid()))) {
        return target;
    }
    base::ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) {
        return target;
    }
    if (FAILED(file->Load(ToWide(shortcutPath).c_str(), STGM_READ))) {
        return target;
    }
    char text[MAX_PATH * 2] = {};
    if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, 0))) {
        target.path = text;
    }
    text[0] = '\0';
    if (SUCCEEDED(link->GetArguments(text, sizeof text))) {
        target.arguments = text;
    }
    return target;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string LanguageText(const std::string& languageFile, const char* key)
{
    char text[1024] = {};
    ::GetPrivateProfileStringA("String", key, "", text, sizeof text, languageFile.c_str());
    return text;
}

}  // namespace package_test
