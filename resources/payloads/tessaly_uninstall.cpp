// TessalyUninstall.exe as this setup ships it for now: a sample program that
// stands in for the uninstaller. It says so and removes nothing.
#include <windows.h>

extern "C" void ProgramEntry()
{
    MessageBoxA(nullptr,
                "This program is sample content: it stands in for Tessaly's uninstaller "
                "and removes nothing.",
                "Tessaly Uninstall (sample program)", MB_OK | MB_ICONINFORMATION);
    ExitProcess(0);
}
