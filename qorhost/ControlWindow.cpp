#include "ControlWindow.h"

#include "DialogTemplate.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace {
enum ControlId : WORD {
    IDC_STATUS = 101,
    IDC_ALERT,
    IDC_TRAY1,
    IDC_TRAY2,
    IDC_PORT,
    IDC_CARRIER,
    IDC_LOGICAL1 = 110,
    IDC_SENSED1,
    IDC_CHANGED1,
    IDC_ALIGN1,
    IDC_LOGICAL2 = 120,
    IDC_SENSED2,
    IDC_CHANGED2,
    IDC_ALIGN2,
    IDC_LEVEL_FIRST = 130, // seven level edits, each followed by its up-down control
    IDC_OTHER_SESSION = 150,
    IDC_JOB_HELD,
    IDC_PRINTER_STATE,
    IDC_TOPIC = 160,
    IDC_OPEN,
    IDC_PUSH,
    IDC_FIT,
    IDC_END,
    IDC_MODULE_STATE,
    IDC_REQUESTS = 170,
    IDC_CLEAR,
};

// Labels and frames, which nothing refers to.
constexpr WORD kStaticId = 0xFFFF;
// Reads the controls into the printer after a change has settled in them.
constexpr UINT kReadPrinterMessage = WM_APP + 1;
constexpr int kLevels = 7;
constexpr int kMaxRows = 5000;
constexpr int kWidth = 300;

const char* const kLevelNames[kLevels] = {"Black",   "Cyan",    "Magenta", "Yellow",
                                          "Photo K", "Photo C", "Photo M"};

constexpr int LevelEdit(int level) {
    return IDC_LEVEL_FIRST + level * 2;
}

// A number of the printer's state, whatever its type.
class NumberField {
public:
    template <class T>
    explicit NumberField(T& field)
        : m_field(&field),
          m_get([](const void* at) { return static_cast<long long>(*static_cast<const T*>(at)); }),
          m_set([](void* at, long long value) { *static_cast<T*>(at) = static_cast<T>(value); }) {}
    long long Get() const { return m_get(m_field); }
    void Set(long long value) const { m_set(m_field, value); }

private:
    void* m_field;
    long long (*m_get)(const void*);
    void (*m_set)(void*, long long);
};

// How a field is shown in its control, and so how it is read back.
enum class Shown {
    Choice, // one of the control's numbered choices, or a number typed in
    Number, // a number typed in
    Check,  // checked for any value but 0; read back as 1 or 0
};

struct PrinterField {
    int id;
    Shown shown;
    NumberField (*field)(PrinterState& state);
};

// The printer's numbers the window edits; the alert bytes, shown as hex text, are the one field
// that is no number.
const PrinterField kPrinterFields[] = {
    {IDC_STATUS, Shown::Choice, [](PrinterState& s) { return NumberField(s.status); }},
    {IDC_TRAY1, Shown::Choice, [](PrinterState& s) { return NumberField(s.mediaTray1); }},
    {IDC_TRAY2, Shown::Choice, [](PrinterState& s) { return NumberField(s.mediaTray2); }},
    {IDC_PORT, Shown::Choice, [](PrinterState& s) { return NumberField(s.port.dwPortType); }},
    {IDC_CARRIER, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.dwCarrierType); }},
    {IDC_LOGICAL1, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.LogCartID1); }},
    {IDC_SENSED1, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.PhyCartID1); }},
    {IDC_LOGICAL2, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.LogCartID2); }},
    {IDC_SENSED2, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.PhyCartID2); }},
    {IDC_CHANGED1, Shown::Check, [](PrinterState& s) { return NumberField(s.ink.bCartChanged1); }},
    {IDC_CHANGED2, Shown::Check, [](PrinterState& s) { return NumberField(s.ink.bCartChanged2); }},
    {IDC_ALIGN1, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.bAlignCart1); }},
    {IDC_ALIGN2, Shown::Choice, [](PrinterState& s) { return NumberField(s.ink.bAlignCart2); }},
    {LevelEdit(0), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nBlackLevel); }},
    {LevelEdit(1), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nColorLevel1); }},
    {LevelEdit(2), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nColorLevel2); }},
    {LevelEdit(3), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nColorLevel3); }},
    {LevelEdit(4), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nPhotoLevel1); }},
    {LevelEdit(5), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nPhotoLevel2); }},
    {LevelEdit(6), Shown::Number, [](PrinterState& s) { return NumberField(s.ink.nPhotoLevel3); }},
    {IDC_OTHER_SESSION, Shown::Check,
     [](PrinterState& s) { return NumberField(s.heldByOtherSession); }},
    {IDC_JOB_HELD, Shown::Check, [](PrinterState& s) { return NumberField(s.jobHeld); }},
};

