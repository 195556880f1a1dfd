#pragma once

#include "common/TutorialStatus.h"
#include "common/platform/CDialog.h"

class QLabel;

class CDragDropTutorialDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 161;
    static constexpr int kOverviewTextId = 166;

    explicit CDragDropTutorialDlg(QWidget* owner = nullptr);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;
    void OnTimer(int id) override;

private:
    void ResetSteps();

    QLabel* m_rule = nullptr;
    QString m_statusText;
    QString m_overviewText;
    int m_hoverTimerId = -1;
    TutorialStatus m_status{*this};
    int m_step = 0;
};
