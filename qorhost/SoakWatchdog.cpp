#include "SoakWatchdog.h"

#include <cstdio>
#include <cstring>

namespace {
// What a crash or a hang reports: the operation running and the seed to run it again.
struct Progress {
    std::atomic<int> index{0};
    std::atomic<const char*> kind{"start"};
    std::atomic<DWORD> start{0};
    unsigned seed = 0;
    int operations = 0;
};
Progress g_progress;

void PrintWhere(const char* what) {
    std::printf("soak: %s at operation %d (%s); run again with --soak %d --seed %u\n", what,
                g_progress.index.load(), g_progress.kind.load(), g_progress.operations,
                g_progress.seed);
    std::fflush(stdout);
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    char what[64];
    std::snprintf(what, sizeof what, "crash (exception 0x%08lX)",
                  exception && exception->ExceptionRecord
                      ? static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode)
                      : 0ul);
    PrintWhere(what);
    // The process ends with the exception's code.
    return EXCEPTION_CONTINUE_SEARCH;
}

// Where a thread is: its call stack as module+offset, for addr2line.
void PrintStack(HANDLE thread) {
    if (::SuspendThread(thread) == static_cast<DWORD>(-1))
        return;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_FULL;
    if (::GetThreadContext(thread, &context)) {
        for (int frame = 0; frame < 32 && context.Rip; ++frame) {
            HMODULE module = nullptr;
            char name[MAX_PATH] = "?";
            if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                     reinterpret_cast<const char*>(context.Rip), &module))
                ::GetModuleFileNameA(module, name, sizeof name);
            const char* file = std::strrchr(name, '\\');
            std::printf(
                "soak:   at %s+0x%llx\n", file ? file + 1 : name,
                static_cast<unsigned long long>(context.Rip - reinterpret_cast<DWORD64>(module)));
            DWORD64 base = 0;
            PRUNTIME_FUNCTION function = ::RtlLookupFunctionEntry(context.Rip, &base, nullptr);
            if (!function) {
                // A leaf function: the return address is on top of the stack.
                context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
                context.Rsp += 8;
                continue;
            }
            void* handlerData = nullptr;
            DWORD64 establisher = 0;
            ::RtlVirtualUnwind(UNW_FLAG_NHANDLER, base, context.Rip, function, &context,
                               &handlerData, &establisher, nullptr);
        }
    }
    std::fflush(stdout);
}
} // namespace

SoakWatchdog::SoakWatchdog(unsigned seed, int operations, DWORD hangMilliseconds)
    : m_limit(hangMilliseconds) {
    g_progress.seed = seed;
    g_progress.operations = operations;
    g_progress.start = ::GetTickCount();
    m_previousFilter = ::SetUnhandledExceptionFilter(ReportCrash);
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(),
                      m_guiThread.Receive(), 0, FALSE, DUPLICATE_SAME_ACCESS);
    m_thread = std::thread([this] { Watch(); });
}

SoakWatchdog::~SoakWatchdog() {
    m_stop = true;
    m_thread.join();
    ::SetUnhandledExceptionFilter(m_previousFilter);
}

void SoakWatchdog::Begin(int index, const char* kind) {
    g_progress.index = index;
    g_progress.kind = kind;
    g_progress.start = ::GetTickCount();
}

void SoakWatchdog::End() {
    g_progress.kind = "end";
    g_progress.start = ::GetTickCount();
}

void SoakWatchdog::Watch() {
    while (!m_stop) {
        ::Sleep(100);
        if (::GetTickCount() - g_progress.start.load() > m_limit) {
            char what[64];
            std::snprintf(what, sizeof what, "hang (no return within %lu s)",
                          static_cast<unsigned long>(m_limit / 1000));
            PrintWhere(what);
            PrintStack(m_guiThread);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
}
