#include "DirPick.h"

#include "CSpy.h"
#include "resource.h"

#include <string>
#include <vector>

BEGIN_MESSAGE_MAP(CDirPick, CDialog)
ON_LBN_DBLCLK(IDC_DIRPICK_FOLDERS, OnOpenFolder)
END_MESSAGE_MAP()

CDirPick::CDirPick(CWnd* parent) : CDialog(IDD_INSTALL_DIR_PICK, parent) {}

BOOL CDirPick::OnInitDialog() {
    CDialog::OnInitDialog();
    CString title;
    title.LoadString(IDS_INSTALL_DIR_PICK_TITLE);
    SetWindowText(title);
    List("*");
    return TRUE;
}

void CDirPick::List(const char* pattern) {
    // DlgDirList writes the folder it moved to back into its pattern.
    std::vector<char> path(pattern, pattern + std::char_traits<char>::length(pattern) + 1);
    path.resize(MAX_PATH, '\0');
    ::DlgDirListA(m_hWnd, path.data(), IDC_DIRPICK_FOLDERS, IDC_DIRPICK_PATH,
                  DDL_DIRECTORY | DDL_DRIVES | DDL_EXCLUSIVE);
}

void CDirPick::OnOpenFolder() {
    char selected[MAX_PATH] = {};
    if (::DlgDirSelectExA(m_hWnd, selected, MAX_PATH, IDC_DIRPICK_FOLDERS))
        List(CString(selected) + "*");
}

void CDirPick::OnOK() {
    m_strPath = GetDlgItemText(IDC_DIRPICK_PATH).Left(2);
    CSpy().OutputEach("CDirPick::OnOK()", m_strPath);
    EndDialog(IDOK);
}
