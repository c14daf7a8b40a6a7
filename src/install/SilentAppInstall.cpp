#include "SilentAppInstall.h"

#include "CSpy.h"

void InstallAvailableAppsSilently(CWnd*, SilentInstallRule rule) {
    CSpy spy;
    spy.OutputEach("InstallAvailableAppsSilently()", static_cast<int>(rule));
    spy.OutputData("language page not built");
}

std::unique_ptr<CPropertyPage> MakeLanguagePage(bool openedByTopic) {
    CSpy spy;
    spy.OutputEach("MakeLanguagePage()", static_cast<int>(openedByTopic));
    spy.OutputData("language page not built");
    return nullptr;
}

bool IsAppInstalled(int) {
    return false;
}

std::unique_ptr<CDialog> MakeAppProgressDialog(int application) {
    CSpy spy;
    spy.OutputEach("MakeAppProgressDialog()", application);
    spy.OutputData("language page not built");
    return nullptr;
}

INT_PTR RunFaxConfirmation() {
    CSpy().OutputEach("RunFaxConfirmation()", "language page not built");
    return 0;
}

void RecordInterfaceLanguage() {
    CSpy().OutputEach("RecordInterfaceLanguage()", "language page not built");
}
