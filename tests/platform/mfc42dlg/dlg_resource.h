// Ids of the dialog templates and controls of the dialog tests.
#define IDD_VALUES      100
#define IDD_PAGE_A      101
#define IDD_PAGE_B      102
#define IDD_HELPDLG     103

#define IDC_NAME        1001
#define IDC_NUMBER      1002
#define IDC_COUNT       1003
#define IDC_RADIO1      1004
#define IDC_RADIO2      1005
#define IDC_RADIO3      1006
#define IDC_CHECK3      1007
#define IDC_COMBO       1008
#define IDC_COMBOEDIT   1009
#define IDC_OWNERCOMBO  1010
#define IDC_AFTERGROUP  1011
#define IDC_PAGEVALUE   1020
