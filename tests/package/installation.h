// What the installer leaves on the machine, read the way Windows shows it: the
// install folder, the Start-menu shortcut and the uninstall entry in HKCU; and
// where scripts/package put the packages.
#pragma once

#include <windows.h>

#include <string>

namespace package_test {

// A file scripts/package wrote into build/packages, as a Windows path.
std::string PackagePath(const std::string& name);
// The installer of this build's version (on a machine whose Wine runs no
// 32-bit programs, the same installer with a 64-bit stub).
std::string SetupPath();

// %LOCALAPPDATA%\Programs\Tolvrin Shutdown Manager
std::string InstallFolder();
// The Start-menu shortcut in the user's Programs folder.
std::string ShortcutPath();

bool UninstallEntryExists();
// A REG_SZ value of the uninstall entry; "" when missing.
std::string UninstallText(const char* name);
// A REG_DWORD value of the uninstall entry; 0 when missing.
DWORD UninstallNumber(const char* name);

struct ShortcutTarget {
    std::string path;
    std::string arguments;
};
// Through IShellLink; empty fields when the shortcut cannot be read.
ShortcutTarget ReadShortcut(const std::string& shortcutPath);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The whole file; "" when it cannot be read.
std::string FileBytes(const std::string& path);
// The text of `key` in the [String] section of a language file.
std::string LanguageText(const std::string& languageFile, const char* key);

}  // namespace package_test
