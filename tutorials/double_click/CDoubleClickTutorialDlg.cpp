#include "tutorials/double_click/CDoubleClickTutorialDlg.h"

#include "common/resources/Resources.h"

#include <QLabel>

CDoubleClickTutorialDlg::CDoubleClickTutorialDlg(QWidget* owner)
    : CDialog(kLayoutId, owner),
      m_statusText(QStringLiteral("After starting the tutorial this text will be replaced with "
                                  "statistics about your progress."))
{
}

void CDoubleClickTutorialDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, TutorialStatus::kRuleId, m_rule);
    DDX_Text(dx, 1011, m_feedbackText);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    DDX_Text(dx, 1006, m_overviewText);
}

bool CDoubleClickTutorialDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_overviewText = Resources::LoadTextString(kOverviewTextId);
    m_status.ShowRule(false);
    UpdateData(false);
    return true;
}

void CDoubleClickTutorialDlg::OnCancel()
{
    for (int id : {1, 2, 3})
        KillTimer(id);
    CDialog::OnCancel();
}
