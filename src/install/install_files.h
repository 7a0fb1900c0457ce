#pragma once
#include "core/setup_context.h"

class ProgressDialog;

// Puts every selected item's files in place: creates the install folder,
// extracts the family's shell-extension library into the System folder when
// no readable copy is there, then the program, help file and help contents
// into the install folder and the uninstaller into the Windows folder. The
// bar advances five times per item. Stops at the first failure with its
// reason in errorText; what was written so far stays for the rollback.
bool InstallFiles(SetupContext* context, ProgressDialog& progress);