const char* const kStatusChoices[] = {"1 ready",
                                      "2 busy",
                                      "3 error (not ready)",
                                      "4 busy, alert",
                                      "5 ready, own text",
                                      "6 power off",
                                      "7 error (not ready)",
                                      "8 error (not ready)",
                                      "9 alert",
                                      "10 error (not ready)"};
const char* const kMediaChoices[] = {"0 plain",          "1 coated",  "2 glossy",
                                     "3 transparency",   "4 iron-on", "5 card stock",
                                     "255 unknown paper"};
const char* const kPortChoices[] = {"1 parallel", "2 USB",       "3 other",
                                    "4 network",  "5 network",   "6 network",
                                    "7 network",  "9 no status", "10 other"};
const char* const kCarrierChoices[] = {"1 ink tanks", "2 two cartridges", "3 one cartridge"};
const char* const kCartridgeChoices[] = {
    "80 colour",  "85 colour",  "95 colour",       "96 colour",
    "48 black",   "53 black",   "63 black",        "64 black",
    "112 photo",  "127 photo",  "128 alt. colour", "143 alt. colour",
    "32 missing", "16 invalid", "0 none reported", "999 unidentified"};
const char* const kAlignChoices[] = {"0 none", "1 mandatory", "2 optional"};
const char* const kTopicChoices[] = {
    "100 Home",
    "101 Printer Features",
    "102 Troubleshooting",
    "103 Ink cartridges or tanks",
    "104 Contact information",
    "105 Advanced",
    "106 Printer Features, first list",
    "201 Help",
    "203 Supplies",
    "206 Cartridge verification or tank replacement",
    "216 Cartridge change wizard or tank check",
    "218 Network help",
    "304 Alignment",
    "305 Clean and test",
    "306 Test page",
    "308 Paper and print quality",
    "313 Cartridge verification, first kind",
    "400 Post-install sequence",
    "404 Cartridge installation",
    "405 Cartridge change",
    "410 Post-install wizard",
    "411 Fax confirmation",
    "700 Supplies web page",
    "701 Low-ink warning",
};

RECT Box(int x, int y, int width, int height) {
    return RECT{x, y, x + width, y + height};
}

void Label(CDialogTemplate& form, const char* text, int x, int y, int width) {
    form.AddControl("STATIC", text, kStaticId, SS_LEFT | WS_CHILD | WS_VISIBLE,
                    Box(x, y + 2, width, 8));
}

void Combo(CDialogTemplate& form, WORD id, int x, int y, int width, bool editable) {
    DWORD kind = editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
    form.AddControl("COMBOBOX", "", id, kind | WS_VSCROLL | WS_TABSTOP | WS_CHILD | WS_VISIBLE,
                    Box(x, y, width, 160));
}

void Edit(CDialogTemplate& form, WORD id, int x, int y, int width) {
    form.AddControl("EDIT", "", id, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_CHILD | WS_VISIBLE,
                    Box(x, y, width, 12));
}

void Check(CDialogTemplate& form, WORD id, const char* text, int x, int y, int width) {
    form.AddControl("BUTTON", text, id, BS_AUTOCHECKBOX | WS_TABSTOP | WS_CHILD | WS_VISIBLE,
                    Box(x, y, width, 10));
}

