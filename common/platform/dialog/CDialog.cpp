#include "common/platform/dialog/CDialog.h"

#include "common/platform/controls/CEdit.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/platform/dialog/LayoutFit.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/platform/dialog/WindowPlacement.h"
#include "common/platform/system/SystemServices.h"
#include "common/resources/Resources.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

namespace {

// Multi-line edit boxes hold their text with CR LF line ends, as the texts
// and messages are written; Qt's editors work with LF.
QString toEditorText(const QString& text) { return QString(text).replace("\r\n", "\n"); }
QString fromEditorText(const QString& text) { return QString(text).replace('\n', "\r\n"); }

QPlainTextEdit* createEdit(const ControlTemplate& c, QWidget* parent)
{
    auto* edit = new CEdit(c.hasStyle("wantreturn"), parent);
    edit->setReadOnly(c.hasStyle("readonly"));
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(c.hasStyle("vscroll") ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
    if (!c.hasStyle("border"))
        edit->setFrameShape(QFrame::NoFrame);
    edit->setPlainText(toEditorText(c.text));
    return edit;
}

// Picture and icon controls take the size of their image, as classic static
// pictures do, whatever the dialog units come to; only where the window's
// font was made smaller to fit the screen do they shrink with it.
QLabel* createPicture(const ControlTemplate& c, const QPixmap& image, QWidget* parent)
{
    const qreal scale = pictureScale(QFontInfo(parent->font()).pointSizeF(),
                                     QFontInfo(QApplication::font()).pointSizeF());
    auto* picture = new QLabel(parent);
    if (c.hasStyle("sunken"))
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (c.hasStyle("border"))
        picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(image);
    picture->setScaledContents(scale < 1);
    const int frame = picture->frameWidth();
    if (!image.isNull())
        picture->resize((image.deviceIndependentSize() * scale).toSize() +
                        QSize(2 * frame, 2 * frame));
    return picture;
}

} // namespace

CSystemMenu::CSystemMenu() { AppendItem(CDialog::SC_CLOSE, QObject::tr("&Close")); }

void CSystemMenu::AppendSeparator() { m_items.append(Item{0, {}, true}); }

void CSystemMenu::AppendItem(unsigned id, const QString& text)
{
    m_items.append(Item{id, text, false});
}

CDialog::CDialog(int layoutId, QWidget* owner)
    : m_layoutId(layoutId), m_owner(owner), m_placement(this)
{
}

CDialog::~CDialog() { KillAllTimers(); }

void CDialog::KillAllTimers()
{
    for (int handle : std::as_const(m_timers))
        systemServices().StopTimer(handle);
    m_timers.clear();
}

bool CDialog::build()
{
    if (m_built)
        return true;
    const auto layout = Resources::LoadLayout(m_layoutId);
    if (!layout)
        return false;
    m_built = true;

    Qt::WindowFlags flags = layout->hasStyle("appwindow") ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (layout->hasStyle("sysmenu")) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        m_systemMenu.emplace();
        // A shortcut rather than a key handler: a focused push button would
        // otherwise take the Space of Alt+Space as a click.
        auto* openMenu = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(openMenu, &QShortcut::activated, this, &CDialog::popupSystemMenuFromKeyboard);
    }
    setWindowFlags(flags);
    setWindowTitle(layout->title);
    const LayoutFit fit = fitLayout(*layout, ownerWindow(), style());
    m_units = fit.units;
    setFont(fit.font);
    setFixedSize(m_units.toPixelsX(layout->size.width()), m_units.toPixelsY(layout->size.height()));
    keepLaidOutSize(this);

    QList<QWidget*> groups;
    for (const ControlTemplate& control : layout->controls) {
        QWidget* widget = createControl(control);
        if (!widget)
            continue;
        if (control.id >= 0)
            m_controls.insert(control.id, widget);
        if (qobject_cast<QGroupBox*>(widget))
            groups << widget;
    }
    // Group frames sit behind the controls they surround and let the mouse
    // through to the window, like any other decoration.
    for (QWidget* group : groups)
        group->lower();
    return true;
}

