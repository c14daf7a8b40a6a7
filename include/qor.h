/*
 * qor.h - the interface between a QOR host and the printer assistant module vqtrqor.dll.
 *
 * A host includes this header (C or C++), loads vqtrqor.dll, calls QORInit with the printer's
 * friendly name, a topic code, its status records and a callback, and hands every message of its
 * GUI thread to QORFilterDllMsg before dispatching it. The module never talks to the printer: it
 * asks the host through the callback, one numbered request at a time (QOR_REQUEST below).
 *
 * All calls, in both directions, happen on the host's GUI thread. The module keeps its own copies
 * of the records; the host's records are read only while a call that hands them in runs.
 *
 * Binary layout: 64-bit Windows. 32-bit fields are 4 bytes, pointers 8 bytes, every field aligned
 * to its own size. The static assertions at the end of this header pin every size and offset.
 */
#ifndef QOR_H
#define QOR_H

#include <stddef.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Printer state codes (STATUSINFO.dwStatus). */
enum QOR_STATUS {
    QOR_STATUS_READY = 1,        /* ready */
    QOR_STATUS_BUSY = 2,         /* busy printing: maintenance is refused until it ends */
    QOR_STATUS_3 = 3,            /* an error state with its own text; not ready */
    QOR_STATUS_ALERT_BUSY = 4,   /* busy, the state text comes from the alert bytes */
    QOR_STATUS_5 = 5,            /* a state with its own text; ready */
    QOR_STATUS_POWER_OFF = 6,    /* powered off; refused only on models with a power-off alert */
    QOR_STATUS_7 = 7,            /* an error state with its own text; not ready */
    QOR_STATUS_8 = 8,            /* an error state with its own text; not ready */
    QOR_STATUS_ALERT = 9,        /* an alert: the state text comes from the alert bytes; ready */
    QOR_STATUS_10 = 10           /* an error state with its own text; not ready */
    /* any other value: a general state text; ready */
};

/* Paper sensed in a tray (STATUSINFO.dwMediaTray1 / dwMediaTray2). */
enum QOR_MEDIA {
    QOR_MEDIA_PLAIN = 0,
    QOR_MEDIA_COATED = 1,
    QOR_MEDIA_GLOSSY = 2,
    QOR_MEDIA_TRANSPARENCY = 3,
    QOR_MEDIA_IRON_ON = 4,
    QOR_MEDIA_CARD_STOCK = 5,
    QOR_MEDIA_UNKNOWN = 255
};

/* The alert bytes of the current alert. */
typedef struct STATUSERROR {
    BYTE* lpAlertStatusBytes;  /* may be null when dwAlertStatusLength is 0 */
    DWORD dwAlertStatusLength; /* number of bytes at lpAlertStatusBytes */
} STATUSERROR;

/* Carrier kinds (INKINFO.dwCarrierType). */
enum QOR_CARRIER {
    QOR_CARRIER_INK_TANKS = 1,  /* ink-tank printer: the Ink Tanks page replaces the cartridge page */
    QOR_CARRIER_DUAL = 2,       /* two cartridge positions: 1 colour (left), 2 black or photo */
    QOR_CARRIER_SINGLE = 3      /* one position: only the position 1 fields are read */
};

/* Cartridge ids (LogCartID1/2, PhyCartID1/2). */
enum QOR_CARTRIDGE {
    QOR_CART_NONE_REPORTED = 0,  /* no id: treated as missing */
    QOR_CART_INVALID = 16,       /* invalid cartridge; a logical 16 means "use the physical id" */
    QOR_CART_MISSING = 32,       /* no cartridge in the position */
    QOR_CART_BLACK = 48,         /* generic black; 53 and 63 are further black cartridges */
    QOR_CART_BLACK_53 = 53,
    QOR_CART_BLACK_63 = 63,
    QOR_CART_BLACK_64 = 64,      /* a further black cartridge with its own name and picture */
    QOR_CART_COLOR = 80,         /* generic three-colour; 85 and 95 are further colour cartridges */
    QOR_CART_COLOR_85 = 85,
    QOR_CART_COLOR_95 = 95,
    QOR_CART_COLOR_96 = 96,      /* a further colour cartridge with its own name and picture */
    QOR_CART_PHOTO = 112,        /* photo cartridges: black, cyan and magenta photo inks */
    QOR_CART_PHOTO_127 = 127,
    QOR_CART_ALT_COLOR = 128,    /* a further (alternative three-colour) family */
    QOR_CART_ALT_COLOR_143 = 143,
    QOR_CART_UNIDENTIFIED = 999  /* sensed but not identified */
};

