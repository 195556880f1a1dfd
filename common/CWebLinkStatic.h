#pragma once

#include "common/platform/controls/CStatic.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// A label of a dialog turned into a web link: link colours, underlined,
// a pointing hand, the address in a tooltip, and a click that opens it; by
// the keyboard it is a stop of the Tab order, opened by Enter or Space.
class CWebLinkStatic : public CStatic {
    Q_OBJECT
public:
    CWebLinkStatic();
    ~CWebLinkStatic() override;

    void SetLinkTarget(const QString& target);
    void SetVisitedLook(bool visited);
    void SetUnderlineLook(bool underline);
    void FitToText();

    // `done` gets the result once the system knows it: above 32 on success,
    // otherwise one of the classic shell error codes.
    static void OpenLinkTarget(const QString& target, std::function<void(int code)> done);
    void ReportOpenFailure(int code);

    // The label's new rectangle for text of size `text`, given the static
    // style's alignment bits; the rectangle is in its parent's coordinates.
    static QRect FitRectToText(const QRect& rect, const QSize& text, unsigned style);
    static QString OpenFailureText(int code);
    // The contrast ratio of two colours as accessibility guidelines define
    // it: 1 for the same colour, 21 for black on white.
    static double ContrastRatio(const QColor& a, const QColor& b);
    // The colour a link is drawn in on `background`: its own where that reads
    // well there, else the palette's colour for links where that does, else
    // its own hue made lighter or darker until it reads well.
    static QColor ReadableColor(const QColor& own, const QColor& palette,
                                const QColor& background);

    const QString& target() const { return m_target; }
    bool visited() const { return m_visited; }
    QColor textColor() const { return m_visited ? m_visitedColor : m_linkColor; }
    // The colour the text is drawn in: ReadableColor() on the window.
    QColor drawnColor() const;
    // The tooltip's tool 1: where it answers and what it shows.
    struct Tool {
        QRect rect;
        QString text;
    };
    const std::optional<Tool>& tip() const { return m_tip; }

protected:
    void PreSubclassWindow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Accessible;
    void OnClicked();
    void OnOpened(int code);
    QCursor linkCursor() const;
    void paint();

    QColor m_linkColor{0, 0, 238};
    QColor m_visitedColor{85, 26, 139};
    bool m_visited = false;
    bool m_underline = true;
    bool m_fitToText = true;
    QString m_target;
    std::optional<QFont> m_underlineFont;
    std::optional<QCursor> m_handCursor;
    std::optional<Tool> m_tip;
    bool m_pressed = false;
    bool m_opening = false; // a click's open has not answered yet
};
