#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"

#include "common/WebSite.h"
#include "common/platform/system/SystemServices.h"
#include "common/resources/Resources.h"
#include "tutorials/copy_paste/CopyPasteSteps.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>

using namespace CopyPasteSteps;

CCopyPasteTutorialDlg::CCopyPasteTutorialDlg(QWidget* owner) : CDialog(kLayoutId, owner) {}

void CCopyPasteTutorialDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Control(dx, TutorialStatus::kRuleId, m_rule);
    DDX_Text(dx, kPracticeBoxId, m_practiceText);
    DDX_Text(dx, kTargetBoxId, m_targetText);
    DDX_Text(dx, TutorialStatus::kStatusBoxId, m_statusText);
    DDX_Text(dx, TutorialStatus::kOverviewBoxId, m_overviewText);
}

bool CCopyPasteTutorialDlg::OnInitDialog()
{
    m_pollTimerId = -1;
    CDialog::OnInitDialog();
    m_overviewText = Resources::LoadTextString(kOverviewTextId);

    for (QPlainTextEdit* edit : {box(kPracticeBoxId), box(kTargetBoxId)}) {
        if (!edit)
            continue;
        DrawSelectionWithoutFocus(edit, false);
        edit->installEventFilter(this);
    }
    for (QLabel* picture : findChildren<QLabel*>()) {
        if (picture->accessibleName() == Resources::LayoutText("Marker #1"))
            m_startMarker = picture;
        else if (picture->accessibleName() == Resources::LayoutText("Marker #2"))
            m_endMarker = picture;
    }
    systemServices().WatchClipboard(this, [this] { OnClipboardChange(); });
    if (auto* startOver = qobject_cast<QAbstractButton*>(GetDlgItem(kStartOverId)))
        connect(startOver, &QAbstractButton::clicked, this, [this] { Reset(); });

    Reset();
    m_status.ShowRule(false);
    return true;
}

void CCopyPasteTutorialDlg::Reset()
{
    m_practiceText = PracticeSentence();
    m_targetText.clear();
    m_statusText = InitialStatus();
    m_step = NotStarted;
    // Another program holding the clipboard keeps what it holds; the user
    // then simply has to copy before Step 3 counts.
    systemServices().EmptyClipboard();
    // Through the status, so that a Start Over is heard like any report.
    m_status.Report(m_statusText, false);
    UpdateData(false);
    m_step = Selecting;
    if (QPlainTextEdit* practice = box(kPracticeBoxId)) {
        QTextCursor caret = practice->textCursor();
        caret.setPosition(0);
        practice->setTextCursor(caret);
        practice->ensureCursorVisible();
    }
    // Restarts a running poll, so that its period counts from here.
    m_pollTimerId = SetTimer(kPollTimer, kPollMs);
    // Last, after the emptying and the selection's end: neither is a copy.
    m_copiedSinceReset = false;
}

void CCopyPasteTutorialDlg::OnClipboardChange()
{
    // A clipboard manager may put its last text back as soon as the reset
    // empties the clipboard; that text must not pass for the user's copy.
    // A copy from the practice box, by keys or menu, happens while it has a
    // selection, and so does a manager taking that copy over.
    QPlainTextEdit* practice = box(kPracticeBoxId);
    if (practice && practice->textCursor().hasSelection())
        m_copiedSinceReset = true;
}

void CCopyPasteTutorialDlg::OnTimer(int id)
{
    if (id == m_pollTimerId)
        PollTick();
    else
        m_status.OnTimer(id);
}

void CCopyPasteTutorialDlg::PollTick()
{
    if (!GetDlgItem(TutorialStatus::kStatusBoxId))
        return;
    QPlainTextEdit* practice = box(kPracticeBoxId);
    QPlainTextEdit* target = box(kTargetBoxId);
    if (m_step >= 0 && (!practice || !target)) {
        m_status.Report(tr("Internal Error:  Contact %1.")
                            .arg(QLatin1String(kMakerWebSiteDomain)),
                        false);
        return;
    }

    SystemServices& system = systemServices();
    Observation seen;
    if (practice) {
        seen.practiceText = TextOfSentenceLength(kPracticeBoxId);
        const QTextCursor selection = practice->textCursor();
        seen.selStart = selection.selectionStart();
        seen.selEnd = selection.selectionEnd();
    }
    seen.lastSelStart = m_lastSelStart;
    seen.lastSelEnd = m_lastSelEnd;
    QWidget* focus = system.GetFocus();
    seen.focusInPractice = focus && focus == practice;
    seen.focusInTarget = focus && focus == target;
    seen.leftButtonDown = [&system] { return system.IsLeftButtonDown(); };
    seen.clipboardText = [this, &system] {
        return m_copiedSinceReset ? system.ClipboardText() : QString();
    };
    seen.targetText = [this] { return TextOfSentenceLength(kTargetBoxId); };

    const Outcome outcome = Decide(m_step, seen);
    m_step = outcome.nextStep;
    if (!outcome.message.isNull())
        m_status.Report(outcome.message, outcome.flash);
    if (outcome.selectionSeen) {
        m_lastSelStart = seen.selStart;
        m_lastSelEnd = seen.selEnd;
    }
}

bool CCopyPasteTutorialDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(watched)) {
            // The box keeps the focus while its own context menu is open, and
            // the selection the user is about to copy must stay in sight.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            DrawSelectionWithoutFocus(edit, reason == Qt::PopupFocusReason);
        }
    }
    return CDialog::eventFilter(watched, event);
}

void CCopyPasteTutorialDlg::DrawSelectionWithoutFocus(QPlainTextEdit* edit, bool draw)
{
    QPalette palette = edit->palette();
    const QPalette::ColorGroup shown = draw ? QPalette::Active : QPalette::Inactive;
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(shown, draw ? QPalette::Highlight : QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(shown, draw ? QPalette::HighlightedText : QPalette::Text));
    edit->setPalette(palette);
}

QString CCopyPasteTutorialDlg::TextOfSentenceLength(int id) const
{
    const QPlainTextEdit* edit = box(id);
    // The document counts a closing paragraph mark of its own.
    if (!edit || edit->document()->characterCount() - 1 != PracticeSentence().size())
        return QString();
    return GetDlgItemText(id);
}

QPlainTextEdit* CCopyPasteTutorialDlg::box(int id) const
{
    return qobject_cast<QPlainTextEdit*>(GetDlgItem(id));
}

void CCopyPasteTutorialDlg::showEvent(QShowEvent* event)
{
    CDialog::showEvent(event);
    PlaceMarkers();
}

void CCopyPasteTutorialDlg::PlaceMarkers()
{
    QPlainTextEdit* practice = box(kPracticeBoxId);
    if (!practice)
        return;
    const auto pointAt = [&](QLabel* marker, int position) {
        if (!marker)
            return;
        QTextCursor at(practice->document());
        at.setPosition(std::min(position, practice->document()->characterCount() - 1));
        const QPoint caret = practice->viewport()->mapTo(this, practice->cursorRect(at).center());
        // The arrows' tips sit in the middle of their pictures.
        marker->move(caret.x() - marker->width() / 2, marker->y());
    };
    pointAt(m_startMarker, 0);
    pointAt(m_endMarker, PracticeSentence().size());
}
