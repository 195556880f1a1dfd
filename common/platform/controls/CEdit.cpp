#include "common/platform/controls/CEdit.h"

#include "common/platform/system/SystemServices.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>

namespace {
// Qt judges a drag by reading the dragged text, and on X it waits seconds
// for a program that is slow to give it, already while the pointer passes
// over the box. Another program's drag is judged by what it offers instead,
// and its text read without waiting; our own drags hold their data here.
bool isOtherProgramsDragOnX(const QDropEvent* event)
{
    return !event->source() && ClipboardReader::servesThisPlatform();
}

bool offersText(const QDropEvent* event)
{
    // Copied, never moved: the program would delete its text even when the
    // text never reaches us.
    if (!(event->possibleActions() & Qt::CopyAction))
        return false;
    const QStringList formats = event->mimeData()->formats();
    return std::any_of(formats.begin(), formats.end(), [](const QString& format) {
        return format == QLatin1String("text/plain") ||
               format.startsWith(QLatin1String("text/plain;"));
    });
}
} // namespace

CEdit::CEdit(bool wantReturn, QWidget* parent) : QPlainTextEdit(parent), m_wantReturn(wantReturn)
{
}

void CEdit::Paste()
{
    if (isReadOnly())
        return;
    systemServices().FetchClipboardText(this, [this](const QString& text) { insertPasted(text); });
}

void CEdit::insertPasted(const QString& text)
{
    if (text.isEmpty() || isReadOnly())
        return;
    // Qt's own insertion, so that undo, the caret and scrolling behave as for
    // any paste.
    QMimeData data;
    data.setText(text);
    insertFromMimeData(&data);
}

void CEdit::pasteAt(const QTextCursor& at, ClipboardReader::Selection selection)
{
    ClipboardReader::instance(selection).fetch(this, [this, at](const QString& text) {
        if (text.isEmpty() || isReadOnly())
            return;
        setTextCursor(at);
        insertPasted(text);
    });
}

template <typename DragEvent, typename QtHandler>
void CEdit::judgeWithoutReading(DragEvent* event, QtHandler qtHandler)
{
    if (!isOtherProgramsDragOnX(event)) {
        qtHandler(event);
        return;
    }
    // Qt only looks whether there is text; it draws the caret where the text
    // would go and scrolls near the edges as for any drag.
    QMimeData shown;
    if (offersText(event))
        shown.setText(QStringLiteral(" "));
    DragEvent standIn(event->position().toPoint(), Qt::CopyAction, &shown, event->buttons(),
                      event->modifiers());
    qtHandler(&standIn);
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(standIn.isAccepted());
}

void CEdit::dragEnterEvent(QDragEnterEvent* event)
{
    judgeWithoutReading(event, [this](QDragEnterEvent* e) { QPlainTextEdit::dragEnterEvent(e); });
}

void CEdit::dragMoveEvent(QDragMoveEvent* event)
{
    judgeWithoutReading(event, [this](QDragMoveEvent* e) { QPlainTextEdit::dragMoveEvent(e); });
}

void CEdit::dropEvent(QDropEvent* event)
{
    if (!isOtherProgramsDragOnX(event)) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    // Ends Qt's side of the drag: its caret and scrolling.
    QDragLeaveEvent leave;
    QPlainTextEdit::dragLeaveEvent(&leave);
    if (isReadOnly() || !offersText(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    pasteAt(cursorForPosition(event->position().toPoint()), ClipboardReader::Selection::Drag);
}

void CEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_wantReturn && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->ignore(); // on to the window
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click pastes the text last selected anywhere: ours from
    // memory, another program's through X without waiting; Qt's own paste
    // would wait for it.
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            const QTextCursor at = cursorForPosition(event->position().toPoint());
            if (clipboard->ownsSelection()) {
                setTextCursor(at);
                insertPasted(clipboard->text(QClipboard::Selection));
            } else if (ClipboardReader::servesThisPlatform()) {
                pasteAt(at, ClipboardReader::Selection::Primary);
            }
            event->accept();
            return;
        }
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}

void CEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's standard menu asks the clipboard's owner whether Paste can be
    // enabled, and waits for the answer; a read-only box has no Paste.
    if (isReadOnly()) {
        QPlainTextEdit::contextMenuEvent(event);
        return;
    }
    const bool shortcuts = QGuiApplication::styleHints()->showShortcutsInContextMenus();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [&](const char* text, QKeySequence::StandardKey key, const char* name,
                         bool enabled, auto&& action) {
        QString label = QCoreApplication::translate("QWidgetTextControl", text);
        if (shortcuts && key != QKeySequence::UnknownKey)
            label += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* item = menu->addAction(label, this, action);
        item->setObjectName(QLatin1String(name));
        item->setEnabled(enabled);
    };
    const bool selection = textCursor().hasSelection();
    add("&Undo", QKeySequence::Undo, "edit-undo", document()->isUndoAvailable(), [this] { undo(); });
    add("&Redo", QKeySequence::Redo, "edit-redo", document()->isRedoAvailable(), [this] { redo(); });
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, "edit-cut", selection, [this] { cut(); });
    add("&Copy", QKeySequence::Copy, "edit-copy", selection, [this] { copy(); });
    add("&Paste", QKeySequence::Paste, "edit-paste", !systemServices().ClipboardText().isEmpty(),
        [this] { Paste(); });
    add("Delete", QKeySequence::UnknownKey, "edit-delete", selection,
        [this] { textCursor().removeSelectedText(); });
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, "select-all", !document()->isEmpty(),
        [this] { selectAll(); });
    menu->popup(event->globalPos());
}
