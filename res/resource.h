#pragma once
// Every resource, control and command id of Murkvale.exe. Shared by the
// resource script, the program and the template test.

// The system headers name an obsolete cursor IDC_SIZE; ours replaces it, so
// they are included first.
#include <windows.h>
#undef IDC_SIZE

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDD_PASSWORD 131
#define IDB_ABOUT_PICTURE 132

#define IDC_DECRYPT 1001
#define IDC_FILE 1002
#define IDC_ENCRYPT 1004
#define IDC_SIZE 1007
#define IDC_LOADFILE 1008
#define IDC_PROMPT 1012
#define IDC_PASSWORD 1013
#define IDC_STATUS 1014
#define IDC_PROGRESS 1015

// Controls the program never addresses.
#define IDC_STATIC (-1)

// System-menu command of the About entry; the system reserves the low four bits.
#define IDM_ABOUTBOX 0x0010
