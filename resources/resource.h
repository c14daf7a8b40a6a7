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

// The closing buttons of the pages: raised and pressed.
#define IDB_PAGE_BUTTON_UP 6331
#define IDB_PAGE_BUTTON_DOWN 6332

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

// Skin geometry, in pixels of the background bitmap 6014, which the main window draws at client
// offset (4, 22). Its key-colour area (MAIN_KEY_COLOR) is one rounded rectangle, the page hole,
// that shapes the page sheet; right and bottom are exclusive, as in a RECT.
#define MAIN_KEY_COLOR 0x00FF00
#define MAIN_BACKGROUND_WIDTH 760
#define MAIN_BACKGROUND_HEIGHT 520
#define MAIN_NAV_COLUMN_WIDTH 190
#define MAIN_PAGE_HOLE_LEFT 202
#define MAIN_PAGE_HOLE_TOP 12
#define MAIN_PAGE_HOLE_RIGHT 748
#define MAIN_PAGE_HOLE_BOTTOM 508
#define MAIN_PAGE_HOLE_RADIUS 10
// The six navigation buttons, top to bottom in id order (6042..6047); the code moves them here.
#define MAIN_NAV_LEFT 10
#define MAIN_NAV_TOP 112
#define MAIN_NAV_PITCH 54
#define MAIN_NAV_WIDTH 170
#define MAIN_NAV_HEIGHT 44
// Where a button's label starts (after its glyph), and the label colours (COLORREF) on the raised
// or hovered pictures and on the lowered one of the current page.
#define MAIN_NAV_TEXT_LEFT 48
#define MAIN_NAV_TEXT_COLOR 0x00FFFFFF
#define MAIN_NAV_TEXT_COLOR_CURRENT 0x004A2A0B
// The logo (6013, bitmap 6938) and the banner (6161, bitmap 6939) of the navigation column.
#define MAIN_LOGO_LEFT 14
#define MAIN_LOGO_TOP 14
#define MAIN_LOGO_WIDTH 44
#define MAIN_LOGO_HEIGHT 44
#define MAIN_BANNER_LEFT 10
#define MAIN_BANNER_TOP 462
#define MAIN_BANNER_WIDTH 170
#define MAIN_BANNER_HEIGHT 40

// Controls every page may carry: drawn closing buttons, pictures and the ink tanks.
#define IDC_PAGE_PICTURE1 6013
#define IDC_PAGE_PICTURE2 6161
#define IDC_PAGE_CLOSE 6038
#define IDC_PAGE_HELP_OR_ORDER 6039
#define IDC_PAGE_OK 6041
#define IDC_PAGE_CANCEL_OR_HELP 6042
#define IDC_PAGE_INTRO 6060 // the explanation under the title of every page but Home
#define IDC_PAGE_WEB_CAPTION 6040
#define IDC_PAGE_WEB_LINK 6016
#define IDC_TAB_PAGE_TITLE 6069 // the title of every page but Home
#define IDC_INK_TANK1 2023
#define IDC_INK_TANK2 2024
#define IDC_INK_TANK3 2025
#define IDC_INK_TANK4 2026
#define IDC_INK_TANK5 2027
#define IDC_INK_TANK6 2028

// Home page (template 6071).
#define IDC_PAGE_TITLE 6007
#define IDC_HOME_SUBTITLE_CARTRIDGES 6008
#define IDC_HOME_MEDIA_HEADING 6009
#define IDC_HOME_SUBTITLE_STATUS 6010
#define IDC_HOME_STATUS_TEXT1 6011
#define IDC_HOME_MEDIA_TEXT1 6012
#define IDC_HOME_STATUS_TEXT2 6014
#define IDC_HOME_PICTURE3 6015
#define IDC_HOME_CARTRIDGE_NOTE 6019
#define IDC_HOME_MEDIA_TEXT2 6217
#define IDC_HOME_CARTRIDGE1_PICTURE 6152
#define IDC_HOME_CARTRIDGE2_PICTURE 6128
#define IDC_HOME_CARTRIDGE1_NAME 6166
#define IDC_HOME_CARTRIDGE2_NAME 6165
#define IDC_HOME_CARTRIDGE1_LABEL 6186
#define IDC_HOME_CARTRIDGE2_LABEL 6187
#define IDC_HOME_CLOSE 6043 // Home and Printer Features; the other pages close with 6038

