// The DLL's own state: its instance handle, and the count of live objects and
// server locks that DllCanUnloadNow reports on.
#pragma once

#include <windows.h>

namespace skin {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();

// Each COM object of the DLL counts itself while it lives.
void ObjectCreated();
void ObjectDestroyed();
// IClassFactory::LockServer.
void LockModule(bool lock);
bool CanUnloadModule();

// The census of every COM object of the DLL (base/com_object.h).
struct ModuleCensus {
    static void Created() { ObjectCreated(); }
    static void Destroyed() { ObjectDestroyed(); }
};

}  // namespace skin
