#pragma once

#include "common/platform/system/ClipboardReader.h"

#include <QPlainTextEdit>

// A text box of a window's layout. Every paste goes through the program's
// own clipboard reading, never through Qt's: Qt's waits seconds for an owner
// that does not answer, and crashes pasting a clipboard that holds nothing
// at all. Text dragged in from another program, and another program's text
// pasted with the middle button, are read the same way. Without "want
// return", Enter is the window's command, not a line break, as in any dialog.
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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void insertPasted(const QString& text);
    // Inserts the selection's text at `at` once it is known.
    void pasteAt(const QTextCursor& at, ClipboardReader::Selection selection);
    // Qt's own handling of a drag over the box, shown `event` with the
    // dragged text left out, so that Qt cannot ask the dragging program for
    // it; `event` takes Qt's verdict.
    template <typename DragEvent, typename QtHandler>
    void judgeWithoutReading(DragEvent* event, QtHandler qtHandler);

    bool m_wantReturn;
};
