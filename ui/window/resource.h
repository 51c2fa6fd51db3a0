#pragma once
// Resource and control IDs of the calculator window. Test drivers and automation find the
// controls with GetDlgItem(window, ID); the numbers are part of the program's outside face, so
// they never change.

#define IDI_QUORVA 1

#define IDB_SUM 101
#define IDB_COPY 102
#define IDB_TERAPAD 103
#define IDB_CLEAR 104
// The same pictures drawn at 20, 24 and 32 pixels: the 16-pixel ID plus 10, 20 and 30 (Pictures.cpp
// checks these numbers against its table of sizes).
#define IDB_SUM_20 111
#define IDB_COPY_20 112
#define IDB_TERAPAD_20 113
#define IDB_CLEAR_20 114
#define IDB_SUM_24 121
#define IDB_COPY_24 122
#define IDB_TERAPAD_24 123
#define IDB_CLEAR_24 124
#define IDB_SUM_32 131
#define IDB_COPY_32 132
#define IDB_TERAPAD_32 133
#define IDB_CLEAR_32 134

// Controls of frmCalc, in TabIndex order.
#define IDC_TXTCALC 1000
#define IDC_CMDSUM 1001
#define IDC_CMDCOPY 1002
#define IDC_CMDTERAPAD 1003
#define IDC_TXTANS 1004
#define IDC_TXTAFTER 1005
#define IDC_CHKGROUP 1006
#define IDC_CHKWIDE 1007
#define IDC_FRATIPS 1008
#define IDC_LBLLABEL1 1009
#define IDC_FRAPARAMETER 1010
#define IDC_LBLLABEL0 1011
#define IDC_CMDCLR 1012
