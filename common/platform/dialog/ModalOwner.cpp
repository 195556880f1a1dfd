#include "common/platform/dialog/ModalOwner.h"

#include <QApplication>
#include <QWindow>

namespace {
QPointer<QWidget> g_mainWindow;
}

void ModalOwner::setMainWindow(QWidget* window) { g_mainWindow = window; }
QWidget* ModalOwner::mainWindow() { return g_mainWindow; }

ModalOwner::ModalOwner(QWidget* owner, QWidget* modal) : m_modal(modal)
{
    if (!owner)
        owner = g_mainWindow;
    if (owner)
        owner = owner->window();
    if (!owner || owner == modal)
        return;
    m_owner = owner;
    // Disabling takes the focus from the owner's controls for good; the
    // control that opened the modal window is the one to have it back.
    m_ownerFocus = owner->focusWidget();
    if (owner->isEnabled()) {
        // Disabling rather than relying on Qt's modality alone greys the owner
        // and tells assistive technology that it takes no input.
        owner->setEnabled(false);
        m_disabledOwner = true;
    }
    if (modal && owner->windowHandle()) {
        modal->winId();
        if (QWindow* handle = modal->windowHandle()) {
            handle->setTransientParent(owner->windowHandle());
            m_compositorModal.emplace(handle);
        }
    }
}

ModalOwner::~ModalOwner()
{
    if (!m_owner)
        return;
    if (m_disabledOwner)
        m_owner->setEnabled(true);
    if (m_ownerFocus && m_ownerFocus->window() == m_owner && m_ownerFocus->isEnabled())
        m_ownerFocus->setFocus(Qt::OtherFocusReason);
    QWidget* active = QApplication::activeWindow();
    if (!active || active == m_modal) {
        m_owner->raise();
        m_owner->activateWindow();
    }
}
