#pragma once
// Resource and control IDs of the calculator window. Test drivers and automation find the
// controls with GetDlgItem(window, ID); the numbers are part of the program's outside face, so
// they never change.

#define IDI_QUORVA 1

#define IDB_SUM 101
#define IDB_COPY 102
#define IDB_TERAPAD 103
#define IDB_CLEAR 104

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