QWidget* CDialog::createControl(const ControlTemplate& c)
{
    QWidget* widget = CreateCustomControl(c);
    const QRect rect = m_units.toPixels(c.rect);
    bool sizedByContent = false;
    if (widget) {
        // supplied by the window
    } else if (c.kind == "button" || c.kind == "defbutton") {
        auto* button = new QPushButton(c.text, this);
        button->setAutoDefault(false);
        button->setDefault(c.kind == "defbutton");
        if (c.id == IDOK)
            connect(button, &QPushButton::clicked, this, [this] { OnOK(); });
        else if (c.id == IDCANCEL)
            connect(button, &QPushButton::clicked, this, [this] { OnCancel(); });
        widget = button;
    } else if (c.kind == "checkbox") {
        widget = new QCheckBox(c.text, this);
    } else if (c.kind == "edit") {
        widget = createEdit(c, this);
    } else if (c.kind == "label") {
        auto* label = new QLabel(c.text, this);
        label->setTextFormat(Qt::PlainText);
        // Texts of one line keep to one line even where the desktop's font
        // runs wider than the layout allowed for.
        label->setWordWrap(!isOneLineLabel(c));
        Qt::Alignment align = Qt::AlignTop;
        align |= c.hasStyle("center") ? Qt::AlignHCenter
                 : c.hasStyle("right") ? Qt::AlignRight
                                       : Qt::AlignLeft;
        label->setAlignment(align);
        widget = label;
    } else if (c.kind == "picture") {
        widget = createPicture(c, Resources::LoadBitmap(c.resource), this);
        sizedByContent = !qobject_cast<QLabel*>(widget)->pixmap().isNull();
    } else if (c.kind == "icon") {
        widget = createPicture(c, Resources::LoadIcon(c.resource).pixmap(32, 32), this);
        sizedByContent = !qobject_cast<QLabel*>(widget)->pixmap().isNull();
    } else if (c.kind == "tree") {
        widget = new CTreeCtrl(this);
    } else if (c.kind == "group") {
        widget = new QGroupBox(c.text, this);
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    } else {
        return nullptr;
    }

    if (sizedByContent) {
        // Pictures keep their pixel size; centred in the space the layout
        // gives them, they stay balanced whatever the font does to that space.
        // A picture larger than its space keeps the space's top-left corner
        // along that axis, so it never grows upwards over its neighbours
        // (the thin rule under a label).
        const QSize size = widget->size();
        const auto start = [](int from, int space, int extent) {
            return extent > space ? from : from + (space - extent) / 2;
        };
        widget->move(start(rect.x(), rect.width(), size.width()),
                     start(rect.y(), rect.height(), size.height()));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        // Text runs on past its space rather than being cut off where the
        // desktop's font is wider or taller than the layout allowed for; a
        // line that would run past the window's edge wraps there instead.
        QSize needed = label->wordWrap()
                           ? QSize(rect.width(), label->heightForWidth(rect.width()))
                           : label->sizeHint();
        const int room = std::max(rect.width(), width() - rect.x());
        if (needed.width() > room) {
            label->setWordWrap(true);
            needed = QSize(room, label->heightForWidth(room));
        }
        widget->setGeometry(rect.adjusted(0, 0, std::max(0, needed.width() - rect.width()),
                                          std::max(0, needed.height() - rect.height())));
    } else {
        widget->setGeometry(rect);
    }
    if (c.id >= 0)
        widget->setProperty("controlId", c.id);
    widget->setObjectName(c.id >= 0 ? QStringLiteral("control%1").arg(c.id) : c.kind);
    if (!c.accessibleName.isEmpty())
        widget->setAccessibleName(QString(c.accessibleName).remove('&'));
    if (widget->focusPolicy() != Qt::NoFocus)
        widget->setFocusPolicy(c.hasStyle("tabstop") ? Qt::StrongFocus : Qt::ClickFocus);
    if (c.hasStyle("disabled"))
        widget->setEnabled(false);
    if (c.hasStyle("hidden"))
        widget->hide();
    return widget;
}

QWidget* CDialog::CreateCustomControl(const ControlTemplate&) { return nullptr; }

