#pragma once

#include "common/platform/dialog/WaylandShell.h"

#include <QPointer>
#include <QWidget>

#include <optional>

// The owner's side of a modal run: for as long as the object lives the owner
// (the application's main window when none is given) is disabled and greyed,
// and the modal window stays above it. Afterwards the owner takes input again,
// its focus goes back to the control that had it, and, if the modal window
// had the activation, the owner gets it back.
class ModalOwner {
public:
    ModalOwner(QWidget* owner, QWidget* modal);
    ~ModalOwner();
    ModalOwner(const ModalOwner&) = delete;
    ModalOwner& operator=(const ModalOwner&) = delete;

    QWidget* owner() const { return m_owner; }

    // The window that owns modal windows opened without an owner.
    static void setMainWindow(QWidget* window);
    static QWidget* mainWindow();

private:
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_modal;
    QPointer<QWidget> m_ownerFocus;
    bool m_disabledOwner = false;
    std::optional<CompositorModal> m_compositorModal;
};
