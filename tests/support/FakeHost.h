// A host for tests: it records every request the module makes, with its payload as text, and
// answers as the test says. One per process: the callback is a plain function.
#pragma once

#include "qor.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

struct HostRequest {
    int code;
    int arg3;
    int arg4;
    std::string payload; // the file name of CBSendFile; empty for the others
};

class FakeHost {
public:
    FakeHost() {
        Current() = this;
        // The printer the host reports: two cartridges, ready, on USB.
        ink.dwCarrierType = QOR_CARRIER_DUAL;
        ink.nBlackLevel = 60;
        ink.nColorLevel1 = ink.nColorLevel2 = ink.nColorLevel3 = 50;
        ink.LogCartID1 = ink.PhyCartID1 = QOR_CART_COLOR;
        ink.LogCartID2 = ink.PhyCartID2 = QOR_CART_BLACK;
        status.dwStatus = QOR_STATUS_READY;
        status.lpInk = &ink;
        status.lpHeadAlign = &align;
        status.lpStatusError = &alert;
        port.dwPortType = QOR_PORT_USB;
    }
    ~FakeHost() { Current() = nullptr; }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    static int Callback(int code, void* payload, int arg3, int arg4) {
        FakeHost* host = Current();
        if (!host)
            return 0;
        HostRequest request{code, arg3, arg4, {}};
        if (code == CBSendFile && payload)
            request.payload = static_cast<const char*>(payload);
        host->requests.push_back(request);
        if (code == CBGetStatus && payload && host->fillOnGetStatus)
            host->Fill(static_cast<STATUSINFO*>(payload));
        return host->answer ? host->answer(code, payload) : 1;
    }

    // What a host does for CBGetStatus: writes its state through the record's pointers.
    void Fill(STATUSINFO* target) const {
        target->dwStatus = status.dwStatus;
        target->dwMediaTray1 = status.dwMediaTray1;
        target->dwMediaTray2 = status.dwMediaTray2;
        if (target->lpInk)
            *target->lpInk = ink;
        if (target->lpHeadAlign)
            *target->lpHeadAlign = align;
    }

    int Count(int code) const {
        int count = 0;
        for (const HostRequest& request : requests)
            count += request.code == code;
        return count;
    }
    // The job files the module asked the host to send (CBSendFile), in order.
    std::vector<std::string> FilesSent() const {
        std::vector<std::string> files;
        for (const HostRequest& request : requests)
            if (request.code == CBSendFile)
                files.push_back(request.payload);
        return files;
    }
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const HostRequest& request : requests)
            codes.push_back(request.code);
        return codes;
    }

    STATUSINFO status{};
    INKINFO ink{};
    ALIGNINFO align{};
    STATUSERROR alert{};
    PORTINFO port{};
    bool fillOnGetStatus = true;
    std::function<int(int, void*)> answer;
    std::vector<HostRequest> requests;

private:
    static FakeHost*& Current() {
        static FakeHost* current = nullptr;
        return current;
    }
};