void Button(CDialogTemplate& form, WORD id, const char* text, int x, int y, int width,
            bool isDefault = false) {
    form.AddControl("BUTTON", text, id,
                    (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_CHILD |
                        WS_VISIBLE,
                    Box(x, y, width, 14));
}

void Group(CDialogTemplate& form, const char* text, int y, int height) {
    form.AddControl("BUTTON", text, kStaticId, BS_GROUPBOX | WS_CHILD | WS_VISIBLE,
                    Box(4, y, kWidth - 8, height));
}

// The window's layout in dialog units.
CDialogTemplate BuildTemplate(const std::string& caption) {
    CDialogTemplate form(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU |
                             WS_MINIMIZEBOX,
                         Box(0, 0, kWidth, 452), caption.c_str());
    Group(form, "Printer", 2, 170);
    Label(form, "&Status:", 10, 14, 40);
    Combo(form, IDC_STATUS, 52, 14, 96, true);
    Label(form, "C&onnection:", 154, 14, 44);
    Combo(form, IDC_PORT, 200, 14, 90, true);
    Label(form, "&Alert bytes:", 10, 30, 40);
    Edit(form, IDC_ALERT, 52, 30, 96);
    Label(form, "&Carrier:", 154, 30, 44);
    Combo(form, IDC_CARRIER, 200, 30, 90, true);
    Label(form, "Tray &1:", 10, 46, 40);
    Combo(form, IDC_TRAY1, 52, 46, 96, true);
    Label(form, "Tray &2:", 154, 46, 44);
    Combo(form, IDC_TRAY2, 200, 46, 90, true);

    Label(form, "Logical id", 52, 62, 70);
    Label(form, "Sensed id", 126, 62, 70);
    Label(form, "Changed", 198, 62, 34);
    Label(form, "Alignment", 236, 62, 54);
    const WORD positions[2] = {IDC_LOGICAL1, IDC_LOGICAL2};
    const char* const positionNames[2] = {"&Left (1):", "&Right (2):"};
    for (int position = 0; position < 2; ++position) {
        int y = 74 + position * 16;
        WORD first = positions[position];
        Label(form, positionNames[position], 10, y, 40);
        Combo(form, first, 52, y, 70, true);
        Combo(form, static_cast<WORD>(first + 1), 126, y, 70, true);
        Check(form, static_cast<WORD>(first + 2), "", 208, y + 1, 12);
        Combo(form, static_cast<WORD>(first + 3), 236, y, 54, false);
    }

    for (int level = 0; level < kLevels; ++level) {
        int x = 10 + (level % 4) * 70;
        int y = 110 + (level / 4) * 16;
        WORD id = static_cast<WORD>(LevelEdit(level));
        Label(form, kLevelNames[level], x, y, 30);
        Edit(form, id, x + 30, y, 32);
        form.AddControl(UPDOWN_CLASSA, "", static_cast<WORD>(id + 1),
                        UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                            UDS_NOTHOUSANDS | WS_CHILD | WS_VISIBLE,
                        Box(0, 0, 10, 12));
    }
    Check(form, IDC_OTHER_SESSION, "A job of another s&ession holds the printer", 10, 144, 150);
    Check(form, IDC_JOB_HELD, "A &job waits to be resumed", 170, 144, 120);
    form.AddControl("STATIC", "", IDC_PRINTER_STATE,
                    SS_LEFT | SS_ENDELLIPSIS | SS_NOPREFIX | WS_CHILD | WS_VISIBLE,
                    Box(10, 158, kWidth - 20, 8));

    Group(form, "Module", 176, 58);
    Label(form, "&Topic:", 10, 188, 28);
    Combo(form, IDC_TOPIC, 40, 188, 176, true);
    Button(form, IDC_OPEN, "&Open topic", 222, 187, 68, true);
    Button(form, IDC_PUSH, "&Push status", 10, 205, 66);
    Button(form, IDC_FIT, "&Fit new cartridges", 80, 205, 80);
    Button(form, IDC_END, "E&nd module", 164, 205, 60);
    form.AddControl("STATIC", "", IDC_MODULE_STATE,
                    SS_LEFT | SS_ENDELLIPSIS | SS_NOPREFIX | WS_CHILD | WS_VISIBLE,
                    Box(10, 222, kWidth - 20, 8));

    Group(form, "Calls and requests", 238, 210);
    form.AddControl(WC_LISTVIEWA, "", IDC_REQUESTS,
                    LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP |
                        WS_CHILD | WS_VISIBLE,
                    Box(10, 250, kWidth - 20, 176));
    Button(form, IDC_CLEAR, "Clear l&ist", kWidth - 70, 430, 60);
    return form;
}

template <size_t N> void FillChoices(HWND combo, const char* const (&choices)[N]) {
    for (const char* choice : choices)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
}

std::string StatusName(DWORD status) {
    for (const char* choice : kStatusChoices) {
        if (std::strtoul(choice, nullptr, 10) == status)
            return choice;
    }
    return std::to_string(status);
}
} // namespace

