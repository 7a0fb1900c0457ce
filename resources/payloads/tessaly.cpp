// Tessaly.exe as this setup ships it: a sample program that stands in for the
// product. It shows the file it was asked to load ("Tessaly.exe /load:path",
// the open command of the product's search files) and ends.
#include <windows.h>

const WORD IconId = 10000;

const char Caption[] = "Tessaly (sample program)";
const char Intro[] =
    "This program is sample content: it stands in for Tessaly so that the setup "
    "has a real program to install, and does nothing but show how it was started.\r\n\r\n";
const char LoadSwitch[] = "/load:";

// The command line after the program's own name, which may be quoted.
static const char* Arguments(const char* line)
{
    bool quoted = false;
    for (; *line && (quoted || (*line != ' ' && *line != '\t')); line++) {
        if (*line == '"')
            quoted = !quoted;
    }
    return line;
}

// The first "/load:" in the arguments, in any case; null when there is none.
static const char* FindLoadSwitch(const char* arguments)
{
    const int length = sizeof LoadSwitch - 1;
    for (; *arguments; arguments++) {
        char start[sizeof LoadSwitch];
        lstrcpynA(start, arguments, sizeof start);
        if (lstrcmpiA(start, LoadSwitch) == 0)
            return arguments + length;
    }
    return nullptr;
}

extern "C" void ProgramEntry()
{
    char text[1024];
    lstrcpynA(text, Intro, sizeof text);
    int used = lstrlenA(text);
    const char* path = FindLoadSwitch(Arguments(GetCommandLineA()));
    if (path == nullptr) {
        lstrcpynA(text + used, "Started without a /load: argument.", sizeof text - used);
    } else {
        // The shell may put the path in quotes; they are not part of it.
        if (*path == '"')
            path++;
        lstrcpynA(text + used, "Started with /load:", sizeof text - used);
        used = lstrlenA(text);
        lstrcpynA(text + used, path, sizeof text - used);
        used = lstrlenA(text);
        if (used > 0 && text[used - 1] == '"')
            text[used - 1] = '\0';
    }

    MSGBOXPARAMSA box = {};
    box.cbSize = sizeof box;
    box.hInstance = GetModuleHandleA(nullptr);
    box.lpszText = text;
    box.lpszCaption = Caption;
    box.dwStyle = MB_OK | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEA(IconId);
    MessageBoxIndirectA(&box);
    ExitProcess(0);
}
