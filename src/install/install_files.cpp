#include "install/install_files.h"
#include "core/catalogue.h"
#include "foundation/placeholder_format.h"
#include "install/installed_program.h"
#include "payload/folders.h"
#include "payload/payload_extractor.h"
#include "resource_ids.h"
#include "windows/progress_dialog.h"

static const char LibraryName[] = "Orvandel.dll";

// A library that is already there and readable, from this product or another
// of the family, is never replaced.
static bool LibraryPresent(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// Shows the file on the progress dialog and extracts payload id to target;
// on failure leaves message, with its arguments, in errorText. A target that
// could not be formed (null) fails without touching the disk.
static bool ExtractFile(SetupContext* context, ProgressDialog& progress,
                        PayloadExtractor& extractor, const char* shownName, WORD id,
                        const char* target, MessageId message, const char* argument1,
                        const char* argument2 = nullptr)
{
    progress.ShowUncompressing(shownName);
    if (target && extractor.ExtractPayload(id, target))
        return true;
    FormatPlaceholdersInto(context->errorText, ErrorTextSize, MessageText(message), argument1,
                           argument2);
    return false;
}

static bool InstallItemFiles(SetupContext* context, DWORD i, ProgressDialog& progress)
{
    const ProductItem& item = context->items[i];
    if (!item.installFolder || !CreateFolderPath(item.installFolder)) {
        FormatPlaceholdersInto(context->errorText, ErrorTextSize, MessageText(MsgCannotCreateFolder));
        return false;
    }
    PayloadExtractor extractor;
    const WORD files = static_cast<WORD>(IDP_ITEM_FILES + IDP_ITEM_STRIDE * i);
    if (LibraryPresent(context->extensionDllPath))
        progress.ShowUncompressing(LibraryName);
    else if (!ExtractFile(context, progress, extractor, LibraryName, IDP_SHELL_COMPONENT,
                          context->extensionDllPath, MsgCannotCopy, LibraryName))
        return false;
    return ExtractFile(context, progress, extractor, item.exeName, files + IDP_ITEM_PROGRAM,
                       InstalledFilePath(context, i, item.exeName), MsgCannotCopyInUse,
                       item.exeName, item.displayName)
        && ExtractFile(context, progress, extractor, item.helpFileName, files + IDP_ITEM_HELP,
                       InstalledFilePath(context, i, item.helpFileName), MsgCannotCopy,
                       item.helpFileName)
        && ExtractFile(context, progress, extractor, item.helpContentsName, files + IDP_ITEM_HELP_CONTENTS,
                       InstalledFilePath(context, i, item.helpContentsName), MsgCannotCopy,
                       item.helpContentsName)
        && ExtractFile(context, progress, extractor, "uninstall", files + IDP_ITEM_UNINSTALLER,
                       item.uninstallerPath, MsgCannotCopy, item.uninstallerPath);
}

bool InstallFiles(SetupContext* context, ProgressDialog& progress)
{
    for (DWORD i = 0; i < context->itemCount; i++) {
        if (context->selected[i] && !InstallItemFiles(context, i, progress))
            return false;
    }
    return true;
}
