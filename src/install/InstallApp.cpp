#include "InstallApp.h"

#include "AccompanyingApps.h"
#include "CSpy.h"
#include "InstallState.h"
#include "QORTabDlg.h"
#include "resource.h"

namespace {
constexpr UINT kDefaultTexts[] = {IDS_INSTALL_APP1_PROGRESS, IDS_INSTALL_APP2_PROGRESS,
                                  IDS_INSTALL_APP3_PROGRESS, IDS_INSTALL_APP4_PROGRESS};

// The preload file's progress text of an application, or the resource module's.
CString ProgressText(int number) {
    CString text;
    if (number < 1 || number > kAccompanyingApps)
        return text;
    if (CQORTabDlg* main = g_pQORTabDlg) {
        CString key;
        CString keyOption;
        keyOption.Format("IDO_PRELOAD_KEY_PROGRAM%dPROGRESSSTRING", number);
        CString section;
        main->m_Product.GetSetting(keyOption, key);
        main->m_Product.GetSetting("IDO_SECTIONNAME", section);
        if (!key.IsEmpty())
            text = main->ReadPreloadValue(key, section);
    }
    if (IsPreloadUnset(text))
        text.LoadString(kDefaultTexts[number - 1]);
    return text;
}
} // namespace

CInstallApp::~CInstallApp() {
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CInstallApp::Show(CWnd* owner) {
    if (!Create(IDD_INSTALL_APP, owner))
        return FALSE;
    ShowWindow(SW_SHOWNA);
    UpdateWindow();
    return TRUE;
}

BOOL CInstallApp::OnInitDialog() {
    CDialog::OnInitDialog();
    CSpy spy;
    spy.OutputData("CInstallApp::OnInitDialog()");
    CString title;
    title.LoadString(IDS_INSTALL_APP_TITLE);
    SetWindowText(title);
    const int number = CInstallRunning::Take();
    spy.OutputEach("application", number);
    SetDlgItemText(IDC_INSTALL_APP_TEXT, ProgressText(number));
    return TRUE;
}
