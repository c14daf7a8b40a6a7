#include "SimulatedPrinter.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const char* CarrierName(DWORD carrier) {
    switch (carrier) {
    case QOR_CARRIER_INK_TANKS:
        return "ink tanks";
    case QOR_CARRIER_DUAL:
        return "two cartridges";
    case QOR_CARRIER_SINGLE:
        return "one cartridge";
    default:
        return "unknown carrier";
    }
}

LONG* LevelFields(INKINFO& ink) {
    return &ink.nBlackLevel;
}

constexpr int kLevelFields = 7;

std::string LevelsText(const INKINFO& ink) {
    return "K " + LevelText(ink.nBlackLevel) + ", C " + LevelText(ink.nColorLevel1) + "/" +
           LevelText(ink.nColorLevel2) + "/" + LevelText(ink.nColorLevel3) + ", P " +
           LevelText(ink.nPhotoLevel1) + "/" + LevelText(ink.nPhotoLevel2) + "/" +
           LevelText(ink.nPhotoLevel3);
}

std::string CartridgesText(const INKINFO& ink) {
    return Format("ids %u/%u sensed %u/%u", static_cast<unsigned>(ink.LogCartID1),
                  static_cast<unsigned>(ink.LogCartID2), static_cast<unsigned>(ink.PhyCartID1),
                  static_cast<unsigned>(ink.PhyCartID2));
}
} // namespace

PrinterState DefaultPrinterState() {
    PrinterState state;
    state.ink.dwCarrierType = QOR_CARRIER_DUAL;
    state.ink.nBlackLevel = 72;
    state.ink.nColorLevel1 = 64;
    state.ink.nColorLevel2 = 58;
    state.ink.nColorLevel3 = 81;
    state.ink.LogCartID1 = state.ink.PhyCartID1 = QOR_CART_COLOR;
    state.ink.LogCartID2 = state.ink.PhyCartID2 = QOR_CART_BLACK;
    for (DWORD& value : state.align.dwValue)
        value = 7;
    state.port.dwPortType = QOR_PORT_USB;
    return state;
}

std::string RequestName(int code) {
    static const char* const kNames[] = {
        "CBGetStatus",    "CBSendFile",        "CBSendBytes",       "CBSendAlignment",
        "CBInstallCarts", "CBNotifyQORClosed", "CBOpenSession",     "CBCloseSession",
        "CBCancelJob",    "CBResumeJob",       "CBResetChangeCount"};
    if (code >= CBGetStatus && code <= CBResetChangeCount)
        return kNames[code - 1];
    return "request " + std::to_string(code);
}

std::string LevelText(LONG level) {
    return level == QOR_NEW_CARTRIDGE_MARKER ? "new" : std::to_string(level);
}

std::string HexBytes(const BYTE* bytes, size_t count, size_t limit) {
    if (!bytes)
        return count ? "(null)" : "";
    std::string text;
    for (size_t index = 0; index < count && index < limit; ++index) {
        if (index)
            text += ' ';
        text += Format("%02X", bytes[index]);
    }
    if (count > limit)
        text += " ...";
    return text;
}

