// The post-install wizard's page of the accompanying applications: a check box and a language list
// per application, and Install, which checks the setup CD and installs the ticked applications one
// after the other, then leads on. Opened by a topic, it offers every language without searching
// the CD.
#pragma once

#include "AppInstaller.h"
#include "Controls.h"
#include "main/QorWizardPage.h"

class CSelectLanguage : public CQorWizardPage {
public:
    explicit CSelectLanguage(bool openedByTopic);

    // Fills a list with the languages whose folders lie under lanDirPath and selects the user
    // interface's own; nothing is selected when it is not there.
    void SearchDirectoryAndAddCombo(const CComboBox& combo, const CString& lanDirPath,
                                    bool variant);

protected:
    BOOL OnInitDialog() override;
    void OnNextbutton() override { OnInstallButton(); }
    // Cancel leaves the wizard without installing anything.
    void OnCancelbutton() override;
    unsigned HelpTopic() const override;
    void OnInstallButton();
    void OnChoiceChanged(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // What the page shows for an application outside the topic mode: its check box, and its list
    // unless its language is known already.
    void ShowSearchedApp(const AccompanyingApp& app);
    void ShowEveryLanguage(const AccompanyingApp& app);
    void SetCheckText(const AccompanyingApp& app);
    void ShowCheck(const AccompanyingApp& app);
    bool IsPreloaded(const AccompanyingApp& app) const;
    void UpdateInstallButton();
    void EnableChoices(bool enabled);
    AppChoices ReadChoices() const;
    CButton Check(int number) const;
    CComboBox List(int number) const;

    BYTE m_bOpenedByTopic;
};
