#pragma once

// Identifiers of the main window's design data in Project1.rc.

#define IDR_MAINMENU1 100
#define IDM_N1 101
#define IDM_N2 102
#define IDM_N3 103

#define IDR_FORM1_LAYOUT 200
#define IDC_LABEL1 201
#define IDC_EDIT1 202
#define IDC_BUTTON5 203

#define IDS_FORM1_CAPTION 300
#define IDS_LABEL1_CAPTION 301
#define IDS_EDIT1_TEXT 302
#define IDS_EDIT1_HINT 303
#define IDS_BUTTON5_CAPTION 304
#define IDS_MAKER_PAGE 305

// The script (Memo1) and its template pieces (Memo2), one string per line, numbered from 0
// without gaps: the loader reads up to the first number that is missing.
#define IDS_MEMO1_LINE0 1000
#define IDS_MEMO1_LINE1 1001
#define IDS_MEMO1_LINE2 1002
#define IDS_MEMO2_LINE0 1100
#define IDS_MEMO2_LINE1 1101
#define IDS_MEMO2_LINE2 1102
#define IDS_MEMO2_LINE3 1103
