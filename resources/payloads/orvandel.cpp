// Orvandel.dll as this setup ships it: a sample in-process server that stands
// in for the family's shell component. It has the two entry points the shell
// looks for in such a library and serves no class, so a shell that loads it
// through the setup's registrations finds nothing to show.
#include <windows.h>
#include <objbase.h>

extern "C" BOOL WINAPI LibraryEntry(HINSTANCE, DWORD, void*)
{
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, void** object)
{
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

// Nothing is ever handed out, so the library may always go.
extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return S_OK;
}
