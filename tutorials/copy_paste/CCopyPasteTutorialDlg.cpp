#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"

#include "common/resources/Resources.h"

#include <QLabel>

namespace {
const char kInitialStatus[] =
    "Please start the tutorial at Step 1.  As you complete the steps, this status area will "
    "track your progress.  Check back here to see how you are progressing.";
const char kPracticeSentence[] =
    "Here is the text that you will select for your tutorial on cut/copy/paste - stop here";
} // namespace

CCopyPasteTutorialDlg::CCopyPasteTutorialDlg(QWidget* owner) : CDialog(kLayoutId, owner) {}

void CCopyPasteTutorialDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, TutorialStatus::kRuleId, m_rule);
    DDX_Text(dx, 1007, m_practiceText);
    DDX_Text(dx, 1008, m_targetText);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    DDX_Text(dx, 1006, m_overviewText);
}

bool CCopyPasteTutorialDlg::OnInitDialog()
{
    m_pollTimerId = -1;
    CDialog::OnInitDialog();
    m_overviewText = Resources::LoadTextString(kOverviewTextId);
    Reset();
    m_status.ShowRule(false);
    return true;
}

void CCopyPasteTutorialDlg::Reset()
{
    m_practiceText = QString::fromLatin1(kPracticeSentence);
    m_targetText.clear();
    m_statusText = QString::fromLatin1(kInitialStatus);
    m_step = -1;
    UpdateData(false);
    m_step = 0;
}

void CCopyPasteTutorialDlg::OnCancel()
{
    if (m_pollTimerId != -1)
        KillTimer(m_pollTimerId);
    CDialog::OnCancel();
}

void CCopyPasteTutorialDlg::OnTimer(int id) { m_status.OnTimer(id); }
