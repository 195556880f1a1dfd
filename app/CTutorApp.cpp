#include "app/CTutorApp.h"

#include "app/CLauncherDlg.h"

bool CTutorApp::InitInstance()
{
    CLauncherDlg launcher;
    setMainWindow(&launcher);
    launcher.DoModal();
    setMainWindow(nullptr);
    return false;
}
