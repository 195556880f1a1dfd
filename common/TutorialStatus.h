#pragma once

#include <QString>

class CDialog;

// The "Tutorial Status:" box of a tutorial window and the green rule above it.
// A report replaces the box's whole text and is told to a screen reader
// wherever the focus is; a flashing report draws the eye to it by showing
// the rule for 250 ms, hiding it for 250 ms and showing it for 250 ms more,
// with window timers 2, 3 and 4.
class TutorialStatus {
public:
    // The overview box beside the status is part of the same shared frame.
    static constexpr int kOverviewBoxId = 1006;
    static constexpr int kStatusBoxId = 1009;
    static constexpr int kRuleId = 1017;
    static constexpr unsigned kFlashStepMs = 250;

    explicit TutorialStatus(CDialog& dialog) : m_dialog(dialog) {}

    void Report(const QString& message, bool flash);
    // Starts the flash from its beginning, also when one is under way.
    void Flash();
    // Advances the flash when `id` is its running timer; false for any other
    // tick, which the flash ignores.
    bool OnTimer(int id);
    void ShowRule(bool visible);

    int flashTimerId() const { return m_flashTimerId; }

private:
    CDialog& m_dialog;
    int m_flashTimerId = -1; // 2, 3 or 4 while a flash runs
};
