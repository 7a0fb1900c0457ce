#pragma once
#include "core/setup_context.h"

// Capacities of the texts the install sequence composes for the class,
// terminator included.
const DWORD SearchIconTextSize = 260;
const DWORD SearchOpenCommandSize = 324;

// Item i's icon text: the installed program's path and ",-10000" (its icon
// resource 10000). False, with an empty buffer, when it does not fit.
bool BuildSearchIconText(const SetupContext* context, DWORD i, char* buffer);

// Item i's open command: the installed program's path in double quotes and
// " /load:%1", the %1 left for the shell to replace with the opened file.
// Quoted, a path with spaces (the default folder has them) cannot be taken
// for a shorter program such as C:\Program.exe. False, with an empty buffer,
// when it does not fit.
bool BuildSearchOpenCommand(const SetupContext* context, DWORD i, char* buffer);

// Registers the file extension "." + className as the class className +
// "File", whose files open in the product's program. An empty icon text or
// open command (one that did not fit) is left out rather than stored cut.
// Best effort: nothing is reported.
void RegisterSearchFileClass(const SetupContext* context, const char* className,
                             const char* description, const char* iconText,
                             const char* openCommand);

// Undoes RegisterSearchFileClass: the class key's icon and open-command keys,
// then the class key, then the extension key "." + className, children before
// parents, none while it still holds a subkey. The class key is the one the
// extension names, and it is only touched when it is the class key
// RegisterSearchFileClass makes (className + "File"): an extension that now
// names another program's class takes nothing of that class with it. Best
// effort: nothing is reported.
void RemoveSearchFileClass(const SetupContext* context, const char* className);
