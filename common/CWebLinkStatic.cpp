#include "common/CWebLinkStatic.h"

#include "common/platform/dialog/CWinApp.h"
#include "common/platform/system/SystemServices.h"
#include "common/resources/Resources.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace {
constexpr int kHandCursorId = 147;
// Below this text is hard to read for many (the guidelines' level for body text).
constexpr double kReadableContrast = 4.5;

// x to the power 2.4 (= 12/5) for x in (0.09, 1], the fifth root by
// Newton's method, which settles within eight steps there. std::pow would
// bring in pages of the maths library that nothing else here touches: a
// quarter of a megabyte of memory, for one colour check.
double powTwelveFifths(double x)
{
    double root = 1;
    for (int step = 0; step < 8; ++step)
        root = (4 * root + x / (root * root * root * root)) / 5;
    const double fourth = root * root * root * root;
    return fourth * fourth * fourth;
}

double relativeLuminance(const QColor& color)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045 ? channel / 12.92 : powTwelveFifths((channel + 0.055) / 1.055);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}
} // namespace

// Heard as what it is: a link, named by its address, that can be pressed.
class CWebLinkStatic::Accessible : public QAccessibleWidget {
public:
    static constexpr const char* kProperty = "kestrinWebLink";

    explicit Accessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    static QAccessibleInterface* factory(const QString&, QObject* object)
    {
        auto* label = qobject_cast<QLabel*>(object);
        return label && link(label) ? new Accessible(label) : nullptr;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        if (const CWebLinkStatic* l = link(widget()))
            state.traversed = l->visited();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        CWebLinkStatic* l = link(widget());
        if (action == pressAction() && l && (l->GetStyle() & SS_NOTIFY))
            l->OnClicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    static CWebLinkStatic* link(const QObject* label)
    {
        return qobject_cast<CWebLinkStatic*>(label->property(kProperty).value<QObject*>());
    }
};

CWebLinkStatic::CWebLinkStatic() = default;

CWebLinkStatic::~CWebLinkStatic() {
    // The tooltip ends with the label object, not with the label's window.
    if (label() && QToolTip::isVisible() && QToolTip::text() == m_target)
        QToolTip::hideText();
}

void CWebLinkStatic::PreSubclassWindow() {
    QLabel* link = label();
    ModifyStyle(0, SS_NOTIFY);
    if (m_target.isEmpty())
        m_target = link->text();
    if (link->text().isEmpty())
        link->setText(m_target);
    FitToText();
    m_handCursor = Resources::LoadCursor(kHandCursorId);
    link->setCursor(linkCursor());
    m_tip = Tool{link->rect(), m_target};
    // A link that only the mouse can open shuts out keyboard and screen
    // reader users; by Tab it is reached and heard by its address.
    link->setFocusPolicy(Qt::StrongFocus);
    link->setAccessibleName(m_target);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&Accessible::factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    link->setProperty(Accessible::kProperty, QVariant::fromValue<QObject*>(this));
    // A label already asked about was described as plain text; it is
    // described afresh, now as a link.
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(link);
        known && known->role() != QAccessible::Link)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

void CWebLinkStatic::SetLinkTarget(const QString& target) {
    m_target = target;
    FitToText();
    if (m_tip)
        m_tip->text = target;
    if (label())
        label()->setAccessibleName(target);
}

void CWebLinkStatic::SetVisitedLook(bool visited) {
    m_visited = visited;
    if (label())
        label()->update();
}

void CWebLinkStatic::SetUnderlineLook(bool underline) {
    m_underline = underline;
    if (label())
        label()->update();
}

QRect CWebLinkStatic::FitRectToText(const QRect& rect, const QSize& text, unsigned style) {
    int left = rect.left();
    int top = rect.top();
    int right = left + rect.width();
    int bottom = top + rect.height();
    if (style & SS_CENTERIMAGE) {
        const int shift = (rect.height() - text.height()) / 2;
        top += shift;
        bottom -= shift;
    } else {
        bottom = top + text.height();
    }
    if (style & SS_CENTER) {
        const int shift = (rect.width() - text.width()) / 2;
        left += shift;
        right -= shift;
    } else if (style & SS_RIGHT) {
        left = right - text.width();
    } else {
        right = left + text.width();
    }
    return QRect(left, top, right - left, bottom - top);
}

void CWebLinkStatic::FitToText() {
    QLabel* link = label();
    if (!m_fitToText || !link)
        return;
    // Measured in the label's own font, so that the link's clickable area is
    // the text the user sees.
    const QFontMetrics metrics = link->fontMetrics();
    const QSize text(metrics.horizontalAdvance(link->text()), metrics.height());
    link->setGeometry(FitRectToText(link->geometry(), text, GetStyle()));
}

QCursor CWebLinkStatic::linkCursor() const {
    // A pointer that vanished over the link would puzzle anyone; the
    // desktop's own hand stands in should ours be missing.
    return m_handCursor.value_or(QCursor(Qt::PointingHandCursor));
}

void CWebLinkStatic::OpenLinkTarget(const QString& target, std::function<void(int code)> done) {
    systemServices().OpenAddress(target, std::move(done));
}

QString CWebLinkStatic::OpenFailureText(int code) {
    switch (code) {
    case 0:
        return tr("The operating system is out\nof memory or resources.");
    case 2:
        return tr("The specified file was not found.");
    case 3:
        return tr("The specified path was not found.");
    case 5:
        return tr("The operating system denied\naccess to the specified file.");
    case 8:
        return tr("There was not enough memory to complete the operation.");
    case 11:
        return tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return tr("A sharing violation occurred. ");
    case 27:
        return tr("The filename association is\nincomplete or invalid.");
    case 28:
        return tr(
            "The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return tr("The DDE transaction failed.");
    case 30:
        return tr("The DDE transaction could not\nbe completed because other DDE "
                              "transactions\nwere being processed.");
    case 31:
        return tr("There is no application associated\nwith the given filename "
                              "extension.");
    case 32:
        return tr("The specified dynamic-link library was not found.");
    default:
        return tr("Unknown Error (%1) occurred.").arg(code);
    }
}

void CWebLinkStatic::ReportOpenFailure(int code) {
    systemServices().MessageBox(label() ? label()->window() : nullptr,
                                tr("Unable to open hyperlink:\n\n") +
                                    OpenFailureText(code),
                                CWinApp::title(), SystemServices::MessageIcon::Exclamation);
}

void CWebLinkStatic::OnClicked() {
    // The browser may take seconds to answer; until it does, the busy
    // pointer says the click was taken, and further clicks start nothing.
    if (m_opening)
        return;
    m_opening = true;
    label()->setCursor(Qt::BusyCursor);
    // The window may be gone by the time the answer comes.
    OpenLinkTarget(m_target, [link = QPointer<CWebLinkStatic>(this)](int code) {
        if (link)
            link->OnOpened(code);
    });
}

void CWebLinkStatic::OnOpened(int code) {
    m_opening = false;
    if (label())
        label()->setCursor(linkCursor());
    m_visited = code > 32;
    if (m_visited) {
        SetVisitedLook(true);
        return;
    }
    ReportOpenFailure(code);
    // The window showed the arrow while the box had it disabled, and Qt
    // gives the hand back only when the pointer next enters the link: the
    // window is given it now, until the pointer leaves the link.
    QLabel* link = label();
    if (link && link->window()->windowHandle() &&
        link->rect().contains(link->mapFromGlobal(QCursor::pos())))
        link->window()->windowHandle()->setCursor(linkCursor());
}

double CWebLinkStatic::ContrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    const auto [darker, lighter] = std::minmax(la, lb);
    return (lighter + 0.05) / (darker + 0.05);
}

QColor CWebLinkStatic::ReadableColor(const QColor& own, const QColor& palette,
                                     const QColor& background) {
    if (ContrastRatio(own, background) >= kReadableContrast)
        return own;
    if (ContrastRatio(palette, background) >= kReadableContrast)
        return palette;
    // Towards white on a dark window, towards black on a light one: whichever
    // end stands further from the background. Luminance rises with lightness
    // at a fixed hue and saturation, so the least change that reads well is
    // found by halving.
    const bool lighter =
        ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
    const QColor hsl = own.toHsl();
    // Judged as drawn, in whole steps of red, green and blue.
    const auto at = [&hsl](float lightness) {
        return QColor(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).rgb());
    };
    float readable = lighter ? 1.0F : 0.0F;
    float unreadable = hsl.lightnessF();
    for (int step = 0; step < 12; ++step) {
        const float middle = (readable + unreadable) / 2;
        (ContrastRatio(at(middle), background) >= kReadableContrast ? readable : unreadable) =
            middle;
    }
    return at(readable);
}

