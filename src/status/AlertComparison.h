// The comparison of the printer's alert bytes with the alert patterns the Troubleshooting page
// knows, and the kind of alert it makes of them.
#pragma once

#include "qor.h"

#include <windows.h>

// The patterns, each four bytes: two code bytes and two zeros.
enum class AlertPattern { A, B, C, D, E, F };

// Nonzero when the first count alert bytes equal the first count bytes of the pattern. The debug
// log shows the bytes and each compared position. Alert bytes beyond a pattern's four cannot
// match it, nor can no bytes at all.
int CompareAlert(AlertPattern pattern, const BYTE* bytes, DWORD count);

// What an alert means for its user: out of paper (A), a paper jam (B), a stalled carriage (C), a
// cartridge (D or E on all but their last byte) or a general alert (F and anything else); none
// without an alert record.
enum class AlertKind { None, OutOfPaper, PaperJam, CarriageStall, Cartridge, General };
AlertKind ClassifyAlert(const STATUSERROR* alert);

// The text of an alert kind (0 for none).
UINT AlertTextOf(AlertKind kind);
