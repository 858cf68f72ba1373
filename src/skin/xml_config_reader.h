// A small reader of XML configuration files (common.xml) on the platform's
// DOM component: the first node an XPath selects, and its attributes' values.
#pragma once

#include <windows.h>
#include <msxml.h>

#include <string>

#include "skin/skin_config_xml.h"
#include "ui/com_ptr.h"
#include "ui/system_library.h"

class XmlConfigReader {
public:
    // Loads `path` at once; a failed load leaves the reader unloaded.
    explicit XmlConfigReader(const std::wstring& path);

    // Reads the file into a new document, true when it was read; no document
    // is created when there is no such file. The document never reaches
    // out: no external entities, DTDs or schemas.
    bool Load(const std::wstring& path);
    bool IsLoaded() const { return !loadedPath_.empty(); }

    // The first node `xpath` selects. S_FALSE and `node` untouched without a
    // document (no file, or no component); otherwise selectSingleNode's
    // result.
    HRESULT SelectNode(const std::wstring& xpath, ui::ComPtr<IXMLDOMNode>& node) const;

    // The text of the attribute `name` of `node` (which may be null). S_FALSE
    // and `value` untouched when the node, the loaded file or the attribute
    // is missing.
    HRESULT GetAttribute(IXMLDOMNode* node, const std::wstring& name, VARIANT* value) const;

private:
    // msxml3.dll from the system folder, held while the document lives (so
    // declared before it): the parser's own DLLs load it by name, and then
    // find this copy loaded, even where the DLL search could not be kept out
    // of the program's folder.
    ui::UniqueModule parserLibrary_;
    ui::ComPtr<IXMLDOMDocument> document_;
    std::wstring loadedPath_;
};

// common.xml's three texts as the DOM component reads them, for comparing
// with ReadSkinConfigTexts; every text empty when the file does not load.
// COM lets go of the component's libraries afterwards.
SkinConfigTexts ReadSkinConfigTextsWithDom(const std::wstring& path);
