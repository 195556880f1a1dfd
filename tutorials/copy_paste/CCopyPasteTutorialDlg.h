#pragma once

#include "common/TutorialStatus.h"
#include "common/platform/CDialog.h"

class QLabel;

class CCopyPasteTutorialDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 103;
    static constexpr int kOverviewTextId = 165;

    explicit CCopyPasteTutorialDlg(QWidget* owner = nullptr);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;
    void OnTimer(int id) override;

private:
    void Reset();

    QLabel* m_rule = nullptr;
    QString m_practiceText;
    QString m_targetText;
    QString m_statusText;
    QString m_overviewText;
    int m_pollTimerId = -1;
    TutorialStatus m_status{*this};
    int m_step = 0;
    int m_lastSelStart = 0;
    int m_lastSelEnd = 0;
};
