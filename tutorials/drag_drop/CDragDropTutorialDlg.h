#pragma once

#include "common/TutorialStatus.h"
#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/platform/dialog/CDialog.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <memory>
#include <optional>

class QLabel;

class CDragDropTutorialDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 161;
    static constexpr int kOverviewTextId = 166;
    static constexpr int kTreeId = 1016;
    static constexpr int kStartOverId = 1010;
    static constexpr int kTreeImagesId = 163;
    static constexpr int kHoverTimer = 1;
    static constexpr unsigned kHoverPeriodMs = 100;

    explicit CDragDropTutorialDlg(QWidget* owner = nullptr);
    ~CDragDropTutorialDlg() override;

    int step() const { return m_step; }
    bool isDragging() const { return m_dragging; }
    HTREEITEM practiceItem() const { return m_practiceItem; }

protected:
    void DoDataExchange(CDataExchange& dx) override;
    // Sees every left press to the window or its controls before they do.
    bool PreTranslateMessage(QObject* target, QEvent* event);
    bool OnInitDialog() override;
    void OnTimer(int id) override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnBeginDrag(HTREEITEM item, const QPoint& treePoint);
    void OnMouseMove(const QPoint& screenPoint);
    void OnLButtonUp(const QPoint& screenPoint);
    void OnStartOver();
    void OnTreeClick();

    void BuildPracticeTree();
    void ResetSteps();
    void StopHoverTimer();
    // The poll rests while nothing it looks at can change, and wakes again
    // when the pointer moves or crosses the window, the window moves, or the
    // tree repaints.
    void PauseHoverPoll();
    void ResumeHoverPoll();
    HTREEITEM HitTestTree(const QPoint& screenPoint, unsigned* flags) const;
    QPoint HoverCursorPos();
    void Report(DragDrop::Message message);
    // Takes the drag image off the screen and releases the mouse.
    void EndDragFeedback();
    // Ends a drag that no release will end: the window closes, starts over
    // or loses the pointer. Nothing is dropped.
    void AbandonDrag();

    QLabel* m_rule = nullptr;
    CTreeCtrl* m_tree = nullptr;
    QString m_statusText;
    QString m_overviewText;
    CImageList m_treeImages;
    int m_hoverTimerId = -1;
    // Where the hover poll last found the cursor, kept until the window hears
    // of any event: the pointer cannot move over the window unheard, and
    // outside it, it is on no item wherever it goes.
    std::optional<QPoint> m_restingCursor;
    bool m_hoverPaused = false;
    TutorialStatus m_status{*this}; // holds the flash timer's id
    int m_step = DragDrop::AwaitHover;
    bool m_dragging = false;
    HTREEITEM m_dragItem = 0;
    HTREEITEM m_dropTarget = 0;
    HTREEITEM m_practiceItem = 0;
    std::unique_ptr<CImageList> m_dragImage;
};
