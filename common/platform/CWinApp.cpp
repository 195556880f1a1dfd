#include "common/platform/CWinApp.h"

#include "common/platform/ModalOwner.h"

#include <QApplication>
#include <QFileInfo>

int CWinApp::Run(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
    InitInstance();
    return 0;
}

QString CWinApp::title() { return QFileInfo(QCoreApplication::applicationFilePath()).baseName(); }

void CWinApp::setMainWindow(QWidget* window) { ModalOwner::setMainWindow(window); }
