#pragma once
#include <windows.h>

// The modeless window that shows the installation's progress: a caption, a
// status line and a bar. It takes no input and has no procedure of its own;
// the install code updates it directly between two pieces of work. When the
// dialog cannot be created every operation acts on no window and shows
// nothing, and the installation goes on.
class ProgressDialog {
public:
    // Creates the dialog titled "Installing...", places it near the middle of
    // the desktop and shows it; parent may be none.
    explicit ProgressDialog(HWND parent);
    ~ProgressDialog();
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    // The bar runs from 0 to count in steps of 1.
    void SetRange(WORD count);
    void Step();
    void SetStatusText(const char* text);
    // Counts the file on the bar first, then names it: "Uncompressing <name>...".
    void ShowUncompressing(const char* fileName);

    HWND Window() const { return window; }

private:
    HWND window;
};
