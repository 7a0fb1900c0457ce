#include "core/setup_context.h"
#include "foundation/memory.h"
#include "foundation/paths.h"
#include "foundation/text.h"

SetupContext* CurrentSetupContext;

// The answer of InstallPathOf, shared by all its callers.
static char InstallPathBuffer[PathBufferSize];

static char* CopyText(const char* text)
{
    return DuplicateString(text ? text : "");
}

static char* CopyJoined(const char* folder, const char* name)
{
    char path[PathBufferSize];
    lstrcpynA(path, folder, PathBufferSize);
    return CopyText(AppendPathPart(path, name));
}

SetupContext* BuildSetupContext(SetupContext* context, const char* title, const char* folderName,
                                const ProductItem* rows, DWORD rowCount,
                                COLORREF shadeColour, COLORREF lightColour)
{
    CurrentSetupContext = context;
    char folder[PathBufferSize] = "";
    GetSystemDirectoryA(folder, PathBufferSize);
    context->extensionDllPath = CopyJoined(folder, "Orvandel.dll");
    context->itemCount = rowCount;
    context->items = static_cast<ProductItem*>(MemAlloc(rowCount * sizeof(ProductItem)));
    context->selected = static_cast<BYTE*>(MemAlloc(rowCount));
    for (DWORD i = 0; i < rowCount; i++) {
        const ProductItem& row = rows[i];
        ProductItem& item = context->items[i];
        folder[0] = 0;
        GetWindowsDirectoryA(folder, PathBufferSize);
        item.displayName = CopyText(row.displayName);
        item.settingsKey = CopyText(row.settingsKey);
        item.baseName = CopyText(row.baseName);
        item.exeName = CopyText(row.exeName);
        item.helpFileName = CopyText(row.helpFileName);
        item.helpContentsName = CopyText(row.helpContentsName);
        item.helpIndexName = CopyText(row.helpIndexName);
        item.uninstallerPath = CopyJoined(folder, row.uninstallerPath);
        item.findMenuText = CopyText(row.findMenuText);
        item.searchMenuText = CopyText(row.searchMenuText);
        item.helpText = CopyText(row.helpText);
        item.installFolder = nullptr;
        context->selected[i] = 1;
    }
    context->title = CopyText(title);
    context->folderName = CopyText(folderName);
    context->shadeColour = shadeColour;
    context->lightColour = lightColour;
    return context;
}

static void ReleaseText(const char* text)
{
    MemFree(const_cast<char*>(text));
}

void FreeSetupContext(SetupContext* context)
{
    if (!context)
        return;
    ReleaseText(context->extensionDllPath);
    for (DWORD i = 0; i < context->itemCount; i++) {
        const ProductItem& item = context->items[i];
        ReleaseText(item.displayName);
        ReleaseText(item.settingsKey);
        ReleaseText(item.baseName);
        ReleaseText(item.exeName);
        ReleaseText(item.helpFileName);
        ReleaseText(item.helpContentsName);
        ReleaseText(item.helpIndexName);
        ReleaseText(item.uninstallerPath);
        ReleaseText(item.findMenuText);
        ReleaseText(item.searchMenuText);
        ReleaseText(item.helpText);
        ReleaseText(item.installFolder);
    }
    MemFree(context->items);
    MemFree(context->selected);
    ReleaseText(context->title);
    ReleaseText(context->folderName);
}

static const char* TextOrEmpty(const char* text)
{
    return text ? text : "";
}

const char* CurrentTitle()
{
    return CurrentSetupContext ? TextOrEmpty(CurrentSetupContext->title) : "";
}

const char* CurrentFolderName()
{
    return CurrentSetupContext ? TextOrEmpty(CurrentSetupContext->folderName) : "";
}

const char* ItemDisplayName(DWORD i)
{
    return CurrentSetupContext ? TextOrEmpty(CurrentSetupContext->items[i].displayName) : "";
}

const char* ItemSettingsKey(DWORD i)
{
    return CurrentSetupContext ? TextOrEmpty(CurrentSetupContext->items[i].settingsKey) : "";
}

const char* ItemBaseName(DWORD i)
{
    return CurrentSetupContext ? TextOrEmpty(CurrentSetupContext->items[i].baseName) : "";
}

DWORD SelectedCount()
{
    DWORD count = 0;
    for (DWORD i = 0; CurrentSetupContext && i < CurrentSetupContext->itemCount; i++) {
        if (CurrentSetupContext->selected[i])
            count++;
    }
    return count;
}

const char* InstallPathOf(const SetupContext* context, DWORD i, const char* fileName)
{
    lstrcpynA(InstallPathBuffer, TextOrEmpty(context->items[i].installFolder), PathBufferSize);
    return AppendPathPart(InstallPathBuffer, fileName);
}
