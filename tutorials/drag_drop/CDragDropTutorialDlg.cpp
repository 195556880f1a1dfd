#include "tutorials/drag_drop/CDragDropTutorialDlg.h"

#include "common/resources/Resources.h"

#include <QLabel>

namespace {
const char kStartPrompt[] = "Please start at Step 1 by placing the mouse over the tree item "
                            "labeled \"Click and Drag Me\".";
}

CDragDropTutorialDlg::CDragDropTutorialDlg(QWidget* owner) : CDialog(kLayoutId, owner) {}

void CDragDropTutorialDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, TutorialStatus::kRuleId, m_rule);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    DDX_Text(dx, 1006, m_overviewText);
}

bool CDragDropTutorialDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_overviewText = Resources::LoadTextString(kOverviewTextId);
    ResetSteps();
    m_statusText = QString::fromLatin1(kStartPrompt);
    UpdateData(false);
    return true;
}

void CDragDropTutorialDlg::ResetSteps()
{
    m_step = 0;
    m_status.Report(QString::fromLatin1(kStartPrompt), true);
    // Hiding the rule straight after the report's flash began leaves one
    // showing of the rule, from 500 to 750 ms.
    m_status.ShowRule(false);
}

void CDragDropTutorialDlg::OnCancel()
{
    if (m_hoverTimerId != -1)
        KillTimer(m_hoverTimerId);
    m_hoverTimerId = -1;
    CDialog::OnCancel();
}

void CDragDropTutorialDlg::OnTimer(int id) { m_status.OnTimer(id); }
