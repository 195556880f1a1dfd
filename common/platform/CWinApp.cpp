#include "common/platform/CWinApp.h"

#include "common/platform/ModalOwner.h"

#include <QApplication>
#include <QFileInfo>

int CWinApp::Run(int argc, char** argv)
{
    // Qt takes Wayland first in a Wayland session; where the session also
    // offers an X server, the tutorials run there instead: X lets the drag
    // image leave the window, the cursor position be known anywhere, and the
    // clipboard be read while another program is active. A platform the user
    // names (QT_QPA_PLATFORM, -platform) still wins, and Wayland is taken
    // when X fails.
    const bool preferX = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
                         !qEnvironmentVariableIsEmpty("DISPLAY");
    if (preferX)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    // Programs started from here, such as the browser, choose for themselves.
    if (preferX)
        qunsetenv("QT_QPA_PLATFORM");
    // Docks and task switchers match windows to the desktop entry and its
    // icon by this id: the app id on Wayland, the class of WM_CLASS on X.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRIN_APP_ID));
    QCoreApplication::setApplicationName(QStringLiteral(KESTRIN_APP_ID));
    QApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
    InitInstance();
    return 0;
}

QString CWinApp::title() { return QFileInfo(QCoreApplication::applicationFilePath()).baseName(); }

void CWinApp::setMainWindow(QWidget* window) { ModalOwner::setMainWindow(window); }