bool CDialog::initialise()
{
    const bool setDefaultFocus = OnInitDialog();
    if (m_endedWith)
        return false;
    if (setDefaultFocus) {
        // The first control that takes Tab gets the focus, as the dialog
        // manager does it.
        for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
            if (w->parentWidget() == this && (w->focusPolicy() & Qt::TabFocus) &&
                w->isEnabled() && !w->isHidden()) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    return true;
}

QWidget* CDialog::ownerWindow() const
{
    QWidget* owner = m_owner ? m_owner->window() : ModalOwner::mainWindow();
    return owner == this ? nullptr : owner;
}

int CDialog::DoModal()
{
    if (!build())
        return -1;
    ModalOwner owner(m_owner, this);
    if (!initialise())
        return *m_endedWith;
    m_placement.placeOver(owner.owner());
    m_inModalRun = true;
    const int result = exec();
    m_inModalRun = false;
    return m_endedWith.value_or(result);
}

bool CDialog::Create()
{
    if (!build())
        return false;
    if (!initialise())
        return false;
    m_placement.placeOver(ownerWindow());
    show();
    return true;
}

QWidget* CDialog::GetDlgItem(int id) const { return m_controls.value(id); }

QString CDialog::GetDlgItemText(int id) const
{
    QWidget* w = GetDlgItem(id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
        return fromEditorText(edit->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    return w ? w->windowTitle() : QString();
}

void CDialog::SetDlgItemText(int id, const QString& text)
{
    QWidget* w = GetDlgItem(id);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        const QString before = edit->toPlainText();
        edit->setPlainText(toEditorText(text));
        // Replacing a box's text is how the windows report; a screen reader
        // user hears it only when the change is announced.
        QAccessibleTextUpdateEvent changed(edit, 0, before, edit->toPlainText());
        QAccessible::updateAccessibility(&changed);
    } else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(text);
    else if (w)
        w->setWindowTitle(text);
}

int CDialog::SetTimer(int id, unsigned periodMs)
{
    KillTimer(id);
    m_timers.insert(id, systemServices().StartTimer(periodMs, [this, id] {
        if (m_timers.contains(id))
            OnTimer(id);
    }));
    return id;
}

void CDialog::KillTimer(int id)
{
    if (auto it = m_timers.find(id); it != m_timers.end()) {
        systemServices().StopTimer(it.value());
        m_timers.erase(it);
    }
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx{this, saveAndValidate};
    DoDataExchange(dx);
    return !dx.failed;
}

void CDialog::EndDialog(int result)
{
    // A window's timers end with it, whichever command ended it.
    KillAllTimers();
    m_endedWith = result;
    if (m_inModalRun || isVisible())
        QDialog::done(result);
}

CSystemMenu* CDialog::GetSystemMenu() { return m_systemMenu ? &*m_systemMenu : nullptr; }

void CDialog::PopupSystemMenu(const QPoint& globalPos, bool fromKeyboard)
{
    if (!m_systemMenu || !isEnabled())
        return;
    QMenu menu(this);
    menu.setAccessibleName(tr("Window menu"));
    for (const CSystemMenu::Item& item : m_systemMenu->items()) {
        if (item.separator)
            menu.addSeparator();
        else
            menu.addAction(item.text)->setData(item.id);
    }
    // Opened from the keyboard, the menu starts on its first item, so that
    // arrows and Enter work at once.
    if (fromKeyboard && !menu.actions().isEmpty())
        QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().first()); });
    if (QAction* chosen = menu.exec(globalPos))
        OnSysCommand(chosen->data().toUInt());
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnInitDialog()
{
    if (!UpdateData(false))
        EndDialog(-1);
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnTimer(int) {}

void CDialog::OnSysCommand(unsigned id)
{
    if (id == SC_CLOSE)
        OnCancel();
}

void CDialog::accept() { OnOK(); }

void CDialog::reject() { OnCancel(); }

void CDialog::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (mods == Qt::NoModifier) {
            OnCancel();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods == Qt::NoModifier) {
            // Enter presses the focused push button, else the default button,
            // else it is the OK command.
            if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
                focused->click();
                return;
            }
            for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
                if (button->isDefault() && button->isEnabled() && button->isVisible()) {
                    button->click();
                    return;
                }
            }
            OnOK();
            return;
        }
        break;
    case Qt::Key_F10:
        if (mods == Qt::ShiftModifier && m_systemMenu) {
            popupSystemMenuFromKeyboard();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_systemMenu) {
        event->ignore();
        return;
    }
    if (event->reason() == QContextMenuEvent::Mouse) {
        // Only the window's own surface opens the window menu, not a control.
        QWidget* child = childAt(event->pos());
        if (child && !qobject_cast<QGroupBox*>(child)) {
            event->ignore();
            return;
        }
        PopupSystemMenu(event->globalPos());
    } else {
        popupSystemMenuFromKeyboard();
    }
}

void CDialog::closeEvent(QCloseEvent* event)
{
    // A window a modal one has disabled takes no commands, also not the
    // close box of a compositor that does not know it is disabled.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // A click on a disabled window gives it the keyboard, where nothing can
    // use it: the modal window over it takes the keyboard back.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled()) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != this)
            QTimer::singleShot(0, modal, [modal] {
                modal->raise();
                modal->activateWindow();
            });
    }
}

void DDX_Text(CDataExchange& dx, int id, QString& value)
{
    if (!dx.dialog->GetDlgItem(id)) {
        dx.failed = true;
        return;
    }
    if (dx.saveAndValidate) {
        value = dx.dialog->GetDlgItemText(id);
    } else if (value.size() >= 256 || value != dx.dialog->GetDlgItemText(id)) {
        dx.dialog->SetDlgItemText(id, value);
    }
}
