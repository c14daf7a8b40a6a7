// qorhost: the reference QOR host. It loads the module, opens a topic for a simulated printer,
// runs its message loop through QORFilterDllMsg, answers the module's requests and lists them in
// a control window beside the module's windows, where the printer's state can be changed.
//
//   qorhost [--profile NAME] [--printer NAME] [--topic N] [--log FILE]
//           [--screenshot FILE.png [--press ID[,ID...]]] [--soak N [--seed S]
//           [--help-file FILE.chm]] [--language en|de|ar|he]
//
// --profile    a printer profile from the folder "profiles" beside this program (default,
//              one-cartridge, ink-tank, all-in-one, network, busy, low-ink, low-photo-ink) or
//              the path of an ini file
// --printer    the printer's friendly name (default: the profile's)
// --topic      the first topic (default 100, the Home page)
// --log        writes every call and request, decoded, to the file
// --screenshot opens the topic, waits until the windows are drawn, saves the screen as a PNG
//              and ends; nobody is asked anything (message boxes are answered, modal windows
//              closed after the picture)
// --press      before the picture, presses these commands one after the other in the module's
//              foremost window that has them (a wizard's Print, Next...), to picture later pages
// --soak       drives the module with N random operations from the seed (default 1) and ends
//              with "soak: N operations, F failures"; exit code 1 on a failure
// --help-file  in the soak, every help request is shown in the system's viewer on this help file,
//              installed where the module looks for its own when that is missing
// --language   the user's language as the module sees it (VQTR_LOCALE): English, German, Arabic
//              or Hebrew; the module speaks it when its resource module is installed
#include "ControlWindow.h"
#include "ModuleHost.h"
#include "Profile.h"
#include "Screenshot.h"
#include "SimulatedPrinter.h"
#include "Soak.h"
#include "Unattended.h"
#include "qor.h"

#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {
struct Options {
    std::string profile = "default";
    bool profileGiven = false;
    std::string printer;
    int topic = 100;
    std::string screenshot;
    std::vector<int> press;
    std::string log;
    int soak = 0;
    unsigned seed = 1;
    std::string helpFile;
    std::string language;
};

// The locale text of a language the reference host offers; null for another.
const char* LocaleOfLanguage(const std::string& language) {
    static const std::pair<const char*, const char*> kLocales[] = {
        {"en", "00000409"}, {"de", "00000407"}, {"ar", "00000401"}, {"he", "0000040d"}};
    for (const auto& [code, locale] : kLocales)
        if (language == code)
            return locale;
    return nullptr;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        std::string option = argv[index];
        if (index + 1 >= argc) {
            std::fprintf(stderr, "qorhost: %s needs a value\n", option.c_str());
            return false;
        }
        std::string value = argv[++index];
        if (option == "--profile") {
            options.profile = value;
            options.profileGiven = true;
        } else if (option == "--printer") {
            options.printer = value;
        } else if (option == "--topic") {
            options.topic = std::atoi(value.c_str());
        } else if (option == "--screenshot") {
            options.screenshot = value;
        } else if (option == "--press") {
            for (size_t start = 0; start < value.size();) {
                size_t comma = value.find(',', start);
                options.press.push_back(std::atoi(value.substr(start, comma - start).c_str()));
                start = comma == std::string::npos ? value.size() : comma + 1;
            }
        } else if (option == "--log") {
            options.log = value;
        } else if (option == "--soak") {
            options.soak = std::atoi(value.c_str());
        } else if (option == "--help-file") {
            options.helpFile = value;
        } else if (option == "--language") {
            if (!LocaleOfLanguage(value)) {
                std::fprintf(stderr, "qorhost: --language takes en, de, ar or he\n");
                return false;
            }
            options.language = value;
        } else if (option == "--seed") {
            options.seed = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
        } else {
            std::fprintf(stderr, "qorhost: unknown option %s\n", option.c_str());
            return false;
        }
    }
    return true;
}

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: qorhost [--profile NAME] [--printer NAME] [--topic N] [--log FILE]\n"
                 "               [--screenshot FILE.png [--press ID[,ID...]]]\n"
                 "               [--soak N [--seed S] [--help-file FILE.chm]]\n"
                 "               [--language en|de|ar|he]\n");
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// Every call and request, on the console and in the log file.
class Transcript {
public:
    Transcript(const std::string& path, bool console) : m_console(console) {
        if (!path.empty())
            m_file.reset(std::fopen(path.c_str(), "w"));
    }
    void Line(const std::string& line) {
        if (m_console) {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        }
        if (m_file) {
            std::fprintf(m_file.get(), "%s\n", line.c_str());
            std::fflush(m_file.get());
        }
    }

private:
    bool m_console;
    std::unique_ptr<FILE, FileCloser> m_file;
};