/* Written by the module into every level field of a cartridge that the user declared new, before
 * CBInstallCarts: the host resets that cartridge's ink count to full. */
#define QOR_NEW_CARTRIDGE_MARKER 376608 /* 0x5BF20 */

/* Values of INKINFO.bAlignCart1 / bAlignCart2: whether the printer asks for an alignment of the
 * cartridge in that position. */
enum QOR_ALIGN_REQUEST {
    QOR_ALIGN_NONE = 0,      /* no alignment pending */
    QOR_ALIGN_MANDATORY = 1, /* the cartridge must be aligned before good printing */
    QOR_ALIGN_OPTIONAL = 2   /* an alignment is recommended; the user may skip it */
};

/* Cartridges and ink. 23 fields of 32 bits; field number = offset / 4. Levels are signed percent
 * (0 to 100); QOR_NEW_CARTRIDGE_MARKER may stand in them on the way back to the host. */
typedef struct INKINFO {
    DWORD dwCarrierType; /*  0: QOR_CARRIER */
    LONG nBlackLevel;    /*  1: black cartridge */
    LONG nColorLevel1;   /*  2: colour cartridge, cyan: shown at the lowest of the three */
    LONG nColorLevel2;   /*  3: colour cartridge, magenta */
    LONG nColorLevel3;   /*  4: colour cartridge, yellow */
    LONG nPhotoLevel1;   /*  5: photo cartridge, black: shown at the lowest of the three */
    LONG nPhotoLevel2;   /*  6: photo cartridge, cyan */
    LONG nPhotoLevel3;   /*  7: photo cartridge, magenta */
    DWORD dwReserved8;   /*  8: not read or written by the module */
    DWORD dwReserved9;   /*  9: not read or written by the module */
    DWORD dwReserved10;  /* 10: not read or written by the module */
    DWORD bCartChanged1; /* 11: the printer reports an unconfirmed cartridge change, position 1 */
    DWORD bCartChanged2; /* 12: the same for position 2 */
    DWORD LogCartID1;    /* 13: the cartridge the system has accepted for position 1 */
    DWORD LogCartID2;    /* 14: the same for position 2 */
    DWORD PhyCartID1;    /* 15: the cartridge the printer senses in position 1 */
    DWORD PhyCartID2;    /* 16: the same for position 2 */
    DWORD dwCarried17;   /* 17: copied with the record, not interpreted */
    DWORD dwCarried18;   /* 18: copied with the record, not interpreted */
    DWORD bAlignCart1;   /* 19: QOR_ALIGN_REQUEST for position 1 */
    DWORD bAlignCart2;   /* 20: QOR_ALIGN_REQUEST for position 2 */
    DWORD dwReserved21;  /* 21: not read or written by the module */
    DWORD dwReserved22;  /* 22: not read or written by the module */
} INKINFO;

/* Print-head alignment values: 18 values. Value 0 is set to 1 by the three-page manual alignment
 * before it sends the record; values 1 to 17 are the pattern numbers chosen on the alignment
 * pages (out-of-range values are replaced by each page's default). */
#define QOR_ALIGN_VALUES 18
typedef struct ALIGNINFO {
    DWORD dwValue[QOR_ALIGN_VALUES];
} ALIGNINFO;

/* The printer's state. The module copies the records that the pointers lead to; pointers may be
 * null (the module then keeps what it had). */
typedef struct STATUSINFO {
    DWORD dwStatus;             /* QOR_STATUS */
    STATUSERROR* lpStatusError; /* alert bytes of the current alert, or null */
    DWORD dwMediaTray1;         /* QOR_MEDIA sensed in tray 1 */
    DWORD dwMediaTray2;         /* QOR_MEDIA sensed in tray 2 (dual-tray models) */
    INKINFO* lpInk;             /* cartridges and ink */
    ALIGNINFO* lpHeadAlign;     /* alignment values */
} STATUSINFO;

