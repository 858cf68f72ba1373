#include "lang/language_file.h"

#include "text/text_file.h"

std::wstring DecodeLanguageFile(std::string_view bytes, UINT legacyCodePage)
{
    std::wstring text(DecodeTextFile(bytes.data(), bytes.size(), legacyCodePage, nullptr, 0), L'\0');
    text.resize(DecodeTextFile(bytes.data(), bytes.size(), legacyCodePage, text.data(), text.size()));
    return text;
}