struct ComScope {
    ComScope() { ::CoInitialize(nullptr); }
    ~ComScope() { ::CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

// Presses a command in the foremost module window that shows an enabled control of that id, as
// a click on it would (posted: a command that runs a modal window returns only when it closes);
// false when no window has it.
bool PressInModule(int id) {
    for (HWND window : ModuleHost::ModuleWindows()) {
        struct Search {
            int id;
            HWND found;
        } search{id, nullptr};
        ::EnumChildWindows(
            window,
            [](HWND child, LPARAM data) -> BOOL {
                auto* wanted = reinterpret_cast<Search*>(data);
                if (::GetDlgCtrlID(child) != wanted->id || !::IsWindowVisible(child) ||
                    !::IsWindowEnabled(child))
                    return TRUE;
                wanted->found = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            ::PostMessageA(::GetParent(search.found), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(search.found));
            return true;
        }
    }
    return false;
}

// Headless: the topic, a picture of the screen once everything is drawn, then the end.
int TakeScreenshot(ModuleHost& host, ControlWindow& control, const Options& options,
                   const std::string& printerName, Transcript& transcript) {
    Unattended unattended([](UINT style) { return Unattended::Buttons(style).front(); });
    unattended.onEvent = [&](const std::string& line) { transcript.Line(line); };
    // Modal windows stay until the picture is taken.
    unattended.SetClosing(false);
    static bool s_saved = false;
    static bool s_done = false;
    static std::wstring s_path;
    static ControlWindow* s_control = nullptr;
    static Unattended* s_unattended = nullptr;
    static std::vector<int> s_press;
    static Transcript* s_transcript = nullptr;
    static size_t s_next = 0;
    s_press = options.press;
    s_transcript = &transcript;
    s_path.assign(options.screenshot.begin(), options.screenshot.end());
    s_control = &control;
    s_unattended = &unattended;
    // Thread timers: they fire inside a modal window's loop too, also inside one that a press
    // opens. Each press is a step of its own, 300 ms apart; the picture is the last step.
    struct Steps {
        static void CALLBACK Next(HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            // The windows the presses lead to stay until they are pictured.
            s_unattended->SetClosing(false);
            if (s_next < s_press.size()) {
                int command = s_press[s_next++];
                if (!PressInModule(command))
                    s_transcript->Line("press: no window has command " + std::to_string(command));
                ::SetTimer(nullptr, 0, 300, &Steps::Next);
                return;
            }
            s_control->PlaceBesideModule();
            // Everything paints now, then the screen is read.
            ::RedrawWindow(nullptr, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            for (HWND window : ModuleHost::ModuleWindows())
                ::RedrawWindow(window, nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            ::RedrawWindow(s_control->Handle(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            ::GdiFlush();
            s_saved = SaveScreenAsPng(s_path.c_str());
            s_done = true;
            // A modal wizard the topic runs has been pictured: it may close now, so that the
            // topic returns.
            s_unattended->SetClosing(true);
        }
    };
    s_next = 0;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 1500, &Steps::Next);
    host.OpenTopic(printerName, options.topic);
    control.PlaceBesideModule();
    unattended.SetClosing(true);
    for (int waited = 0; !s_done && waited < 150; ++waited)
        MessageLoop::PumpFor(100);
    ::KillTimer(nullptr, timer);
    transcript.Line(s_saved ? "screenshot saved: " + options.screenshot
                            : "screenshot could not be saved: " + options.screenshot);
    return s_saved ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage();
        return 2;
    }
    // The module reads the user's locale from its environment, in this process.
    if (!options.language.empty())
        ::SetEnvironmentVariableA("VQTR_LOCALE", LocaleOfLanguage(options.language));
    ComScope com;

    Profile profile;
    std::string error;
    if (LoadProfile(options.profile, profile, error)) {
        UseProfileOptions(profile);
        UseProfileThresholds(profile);
        UseProfileInstallation(profile);
    } else if (options.profileGiven) {
        std::fprintf(stderr, "qorhost: %s\n", error.c_str());
        return 2;
    } else {
        // Without the profiles the default printer still runs, on the library's own options.
        std::fprintf(stderr, "qorhost: %s; the built-in default printer is used\n", error.c_str());
        profile.name = "built-in";
        profile.printerName = "Corvane Q710 Series";
        profile.state = DefaultPrinterState();
    }
    std::string printerName = options.printer.empty() ? profile.printerName : options.printer;

    SimulatedPrinter printer(profile.state);
    ModuleHost host(printer);
    Transcript transcript(options.log, options.soak == 0);
    host.onCall = [&](const std::string& line) { transcript.Line("host: " + line); };

    if (options.soak > 0) {
        host.onRequest = [&](const RequestRecord& record) {
            transcript.Line("request: " + record.Line());
        };
        SoakSettings settings;
        settings.operations = options.soak;
        settings.seed = options.seed;
        settings.helpFile = options.helpFile;
        if (!options.log.empty())
            settings.log = [&](const std::string& line) { transcript.Line(line); };
        return RunSoak(host, profile, settings);
    }

    ControlWindow control(host, printerName, profile);
    host.onRequest = [&](const RequestRecord& record) {
        transcript.Line("request: " + record.Line());
        control.OnRequest(record);
    };
    host.onCall = [&](const std::string& line) {
        transcript.Line("host: " + line);
        control.OnCall(line);
    };
    host.onLifetime = [&] { control.OnLifetime(); };
    if (!control.Create()) {
        std::fprintf(stderr, "qorhost: the control window could not be created\n");
        return 1;
    }
    if (!options.screenshot.empty())
        return TakeScreenshot(host, control, options, printerName, transcript);

    host.OpenTopic(printerName, options.topic);
    control.PlaceBesideModule();
    return MessageLoop::Run();
}
