#include "app/CLauncherDlg.h"

#include "app/CAboutBoxDlg.h"
#include "app/MinimizedIcon.h"
#include "common/WebSite.h"
#include "common/resources/Resources.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"

#include <QPainter>
#include <QPushButton>
#include <QStyle>

CLauncherDlg::CLauncherDlg() : CDialog(kLayoutId), m_appIcon(Resources::LoadIcon(128)) {}

void CLauncherDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Text(dx, 1002, m_welcomeText);
    DDX_Control(dx, kWebLinkId, m_webLink);
}

template <class Tutorial>
void CLauncherDlg::openModal()
{
    // A fresh window every time, so nothing carries over from one opening.
    Tutorial window;
    window.DoModal();
}

bool CLauncherDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The label keeps the host name from the layout; its tooltip shows the
    // whole address.
    m_webLink.SetLinkTarget(QString::fromLatin1(kMakerWebSiteAddress));
    m_webLink.SetUnderlineLook(true);
    // Tab comes to the link after every button.
    if (QWidget* close = GetDlgItem(IDCANCEL); close && m_webLink.label())
        setTabOrder(close, m_webLink.label());
    m_welcomeText = Resources::LoadTextString(kWelcomeTextId);
    UpdateData(false);

    if (CSystemMenu* menu = GetSystemMenu()) {
        const QString about = Resources::LoadString(kAboutItemStringId);
        if (!about.isEmpty()) {
            menu->AppendSeparator();
            menu->AppendItem(kAboutCommand, about);
        }
    }
    setWindowIcon(m_appIcon);

    const struct {
        int id;
        void (CLauncherDlg::*open)();
    } buttons[] = {{1003, &CLauncherDlg::openModal<CCopyPasteTutorialDlg>},
                   {1005, &CLauncherDlg::openModal<CDoubleClickTutorialDlg>},
                   {1004, &CLauncherDlg::openModal<CDragDropTutorialDlg>}};
    for (const auto& button : buttons) {
        if (auto* widget = qobject_cast<QPushButton*>(GetDlgItem(button.id)))
            connect(widget, &QPushButton::clicked, this, button.open);
    }
    return true;
}

void CLauncherDlg::OnSysCommand(unsigned id)
{
    if (isAboutCommand(id)) {
        CAboutBoxDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(id);
}

void CLauncherDlg::paintEvent(QPaintEvent* event)
{
    if (!isMinimized()) {
        CDialog::paintEvent(event);
        return;
    }
    // Where the window system paints minimised windows itself, this never
    // runs; elsewhere the icon stands centred in the client area.
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const QSize iconSize(extent, extent);
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_appIcon.paint(&painter, QRect(minimizedIconPosition(size(), iconSize), iconSize));
}
