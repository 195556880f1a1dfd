#pragma once

#include <QPlainTextEdit>

// A text box of a window's layout. Every paste goes through the program's
// own clipboard reading, never through Qt's: Qt's waits seconds for an owner
// that does not answer, and crashes pasting a clipboard that holds nothing
// at all. Without "want return", Enter is the window's command, not a line
// break, as in any dialog.
class CEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    CEdit(bool wantReturn, QWidget* parent);

    // Inserts the clipboard's text at the caret once it is known; nothing
    // when the clipboard holds no text.
    void Paste();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void insertPasted(const QString& text);

    bool m_wantReturn;
};
