#include "windows/progress_dialog.h"
#include "core/catalogue.h"
#include "foundation/placeholder_format.h"
#include "resource_ids.h"
#include <commctrl.h>

const DWORD StatusTextSize = 1024;

ProgressDialog::ProgressDialog(HWND parent)
    : window(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS), parent,
                                nullptr, 0))
{
    SetWindowTextA(window, MessageText(MsgInstalling));
    RECT client = {};
    RECT desktop = {};
    GetClientRect(window, &client);
    GetWindowRect(GetDesktopWindow(), &desktop);
    // The client size, not the window size, is centred: frame and caption
    // push the window a few pixels right of and below the exact middle.
    SetWindowPos(window, nullptr, (desktop.right - client.right) / 2,
                 (desktop.bottom - client.bottom) / 2, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (parent)
        UpdateWindow(parent);
}

ProgressDialog::~ProgressDialog()
{
    DestroyWindow(window);
}

void ProgressDialog::SetRange(WORD count)
{
    SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETSTEP, 1, 0);
    SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, count));
}

void ProgressDialog::Step()
{
    SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_STEPIT, 0, 0);
}

void ProgressDialog::SetStatusText(const char* text)
{
    SetDlgItemTextA(window, IDC_PROGRESS_STATUS, text);
}

void ProgressDialog::ShowUncompressing(const char* fileName)
{
    char text[StatusTextSize];
    FormatPlaceholdersInto(text, sizeof text, MessageText(MsgUncompressing), fileName);
    Step();
    SetStatusText(text);
}
