#pragma once

// Saves a shell link at linkPath that points at target, with description as
// its comment; no arguments, working folder or icon. Initialises COM for the
// calling thread for the length of the call. True when the link was saved.
bool CreateShellLink(const char* target, const char* linkPath, const char* description);