// Ink Cartridge page (template 6281) and Ink Tanks page (template 6902).
#define IDC_INK_PICTURE3 6029
#define IDC_INK_PICTURE4 6031
#define IDC_INK_ORDER_LINK 6030
#define IDC_INK_INSTALL_LINK 6070
#define IDC_INK_TEST_PAGE_LINK 6071
#define IDC_INK_ALIGN_LINK 6072
#define IDC_INK_CLEAN_LINK 6073
#define IDC_INK_CLEAN_ROLLERS_LINK 6076
#define IDC_INK_CARTRIDGE_HELP_LINK 6077
#define IDC_INK_HEADING_LEVELS 6197
#define IDC_INK_HEADING_MAINTENANCE 6196
#define IDC_TANKS_SOFTWARE_LINK 6000
#define IDC_TANKS_SHEET2_LINK 6074
#define IDC_TANKS_HELP_LINK 6076
#define IDC_TANKS_PICTURE2 6014
#define IDC_TANKS_PICTURE3 6048
#define IDC_TANKS_PICTURE4 6049
#define IDC_TANKS_PICTURE7 6032

// Cartridge pictures shared by every page and wizard (the picture table), by logical id, and the
// pictures of the empty positions and the position labels.
#define IDB_CART_FAMILY128 230 // 128, 133, 144: the alternative three-colour family
#define IDB_CART_BLACK 6276 // 48
#define IDB_CART_COLOR 6374 // 80
#define IDB_CART_MISSING_LEFT 6375 // no cartridge in position 1; also any id the table lacks
#define IDB_CART_INVALID 6377 // 16
#define IDB_CART_MISSING_RIGHT 6378 // no cartridge in position 2
#define IDB_CART_UNIDENTIFIED 6379 // 999
#define IDB_CART_BLACK_64 6407
#define IDB_CART_PHOTO 6408 // 112, 175, 191
#define IDB_CART_COLOR_96 6409
#define IDB_CART_BLACK_53 8028
#define IDB_CART_COLOR_85 8029
#define IDB_CART_BLACK_63 8049
#define IDB_CART_COLOR_95 8050
#define IDB_CART_PHOTO_127 8051
#define IDB_CART_FAMILY143 8052
#define IDB_CART_LABEL_LEFT 6376 // the label under the cartridge of position 1
#define IDB_CART_LABEL_RIGHT 6372 // the label under the cartridge of position 2

// The Ink Cartridge page's cartridges (pictures 6029 and 6031 by the picture table), and the
// pictures and texts of its links and headings.
#define IDC_INK_CARTRIDGE1_LABEL 6186
#define IDC_INK_CARTRIDGE2_LABEL 6187
#define IDC_INK_CARTRIDGE1_NAME 6166
#define IDC_INK_CARTRIDGE2_NAME 6165
#define IDB_INK_LINK_INSTALL 6399
#define IDB_INK_LINK_INSTALL_HOVER 6398
#define IDB_INK_LINK_INSTALL_DISABLED 8024
#define IDB_INK_LINK_TEST_PAGE 6406
#define IDB_INK_LINK_TEST_PAGE_HOVER 6405
#define IDB_INK_LINK_ALIGN 6392
#define IDB_INK_LINK_ALIGN_HOVER 6391
#define IDB_INK_LINK_ALIGN_DISABLED 6390
#define IDB_INK_LINK_CLEAN 6395
#define IDB_INK_LINK_CLEAN_HOVER 6394
#define IDB_INK_LINK_CLEAN_DISABLED 6393
#define IDB_INK_LINK_CLEAN_ROLLERS 6397
#define IDB_INK_LINK_CLEAN_ROLLERS_HOVER 6396
#define IDB_INK_LINK_CLEAN_ROLLERS_DISABLED 8025
#define IDB_INK_LINK_HELP 6403
#define IDB_INK_LINK_HELP_HOVER 6402
#define IDB_INK_LINK_ORDER 6401
#define IDB_INK_LINK_ORDER_HOVER 6400
#define IDS_INK_WEB_LINK 18
#define IDS_INK_WEB_CAPTION 19

