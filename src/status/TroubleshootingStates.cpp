#include "TroubleshootingStates.h"

#include "resource.h"

namespace {
constexpr DWORD kNoStatusPort = QOR_PORT_NO_STATUS;

constexpr std::array<UINT, 3> kGeneralLinks = {IDS_TROUBLE_LINK_GENERAL1, IDS_TROUBLE_LINK_GENERAL2,
                                               IDS_TROUBLE_LINK_GENERAL3};

struct AlertRow {
    AlertKind kind;
    AlertTopics topics;
    std::array<UINT, 3> links;
};
constexpr AlertRow kAlertRows[] = {
    {AlertKind::PaperJam, {12, 0}, {IDS_TROUBLE_LINK_PAPER_JAM, 0, 0}},
    {AlertKind::OutOfPaper, {13, 0}, {IDS_TROUBLE_LINK_OUT_OF_PAPER, 0, 0}},
    {AlertKind::Cartridge, {1, 23}, {IDS_TROUBLE_LINK_GENERAL1, IDS_TROUBLE_LINK_CARTRIDGE, 0}},
    {AlertKind::CarriageStall,
     {11, 21},
     {IDS_TROUBLE_LINK_CARRIAGE1, IDS_TROUBLE_LINK_CARRIAGE2, 0}},
    {AlertKind::General, {1, 2}, kGeneralLinks},
};

TroubleshootingView AlertView(AlertKind alert, AlertTopics& topics) {
    for (const AlertRow& row : kAlertRows) {
        if (row.kind == alert) {
            topics = row.topics;
            return {AlertTextOf(alert), row.links};
        }
    }
    // Without an alert record there is nothing to explain and no solution to offer.
    return {IDS_TROUBLE_STATE_GENERAL, {0, 0, 0}};
}
} // namespace

TroubleshootingView ViewOfState(DWORD status, DWORD portType, AlertKind alert, bool aioFamily,
                                AlertTopics& topics) {
    if (portType == kNoStatusPort)
        return {IDS_TROUBLE_STATE_NO_STATUS_PORT, {IDS_TROUBLE_LINK_CONNECTION, 0, 0}};
    switch (status) {
    case 1:
        return {IDS_TROUBLE_STATE_READY, kGeneralLinks};
    case 2:
        return {IDS_TROUBLE_STATE_BUSY, kGeneralLinks};
    case 5:
        return {IDS_TROUBLE_STATE_5, kGeneralLinks};
    case 6:
        return {IDS_TROUBLE_STATE_POWER_OFF, kGeneralLinks};
    case 10:
        return {IDS_TROUBLE_STATE_OFFLINE, kGeneralLinks};
    case 3:
        return {IDS_TROUBLE_STATE_ERROR, {IDS_TROUBLE_LINK_GENERAL1, IDS_TROUBLE_LINK_ERROR, 0}};
    case 4:
    case 9:
        return AlertView(alert, topics);
    case 7:
        return {IDS_TROUBLE_STATE_CARRIAGE,
                {IDS_TROUBLE_LINK_CARRIAGE1, IDS_TROUBLE_LINK_CARRIAGE2, 0}};
    case 8:
        return {
            IDS_TROUBLE_STATE_COVER_OPEN,
            {aioFamily ? UINT{IDS_TROUBLE_LINK_COVER_AIO} : UINT{IDS_TROUBLE_LINK_COVER}, 0, 0}};
    default:
        return {IDS_TROUBLE_STATE_GENERAL, {0, 0, 0}};
    }
}

DWORD SolutionTopic(int link, DWORD status, DWORD portType, const AlertTopics& topics) {
    switch (link) {
    case 1:
        if (portType == kNoStatusPort)
            return 988;
        switch (status) {
        case 7:
            return 985;
        case 8:
            return 989;
        case 4:
        case 9:
            switch (topics.alertClass) {
            case 12:
                return 68;
            case 13:
                return 824;
            case 11:
                return 985;
            default:
                return 82;
            }
        default:
            return 82;
        }
    case 2:
        switch (status) {
        case 3:
            return 80;
        case 7:
            return 984;
        case 4:
        case 9:
            switch (topics.subTopic) {
            case 23:
                return 75;
            case 21:
                return 984;
            case 2:
                return 822;
            default:
                return 0;
            }
        default:
            return 822;
        }
    case 3:
        return 823;
    default:
        return 0;
    }
}
