// The engine's automation object: an IDispatch with one method, ApplyGamma
// (DISPID 51, one VT_R4 argument). It keeps its engine alive while it lives.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "com_object.h"

namespace skin {

class Engine;

class GammaAutomation final : public ComObject<GammaAutomation, IDispatch, IID_IDispatch> {
public:
    explicit GammaAutomation(Engine& engine);

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    friend skin::ComObject<GammaAutomation, IDispatch, IID_IDispatch>;
    ~GammaAutomation();

    Engine& engine_;
};

}  // namespace skin
