#pragma once
// Records, in order, what a ProgressDialog's bar and status line are told:
// each step with the status text at that moment, and each status text with
// the bar's position at that moment. Subclasses both controls while alive.
#include "resource_ids.h"
#include <commctrl.h>
#include <windows.h>
#include <string>
#include <vector>

inline std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline int BarPosition(HWND bar)
{
    return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
}

class ProgressLog {
public:
    explicit ProgressLog(HWND dialog)
        : bar(GetDlgItem(dialog, IDC_PROGRESS_BAR)), status(GetDlgItem(dialog, IDC_PROGRESS_STATUS))
    {
        Current() = this;
        barProcedure = Subclass(bar, LoggingBar);
        statusProcedure = Subclass(status, LoggingStatus);
    }
    ~ProgressLog()
    {
        Subclass(bar, barProcedure);
        Subclass(status, statusProcedure);
        Current() = nullptr;
    }
    ProgressLog(const ProgressLog&) = delete;
    ProgressLog& operator=(const ProgressLog&) = delete;

    std::vector<std::string> events;

private:
    static ProgressLog*& Current()
    {
        static ProgressLog* log;
        return log;
    }
    static WNDPROC Subclass(HWND window, WNDPROC procedure)
    {
        return reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    }
    static LRESULT CALLBACK LoggingBar(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        ProgressLog* log = Current();
        if (message == PBM_STEPIT)
            log->events.push_back("step while the text reads \"" + WindowText(log->status) + '"');
        return CallWindowProcA(log->barProcedure, window, message, wParam, lParam);
    }
    static LRESULT CALLBACK LoggingStatus(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        ProgressLog* log = Current();
        if (message == WM_SETTEXT) {
            log->events.push_back("text \"" + std::string(reinterpret_cast<const char*>(lParam))
                                  + "\" at position " + std::to_string(BarPosition(log->bar)));
        }
        return CallWindowProcA(log->statusProcedure, window, message, wParam, lParam);
    }

    HWND bar;
    HWND status;
    WNDPROC barProcedure;
    WNDPROC statusProcedure;
};
