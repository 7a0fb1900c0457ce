#pragma once
// Resource numbers shared by the resource scripts and the code.
#define IDI_SETUP 101

// The progress dialog and its controls.
#define IDD_PROGRESS 130
#define IDC_PROGRESS_BAR 900
#define IDC_PROGRESS_STATUS 901