bool ParseHexBytes(const std::string& text, std::vector<BYTE>& bytes) {
    std::vector<BYTE> parsed;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ',' || c == '\t') {
            if (high >= 0)
                return false;
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        int digit = std::isdigit(static_cast<unsigned char>(c))
                        ? c - '0'
                        : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        if (high < 0) {
            high = digit;
        } else {
            parsed.push_back(static_cast<BYTE>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0)
        return false;
    bytes.swap(parsed);
    return true;
}

const char* CartridgeName(DWORD id) {
    switch (id) {
    case QOR_CART_NONE_REPORTED:
        return "none reported";
    case QOR_CART_INVALID:
        return "invalid";
    case QOR_CART_MISSING:
        return "missing";
    case QOR_CART_BLACK:
    case QOR_CART_BLACK_53:
    case QOR_CART_BLACK_63:
    case QOR_CART_BLACK_64:
        return "black";
    case QOR_CART_COLOR:
    case QOR_CART_COLOR_85:
    case QOR_CART_COLOR_95:
    case QOR_CART_COLOR_96:
        return "colour";
    case QOR_CART_PHOTO:
    case QOR_CART_PHOTO_127:
        return "photo";
    case QOR_CART_ALT_COLOR:
    case QOR_CART_ALT_COLOR_143:
        return "alternative colour";
    case QOR_CART_UNIDENTIFIED:
        return "unidentified";
    default:
        return "unknown";
    }
}

std::string RequestRecord::Line() const {
    std::string line = RequestName(code);
    if (!payload.empty())
        line += ": " + payload;
    if (arg3 || arg4)
        line += Format(" (arg3 %d, arg4 %d)", arg3, arg4);
    return line + " -> " + std::to_string(result);
}

SimulatedPrinter::SimulatedPrinter(const PrinterState& start)
    : m_state(start), m_job(start.busyReads > 0 ? "a job of another program" : ""),
      m_busyReads(start.busyReads > 0 ? start.busyReads : 0) {}

DWORD SimulatedPrinter::ReportedStatus() const {
    return m_busyReads > 0 ? static_cast<DWORD>(QOR_STATUS_BUSY) : m_state.status;
}

void SimulatedPrinter::FillStatus(STATUSINFO& target) {
    // A host fills the module's records through the record's own pointers.
    target.dwStatus = ReportedStatus();
    target.dwMediaTray1 = m_state.mediaTray1;
    target.dwMediaTray2 = m_state.mediaTray2;
    if (target.lpInk)
        *target.lpInk = m_state.ink;
    if (target.lpHeadAlign)
        *target.lpHeadAlign = m_state.align;
    if (target.lpStatusError) {
        target.lpStatusError->lpAlertStatusBytes =
            m_state.alertBytes.empty() ? nullptr : m_state.alertBytes.data();
        target.lpStatusError->dwAlertStatusLength = static_cast<DWORD>(m_state.alertBytes.size());
    }
}

STATUSINFO* SimulatedPrinter::Status() {
    m_ink = m_state.ink;
    m_align = m_state.align;
    m_status = STATUSINFO{};
    m_status.lpInk = &m_ink;
    m_status.lpHeadAlign = &m_align;
    m_status.lpStatusError = &m_alert;
    FillStatus(m_status);
    return &m_status;
}

PORTINFO* SimulatedPrinter::Port() {
    m_port = m_state.port;
    return &m_port;
}

std::string SimulatedPrinter::Describe() const {
    std::string text = Format("status %u", static_cast<unsigned>(ReportedStatus()));
    if (m_busyReads > 0)
        text += Format(" (printing %s, %d more reads)", m_job.c_str(), m_busyReads);
    if (!m_state.alertBytes.empty())
        text += ", alert " + HexBytes(m_state.alertBytes.data(), m_state.alertBytes.size(), 8);
    text +=
        Format(", trays %u/%u, %s, ", static_cast<unsigned>(m_state.mediaTray1),
               static_cast<unsigned>(m_state.mediaTray2), CarrierName(m_state.ink.dwCarrierType));
    return text + LevelsText(m_state.ink) + ", " + CartridgesText(m_state.ink);
}

SimulatedPrinter::JobKind SimulatedPrinter::KindOfJob(const std::string& fileName) {
    // The family's job files say what they print in their names.
    std::string name = Lower(fileName);
    if (name.find("cln") != std::string::npos || name.find("phcl") != std::string::npos)
        return {"cleaning page", 4, 3};
    if (name.find("mcal") != std::string::npos)
        return {"test page", 3, 2};
    if (name.find("al") != std::string::npos || name.find("au") != std::string::npos)
        return {"alignment page", 2, 1};
    return {"job", 2, 1};
}

void SimulatedPrinter::UseInk(int percent) {
    LONG* levels = LevelFields(m_state.ink);
    for (int index = 0; index < kLevelFields; ++index) {
        // Levels out of range are the printer's own secret: they stay as they are.
        if (levels[index] > 0 && levels[index] <= 100)
            levels[index] = std::max<LONG>(0, levels[index] - percent);
    }
}

bool SimulatedPrinter::SendFile(const char* fileName, std::string& payload) {
    if (!fileName) {
        payload = "(no file name)";
        return false;
    }
    std::string name(fileName, ::strnlen(fileName, MAX_PATH));
    if (name.empty()) {
        payload = "(empty file name)";
        return false;
    }
    if (m_state.heldByOtherSession) {
        payload = name + ", refused: a job of another session holds the printer";
        return false;
    }
    JobKind kind = KindOfJob(name);
    UseInk(kind.inkUsed);
    m_job = name;
    m_busyReads += kind.busyReads;
    payload = Format("%s, %s: busy for %d status reads, %d%% ink", name.c_str(), kind.name,
                     m_busyReads, kind.inkUsed);
    return true;
}

void SimulatedPrinter::InstallCartridges(const INKINFO& reported, std::string& payload) {
    payload =
        Format("position 1 %u (%s), position 2 %u (%s); ",
               static_cast<unsigned>(reported.LogCartID1), CartridgeName(reported.LogCartID1),
               static_cast<unsigned>(reported.LogCartID2), CartridgeName(reported.LogCartID2)) +
        LevelsText(reported);
    m_state.ink.LogCartID1 = reported.LogCartID1;
    m_state.ink.LogCartID2 = reported.LogCartID2;
    // The marker in a level field is the order to count that ink as full.
    const LONG* reportedLevels = &reported.nBlackLevel;
    LONG* levels = LevelFields(m_state.ink);
    for (int index = 0; index < kLevelFields; ++index) {
        if (reportedLevels[index] == QOR_NEW_CARTRIDGE_MARKER)
            levels[index] = 100;
    }
    // The cartridges are confirmed: no change is pending any more.
    m_state.ink.bCartChanged1 = 0;
    m_state.ink.bCartChanged2 = 0;
}

void SimulatedPrinter::ResetChangeCounts(const INKINFO& reported, std::string& payload) {
    const DWORD ids[2] = {reported.LogCartID1, reported.LogCartID2};
    DWORD* flags[2] = {&m_state.ink.bCartChanged1, &m_state.ink.bCartChanged2};
    payload = "reset:";
    for (int position = 0; position < 2; ++position) {
        if (ids[position] == QOR_CART_NONE_REPORTED || ids[position] == QOR_CART_MISSING)
            continue;
        m_state.changeCount[position] = 0;
        *flags[position] = 0;
        payload += Format(" position %d (%u)", position + 1, static_cast<unsigned>(ids[position]));
    }
}

RequestRecord SimulatedPrinter::Answer(int request, void* payload, int arg3, int arg4) {
    RequestRecord record;
    record.code = request;
    record.arg3 = arg3;
    record.arg4 = arg4;
    switch (request) {
    case CBGetStatus:
        if (!payload) {
            record.payload = "(no record)";
            break;
        }
        FillStatus(*static_cast<STATUSINFO*>(payload));
        record.payload = Describe();
        if (m_busyReads > 0 && --m_busyReads == 0) {
            record.payload += ", job done";
            m_job.clear();
            record.stateChanged = true;
        }
        record.result = 1;
        break;
    case CBSendFile:
        record.result = SendFile(static_cast<const char*>(payload), record.payload);
        record.stateChanged = record.result != 0;
        break;
    case CBSendBytes:
        record.payload = Format("%d bytes", arg3);
        if (arg3 > 0)
            record.payload +=
                ": " + HexBytes(static_cast<const BYTE*>(payload), static_cast<size_t>(arg3));
        record.result = payload && arg3 > 0;
        break;
    case CBSendAlignment:
        if (!payload) {
            record.payload = "(no record)";
            break;
        }
        m_state.align = *static_cast<const ALIGNINFO*>(payload);
        record.payload = "values";
        for (DWORD value : m_state.align.dwValue)
            record.payload += ' ' + std::to_string(value);
        // The print head is aligned: no alignment is pending any more.
        m_state.ink.bAlignCart1 = m_state.ink.bAlignCart2 = QOR_ALIGN_NONE;
        record.result = 1;
        record.stateChanged = true;
        break;
    case CBInstallCarts:
    case CBResetChangeCount:
        if (!payload) {
            record.payload = "(no record)";
            break;
        }
        if (request == CBInstallCarts)
            InstallCartridges(*static_cast<const INKINFO*>(payload), record.payload);
        else
            ResetChangeCounts(*static_cast<const INKINFO*>(payload), record.payload);
        record.result = 1;
        record.stateChanged = true;
        break;
    case CBNotifyQORClosed:
        record.payload =
            m_sessionOpen ? "the module closed; its session ends" : "the module closed";
        m_sessionOpen = false;
        record.result = 1;
        record.stateChanged = true;
        break;
    case CBOpenSession:
        if (m_state.heldByOtherSession) {
            record.payload = "refused: a job of another session holds the printer";
            break;
        }
        record.payload = m_sessionOpen ? "the printer stays locked for the module"
                                       : "the printer is locked for the module";
        m_sessionOpen = true;
        record.result = 1;
        record.stateChanged = true;
        break;
    case CBCloseSession:
        record.payload = m_sessionOpen ? "the printer is free" : "no session was open";
        m_sessionOpen = false;
        record.result = 1;
        record.stateChanged = true;
        break;
    case CBCancelJob:
        if (m_busyReads > 0) {
            record.payload = m_job + " cancelled";
            m_busyReads = 0;
            m_job.clear();
        } else if (m_state.jobHeld) {
            record.payload = "the held job is cancelled";
            m_state.jobHeld = false;
        } else {
            record.payload = "no job in progress";
        }
        record.result = 1;
        record.stateChanged = true;
        break;
    case CBResumeJob:
        if (m_state.jobHeld) {
            record.payload = "the held job prints on";
            m_state.jobHeld = false;
            m_job = "held job";
            m_busyReads += 2;
        } else {
            record.payload = "no job was held";
        }
        record.result = 1;
        record.stateChanged = true;
        break;
    default:
        record.payload = "unknown request";
        break;
    }
    return record;
}
