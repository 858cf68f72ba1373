#include "skin/skin_config_xml.h"

#include <windows.h>
#include <objidl.h>
#include <xmllite.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/config_file_bytes.h"
#include "base/com_ptr.h"
#include "ui/system_library.h"

namespace {

// {7279FC81-709D-4095-B63D-69FE4B0D9030}: MinGW declares it, but no import
// library of its own defines it.
constexpr IID kXmlReaderIid = {0x7279FC81, 0x709D, 0x4095, {0xB6, 0x3D, 0x69, 0xFE, 0x4B, 0x0D, 0x90, 0x30}};

// MinGW has <xmllite.h> but no xmllite import library; the function is taken
// from the system folder's DLL as the program takes its other libraries.
using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// The bytes as a stream in memory: the parser gets no path and so can never
// resolve one itself, as a file name or as a URL.
base::ComPtr<IStream> MemoryStream(const std::string& bytes)
{
    base::ComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()))) {
        return {};
    }
    ULONG written = 0;
    LARGE_INTEGER start{};
    if (FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) ||
        written != bytes.size() || FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr))) {
        return {};
    }
    return stream;
}

// The current node's name has no prefix and is `name` letter for letter.
// A default namespace (xmlns="...") changes nothing, as it never did for
// common.xml.
bool IsPlainName(IXmlReader& reader, std::wstring_view name)
{
    const wchar_t* text = nullptr;
    UINT length = 0;
    if (FAILED(reader.GetPrefix(&text, &length)) || length != 0) {
        return false;
    }
    return SUCCEEDED(reader.GetLocalName(&text, &length)) && std::wstring_view(text, length) == name;
}

std::wstring CurrentValue(IXmlReader& reader)
{
    const wchar_t* text = nullptr;
    UINT length = 0;
    if (FAILED(reader.GetValue(&text, &length)) || text == nullptr) {
        return {};
    }
    return std::wstring(text, length);
}

// The values of the attributes named `first` and `second` (may be empty) of
// the element the reader stands on; the reader is left on an attribute.
void ReadAttributes(IXmlReader& reader, std::wstring_view first, std::wstring* firstValue, std::wstring_view second,
                    std::wstring* secondValue)
{
    for (HRESULT hr = reader.MoveToFirstAttribute(); hr == S_OK; hr = reader.MoveToNextAttribute()) {
        if (IsPlainName(reader, first)) {
            *firstValue = CurrentValue(reader);
        } else if (secondValue != nullptr && IsPlainName(reader, second)) {
            *secondValue = CurrentValue(reader);
        }
    }
}

// Whether an attribute name occurs twice on the element the reader stands
// on, which no well-formed document has (and Wine's parser lets pass); the
// reader is left on an attribute or on the element.
bool HasARepeatedAttribute(IXmlReader& reader)
{
    std::vector<std::wstring> names;
    for (HRESULT hr = reader.MoveToFirstAttribute(); hr == S_OK; hr = reader.MoveToNextAttribute()) {
        const wchar_t* text = nullptr;
        UINT length = 0;
        if (FAILED(reader.GetQualifiedName(&text, &length))) {
            return true;
        }
        std::wstring name(text, length);
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            return true;
        }
        names.push_back(std::move(name));
    }
    reader.MoveToElement();
    return false;
}

