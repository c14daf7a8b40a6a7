// The reference host's printer: the state a real printer would report, and the answers to the
// module's requests, each described on one line for the request list.
#pragma once

#include "qor.h"

#include <string>
#include <vector>

// What the printer is and holds. The status is its resting state: while a job prints, the printer
// reports busy instead for a few status reads.
struct PrinterState {
    DWORD status = QOR_STATUS_READY;
    std::vector<BYTE> alertBytes;
    DWORD mediaTray1 = QOR_MEDIA_PLAIN;
    DWORD mediaTray2 = QOR_MEDIA_PLAIN;
    INKINFO ink{};
    ALIGNINFO align{};
    PORTINFO port{};
    // A job of another session holds the printer: the module's sessions are refused.
    bool heldByOtherSession = false;
    // A job waits for the user (CBResumeJob lets it go on).
    bool jobHeld = false;
    // A job of another program prints when the host starts: the printer reports busy for this
    // many status reads.
    int busyReads = 0;
    // Cartridge changes counted per position since the last CBResetChangeCount.
    int changeCount[2] = {0, 0};
};

// The default two-cartridge printer: ready, plain paper, colour and black cartridges, on USB.
PrinterState DefaultPrinterState();

// One request as the host saw it: its payload decoded before, and the outcome after, the answer.
struct RequestRecord {
    int code = 0;
    int arg3 = 0;
    int arg4 = 0;
    int result = 0;
    std::string payload;
    // The printer's own state changed (ink used, cartridges taken, a job started or ended).
    bool stateChanged = false;

    // "CBSendFile: vqtrcln.out, cleaning page ... -> 1"
    std::string Line() const;
};

// The name of a request code ("CBGetStatus"), or "request N" for a code outside 1 to 11.
std::string RequestName(int code);
// Level fields of a cartridge: "new" for the new-cartridge marker, else the number.
std::string LevelText(LONG level);
// "1B 2A 00": at most limit bytes, "..." after them when there are more.
std::string HexBytes(const BYTE* bytes, size_t count, size_t limit = 64);
// Parses pairs of hexadecimal digits separated by blanks or commas ("1b 2A,00" or "1B2A00").
// False when the text holds anything else or an odd digit.
bool ParseHexBytes(const std::string& text, std::vector<BYTE>& bytes);
// The name of a cartridge id ("colour", "black", "missing", ...), or "unknown".
const char* CartridgeName(DWORD id);

class SimulatedPrinter {
public:
    explicit SimulatedPrinter(const PrinterState& start = DefaultPrinterState());
    SimulatedPrinter(const SimulatedPrinter&) = delete;
    SimulatedPrinter& operator=(const SimulatedPrinter&) = delete;

    PrinterState& State() { return m_state; }
    const PrinterState& State() const { return m_state; }

    // The records handed to the module with a call (QORInit, QORUpdateStatus, ...): built from
    // the state as the printer reports it now; valid until the next call of either.
    STATUSINFO* Status();
    PORTINFO* Port();

    // Answers one request of the module.
    RequestRecord Answer(int request, void* payload, int arg3, int arg4);

    // What the printer reports now: its resting status, or busy while a job prints.
    DWORD ReportedStatus() const;
    int BusyReadsLeft() const { return m_busyReads; }
    const std::string& CurrentJob() const { return m_job; }
    bool SessionOpen() const { return m_sessionOpen; }
    // Printer state on one line: "status 1, carrier 2, K 72, C 64/58/81, ids 80/48 (80/48)".
    std::string Describe() const;

    // A job file sent to the printer: how long it prints and how much ink it takes.
    struct JobKind {
        const char* name;
        int busyReads;
        int inkUsed;
    };
    static JobKind KindOfJob(const std::string& fileName);

private:
    void FillStatus(STATUSINFO& target);
    bool SendFile(const char* fileName, std::string& payload);
    void InstallCartridges(const INKINFO& reported, std::string& payload);
    void ResetChangeCounts(const INKINFO& reported, std::string& payload);
    void UseInk(int percent);

    PrinterState m_state;
    // The records handed with calls.
    STATUSINFO m_status{};
    STATUSERROR m_alert{};
    INKINFO m_ink{};
    ALIGNINFO m_align{};
    PORTINFO m_port{};
    // The job that prints, and for how many more status reads.
    std::string m_job;
    int m_busyReads = 0;
    bool m_sessionOpen = false;
};
