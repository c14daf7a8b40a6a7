// The folder picker of the programs page: the user walks the drives and folders; OK keeps the
// drive of the path shown ("C:").
#pragma once

#include "Dialog.h"

class CDirPick : public CDialog {
public:
    explicit CDirPick(CWnd* parent = nullptr);

    const CString& ChosenPath() const { return m_strPath; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    // A double click opens the folder or drive.
    void OnOpenFolder();
    DECLARE_MESSAGE_MAP()

private:
    // Lists the folders and drives under pattern; the path field shows the folder listed.
    void List(const char* pattern);

    CString m_strPath;
};
