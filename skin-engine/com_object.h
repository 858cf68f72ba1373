// The IUnknown part every object of the engine shares, counted among the
// module's live objects for DllCanUnloadNow.
#pragma once

#include "module.h"
#include "ui/com_object.h"

namespace skin {

struct ModuleCensus {
    static void Created() { ObjectCreated(); }
    static void Destroyed() { ObjectDestroyed(); }
};

template <typename Derived, typename Interface, const IID& kInterfaceId>
using ComObject = ui::ComObject<Derived, Interface, kInterfaceId, ModuleCensus>;

}  // namespace skin
