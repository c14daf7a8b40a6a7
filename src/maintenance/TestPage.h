// The test page: the one job the module prints itself, through the system's printing interface
// rather than the host. One page with one picture, scaled to the printable area and centred.
#pragma once

// Prints the test page on the named printer: the picture of the resource module, or the setup
// CD's own picture when the model asks for it (IDO_TESTPAGEFROMCD 1) and the CD holds one. A
// printer that is not there is logged and nothing is shown.
void PrintTestPage(const char* printerName);
