// The version the build generates from project(VERSION) reaches both places
// that carry it: the version resource and the embedded manifest. The test
// executable links the program's own resources.
#include "version.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(VersionResourceTest, FixedFileInfoCarriesTheProjectsVersionNumbers)
{
    char path[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    const DWORD size = ::GetFileVersionInfoSizeA(path, nullptr);
    ASSERT_NE(0u, size);
    std::vector<char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, block.data()));
    void* data = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", &data, &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(data);

    const DWORD high = MAKELONG(TOLVRIN_VERSION_MINOR, TOLVRIN_VERSION_MAJOR);
    const DWORD low = MAKELONG(TOLVRIN_VERSION_TWEAK, TOLVRIN_VERSION_PATCH);
    EXPECT_EQ(high, info->dwFileVersionMS);
    EXPECT_EQ(low, info->dwFileVersionLS);
    EXPECT_EQ(high, info->dwProductVersionMS);
    EXPECT_EQ(low, info->dwProductVersionLS);
}

std::string EmbeddedManifest()
{
    HRSRC resource = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    if (resource == nullptr) {
        return std::string();
    }
    HGLOBAL loaded = ::LoadResource(nullptr, resource);
    const char* text = loaded != nullptr ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    return text != nullptr ? std::string(text, ::SizeofResource(nullptr, resource)) : std::string();
}

TEST(VersionResourceTest, EmbeddedManifestIsTheFilledInTemplate)
{
    const std::string manifest = EmbeddedManifest();
    ASSERT_NE(std::string::npos, manifest.find("name=\"Tolvrin.ShutdownManager\""));
    EXPECT_NE(std::string::npos, manifest.find("version=\"" TOLVRIN_VERSION_QUAD "\"")) << manifest;
    EXPECT_EQ(std::string::npos, manifest.find('@')) << "a placeholder was left in the manifest";
}

}  // namespace
