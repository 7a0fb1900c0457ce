#pragma once
// Files and folders as the tests see them inside Wine.
#include <windows.h>
#include <cstdlib>
#include <string>

inline std::string WindowsFolder()
{
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

inline std::string SystemFolder()
{
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

// The temporary folder, with its trailing backslash.
inline std::string TempFolder()
{
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

// The build folder (a Unix path in TESSALY_BUILD) as Wine shows it.
inline std::string BuildFolder()
{
    const char* unixPath = std::getenv("TESSALY_BUILD");
    std::string path = std::string("Z:") + (unixPath ? unixPath : "");
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

// Makes folder and every missing folder above it; true when the last one was made.
inline bool CreateFolders(const std::string& folder)
{
    for (size_t end = folder.find('\\', 3); end != std::string::npos; end = folder.find('\\', end + 1))
        CreateDirectoryA(folder.substr(0, end).c_str(), nullptr);
    return CreateDirectoryA(folder.c_str(), nullptr) != FALSE;
}

// Deletes folder with everything below it; a missing folder is left as it is.
inline void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

inline bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The whole file; "" when it cannot be read.
inline std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

inline bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool complete = WriteFile(file, bytes.data(), bytes.size(), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return complete;
}
