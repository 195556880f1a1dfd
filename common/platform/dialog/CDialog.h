#pragma once

#include "common/platform/dialog/DialogTemplate.h"
#include "common/platform/dialog/WindowPlacement.h"

#include <QDialog>
#include <QHash>
#include <QList>

class CDialog;

// One pass of data exchange between a window's members and its controls.
struct CDataExchange {
    CDialog* dialog;
    bool saveAndValidate; // true: controls -> members
    bool failed = false;
};

// The window menu: the standard Close command and whatever the window appends.
class CSystemMenu {
public:
    struct Item {
        unsigned id = 0;
        QString text;
        bool separator = false;
    };

    CSystemMenu();
    void AppendSeparator();
    void AppendItem(unsigned id, const QString& text);
    const QList<Item>& items() const { return m_items; }

private:
    QList<Item> m_items;
};

// A window built from a layout of the resource catalogue, in the classic
// dialog model: controls addressed by numeric id, numeric window timers,
// OK / Cancel commands, data exchange and modal runs over a disabled owner.
class CDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDOK = 1;
    static constexpr int IDCANCEL = 2;
    static constexpr unsigned SC_CLOSE = 0xF060;

    explicit CDialog(int layoutId, QWidget* owner = nullptr);
    ~CDialog() override;

    // Builds the window, initialises it and runs it modally over its owner;
    // -1 at once when the layout cannot be loaded.
    int DoModal();
    // Builds, initialises and shows the window without a modal run.
    bool Create();

    QWidget* GetDlgItem(int id) const;
    QString GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const QString& text);

    // Starts (or restarts) the window timer `id`; returns the id.
    int SetTimer(int id, unsigned periodMs);
    // Stopping a timer that does not run is harmless.
    void KillTimer(int id);
    bool IsTimerRunning(int id) const { return m_timers.contains(id); }

    bool UpdateData(bool saveAndValidate = true);
    void EndDialog(int result);

    // Null for windows without a window menu.
    CSystemMenu* GetSystemMenu();
    void PopupSystemMenu(const QPoint& globalPos, bool fromKeyboard = false);

    const DialogUnits& dialogUnits() const { return m_units; }
    int layoutId() const { return m_layoutId; }

    void accept() override;
    void reject() override;

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnTimer(int id);
    virtual void OnSysCommand(unsigned id);
    // Lets a window supply controls of kinds the framework does not build.
    virtual QWidget* CreateCustomControl(const ControlTemplate& control);

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool build();
    bool initialise();
    // The owner the window opens over, when it has one.
    QWidget* ownerWindow() const;
    // From the keyboard the menu opens at the window's top-left corner.
    void popupSystemMenuFromKeyboard() { PopupSystemMenu(mapToGlobal(QPoint(0, 0)), true); }
    QWidget* createControl(const ControlTemplate& control);
    void KillAllTimers();

    int m_layoutId;
    QWidget* m_owner;
    bool m_built = false;
    bool m_inModalRun = false;
    std::optional<int> m_endedWith;
    DialogUnits m_units;
    QHash<int, QWidget*> m_controls;
    QHash<int, int> m_timers; // window timer id -> service handle
    std::optional<CSystemMenu> m_systemMenu;
    WindowPlacement m_placement;
};

// Data exchange helpers. A push sets a control's text only when it differs
// or is 256 characters or longer (which also scrolls a box to its start).
void DDX_Text(CDataExchange& dx, int id, QString& value);

template <class Control>
void DDX_Control(CDataExchange& dx, int id, Control*& control)
{
    if (control)
        return;
    control = qobject_cast<Control*>(dx.dialog->GetDlgItem(id));
    if (!control)
        dx.failed = true;
}
