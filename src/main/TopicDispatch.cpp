// What a topic does: on the first run (RunTopic) and in the open window (ShowTopic).
#include "CSpy.h"
#include "Links.h"
#include "QORPageSheet.h"
#include "QORTabDlg.h"
#include "host/Topics.h"

namespace {
bool IsGeneralHelpTopic(int topic) {
    switch (topic) {
    case 201:
    case 202:
    case 204:
    case 207:
    case 210:
    case 219:
        return true;
    default:
        return false;
    }
}

// The page a topic selects in the open window.
int PageOfOpenWindowTopic(int topic) {
    switch (topic) {
    case 225:
        return kTroubleshootingPage;
    case 204:
    case 207:
    case 210:
        return kInkPage;
    default:
        return PageOfTopic(topic);
    }
}

void FollowSuppliesLink(INKINFO* ink) {
    CGUIUrlLink link;
    link.FollowLink("IDO_SUPPLIES_SUBURL", ink, TRUE);
}
} // namespace

int CQORTabDlg::RunTopic(UINT, CWnd*, const char* printerName, int topic, STATUSINFO* status,
                         PORTINFO* port, QORCALLBACK callback) {
    m_bOfferApps = 1;
    m_pfnCallback = callback;
    if (topic == kTopicChoosePrinter) {
        Shutdown(kNoWindow);
        return 1;
    }
    m_strPrinterName = printerName ? printerName : "";
    SetStatusInfo(status);
    SetPortInfo(port);
    m_bSoundOn = IsSoundOn();
    ReadPrinterSettings();
    m_bPostInstallCheck = 0;
    BuildHelpFilePath();

    // Topics that end at once run the shutdown check, which may delete this object: each of
    // them returns straight after it.
    if (IsGeneralHelpTopic(topic))
        return RunHelpTopic(kHelpTopicGeneral);
    switch (topic) {
    case 218:
        return RunHelpTopic(kHelpTopicNetwork);
    case 214:
        Shutdown(kNoWindow);
        return 1;
    case 222:
    case kTopicStatusUpdate:
        Shutdown(kNoWindow);
        return 0;
    case kTopicSuppliesWeb:
        FollowSuppliesLink(&m_Records.ink);
        return RunMainWindowTopic(kTopicHome);
    default:
        return RunMainWindowTopic(topic);
    }
}

int CQORTabDlg::RunHelpTopic(DWORD helpTopic) {
    ShowHelpTopic(helpTopic);
    // Nothing stays open: the host learns that the module is closed again.
    Shutdown(kNoWindow);
    return 0;
}

int CQORTabDlg::RunMainWindowTopic(int topic) {
    int featureList = topic >= kTopicFeatureList1 && topic <= kTopicFeatureList3
                          ? topic - kTopicFeatureList1 + 1
                          : 0;
    if (!CreateMainWindow(PageOfTopic(topic), featureList)) {
        CSpy spy;
        spy.OutputData("CQORTabDlg::RunTopic() the main window could not be created");
        return 0;
    }
    return 1;
}

void CQORTabDlg::ShowTopic(int topic, STATUSINFO* status) {
    SetStatusInfo(status);
    HWND focus = ::GetFocus();
    BuildHelpFilePath();
    if (HasMainWindow()) {
        if (m_bBringToFront) {
            m_bBringToFront = 0;
            SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
        m_bPostInstallCheck = 0;
        CQORPageSheet* sheet = GetPageSheet();
        int active = sheet ? sheet->GetActiveIndex() : kHomePage;
        bool alreadyShown = topic == kTopicHome + active && topic != kTopicHome;
        if (!alreadyShown) {
            if (IsGeneralHelpTopic(topic) && topic != 204 && topic != 207 && topic != 210) {
                ShowHelpTopic(kHelpTopicGeneral);
            } else if (topic == 218) {
                ShowHelpTopic(kHelpTopicNetwork);
            } else if (topic == kTopicSuppliesWeb) {
                FollowSuppliesLink(&m_Records.ink);
            } else if (topic != kTopicStatusUpdate && topic != 214 && topic != 222) {
                SelectPage(PageOfOpenWindowTopic(topic));
            }
        }
    }
    if (focus && ::IsWindow(focus))
        ::SetFocus(focus);
}
