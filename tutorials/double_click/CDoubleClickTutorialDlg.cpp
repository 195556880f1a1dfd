#include "tutorials/double_click/CDoubleClickTutorialDlg.h"

#include "common/TutorialStatus.h"
#include "common/platform/system/Announcer.h"
#include "common/platform/system/SystemServices.h"
#include "common/resources/Resources.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextDocument>
#include <QtMath>

using namespace DoubleClick;

namespace {

// Client pixels of a mouse event; positions may be fractional on scaled
// screens, and a point belongs to the pixel it falls in.
QPoint clientPixel(const QMouseEvent* event)
{
    return QPoint(qFloor(event->position().x()), qFloor(event->position().y()));
}

// Edits, check boxes and buttons keep every press on them, also those Qt
// would pass on to the window: on an edit's frame, or beside a check box's
// text.
bool isOnControlThatTakesTheMouse(const QWidget* dialog, const QPoint& point)
{
    for (const QWidget* w = dialog->childAt(point); w && w != dialog; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractScrollArea*>(w))
            return true;
    }
    return false;
}

} // namespace

CDoubleClickTutorialDlg::CDoubleClickTutorialDlg(QWidget* owner)
    : CDialog(kLayoutId, owner),
      m_statusText(tr("After starting the tutorial this text will be replaced with "
                      "statistics about your progress."))
{
}

void CDoubleClickTutorialDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, TutorialStatus::kRuleId, m_rule);
    DDX_Control(dx, TutorialStatus::kStatusBoxId, m_statusBox);
    DDX_Control(dx, kReleasedIconId, m_releasedIcon);
    DDX_Control(dx, kPressedIconId, m_pressedIcon);
    DDX_Control(dx, kShowMeId, m_showMeBox);
    DDX_Text(dx, kFeedbackId, m_feedbackText);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    DDX_Text(dx, TutorialStatus::kOverviewBoxId, m_overviewText);
}

QWidget* CDoubleClickTutorialDlg::CreateCustomControl(const ControlTemplate& control)
{
    // The framework builds the target picture; its place is settled at set-up.
    if (control.kind == QLatin1String("picture") && control.resource == kTargetBitmapId)
        m_targetLayoutRect = dialogUnits().toPixels(control.rect);
    return nullptr;
}

bool CDoubleClickTutorialDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_overviewText = Resources::LoadTextString(kOverviewTextId);
    if (m_statusBox) {
        m_statusBox->setTabStopDistance(dialogUnits().cx * kStatusTabStopDlu / 4.0);
        connect(m_statusBox, &QPlainTextEdit::textChanged, this,
                &CDoubleClickTutorialDlg::AlignStatistics);
    }
    m_doubleClicks = m_singleClicks = m_tooSlow = m_mouseMoved = 0;
    m_clickLimit = ClickLimit(systemServices().GetDoubleClickTime());
    // The desktop's double-click time may change, or first become known,
    // while the lesson is open: it judges by the system's current one.
    connect(QGuiApplication::styleHints(), &QStyleHints::mouseDoubleClickIntervalChanged, this,
            [this] { m_clickLimit = ClickLimit(systemServices().GetDoubleClickTime()); });
    ClearFirstClick();
    m_lastResult = ResultNone;
    if (m_rule)
        m_rule->hide();
    PlaceTarget();
    if (m_showMeBox)
        connect(m_showMeBox, &QCheckBox::clicked, this, &CDoubleClickTutorialDlg::OnShowMeClicked);
    UpdateData(false);
    return true;
}

void CDoubleClickTutorialDlg::PlaceTarget()
{
    QLabel* picture = nullptr;
    for (auto* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->accessibleName() == Resources::LayoutText("Double-click target")) {
            picture = label;
            break;
        }
    }
    const int frame = picture ? picture->frameWidth() : 0;
    const QRect geometry = TargetPictureGeometry(m_targetLayoutRect, frame);
    if (picture)
        picture->setGeometry(geometry);
    m_targetRect = TargetRect(geometry, frame);
}

bool CDoubleClickTutorialDlg::IsOnTarget(const QPoint& point) const
{
    return m_targetRect.contains(point);
}

void CDoubleClickTutorialDlg::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = clientPixel(event);
    if (event->button() == Qt::LeftButton && !isOnControlThatTakesTheMouse(this, point))
        OnLButtonDown(point);
    CDialog::mousePressEvent(event);
}

// Qt's default treats the second press of a double click as a press too;
// here it is a double click only.
void CDoubleClickTutorialDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint point = clientPixel(event);
    if (event->button() != Qt::LeftButton)
        CDialog::mouseDoubleClickEvent(event);
    else if (!isOnControlThatTakesTheMouse(this, point))
        OnLButtonDblClk(point);
}

void CDoubleClickTutorialDlg::OnLButtonDown(const QPoint& point)
{
    UpdateData(true);
    if (m_firstClickX != -1 || m_firstClickY != -1) {
        m_lastResult = SecondPressVerdict(m_firstClickTime, systemServices().GetTickCount(),
                                          m_clickLimit);
        if (m_lastResult == ResultTooSlow) {
            m_feedbackText = Translated(kTooSlowMessage);
            ++m_tooSlow;
        } else {
            m_feedbackText = Translated(kMouseMovedMessage);
            ++m_mouseMoved;
        }
        UpdateStatistics();
        ClearFirstClick();
    } else if (IsOnTarget(point)) {
        m_firstClickX = point.x();
        m_firstClickY = point.y();
        m_firstClickTime = systemServices().GetTickCount();
        m_feedbackText = Translated(kFirstClickMessage);
        m_lastResult = ResultFirstClick;
    }
    PushReports();
    StartFollowUp();
}

