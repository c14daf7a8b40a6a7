// Resource ids of the resource module vqtrqorr.dll, shared by its .rc files and the code.
// Each dialog owns a block of ids; the numbers are the system's own and never change.
#pragma once

// Main window (dialog 6000) and its skin.
#define IDD_QOR_MAIN 6000
#define IDC_NAV_HOME 6042
#define IDC_NAV_FEATURES 6043
#define IDC_NAV_TROUBLESHOOTING 6044
#define IDC_NAV_INK 6045
#define IDC_NAV_CONTACT 6046
#define IDC_NAV_ADVANCED 6047
#define IDC_MAIN_LOGO 6013
#define IDC_MAIN_BANNER 6161
#define IDB_MAIN_BACKGROUND 6014
#define IDI_QOR 6071
#define IDR_PALETTE 6025 // RT_RCDATA: WORD version 0x300, WORD count, count x PALETTEENTRY
#define IDR_RT_PALETTE RT_RCDATA

// Navigation button pictures: raised, lowered (the current page) and hovered, per button.
#define IDB_NAV_HOME_UP 6920
#define IDB_NAV_HOME_DOWN 6921
#define IDB_NAV_HOME_HOVER 6922
#define IDB_NAV_FEATURES_UP 6923
#define IDB_NAV_FEATURES_DOWN 6924
#define IDB_NAV_FEATURES_HOVER 6925
#define IDB_NAV_TROUBLESHOOTING_UP 6926
#define IDB_NAV_TROUBLESHOOTING_DOWN 6927
#define IDB_NAV_TROUBLESHOOTING_HOVER 6928
#define IDB_NAV_INK_UP 6929
#define IDB_NAV_INK_DOWN 6930
#define IDB_NAV_INK_HOVER 6931
#define IDB_NAV_CONTACT_UP 6932
#define IDB_NAV_CONTACT_DOWN 6933
#define IDB_NAV_CONTACT_HOVER 6934
#define IDB_NAV_ADVANCED_UP 6935
#define IDB_NAV_ADVANCED_DOWN 6936
#define IDB_NAV_ADVANCED_HOVER 6937
#define IDB_MAIN_LOGO 6938
#define IDB_MAIN_BANNER 6939

// Main window strings.
#define IDS_TIP_HOME 6020
#define IDS_TIP_FEATURES 6021
#define IDS_TIP_TROUBLESHOOTING 6022
#define IDS_TIP_INK_TANKS 6023
#define IDS_TIP_CONTACT 6024
#define IDS_TIP_ADVANCED 6025
#define IDS_TIP_INK_CARTRIDGES 6306
#define IDS_MAIN_TITLE 6042
#define IDS_NO_PRINTERS 6513
#define IDS_LANGUAGE_NAME 8003
#define IDS_POINT_SIZE_SMALL 8004
#define IDS_POINT_SIZE_HEADING 8006
#define IDS_POINT_SIZE_TITLE 8008

// Page templates of the main window.
#define IDD_PAGE_HOME 6071
#define IDD_PAGE_INK_CARTRIDGE 6281
#define IDD_PAGE_FEATURES 6900
#define IDD_PAGE_TROUBLESHOOTING 6901
#define IDD_PAGE_INK_TANKS 6902
#define IDD_PAGE_CONTACT 6903
#define IDD_PAGE_ADVANCED 6904
