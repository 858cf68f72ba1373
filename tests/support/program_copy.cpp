#include "support/program_copy.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "support/program_process.h"

namespace test_support {

ProgramCopy::ProgramCopy(Engine engine, const std::string& commonXml, CodePage codePage)
{
    const std::string program =
        TestBinaryFolder() + (codePage == CodePage::Utf8 ? "\\TolvrinShutdown.exe" : "\\TolvrinShutdownLegacyCodePage.exe");
    complete_ = !folder_.Path().empty() && ::CopyFileA(program.c_str(), ExePath().c_str(), FALSE) &&
                Copy("TolvrinShutdown.lng");
    if (engine == Engine::Included) {
        complete_ = complete_ && Copy("TolvrinSkin.dll");
    }
    for (const char* skin : {"light", "dark"}) {
        ::CreateDirectoryA(folder_.PathOf("skins").c_str(), nullptr);
        ::CreateDirectoryA(folder_.PathOf(std::string("skins\\") + skin).c_str(), nullptr);
        complete_ = complete_ && Copy(std::string("skins\\") + skin + "\\" + skin + ".ini");
    }
    if (!commonXml.empty()) {
        complete_ = complete_ && !folder_.Write("common.xml", commonXml).empty();
    }
}

bool ProgramCopy::Copy(const std::string& relativePath)
{
    const std::string source = TestBinaryFolder() + "\\" + relativePath;
    return ::CopyFileA(source.c_str(), folder_.PathOf(relativePath).c_str(), FALSE) != FALSE;
}

bool ProgramCopy::UseLanguageFile(const std::string& path) const
{
    return ::CopyFileA(path.c_str(), folder_.PathOf("TolvrinShutdown.lng").c_str(), FALSE) != FALSE;
}

std::string ShippedCommonXml()
{
    std::ifstream file(TestBinaryFolder() + "\\common.xml", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string CommonXmlForShippedSkin(const std::string& name, const std::string& gamma)
{
    return "<config><activateskin rootpath=\"%ModulePath%\\skins\\" + name + "\" uis=\"" + name +
           ".ini\"/><SkinGamma val=\"" + gamma + "\"/></config>";
}

}  // namespace test_support