/* Connection kinds (PORTINFO.dwPortType). */
enum QOR_PORT {
    QOR_PORT_PARALLEL = 1, /* 1 and 2: with two-way communication off, no status is read */
    QOR_PORT_USB = 2,
    QOR_PORT_3 = 3,
    QOR_PORT_NETWORK = 4,  /* 4 to 7: network kinds, polled every 60 s instead of 10 s */
    QOR_PORT_NETWORK_5 = 5,
    QOR_PORT_NETWORK_6 = 6,
    QOR_PORT_NETWORK_7 = 7,
    QOR_PORT_NO_STATUS = 9, /* the printer cannot report status; cartridge ids are forced */
    QOR_PORT_10 = 10
};

typedef struct PORTINFO {
    DWORD dwPortType; /* QOR_PORT */
    DWORD dwPortValue1; /* copied, not interpreted */
    DWORD dwPortValue2; /* copied, not interpreted */
} PORTINFO;

/* Requests from the module to the host, with their payloads. The callback's result is handed back
 * unchanged to the part of the module that asked. */
enum QOR_REQUEST {
    CBGetStatus = 1,        /* STATUSINFO*: fill it and the records it points to, in place */
    CBSendFile = 2,         /* const char*: a maintenance job file name, no folder */
    CBSendBytes = 3,        /* BYTE*, arg3 = byte count (always 14) */
    CBSendAlignment = 4,    /* ALIGNINFO*: write the alignment values to the printer */
    CBInstallCarts = 5,     /* INKINFO*: record the installed cartridges (see the marker) */
    CBNotifyQORClosed = 6,  /* null: the module closes; no request follows before a new QORInit */
    CBOpenSession = 7,      /* null: open a job session for the wizard that follows */
    CBCloseSession = 8,     /* null: close that session */
    CBCancelJob = 9,        /* null: cancel the job in progress */
    CBResumeJob = 10,       /* null: resume a held job */
    CBResetChangeCount = 11 /* INKINFO*: reset the change counters of the cartridges in it */
};

typedef int (*QORCALLBACK)(int request, void* payload, int arg3, int arg4);

#ifdef QOR_BUILDING_MODULE
#define QORAPI __declspec(dllexport)
#else
#define QORAPI __declspec(dllimport)
#endif

/* Opens the module on a printer with a first topic. 1 on success, 0 when nothing was opened.
 * Topics that run a modal wizard return only when it closes. */
QORAPI int QORInit(const char* printerName, int topic, STATUSINFO* status, PORTINFO* port,
                   QORCALLBACK callback);
/* Shows a topic in the open module; 0 when nothing is open. */
QORAPI int QORDisplayTopic(int topic, STATUSINFO* status);
/* The host saw a cartridge change: the change wizard, in the open window or as a first topic. */
QORAPI int QORChangeCart(const char* printerName, int code, STATUSINFO* status, PORTINFO* port,
                         QORCALLBACK callback);
/* New status records for the open module; 0 when nothing is open. */
QORAPI int QORUpdateStatus(STATUSINFO* status);
/* Call with every message of the GUI thread before dispatching it; nonzero: the module consumed
 * it, do not dispatch it. */
QORAPI int QORFilterDllMsg(MSG* msg);
/* Lets the user choose a printer from a list of NUL-terminated names ended by an empty name.
 * Returns the position of the chosen printer in the list, counted from 1; 0 when the user
 * cancels, when the list is empty (a message box says so) or while the module is open (the open
 * windows are then closed). */
QORAPI int QORChoosePrinter(const char* printerList);
/* Closes every window of the module at once, sending nothing. Always 1. */
QORAPI int QORTerminateNow(void);

#ifdef __cplusplus
}
#endif

