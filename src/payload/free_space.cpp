#include "payload/free_space.h"
#include "core/setup_context.h"
#include <windows.h>

const DWORD BytesPerItemForTemporaryFiles = 600 * 1024;
const DWORD BytesForTemporaryFiles = 150 * 1024;
const DWORD BytesPerSelectedItem = 1500 * 1024;
const double MostFreeBytes = 4294967295.0;

double RequiredBytes(bool forTemporaryFiles)
{
    DWORD bytes;
    if (forTemporaryFiles) {
        DWORD itemCount = CurrentSetupContext ? CurrentSetupContext->itemCount : 0;
        bytes = itemCount * BytesPerItemForTemporaryFiles + BytesForTemporaryFiles;
    } else {
        bytes = SelectedCount() * BytesPerSelectedItem;
    }
    return bytes;
}

double FreeBytesOnDrive(const char* path)
{
    int length = lstrlenA(path);
    char root[] = "?:\\";
    const char* asked = nullptr;
    if (length > 2 && path[1] == ':') {
        root[0] = path[0];
        asked = root;
    } else if (length > 2 && path[0] == '\\' && path[1] == '\\') {
        // A share may be slow or unreachable; the install finds out soon enough.
        return MostFreeBytes;
    }
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    if (!GetDiskFreeSpaceA(asked, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters))
        return 0;
    double bytes = static_cast<double>(freeClusters) * sectorsPerCluster * bytesPerSector;
    return bytes > MostFreeBytes ? MostFreeBytes : bytes;
}