void CDoubleClickTutorialDlg::OnLButtonDblClk(const QPoint& point)
{
    if (!IsOnTarget(point))
        return;
    UpdateData(true);
    m_feedbackText = Translated(kSuccessMessage);
    m_lastResult = ResultDoubleClick;
    ++m_doubleClicks;
    UpdateStatistics();
    PushReports();
    ClearFirstClick();
    StartFollowUp();
}

void CDoubleClickTutorialDlg::OnTimer(int id)
{
    KillTimer(id);
    switch (id) {
    case kShowMeReleaseTimer:
        ShowMeRelease();
        break;
    case kShowMePressTimer:
        ShowMePress();
        break;
    case kFollowUpTimer: {
        UpdateData(true);
        const FollowUp followUp = FollowUpFor(m_lastResult);
        m_feedbackText = followUp.message;
        if (followUp.countsSingleClick) {
            ++m_singleClicks;
            UpdateStatistics();
        }
        PushReports();
        ClearFirstClick();
        break;
    }
    default:
        break;
    }
}

void CDoubleClickTutorialDlg::UpdateStatistics()
{
    m_statusText = StatisticsText(m_doubleClicks, m_tooSlow, m_mouseMoved, m_singleClicks);
}

void CDoubleClickTutorialDlg::ClearFirstClick()
{
    m_firstClickX = -1;
    m_firstClickY = -1;
    m_firstClickTime = UINT32_MAX;
}

// Each attempt restarts the wait for the follow-up hint (SetTimer restarts a
// running timer), so only the latest attempt's hint is ever shown.
void CDoubleClickTutorialDlg::StartFollowUp()
{
    SetTimer(kFollowUpTimer, TimerPeriod(std::uint64_t{m_clickLimit} + kFollowUpDelayMs));
}

// After set-up only the two report controls are written: the overview box
// keeps its caret and scroll place for whoever is reading it. A new verdict
// is told to a screen reader wherever the focus is.
void CDoubleClickTutorialDlg::PushReports()
{
    const QString shown = GetDlgItemText(kFeedbackId);
    CDataExchange dx{this, false};
    DDX_Text(dx, kFeedbackId, m_feedbackText);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    if (shown != m_feedbackText)
        Announcer::Announce(this, m_feedbackText);
}

// Tab stops every few dialog units set the statistics in columns only with
// the font they were written for; stops fitted to the lines do it with the
// desktop's font and leave the text as it is. The box lays out every line
// with the same stops, so a font whose "Single Click" is wider than its
// "Mouse Moved" (a fixed-width one) cannot line them all up.
void CDoubleClickTutorialDlg::AlignStatistics()
{
    const QSignalBlocker noEcho(m_statusBox);
    const QFontMetricsF metrics(m_statusBox->font());
    QTextDocument* document = m_statusBox->document();
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines << block.text();
    QList<QTextOption::Tab> tabs;
    for (qreal x : ColumnTabStops(
             lines, [&](const QString& text) { return metrics.horizontalAdvance(text); },
             m_statusBox->tabStopDistance()))
        tabs.append(QTextOption::Tab(x, QTextOption::LeftTab));
    QTextOption option = document->defaultTextOption();
    option.setTabs(tabs);
    document->setDefaultTextOption(option);
}

void CDoubleClickTutorialDlg::OnShowMeClicked()
{
    if (m_showMeBox->isChecked()) {
        m_showMeFirst = true;
        ShowMePress();
    } else {
        KillTimer(kShowMeReleaseTimer);
        KillTimer(kShowMePressTimer);
        ShowIconPair(false, true);
    }
}

void CDoubleClickTutorialDlg::ShowMePress()
{
    ShowIconPair(true, false);
    systemServices().Beep(kToneHz, kToneMs);
    SetTimer(kShowMeReleaseTimer, ShowMeDurationsFor(m_clickLimit).press);
}

void CDoubleClickTutorialDlg::ShowMeRelease()
{
    ShowIconPair(false, true);
    const ShowMeDurations durations = ShowMeDurationsFor(m_clickLimit);
    const unsigned period = m_showMeFirst ? durations.gap : durations.pause;
    m_showMeFirst = !m_showMeFirst;
    SetTimer(kShowMePressTimer, period);
}

// Showing and hiding only mark the place for painting, and the two mice
// share it: one paint puts both changes on the screen, so neither both mice
// nor none is ever seen. Holding back the whole window's painting instead
// would repaint all of it at every swap and make the animation late.
void CDoubleClickTutorialDlg::ShowIconPair(bool showPressed, bool showReleased)
{
    if (m_pressedIcon)
        m_pressedIcon->setVisible(showPressed);
    if (m_releasedIcon)
        m_releasedIcon->setVisible(showReleased);
    PaintIcon(showPressed ? m_pressedIcon : m_releasedIcon);
}

// The new picture goes on the screen now, not at the next repaint.
void CDoubleClickTutorialDlg::PaintIcon(QLabel* icon)
{
    if (icon)
        icon->repaint();
}
