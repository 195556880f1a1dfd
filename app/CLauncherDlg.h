#pragma once

#include "common/CWebLinkStatic.h"
#include "common/platform/dialog/CDialog.h"

#include <QIcon>

class CLauncherDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 102;
    static constexpr int kWebLinkId = 1000;
    static constexpr int kWelcomeTextId = 151;
    static constexpr int kAboutItemStringId = 101;
    static constexpr unsigned kAboutCommand = 0x0010;

    CLauncherDlg();

    // Every id from 16 to 31 means About: the low four bits are the system's.
    static bool isAboutCommand(unsigned id) { return (id & 0xFFF0) == kAboutCommand; }

    const CWebLinkStatic& webLink() const { return m_webLink; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id) override;
    void paintEvent(QPaintEvent* event) override;

private:
    template <class Tutorial>
    void openModal();

    CWebLinkStatic m_webLink;
    QString m_welcomeText;
    QIcon m_appIcon;
};
