// The debug log. Every function of note makes a CSpy and writes one entry per value:
//
//   text            as it stands ("(null)" for a null pointer); a text with line breaks
//                   therefore spans lines
//   number          in decimal
//   record          on one line, every field by its name in qor.h:
//                     PORTINFO{dwPortType=2, dwPortValue1=0, dwPortValue2=0}
//                     INKINFO{dwCarrierType=2, nBlackLevel=50, ..., dwReserved22=0}
//                     ALIGNINFO{dwValue=[0, 7, 7, 10, ...]}             (all 18 values)
//                     STATUSERROR{lpAlertStatusBytes=[80 01], dwAlertStatusLength=2}
//                     STATUSINFO{dwStatus=1, lpStatusError=STATUSERROR{...}, dwMediaTray1=0,
//                                dwMediaTray2=0, lpInk=INKINFO{...}, lpHeadAlign=ALIGNINFO{...}}
//                   a null record is NAME{null}; a null pointer inside STATUSINFO, or a null
//                   alert byte pointer, is null; a record that cannot be read is NAME{unreadable}
//   byte buffer     two upper-case hex digits per byte, separated by blanks ("1B 2A 00"); null
//                   data is "(null)", a negative length "(invalid length -1)"; at most 4096
//                   bytes are shown, and a buffer that is longer, or that runs into memory that
//                   cannot be read, ends with "... (<length> bytes)"
//
// Each entry goes to OutputDebugStringA and, when the environment variable VQTR_SPY_LOG names a
// file, is appended to that file as one line ending with "\n" (the file is opened, appended to
// and closed for each entry, so the variable may change between calls and the file may be read,
// moved or deleted at any time). No time stamp stands before the entry.
#pragma once

#include "CString.h"
#include "UtilApi.h"
#include "qor.h"

class VQTRUTIL_API CSpy {
public:
    void OutputData(const CString& text) const;
    void OutputData(const char* text) const;
    void OutputData(int value) const;
    void OutputData(unsigned int value) const;
    void OutputData(long value) const;
    void OutputData(unsigned long value) const;
    void OutputData(const STATUSINFO* status) const;
    void OutputData(const STATUSERROR* error) const;
    void OutputData(const INKINFO* ink) const;
    void OutputData(const ALIGNINFO* align) const;
    void OutputData(const PORTINFO* port) const;
    void OutputData(const BYTE* data, int length) const;
    // One entry for each value, in order: a call's name and its arguments, say.
    template <class... Values> void OutputEach(const Values&... values) const {
        (OutputData(values), ...);
    }

    // An error: the text between two lines of 55 '!' characters (three entries).
    void OutputError(const char* text) const;
};
