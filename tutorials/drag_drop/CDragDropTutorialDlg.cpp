#include "tutorials/drag_drop/CDragDropTutorialDlg.h"

#include "common/platform/controls/MouseCapture.h"
#include "common/platform/dialog/CWinApp.h"
#include "common/platform/system/SystemServices.h"
#include "common/resources/Resources.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

using namespace DragDrop;

namespace {

const QColor kTransparent(255, 0, 255);
constexpr int kFolderImage = 0;
constexpr int kFileImage = 1;

} // namespace

CDragDropTutorialDlg::CDragDropTutorialDlg(QWidget* owner) : CDialog(kLayoutId, owner) {}

CDragDropTutorialDlg::~CDragDropTutorialDlg() { AbandonDrag(); }

void CDragDropTutorialDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, TutorialStatus::kRuleId, m_rule);
    DDX_Control(dx, kTreeId, m_tree);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    DDX_Text(dx, TutorialStatus::kOverviewBoxId, m_overviewText);
}

bool CDragDropTutorialDlg::PreTranslateMessage(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !m_tree)
        return false;
    unsigned flags = 0;
    const HTREEITEM item = HitTestTree(systemServices().GetCursorPos(), &flags);
    // The second press of a double click is not a new press: it comes as a
    // press that the controls never see, then as the double click itself.
    // Only in the finished state is the double click kept from the tree, so
    // that it opens or closes no folder there either.
    if (type == QEvent::MouseButtonDblClick)
        return m_step == Finished && item != 0;
    if (mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick))
        return false;
    const PressAnswer answer = onLeftPress(m_step, item != 0 && item == m_practiceItem, item != 0);
    m_step = answer.transition.next;
    if (answer.transition.shown == Message::StartOverBox) {
        systemServices().MessageBox(this, messageText(Message::StartOverBox), CWinApp::title(),
                                    SystemServices::MessageIcon::Exclamation);
    } else {
        Report(answer.transition.shown);
    }
    return answer.consumed;
}

bool CDragDropTutorialDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_tree)
        return true;
    connect(m_tree, &CTreeCtrl::beginDrag, this, &CDragDropTutorialDlg::OnBeginDrag);
    connect(m_tree, &CTreeCtrl::clicked, this, &CDragDropTutorialDlg::OnTreeClick);
    if (auto* startOver = qobject_cast<QPushButton*>(GetDlgItem(kStartOverId)))
        connect(startOver, &QPushButton::clicked, this, &CDragDropTutorialDlg::OnStartOver);
    m_tree->viewport()->installEventFilter(this);

    m_overviewText = Resources::LoadTextString(kOverviewTextId);
    m_dragging = false;
    m_dragItem = 0;
    m_dropTarget = 0;
    m_dragImage.reset();
    m_treeImages.LoadBitmap(kTreeImagesId, 16, kTransparent);
    m_tree->SetImageList(m_treeImages);
    BuildPracticeTree();
    ResetSteps();
    m_statusText = messageText(Message::StartPrompt);
    UpdateData(false);
    return true;
}

void CDragDropTutorialDlg::BuildPracticeTree()
{
    m_tree->DeleteAllItems();
    const HTREEITEM source = m_tree->InsertItem(Label(kSourceFolderLabel), kFolderImage, kFolderImage);
    m_practiceItem = m_tree->InsertItem(Label(kPracticeLabel), kFileImage, kFileImage, source);
    m_tree->InsertItem(Label(kAnotherFileLabel), kFileImage, kFileImage, source);
    m_tree->Expand(source);
    m_tree->InsertItem(Label(kJustAnotherFolderLabel), kFolderImage, kFolderImage);
    m_tree->InsertItem(Label(kDestinationLabel), kFolderImage, kFolderImage);
    m_tree->InsertItem(Label(kYetAnotherFolderLabel), kFolderImage, kFolderImage);
}

