#pragma once
#include "core/setup_context.h"

// Whether text names one of the files that a removal schedules for deletion
// at the next start: the uninstaller of every selected item and the
// shell-extension library.
// shortForm (wininit.ini): text begins with the file's short path, case
// counted, compared over the short path's length only; a file without a short
// path (a missing one) names nothing.
// Otherwise (the registry's stores): text contains the file's full path as
// the context holds it, case counted.
bool NamesInstalledFile(const SetupContext* context, const char* text, bool shortForm);

// Takes back the deletions that an earlier removal scheduled for the files a
// successful install has just put back. On the 9x family the matching lines
// of wininit.ini are overwritten with spaces in place (the file keeps its
// length); on the NT family the matching values of FileRenameOperations and
// the matching entries of "PendingFileRenameOperations" are removed. Nothing
// else is altered, whatever the stores hold. Best effort: nothing is reported.
void CancelPendingDeletions(const SetupContext* context);
