#include "skin/xml_config_reader.h"

#include "ui/com_text.h"

// IXMLDOMDocument2 in its vtable order; <msxml.h> stops at IXMLDOMDocument.
// Not in the unnamed namespace: GCC would see an interface with no class
// implementing it in this file and turn calls through it into traps.
struct DomDocument2 : public IXMLDOMDocument {
    virtual HRESULT STDMETHODCALLTYPE get_namespaces(IUnknown** collection) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_schemas(VARIANT* collection) = 0;
    virtual HRESULT STDMETHODCALLTYPE putref_schemas(VARIANT collection) = 0;
    virtual HRESULT STDMETHODCALLTYPE validate(IXMLDOMParseError** error) = 0;
    virtual HRESULT STDMETHODCALLTYPE setProperty(BSTR name, VARIANT value) = 0;
    virtual HRESULT STDMETHODCALLTYPE getProperty(BSTR name, VARIANT* value) = 0;

protected:
    ~DomDocument2() = default;
};

namespace {

// {2933BF90-7B36-11D2-B20E-00C04F983E60}: the version-independent DOMDocument
// of <msxml.h> (<msxml2.h> gives the name to another class).
constexpr CLSID kDomDocumentClsid = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
// {2933BF81-7B36-11D2-B20E-00C04F983E60}
constexpr IID kDomDocumentIid = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
// {2933BF95-7B36-11D2-B20E-00C04F983E60}
constexpr IID kDomDocument2Iid = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

constexpr DWORD kAnyContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// common.xml is a file anyone can replace: it must neither fetch a URL or a
// network path nor expand an entity bomb. Versions of the component that do
// not know ProhibitDTD refuse it and are still used.
void KeepFromReachingOut(IXMLDOMDocument& document)
{
    // load() returns before the file is parsed unless async is false, and the
    // reader relies on the document being complete when load returns.
    document.put_async(VARIANT_FALSE);
    document.put_resolveExternals(VARIANT_FALSE);
    document.put_validateOnParse(VARIANT_FALSE);
    ui::ComPtr<DomDocument2> document2;
    if (SUCCEEDED(document.QueryInterface(kDomDocument2Iid, document2.PutVoid())) && document2) {
        VARIANT prohibit;
        ::VariantInit(&prohibit);
        prohibit.vt = VT_BOOL;
        prohibit.boolVal = VARIANT_TRUE;
        const UniqueBstr name = WideToBstr(L"ProhibitDTD");
        document2->setProperty(name.Get(), prohibit);
    }
}

}  // namespace

XmlConfigReader::XmlConfigReader(const std::wstring& path)
{
    Load(path);
}

bool XmlConfigReader::Load(const std::wstring& path)
{
    loadedPath_.clear();
    document_.Reset();
    // No file, no parser: creating the component loads its DLL and the
    // networking libraries it links, for nothing to read.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    if (!parserLibrary_) {
        parserLibrary_ = ui::LoadSystemLibrary("msxml3.dll");
    }
    ::CoCreateInstance(kDomDocumentClsid, nullptr, kAnyContext, kDomDocumentIid, document_.PutVoid());
    if (!document_) {
        return false;
    }
    KeepFromReachingOut(*document_.Get());

    ScopedVariant source;
    source.Get()->vt = VT_BSTR;
    source.Get()->bstrVal = ::SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    if (source.Get()->bstrVal == nullptr) {
        source.Get()->vt = VT_ERROR;
        source.Get()->scode = E_OUTOFMEMORY;
    }
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document_->load(*source.Get(), &loaded);
    if (loaded != VARIANT_TRUE) {
        return false;
    }
    loadedPath_ = path;
    return true;
}

HRESULT XmlConfigReader::SelectNode(const std::wstring& xpath, ui::ComPtr<IXMLDOMNode>& node) const
{
    if (!document_) {
        return S_FALSE;
    }
    const UniqueBstr query = WideToBstr(xpath);
    return document_->selectSingleNode(query.Get(), node.Put());
}

HRESULT XmlConfigReader::GetAttribute(IXMLDOMNode* node, const std::wstring& name, VARIANT* value) const
{
    if (node == nullptr || !IsLoaded()) {
        return S_FALSE;
    }
    ui::ComPtr<IXMLDOMNamedNodeMap> attributes;
    node->get_attributes(attributes.Put());
    if (!attributes) {
        return S_FALSE;
    }
    ui::ComPtr<IXMLDOMNode> attribute;
    const UniqueBstr attributeName = WideToBstr(name);
    attributes->getNamedItem(attributeName.Get(), attribute.Put());
    if (!attribute) {
        return S_FALSE;
    }
    return attribute->get_nodeValue(value);
}

namespace {

std::wstring TextOf(VARIANT& value)
{
    ::VariantChangeType(&value, &value, 0, VT_BSTR);
    if (value.vt != VT_BSTR || value.bstrVal == nullptr) {
        return {};
    }
    return std::wstring(value.bstrVal, ::SysStringLen(value.bstrVal));
}

std::wstring AttributeText(const XmlConfigReader& reader, const wchar_t* xpath, const wchar_t* name)
{
    ui::ComPtr<IXMLDOMNode> node;
    reader.SelectNode(xpath, node);
    ScopedVariant value;
    reader.GetAttribute(node.Get(), name, value.Get());
    return TextOf(*value.Get());
}

SkinConfigTexts ReadWithDom(const std::wstring& path)
{
    const XmlConfigReader reader(path);
    if (!reader.IsLoaded()) {
        return {};
    }
    SkinConfigTexts texts;
    texts.rootpath = AttributeText(reader, L"/config/activateskin", L"rootpath");
    texts.uis = AttributeText(reader, L"/config/activateskin", L"uis");
    texts.gamma = AttributeText(reader, L"/config/SkinGamma", L"val");
    return texts;
}

}  // namespace

SkinConfigTexts ReadSkinConfigTextsWithDom(const std::wstring& path)
{
    SkinConfigTexts texts = ReadWithDom(path);
    ::CoFreeUnusedLibraries();
    return texts;
}