void CDragDropTutorialDlg::ResetSteps()
{
    StopHoverTimer();
    m_step = AwaitHover;
    m_hoverTimerId = SetTimer(kHoverTimer, kHoverPeriodMs);
    Report(Message::StartPrompt);
    // Hiding the rule straight after the report's flash began leaves one
    // showing of the rule, from 500 to 750 ms.
    m_status.ShowRule(false);
}

void CDragDropTutorialDlg::StopHoverTimer()
{
    if (m_hoverTimerId != -1)
        KillTimer(m_hoverTimerId);
    m_hoverTimerId = -1;
    m_hoverPaused = false;
}

void CDragDropTutorialDlg::PauseHoverPoll()
{
    StopHoverTimer();
    m_hoverPaused = true;
}

void CDragDropTutorialDlg::ResumeHoverPoll()
{
    // A window that has ended starts nothing again.
    if (!m_hoverPaused || !isVisible())
        return;
    m_hoverPaused = false;
    m_hoverTimerId = SetTimer(kHoverTimer, kHoverPeriodMs);
}

void CDragDropTutorialDlg::Report(Message message)
{
    if (message != Message::None)
        m_status.Report(messageText(message), true);
}

HTREEITEM CDragDropTutorialDlg::HitTestTree(const QPoint& screenPoint, unsigned* flags) const
{
    return m_tree->HitTest(m_tree->ScreenToClient(screenPoint), flags);
}

void CDragDropTutorialDlg::OnTimer(int id)
{
    if (id == m_hoverTimerId) {
        // Past Hovering no tick can change the step until Start Over, so the
        // cursor need not be fetched and hit-tested ten times a second.
        if (m_step != AwaitHover && m_step != Hovering)
            return;
        const bool resting = m_restingCursor.has_value();
        unsigned flags = 0;
        const HTREEITEM item = HitTestTree(HoverCursorPos(), &flags);
        const bool onPractice = item != 0 && item == m_practiceItem && (flags & TVHT_ONITEM);
        const Transition t = onHoverTick(m_step, onPractice);
        m_step = t.next;
        Report(t.shown);
        // The pointer rested since the last tick, so every later tick would
        // find what this one found and change nothing, until the pointer
        // moves (the window hears of it, and of every move while a button
        // is held) or the tree changes under it (which repaints the tree).
        // Sparing those ticks spares the program ten wake-ups a second.
        if (resting)
            PauseHoverPoll();
        return;
    }
    m_status.OnTimer(id);
}

QPoint CDragDropTutorialDlg::HoverCursorPos()
{
    // Asking for the cursor is a round trip to the X server, which would
    // wake the program ten times a second while the user rests the mouse.
    if (!m_restingCursor)
        m_restingCursor = systemServices().GetCursorPos();
    return *m_restingCursor;
}

void CDragDropTutorialDlg::OnTreeClick()
{
    const HTREEITEM item = HitTestTree(systemServices().GetCursorPos(), nullptr);
    const Transition t = onTreeClick(m_step, item != 0 && item == m_practiceItem);
    m_step = t.next;
    Report(t.shown);
}

void CDragDropTutorialDlg::OnStartOver()
{
    AbandonDrag();
    BuildPracticeTree();
    ResetSteps();
}

void CDragDropTutorialDlg::OnBeginDrag(HTREEITEM item, const QPoint&)
{
    if (m_tree->GetParentItem(item) == 0)
        return; // folders stay where they are
    m_dragging = true;
    if (m_tree->GetSelectedItem() != item)
        m_tree->SelectItem(item);
    m_dragItem = item;
    m_dropTarget = 0;
    m_dragImage = m_tree->CreateDragImage(item);
    if (m_dragImage && CImageList::BeginDrag(*m_dragImage, 0, QPoint(0, 0))) {
        // Shown at the cursor, which is already the drag distance away from
        // where the button went down, so the image never jumps.
        CImageList::DragEnter(this, systemServices().GetCursorPos());
    }
    SetCapture(this);
    const Transition t = onBeginDrag(m_tree->GetItemText(item));
    m_step = t.next;
    Report(t.shown);
}

