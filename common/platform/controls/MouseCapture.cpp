#include "common/platform/controls/MouseCapture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

// While a button is held the compositor keeps sending the pointer to the
// window where it went down, and Qt hands it on to the widget that took the
// press. Without a grab of the window, Qt's grab of a widget (grabMouse)
// only warns, so moves and the release are redirected here instead.
class CaptureRoute : public QObject {
public:
    // A child of the capturing widget, so it ends with it at the latest.
    explicit CaptureRoute(QWidget* target) : QObject(target), m_target(target) {}
    QWidget* target() const { return m_target; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) ||
            watched == m_target || !watched->isWidgetType())
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF global = mouse->globalPosition();
        QMouseEvent routed(type, m_target->mapFromGlobal(global),
                           m_target->window()->mapFromGlobal(global), global, mouse->button(),
                           mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
        QCoreApplication::sendEvent(m_target, &routed);
        return true;
    }

private:
    QWidget* m_target;
};

QPointer<CaptureRoute>& route()
{
    static QPointer<CaptureRoute> current;
    return current;
}

} // namespace

bool WindowsGoAnywhere()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetCapture(QWidget* widget)
{
    if (WindowsGoAnywhere()) {
        widget->grabMouse();
        return;
    }
    ReleaseCapture();
    route() = new CaptureRoute(widget);
    qApp->installEventFilter(route());
}

void ReleaseCapture()
{
    if (WindowsGoAnywhere()) {
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        return;
    }
    delete route().data();
}

QWidget* GetCapture()
{
    if (WindowsGoAnywhere())
        return QWidget::mouseGrabber();
    return route() ? route()->target() : nullptr;
}
