// The reference host's printer: the state a real printer would report, and the answers to the
// module's requests.
#pragma once

#include "qor.h"

#include <string>
#include <vector>

class SimulatedPrinter {
public:
    SimulatedPrinter();

    // The records handed to the module with a call: they point into this printer's state.
    STATUSINFO* Status() { return &m_status; }
    PORTINFO* Port() { return &m_port; }

    // Answers one request of the module; describes it in a line for the request list.
    int Answer(int request, void* payload, int arg3, int arg4, std::string& description);

    bool ModuleClosed() const { return m_moduleClosed; }

private:
    void FillStatus(STATUSINFO* target) const;

    STATUSINFO m_status{};
    STATUSERROR m_alert{};
    std::vector<BYTE> m_alertBytes;
    INKINFO m_ink{};
    ALIGNINFO m_align{};
    PORTINFO m_port{};
    bool m_moduleClosed = false;
};