void CDragDropTutorialDlg::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->globalPosition().toPoint());
}

void CDragDropTutorialDlg::OnMouseMove(const QPoint& screenPoint)
{
    if (!m_dragging)
        return;
    unsigned flags = 0;
    const HTREEITEM item = HitTestTree(screenPoint, &flags);
    CImageList::DragMove(screenPoint);
    if (item == 0 || !(flags & TVHT_ONITEM))
        return;
    // The drag image is a widget of its own, which Qt draws over whatever
    // the tree repaints, so it stays up while the mark moves.
    m_tree->SelectDropTarget(item == m_dragItem ? 0 : item);
    m_dropTarget = item;
}

void CDragDropTutorialDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->globalPosition().toPoint());
}

void CDragDropTutorialDlg::EndDragFeedback()
{
    m_dragging = false;
    CImageList::EndDrag();
    if (GetCapture() == this)
        ReleaseCapture();
}

void CDragDropTutorialDlg::OnLButtonUp(const QPoint& screenPoint)
{
    if (!m_dragging)
        return;
    StopHoverTimer();
    EndDragFeedback();
    unsigned flags = 0;
    const HTREEITEM under = HitTestTree(screenPoint, &flags);
    const TreeView view{[this](quint64 i) { return m_tree->GetParentItem(i); },
                        [this](quint64 i) { return m_tree->GetItemText(i); }};
    const DropDecision decision =
        judgeDrop(m_step, m_dragItem, m_dropTarget, (flags & TVHT_ONITEM) ? under : 0, view);
    m_dragImage.reset();
    if (decision.outcome == DropOutcome::Ignored)
        return; // the wrong item: its highlight and message stay until Start Over
    m_step = Finished;
    m_tree->SelectDropTarget(0);
    if (decision.folder != 0 && m_tree->ItemExists(m_dragItem)) {
        m_tree->Expand(decision.folder);
        const HTREEITEM moved =
            m_tree->InsertItem(Label(kPracticeLabel), kFileImage, kFileImage, decision.folder);
        // The focus moves to the new row before the old one goes: a screen
        // reader whose focused item dies presents the whole window again.
        m_tree->SelectItem(moved);
        m_tree->DeleteItem(m_dragItem);
    }
    Report(messageFor(decision.outcome));
}

void CDragDropTutorialDlg::AbandonDrag()
{
    if (!m_dragging)
        return;
    StopHoverTimer();
    EndDragFeedback();
    m_dragImage.reset();
    if (m_step != Finished && m_tree) {
        m_step = Finished;
        m_tree->SelectDropTarget(0);
    }
}

bool CDragDropTutorialDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle()) {
        m_restingCursor.reset();
        // What can bring the pointer and the tree together: the pointer's
        // own moves and crossings, and the window moving under it.
        const QEvent::Type type = event->type();
        if (event->isInputEvent() || type == QEvent::Leave || type == QEvent::Move)
            ResumeHoverPoll();
        if (PreTranslateMessage(watched, event))
            return true;
    } else if (m_tree && watched == m_tree->viewport() && event->type() == QEvent::Paint) {
        ResumeHoverPoll();
    }
    return CDialog::eventFilter(watched, event);
}

void CDragDropTutorialDlg::showEvent(QShowEvent* event)
{
    // Every press to the window or any of its controls comes through the
    // window first.
    if (QWindow* window = windowHandle()) {
        window->removeEventFilter(this);
        window->installEventFilter(this);
    }
    CDialog::showEvent(event);
}

void CDragDropTutorialDlg::hideEvent(QHideEvent* event)
{
    // However the window ends (Close, Escape, Enter, a close request), a
    // drag still running ends with it; the frame stops the timers.
    AbandonDrag();
    CDialog::hideEvent(event);
}

void CDragDropTutorialDlg::changeEvent(QEvent* event)
{
    // Another window taking over ends the drag; its release will never come.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        AbandonDrag();
    CDialog::changeEvent(event);
}