// The values, or nothing when the document is not well-formed: every node is
// read to the end, for a truncated file is no configuration.
std::optional<SkinConfigTexts> ReadDocument(IXmlReader& reader, std::size_t characters)
{
    SkinConfigTexts texts;
    bool rootSeen = false;
    bool rootIsConfig = false;
    bool activateSkinSeen = false;
    bool gammaSeen = false;
    // Elements opened and not yet closed: checked here too, so that a parser
    // that took the end of the input for the end of the document would not
    // make a truncated file count.
    UINT open = 0;
    // Each node takes at least one character of the input: a parser that
    // kept reporting nodes beyond that would be going round in circles.
    std::size_t nodesLeft = characters;
    XmlNodeType type = XmlNodeType_None;
    HRESULT hr = S_OK;
    while ((hr = reader.Read(&type)) == S_OK) {
        if (nodesLeft-- == 0) {
            return std::nullopt;
        }
        if (type == XmlNodeType_EndElement) {
            if (open == 0) {
                return std::nullopt;
            }
            --open;
            continue;
        }
        if (type != XmlNodeType_Element) {
            continue;
        }
        UINT depth = 0;
        if (FAILED(reader.GetDepth(&depth))) {
            return std::nullopt;
        }
        if (!reader.IsEmptyElement()) {
            ++open;
        }
        if (HasARepeatedAttribute(reader)) {
            return std::nullopt;
        }
        if (depth == 0) {
            // One root only.
            if (rootSeen) {
                return std::nullopt;
            }
            rootSeen = true;
            rootIsConfig = IsPlainName(reader, L"config");
        } else if (depth == 1 && rootIsConfig) {
            if (!activateSkinSeen && IsPlainName(reader, L"activateskin")) {
                activateSkinSeen = true;
                ReadAttributes(reader, L"rootpath", &texts.rootpath, L"uis", &texts.uis);
            } else if (!gammaSeen && IsPlainName(reader, L"SkinGamma")) {
                gammaSeen = true;
                ReadAttributes(reader, L"val", &texts.gamma, L"", nullptr);
            }
        }
    }
    if (hr != S_FALSE || !rootSeen || open != 0) {
        return std::nullopt;
    }
    return texts;
}

// A cheap look at the bytes, in UTF-16 with a byte order mark or in an
// encoding where ASCII characters are single bytes: a well-formed document
// ends in '>' after white space (its last markup is the root's end tag, a
// comment or a processing instruction) and holds the end of an element
// ("/>" or "</"). A document cut short, or one of a declaration alone, is
// refused here before the parser sees it: Wine's parser waits for more input
// in the one case and fails an assertion in the other.
bool LooksLikeADocument(const std::string& bytes)
{
    const bool littleEndian = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
    const bool bigEndian = bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF';
    const std::size_t unitSize = littleEndian || bigEndian ? 2 : 1;
    if (bytes.size() % unitSize != 0) {
        return false;
    }
    const std::size_t first = unitSize == 2 ? 1 : 0;
    const std::size_t units = bytes.size() / unitSize;
    const auto unit = [&](std::size_t index) {
        const unsigned a = static_cast<unsigned char>(bytes[index * unitSize]);
        if (unitSize == 1) {
            return a;
        }
        const unsigned b = static_cast<unsigned char>(bytes[index * unitSize + 1]);
        return littleEndian ? a | b << 8 : a << 8 | b;
    };
    std::size_t end = units;
    while (end > first && (unit(end - 1) == ' ' || unit(end - 1) == '\t' || unit(end - 1) == '\r' ||
                           unit(end - 1) == '\n')) {
        --end;
    }
    if (end == first || unit(end - 1) != '>') {
        return false;
    }
    for (std::size_t i = first; i + 1 < end; ++i) {
        if ((unit(i) == '/' && unit(i + 1) == '>') || (unit(i) == '<' && unit(i + 1) == '/')) {
            return true;
        }
    }
    return false;
}

}  // namespace

SkinConfigTexts ReadSkinConfigTexts(const std::wstring& path)
{
    // No file, no parser: the DLL is loaded only for bytes to read.
    const std::optional<std::string> bytes = ReadConfigFileBytes(path);
    if (!bytes || !LooksLikeADocument(*bytes)) {
        return {};
    }
    const ui::UniqueModule library = ui::LoadSystemLibrary("xmllite.dll");
    const auto createReader = ui::SystemFunction<CreateXmlReaderFunction>(library.Get(), "CreateXmlReader");
    if (createReader == nullptr) {
        return {};
    }
    // Released before the library goes (declared after it).
    base::ComPtr<IXmlReader> reader;
    const base::ComPtr<IStream> stream = MemoryStream(*bytes);
    if (!stream || FAILED(createReader(kXmlReaderIid, reader.PutVoid(), nullptr)) || !reader) {
        return {};
    }
    // Prohibited is the parser's default; said here all the same: a file
    // with a DTD, and so with entities of its own, internal or external, is
    // refused whole.
    if (FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(stream.Get()))) {
        return {};
    }
    return ReadDocument(*reader.Get(), bytes->size()).value_or(SkinConfigTexts{});
}
