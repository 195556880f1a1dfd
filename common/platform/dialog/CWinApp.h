#pragma once

#include <QString>

class QWidget;

// The process's application object: Run() sets up Qt and calls InitInstance
// once. When InitInstance returns false the program ends without a message
// loop of its own; the windows run their own modal loops.
class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    int Run(int argc, char** argv);

    // The application's title: the program file's base name. It captions the
    // program's message boxes.
    static QString title();

    // Screen readers present the application, the parent of every window and
    // announcement, by its accessible name. Qt takes that from the
    // application name, here the desktop id that docks match windows by
    // (example.vellumark.Kestrin): not a name to hear. Once this is called,
    // the main window's title names the application instead.
    static void nameApplicationForScreenReaders();

protected:
    virtual bool InitInstance() = 0;
    void setMainWindow(QWidget* window);
};
