#include "common/TutorialStatus.h"

#include "common/platform/dialog/CDialog.h"
#include "common/platform/system/Announcer.h"

void TutorialStatus::Report(const QString& message, bool flash)
{
    if (!m_dialog.GetDlgItem(kStatusBoxId))
        return;
    if (flash)
        Flash();
    // A poll may write the report it wrote last again; that is no news.
    const bool news = message != m_dialog.GetDlgItemText(kStatusBoxId);
    m_dialog.SetDlgItemText(kStatusBoxId, message);
    if (news)
        Announcer::Announce(&m_dialog, message);
}

void TutorialStatus::Flash()
{
    ShowRule(true);
    if (m_flashTimerId != -1)
        m_dialog.KillTimer(m_flashTimerId);
    m_flashTimerId = m_dialog.SetTimer(2, kFlashStepMs);
}

bool TutorialStatus::OnTimer(int id)
{
    if (m_flashTimerId == -1 || id != m_flashTimerId)
        return false;
    m_dialog.KillTimer(id);
    switch (id) {
    case 2:
        ShowRule(false);
        m_flashTimerId = m_dialog.SetTimer(3, kFlashStepMs);
        break;
    case 3:
        ShowRule(true);
        m_flashTimerId = m_dialog.SetTimer(4, kFlashStepMs);
        break;
    default:
        ShowRule(false);
        m_flashTimerId = -1;
        break;
    }
    return true;
}

void TutorialStatus::ShowRule(bool visible)
{
    if (QWidget* rule = m_dialog.GetDlgItem(kRuleId))
        rule->setVisible(visible);
}
