#pragma once

#include "common/platform/dialog/CDialog.h"
#include "tutorials/double_click/DoubleClickLogic.h"

#include <cstdint>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

// The user double-clicks a red square; the system recognises the double
// clicks, and the window explains every pair of presses it did not take,
// keeps a tally, and can act out the slowest double click that counts.
class CDoubleClickTutorialDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 156;
    static constexpr int kOverviewTextId = 167;
    static constexpr int kTargetBitmapId = 158;
    static constexpr int kFeedbackId = 1011;
    static constexpr int kShowMeId = 1013;
    static constexpr int kPressedIconId = 1014;
    static constexpr int kReleasedIconId = 1015;
    static constexpr int kShowMeReleaseTimer = 1;
    static constexpr int kShowMePressTimer = 2;
    static constexpr int kFollowUpTimer = 3;
    static constexpr unsigned kToneHz = 4000;
    static constexpr unsigned kToneMs = 10;
    static constexpr int kStatusTabStopDlu = 5;

    explicit CDoubleClickTutorialDlg(QWidget* owner = nullptr);

    bool IsOnTarget(const QPoint& point) const;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnTimer(int id) override;
    QWidget* CreateCustomControl(const ControlTemplate& control) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnShowMeClicked();
    void OnLButtonDown(const QPoint& point);
    void OnLButtonDblClk(const QPoint& point);
    void UpdateStatistics();
    void ClearFirstClick();
    void StartFollowUp();
    void PushReports();
    void AlignStatistics();
    void ShowMePress();
    void ShowMeRelease();
    void ShowIconPair(bool showPressed, bool showReleased);
    void PaintIcon(QLabel* icon);
    void PlaceTarget();

    QLabel* m_rule = nullptr;
    QPlainTextEdit* m_statusBox = nullptr;
    QLabel* m_releasedIcon = nullptr;
    QLabel* m_pressedIcon = nullptr;
    QCheckBox* m_showMeBox = nullptr;
    QString m_feedbackText;
    QString m_statusText;
    QString m_overviewText;
    std::uint32_t m_clickLimit = 0;
    bool m_showMeFirst = false;
    std::int32_t m_firstClickX = -1;
    std::int32_t m_firstClickY = -1;
    std::uint32_t m_firstClickTime = UINT32_MAX;
    std::int32_t m_lastResult = ResultNone;
    std::int32_t m_doubleClicks = 0;
    std::int32_t m_singleClicks = 0;
    std::int32_t m_tooSlow = 0;
    std::int32_t m_mouseMoved = 0;

    QRect m_targetLayoutRect; // in pixels
    QRect m_targetRect;
};
