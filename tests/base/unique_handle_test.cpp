#include "base/unique_handle.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kTestKey[] = L"Software\\Tolvrin\\Tests\\UniqueRegistryKey";

HKEY CreateVolatileKey()
{
    HKEY key = nullptr;
    const LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_SET_VALUE, nullptr, &key, nullptr);
    return status == ERROR_SUCCESS ? key : nullptr;
}

LSTATUS SetNumber(HKEY key)
{
    const DWORD value = 1;
    return ::RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

class UniqueRegistryKeyTest : public ::testing::Test {
protected:
    void TearDown() override { ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(UniqueRegistryKeyTest, ClosesTheKeyWhenItGoes)
{
    const HKEY raw = CreateVolatileKey();
    ASSERT_NE(raw, nullptr);
    {
        const base::UniqueRegistryKey key(raw);
        EXPECT_EQ(SetNumber(key.Get()), ERROR_SUCCESS);
    }
    EXPECT_EQ(SetNumber(raw), ERROR_INVALID_HANDLE);
}

}  // namespace
