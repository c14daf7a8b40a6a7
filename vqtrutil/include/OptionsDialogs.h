// Two small dialogs of the utility library, built from templates in memory (DoModal, or
// CreateIndirect with GetTemplate() for a modeless one): the version box, and the options of the
// job status window (the window that shows a print job's progress).
#pragma once

#include "UtilApi.h"

#include <CString.h>
#include <Dialog.h>
#include <DialogTemplate.h>

// Shows the file versions of the printer assistant (vqtrqor.dll) and of this library, with OK.
class VQTRUTIL_API VersionDlg : public CDialog {
public:
    enum { IDC_VERSION_TEXT = 1001 };

    explicit VersionDlg(CWnd* parent = nullptr);

    // The file version of a module ("1.2.3.4"), loaded or found beside the program; empty when
    // the module or its version information is missing.
    static CString GetModuleVersion(const char* moduleName);
    // The text the dialog shows.
    static CString BuildText();
    const DLGTEMPLATE* GetTemplate() const { return m_template.Get(); }

protected:
    BOOL OnInitDialog() override;

private:
    CDialogTemplate m_template;
};

// The job status window's options of one printer, stored under the printer's registry key
// "JSW": "Show Process Window" (show the window while a job prints) and "Job Progress
// Minimized" (start it minimised). OK writes them; Cancel leaves them. Without a printer the
// boxes are shown disabled.
class VQTRUTIL_API JSWOptionsDlg : public CDialog {
public:
    enum { IDC_JSW_SHOW = 1001, IDC_JSW_MINIMIZED = 1002 };

    // resourceFolder: the folder of the resource module the job status window takes its skins
    // from (kept for the window; logged).
    explicit JSWOptionsDlg(const char* resourceFolder = nullptr, const char* printerName = nullptr,
                           CWnd* parent = nullptr);

    const CString& GetResourceFolder() const { return m_strFolder; }
    BOOL GetShowWindow() const { return m_bShow; }
    BOOL GetStartMinimized() const { return m_bMinimized; }
    const DLGTEMPLATE* GetTemplate() const { return m_template.Get(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // Reads the two values (absent: shown, not minimised); FALSE without a printer.
    BOOL Load();
    BOOL Save();

    CDialogTemplate m_template;
    CString m_strFolder;
    CString m_strPrinter;
    BOOL m_bShow = TRUE;
    BOOL m_bMinimized = FALSE;
};