ControlWindow::ControlWindow(ModuleHost& host, std::string printerName, const Profile& profile)
    : m_host(host), m_printerName(std::move(printerName)), m_profile(profile) {}

ControlWindow::~ControlWindow() {
    if (m_window && ::IsWindow(m_window))
        ::DestroyWindow(m_window);
    MessageLoop::SetDialog(nullptr);
    if (m_listFont)
        ::DeleteObject(m_listFont);
}

bool ControlWindow::Create() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&classes);
    CDialogTemplate form =
        BuildTemplate("Simulated printer - " + m_printerName + " [" + m_profile.name + "]");
    m_window = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), form.Get(), nullptr,
                                            &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!m_window)
        return false;
    MessageLoop::SetDialog(m_window);
    PlaceBesideModule();
    ::ShowWindow(m_window, SW_SHOWNOACTIVATE);
    return true;
}

INT_PTR CALLBACK ControlWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<ControlWindow*>(lParam);
        self->m_window = window;
    }
    auto* self = reinterpret_cast<ControlWindow*>(::GetWindowLongPtrA(window, DWLP_USER));
    return self ? self->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR ControlWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitControls();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case kReadPrinterMessage:
        ReadPrinter();
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    default:
        return FALSE;
    }
}

void ControlWindow::InitControls() {
    FillChoices(Item(IDC_STATUS), kStatusChoices);
    FillChoices(Item(IDC_TRAY1), kMediaChoices);
    FillChoices(Item(IDC_TRAY2), kMediaChoices);
    FillChoices(Item(IDC_PORT), kPortChoices);
    FillChoices(Item(IDC_CARRIER), kCarrierChoices);
    for (int id : {IDC_LOGICAL1, IDC_SENSED1, IDC_LOGICAL2, IDC_SENSED2})
        FillChoices(Item(id), kCartridgeChoices);
    FillChoices(Item(IDC_ALIGN1), kAlignChoices);
    FillChoices(Item(IDC_ALIGN2), kAlignChoices);
    FillChoices(Item(IDC_TOPIC), kTopicChoices);
    ::SendMessageA(Item(IDC_TOPIC), CB_SETCURSEL, 0, 0);
    for (int level = 0; level < kLevels; ++level)
        ::SendMessageA(Item(LevelEdit(level) + 1), UDM_SETRANGE32, 0, 100);

    HWND list = Item(IDC_REQUESTS);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    RECT box{};
    ::GetClientRect(list, &box);
    int width = box.right - ::GetSystemMetrics(SM_CXVSCROLL);
    struct Column {
        const char* title;
        int share; // of 100
    };
    const Column columns[] = {{"#", 8}, {"Call or request", 25}, {"Payload", 53}, {"Result", 14}};
    int index = 0;
    for (const Column& column : columns) {
        LVCOLUMNA item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH;
        item.pszText = const_cast<char*>(column.title);
        item.cx = width * column.share / 100;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&item));
    }
    ShowPrinter();
    ShowModuleState();
}

std::string ControlWindow::Text(int id) const {
    char text[512] = {};
    ::GetWindowTextA(Item(id), text, sizeof text);
    return text;
}

void ControlWindow::SetText(int id, const std::string& text) {
    if (Text(id) != text)
        ::SetWindowTextA(Item(id), text.c_str());
}

bool ControlWindow::Number(int id, long long& value) const {
    std::string text = Text(id);
    char* end = nullptr;
    long long number = std::strtoll(text.c_str(), &end, 0);
    if (end == text.c_str() || (*end && *end != ' '))
        return false;
    value = number;
    return true;
}

