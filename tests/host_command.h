#pragma once
// Runs independent checkers that live on the host (lnkinfo, find, wineboot)
// from a test program running under Wine, and maps paths between the two
// sides. The calls are Wine's own extensions, looked up at run time; a test
// that needs them fails when they are missing.
#include <windows.h>
#include <string>

namespace host {

// The Unix path of a Windows path; empty when Wine cannot map it.
inline std::string UnixPathOf(const std::string& windowsPath)
{
    typedef char*(CDECL * ToUnix)(LPCWSTR);
    ToUnix toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH];
    if (!toUnix || !MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH))
        return "";
    char* unixPath = toUnix(wide);
    std::string result = unixPath ? unixPath : "";
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// The Windows path of a Unix path; empty when Wine cannot map it.
inline std::string WindowsPathOf(const std::string& unixPath)
{
    typedef WCHAR*(CDECL * ToDos)(const char*);
    ToDos toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* wide = toDos ? toDos(unixPath.c_str()) : nullptr;
    char path[MAX_PATH] = "";
    if (wide && !WideCharToMultiByte(CP_ACP, 0, wide, -1, path, MAX_PATH, nullptr, nullptr))
        path[0] = 0;
    HeapFree(GetProcessHeap(), 0, wide);
    return path;
}

// Runs a command line with the host's /bin/sh and waits for it; answers its
// exit status, or -1 when it could not be started.
inline long RunShell(const std::string& command)
{
    typedef long(CDECL * Spawn)(char* const argv[], int wait);
    Spawn spawn = reinterpret_cast<Spawn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    if (!spawn)
        return -1;
    std::string line = command;
    char* argv[] = {const_cast<char*>("/bin/sh"), const_cast<char*>("-c"), &line[0], nullptr};
    return spawn(argv, 1);
}

// A Unix path in single quotes for the shell.
inline std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

}  // namespace host
