#include "common/platform/CEdit.h"

#include "common/platform/SystemServices.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>

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
    // A middle click pastes the X primary selection. Only our own is pasted,
    // from memory; another program's would be read the blocking way.
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            if (clipboard->ownsSelection()) {
                setTextCursor(cursorForPosition(event->position().toPoint()));
                insertPasted(clipboard->text(QClipboard::Selection));
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