void ControlWindow::SetNumberChoice(int id, long long value) {
    // The choice that starts with the number, or the bare number when no choice does.
    HWND combo = Item(id);
    std::string prefix = std::to_string(value) + " ";
    LRESULT index = ::SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(prefix.c_str()));
    if (index != CB_ERR) {
        if (::SendMessageA(combo, CB_GETCURSEL, 0, 0) != index)
            ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return;
    }
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetText(id, std::to_string(value));
}

void ControlWindow::ShowPrinter() {
    m_showing = true;
    PrinterState& state = m_host.Printer().State();
    for (const PrinterField& row : kPrinterFields) {
        long long value = row.field(state).Get();
        switch (row.shown) {
        case Shown::Choice:
            SetNumberChoice(row.id, value);
            break;
        case Shown::Number:
            SetText(row.id, std::to_string(value));
            break;
        case Shown::Check:
            ::CheckDlgButton(m_window, row.id, value ? BST_CHECKED : BST_UNCHECKED);
            break;
        }
    }
    SetText(IDC_ALERT, HexBytes(state.alertBytes.data(), state.alertBytes.size(), 256));
    m_showing = false;

    const SimulatedPrinter& printer = m_host.Printer();
    std::string line = "Reports: " + StatusName(printer.ReportedStatus());
    if (printer.BusyReadsLeft() > 0)
        line += ", printing " + printer.CurrentJob() + " for " +
                std::to_string(printer.BusyReadsLeft()) + " more status reads";
    if (printer.SessionOpen())
        line += "; locked for the module";
    SetText(IDC_PRINTER_STATE, line);
}

void ControlWindow::ReadPrinter() {
    // Each field that reads well replaces the printer's; one being typed keeps the last good one.
    PrinterState& state = m_host.Printer().State();
    for (const PrinterField& row : kPrinterFields) {
        long long value = 0;
        if (row.shown == Shown::Check)
            row.field(state).Set(::IsDlgButtonChecked(m_window, row.id) == BST_CHECKED);
        else if (Number(row.id, value))
            row.field(state).Set(value);
    }
    ParseHexBytes(Text(IDC_ALERT), state.alertBytes);
}

void ControlWindow::OnCommand(WORD id, WORD code) {
    switch (id) {
    case IDC_OPEN:
        OpenTopic();
        return;
    case IDC_PUSH:
        PushStatus();
        return;
    case IDC_FIT:
        FitNewCartridges();
        return;
    case IDC_END:
        EndModule();
        return;
    case IDC_CLEAR:
        ListView_DeleteAllItems(Item(IDC_REQUESTS));
        m_rows = 0;
        return;
    case IDC_TOPIC:
    case IDCANCEL:
        // Escape does not close the bench: the window's close box does.
        return;
    default:
        break;
    }
    bool changed =
        code == EN_CHANGE || code == CBN_EDITCHANGE || code == CBN_SELCHANGE || code == BN_CLICKED;
    if (changed && !m_showing)
        ::PostMessageA(m_window, kReadPrinterMessage, 0, 0);
}

bool ControlWindow::RefuseWhileModuleHoldsLoop() {
    if (!MessageLoop::ModuleHoldsLoop())
        return false;
    ::MessageBeep(MB_ICONWARNING);
    ShowModuleState("a modal window of the module runs: finish it first");
    return true;
}

void ControlWindow::OpenTopic() {
    long long topic = 0;
    if (!Number(IDC_TOPIC, topic)) {
        ::MessageBeep(MB_ICONWARNING);
        ShowModuleState("a topic is a number, as in \"100 Home\"");
        ::SetFocus(Item(IDC_TOPIC));
        return;
    }
    if (RefuseWhileModuleHoldsLoop())
        return;
    ReadPrinter();
    bool wasOpen = m_host.IsOpen();
    m_host.OpenTopic(m_printerName, static_cast<int>(topic));
    if (!wasOpen)
        PlaceBesideModule();
}

void ControlWindow::PushStatus() {
    if (RefuseWhileModuleHoldsLoop())
        return;
    ReadPrinter();
    m_host.PushStatus();
}

