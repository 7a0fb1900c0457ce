#pragma once
// Resource numbers shared by the resource scripts and the code.
#define IDI_SETUP 101

// Payloads, type CUSTOM, each a file compressed in the SZDD form: the shell
// component, the wizard's sidebar picture, and for product item i the files
// at IDP_ITEM_FILES + IDP_ITEM_STRIDE * i + 0 to 3.
#define IDP_SHELL_COMPONENT 998
#define IDP_SIDEBAR_PICTURE 999
#define IDP_ITEM_FILES 2000
#define IDP_ITEM_STRIDE 1000
#define IDP_ITEM_PROGRAM 0
#define IDP_ITEM_HELP 1
#define IDP_ITEM_HELP_CONTENTS 2
#define IDP_ITEM_UNINSTALLER 3

// The progress dialog and its controls.
#define IDD_PROGRESS 130
#define IDC_PROGRESS_BAR 900
#define IDC_PROGRESS_STATUS 901
