#pragma once
// Ids of the small form the data-exchange test runs.
#include <windows.h>

#define IDD_FORM 150
#define IDC_FORM_NAME 1101
#define IDC_FORM_SIZE 1102