QColor CWebLinkStatic::drawnColor() const {
    QLabel* link = label();
    if (!link)
        return textColor();
    // The label has no background: the window's shows through. On a dark or
    // high-contrast desktop the classic blue all but vanishes there, and a
    // theme's own link colours are not always better.
    return ReadableColor(textColor(),
                         link->palette().color(m_visited ? QPalette::LinkVisited : QPalette::Link),
                         link->window()->palette().color(QPalette::Window));
}

void CWebLinkStatic::paint() {
    QLabel* link = label();
    QPainter painter(link);
    painter.setPen(drawnColor());
    if (m_underline) {
        // Made once from the label's font; a later change of that font is
        // not followed.
        if (!m_underlineFont) {
            m_underlineFont = link->font();
            m_underlineFont->setUnderline(true);
        }
        painter.setFont(*m_underlineFont);
    } else {
        painter.setFont(link->font());
    }
    // No background: the window shows through.
    painter.drawText(link->contentsRect(), int(link->alignment()) | Qt::TextSingleLine,
                     link->text());
    if (link->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(link);
        link->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, link);
    }
}

bool CWebLinkStatic::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label())
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        paint();
        return true;
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (m_tip && m_tip->rect.contains(help->pos()))
            QToolTip::showText(help->globalPos(), m_tip->text, label(), m_tip->rect);
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            break;
        // Not the window's default command: the link is what was chosen.
        if (GetStyle() & SS_NOTIFY)
            OnClicked();
        return true;
    }
    case QEvent::MouseButtonPress:
        m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonDblClick:
        // The second press of a double click is no second click.
        m_pressed = false;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool clicked = m_pressed && mouse->button() == Qt::LeftButton &&
                             label()->rect().contains(mouse->position().toPoint()) &&
                             (GetStyle() & SS_NOTIFY);
        m_pressed = false;
        if (clicked)
            OnClicked();
        break;
    }
    default:
        break;
    }
    return false;
}