/* The binary layout, checked. */
#ifdef __cplusplus
#define QOR_STATIC_ASSERT static_assert
#else
#define QOR_STATIC_ASSERT _Static_assert
#endif
QOR_STATIC_ASSERT(sizeof(STATUSINFO) == 40, "STATUSINFO size");
QOR_STATIC_ASSERT(offsetof(STATUSINFO, dwStatus) == 0, "STATUSINFO.dwStatus");
QOR_STATIC_ASSERT(offsetof(STATUSINFO, lpStatusError) == 8, "STATUSINFO.lpStatusError");
QOR_STATIC_ASSERT(offsetof(STATUSINFO, dwMediaTray1) == 16, "STATUSINFO.dwMediaTray1");
QOR_STATIC_ASSERT(offsetof(STATUSINFO, dwMediaTray2) == 20, "STATUSINFO.dwMediaTray2");
QOR_STATIC_ASSERT(offsetof(STATUSINFO, lpInk) == 24, "STATUSINFO.lpInk");
QOR_STATIC_ASSERT(offsetof(STATUSINFO, lpHeadAlign) == 32, "STATUSINFO.lpHeadAlign");
QOR_STATIC_ASSERT(sizeof(STATUSERROR) == 16, "STATUSERROR size");
QOR_STATIC_ASSERT(offsetof(STATUSERROR, lpAlertStatusBytes) == 0, "STATUSERROR bytes");
QOR_STATIC_ASSERT(offsetof(STATUSERROR, dwAlertStatusLength) == 8, "STATUSERROR length");
QOR_STATIC_ASSERT(sizeof(INKINFO) == 92, "INKINFO size");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwCarrierType) == 0 * 4, "INKINFO.dwCarrierType");
QOR_STATIC_ASSERT(offsetof(INKINFO, nBlackLevel) == 1 * 4, "INKINFO.nBlackLevel");
QOR_STATIC_ASSERT(offsetof(INKINFO, nColorLevel1) == 2 * 4, "INKINFO.nColorLevel1");
QOR_STATIC_ASSERT(offsetof(INKINFO, nColorLevel2) == 3 * 4, "INKINFO.nColorLevel2");
QOR_STATIC_ASSERT(offsetof(INKINFO, nColorLevel3) == 4 * 4, "INKINFO.nColorLevel3");
QOR_STATIC_ASSERT(offsetof(INKINFO, nPhotoLevel1) == 5 * 4, "INKINFO.nPhotoLevel1");
QOR_STATIC_ASSERT(offsetof(INKINFO, nPhotoLevel2) == 6 * 4, "INKINFO.nPhotoLevel2");
QOR_STATIC_ASSERT(offsetof(INKINFO, nPhotoLevel3) == 7 * 4, "INKINFO.nPhotoLevel3");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwReserved8) == 8 * 4, "INKINFO.dwReserved8");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwReserved9) == 9 * 4, "INKINFO.dwReserved9");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwReserved10) == 10 * 4, "INKINFO.dwReserved10");
QOR_STATIC_ASSERT(offsetof(INKINFO, bCartChanged1) == 11 * 4, "INKINFO.bCartChanged1");
QOR_STATIC_ASSERT(offsetof(INKINFO, bCartChanged2) == 12 * 4, "INKINFO.bCartChanged2");
QOR_STATIC_ASSERT(offsetof(INKINFO, LogCartID1) == 13 * 4, "INKINFO.LogCartID1");
QOR_STATIC_ASSERT(offsetof(INKINFO, LogCartID2) == 14 * 4, "INKINFO.LogCartID2");
QOR_STATIC_ASSERT(offsetof(INKINFO, PhyCartID1) == 15 * 4, "INKINFO.PhyCartID1");
QOR_STATIC_ASSERT(offsetof(INKINFO, PhyCartID2) == 16 * 4, "INKINFO.PhyCartID2");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwCarried17) == 17 * 4, "INKINFO.dwCarried17");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwCarried18) == 18 * 4, "INKINFO.dwCarried18");
QOR_STATIC_ASSERT(offsetof(INKINFO, bAlignCart1) == 19 * 4, "INKINFO.bAlignCart1");
QOR_STATIC_ASSERT(offsetof(INKINFO, bAlignCart2) == 20 * 4, "INKINFO.bAlignCart2");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwReserved21) == 21 * 4, "INKINFO.dwReserved21");
QOR_STATIC_ASSERT(offsetof(INKINFO, dwReserved22) == 22 * 4, "INKINFO.dwReserved22");
QOR_STATIC_ASSERT(sizeof(ALIGNINFO) == 72, "ALIGNINFO size");
QOR_STATIC_ASSERT(sizeof(PORTINFO) == 12, "PORTINFO size");
QOR_STATIC_ASSERT(offsetof(PORTINFO, dwPortType) == 0, "PORTINFO.dwPortType");
QOR_STATIC_ASSERT(offsetof(PORTINFO, dwPortValue1) == 4, "PORTINFO.dwPortValue1");
QOR_STATIC_ASSERT(offsetof(PORTINFO, dwPortValue2) == 8, "PORTINFO.dwPortValue2");
#undef QOR_STATIC_ASSERT

#endif /* QOR_H */
