#pragma once

#include "common/TutorialStatus.h"
#include "common/platform/CDialog.h"

class QLabel;

class CDoubleClickTutorialDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 156;
    static constexpr int kOverviewTextId = 167;

    explicit CDoubleClickTutorialDlg(QWidget* owner = nullptr);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    QLabel* m_rule = nullptr;
    QString m_feedbackText;
    QString m_statusText;
    QString m_overviewText;
    TutorialStatus m_status{*this};
};