void ControlWindow::FitNewCartridges() {
    if (RefuseWhileModuleHoldsLoop())
        return;
    ReadPrinter();
    // The printer senses a change in each position that holds a cartridge.
    PrinterState& state = m_host.Printer().State();
    INKINFO& ink = state.ink;
    ink.bCartChanged1 = ink.PhyCartID1 != QOR_CART_MISSING;
    ++state.changeCount[0];
    if (ink.dwCarrierType != QOR_CARRIER_SINGLE) {
        ink.bCartChanged2 = ink.PhyCartID2 != QOR_CART_MISSING;
        ++state.changeCount[1];
    }
    ShowPrinter();
    bool wasOpen = m_host.IsOpen();
    m_host.ChangeCartridges(m_printerName);
    if (!wasOpen)
        PlaceBesideModule();
}

void ControlWindow::EndModule() {
    if (RefuseWhileModuleHoldsLoop())
        return;
    m_host.TerminateNow();
}

void ControlWindow::OnClose() {
    if (RefuseWhileModuleHoldsLoop())
        return;
    if (m_host.IsOpen())
        m_host.TerminateNow();
    ::DestroyWindow(m_window);
    m_window = nullptr;
    MessageLoop::SetDialog(nullptr);
    ::PostQuitMessage(0);
}

void ControlWindow::ShowModuleState(const std::string& note) {
    if (!m_window)
        return;
    bool open = m_host.IsOpen();
    std::string line = std::string("Module ") + (open ? "open" : "closed") + ", " +
                       std::to_string(m_host.RequestCount()) + " requests";
    if (!note.empty())
        line += ": " + note;
    SetText(IDC_MODULE_STATE, line);
    ::EnableWindow(Item(IDC_PUSH), open);
    ::EnableWindow(Item(IDC_END), open);
}

void ControlWindow::AddRow(const std::string& kind, const std::string& payload,
                           const std::string& result) {
    HWND list = Item(IDC_REQUESTS);
    if (!list)
        return;
    if (ListView_GetItemCount(list) >= kMaxRows)
        ListView_DeleteItem(list, 0);
    std::string number = std::to_string(++m_rows);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = number.data();
    int row =
        static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return;
    const std::string* texts[] = {&kind, &payload, &result};
    for (int column = 1; column <= 3; ++column) {
        LVITEMA cell{};
        cell.iSubItem = column;
        cell.pszText = const_cast<char*>(texts[column - 1]->c_str());
        ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&cell));
    }
    ListView_EnsureVisible(list, row, FALSE);
}

void ControlWindow::OnRequest(const RequestRecord& record) {
    std::string kind = RequestName(record.code);
    std::string payload = record.payload;
    if (record.arg3 || record.arg4)
        payload +=
            " (arg3 " + std::to_string(record.arg3) + ", arg4 " + std::to_string(record.arg4) + ")";
    AddRow(kind, payload, std::to_string(record.result));
    if (record.stateChanged || record.code == CBGetStatus)
        ShowPrinter();
    ShowModuleState();
}

void ControlWindow::OnCall(const std::string& line) {
    // "QORInit("...", 100)" opens a call, "QORInit -> 1" closes it.
    size_t arrow = line.find(" -> ");
    if (arrow == std::string::npos)
        AddRow("host", line, "");
    else
        AddRow("host", line.substr(0, arrow) + " returned", line.substr(arrow + 4));
}

void ControlWindow::OnLifetime() {
    ShowModuleState();
}

void ControlWindow::PlaceBesideModule() {
    if (!m_window)
        return;
    RECT own{};
    ::GetWindowRect(m_window, &own);
    int width = own.right - own.left;
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The module's largest window is its main window.
    RECT beside{work.left, work.top, work.left, work.top};
    long largest = -1;
    for (HWND window : ModuleHost::ModuleWindows()) {
        RECT box{};
        ::GetWindowRect(window, &box);
        long area = static_cast<long>(box.right - box.left) * (box.bottom - box.top);
        if (area > largest) {
            largest = area;
            beside = box;
        }
    }
    int x = std::min<int>(beside.right + 8, work.right - width);
    int y = std::max<int>(beside.top, work.top);
    ::SetWindowPos(m_window, nullptr, std::max<int>(x, work.left), y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
