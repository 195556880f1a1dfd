#pragma once

#include "common/TutorialStatus.h"
#include "common/platform/dialog/CDialog.h"

class QLabel;
class QPlainTextEdit;

// Has the user select a sentence, copy it, click into a second box and paste
// it there, all with the ordinary edit boxes and the real clipboard. The
// window handles none of that input itself: four times a second it looks at
// what can be seen from outside and reports how far the user has come.
class CCopyPasteTutorialDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 103;
    static constexpr int kOverviewTextId = 165;
    static constexpr int kPracticeBoxId = 1007;
    static constexpr int kTargetBoxId = 1008;
    static constexpr int kStartOverId = 1010;
    static constexpr int kPollTimer = 1;
    static constexpr unsigned kPollMs = 250;

    explicit CCopyPasteTutorialDlg(QWidget* owner = nullptr);

    int step() const { return m_step; }
    int pollTimerId() const { return m_pollTimerId; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnTimer(int id) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Reset();
    void PollTick();
    void OnClipboardChange();
    QPlainTextEdit* box(int id) const;
    // The box's text, or a null string where its length alone shows that it
    // is not the sentence: a pasted megabyte is then not copied and
    // converted four times a second.
    QString TextOfSentenceLength(int id) const;
    // The selection stays when a box loses the focus; it is drawn then only
    // if `draw`, so that a box that can no longer be copied from does not
    // look as if it could.
    static void DrawSelectionWithoutFocus(QPlainTextEdit* edit, bool draw);
    // Lines the arrows up with the start and the end of the sentence as the
    // box actually draws it, whatever the desktop's font.
    void PlaceMarkers();

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
    // The clipboard changed, since the reset, while the practice box had a
    // selection: only then can it hold the user's copy.
    bool m_copiedSinceReset = false;
    QLabel* m_startMarker = nullptr;
    QLabel* m_endMarker = nullptr;
};