// The printer-ready alert (template 6950): its message, Help (IDHELP) and OK; the messages.
#define IDD_PRINTER_READY 6950
#define IDC_READY_MESSAGE 6951
#define IDC_READY_ICON 6952
#define IDS_READY_BUSY 6960
#define IDS_READY_COVER_OPEN 6961 // state 3
#define IDS_READY_OFFLINE 6962 // state 8
#define IDS_READY_CARRIAGE 6963 // state 7
#define IDS_READY_POWER_OFF 6964 // state 6
#define IDS_READY_ERROR 6965 // state 10
#define IDS_READY_NO_STATUS_PORT 6966 // connection kind 9

// Printer Features page (template 6900).
#define IDC_FEATURES_MANUAL_LINK 6068
#define IDC_FEATURES_LIST1 6188
#define IDC_FEATURES_LIST2 6189
#define IDC_FEATURES_LIST3 6190
#define IDC_FEATURES_SHOW1 6191
#define IDC_FEATURES_SHOW2 6192
#define IDC_FEATURES_SHOW3 6196
#define IDC_FEATURES_HEADING1 6193
#define IDC_FEATURES_HEADING2 6194
#define IDC_FEATURES_HEADING3 6195

// Troubleshooting page (template 6901).
#define IDC_TROUBLE_STATE_TEXT 6050
#define IDC_TROUBLE_MORE_HEADING 6051
#define IDC_TROUBLE_SOLUTION1 6052
#define IDC_TROUBLE_SOLUTION2 6053
#define IDC_TROUBLE_SOLUTION3 6204
#define IDC_TROUBLE_HELP1 6054
#define IDC_TROUBLE_HELP2 6055
#define IDC_TROUBLE_HELP3 6056
#define IDC_TROUBLE_HELP4 6057
#define IDC_TROUBLE_MANUAL 6058
#define IDC_TROUBLE_NETWORK_CONFIG 6059

// Contact Information page (template 6903).
#define IDC_CONTACT_PHONE_LABEL 6701
#define IDC_CONTACT_PHONE_TEXT 6702
#define IDC_CONTACT_HOME_LINK 6703
#define IDC_CONTACT_SUPPORT_LINK 6704
#define IDC_CONTACT_TECH_LINK 6705
#define IDC_CONTACT_REGISTRATION_LINK 6706
#define IDC_CONTACT_SOFTWARE_LINK 6707
#define IDC_CONTACT_OFFER_LINK 6708
#define IDC_CONTACT_SUPPLIES_LINK 6709
#define IDC_CONTACT_MORE_LABEL 6710
#define IDC_CONTACT_MORE_LINK 6711
#define IDC_CONTACT_NUMBERS_LABEL 6712
#define IDC_CONTACT_NUMBERS_LINK 6713
#define IDC_CONTACT_ORDER_LABEL 6714
#define IDC_CONTACT_ORDER_BUTTON 6715

// Advanced page (template 6904).
#define IDC_ADVANCED_BIDI_OFF 6721
#define IDC_ADVANCED_DOS_LABEL 6722
#define IDC_ADVANCED_DOS_BUTTON 6723
#define IDC_ADVANCED_DOS_NOTE 6724
#define IDC_ADVANCED_JSW_LABEL 6725
#define IDC_ADVANCED_JSW_BUTTON 6726
#define IDC_ADVANCED_P2P_LABEL 6727
#define IDC_ADVANCED_P2P_BUTTON1 6728
#define IDC_ADVANCED_P2P_BUTTON2 6729
#define IDC_ADVANCED_UPDATE_LABEL 6730
#define IDC_ADVANCED_UPDATE_BUTTON 6731
#define IDC_ADVANCED_VERSION_LABEL 6732
#define IDC_ADVANCED_VERSION_BUTTON 6733
#define IDC_ADVANCED_SOFTWARE_CAPTION 6734
#define IDC_ADVANCED_SOFTWARE_LINK 6735

// Printer choice (template 6940), shown by QORChoosePrinter; OK and Cancel are IDOK and IDCANCEL.
#define IDD_PRINTER_CHOICE 6940
#define IDC_PRINTER_CHOICE_PROMPT 6941
#define IDC_PRINTER_CHOICE_LIST 6942
