#pragma once

#include "common/platform/dialog/CDialog.h"

#include <QObject>
#include <QPointer>

#include <QLabel>

// An object that takes over an existing label of a dialog, as a control
// class does when data exchange binds it to a control of the layout. The
// label stays the dialog's; the object adds behaviour through an event filter.
class CStatic : public QObject {
    Q_OBJECT
public:
    // Classic static styles.
    static constexpr unsigned SS_CENTER = 0x0001;
    static constexpr unsigned SS_RIGHT = 0x0002;
    static constexpr unsigned SS_NOTIFY = 0x0100;
    static constexpr unsigned SS_CENTERIMAGE = 0x0200;

    // Attaches to `label` unless already attached; PreSubclassWindow runs
    // before the attachment completes. False when `label` is null.
    bool SubclassWindow(QLabel* label);
    QLabel* label() const { return m_label; }
    // The alignment bits follow the label; the others are the object's own.
    unsigned GetStyle() const;
    void ModifyStyle(unsigned remove, unsigned add) { m_style = (m_style & ~remove) | add; }

protected:
    virtual void PreSubclassWindow() {}

private:
    QPointer<QLabel> m_label;
    unsigned m_style = 0;
};

// Attaches `control` to label `id` the first time; later passes do nothing.
void DDX_Control(CDataExchange& dx, int id, CStatic& control);
