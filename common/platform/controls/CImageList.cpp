#include "common/platform/controls/CImageList.h"

#include "common/platform/controls/MouseCapture.h"
#include "common/resources/Resources.h"

#include <QBitmap>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace {

// Without a compositor a window cannot be translucent, so the image is made
// see-through the way classic drag images were: a checkerboard of its pixels
// is cut out of the window's shape and the screen shows through the holes.
// Where windows cannot go anywhere the image is a child of the drag's window
// instead, with the same holes; made last, it lies above the controls.
class DragImageWindow : public QWidget {
public:
    DragImageWindow(const QPixmap& image, QWidget* host)
        : QWidget(host, host ? Qt::Widget
                             : Qt::ToolTip | Qt::FramelessWindowHint |
                                   Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
          m_image(image)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        const QSize size = image.deviceIndependentSize().toSize();
        setFixedSize(size);
        setMask(seeThroughShape(image));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_image);
    }

private:
    static QRegion seeThroughShape(const QPixmap& image)
    {
        const QImage pixels = image.toImage().convertToFormat(QImage::Format_ARGB32);
        const qreal ratio = image.devicePixelRatio();
        QBitmap shape(image.deviceIndependentSize().toSize());
        shape.fill(Qt::color0);
        QPainter painter(&shape);
        painter.setPen(Qt::color1);
        for (int y = 0; y < shape.height(); ++y) {
            for (int x = (y & 1); x < shape.width(); x += 2) {
                const QPoint source(qMin(pixels.width() - 1, int(x * ratio)),
                                    qMin(pixels.height() - 1, int(y * ratio)));
                if (qAlpha(pixels.pixel(source)) > 0)
                    painter.drawPoint(x, y);
            }
        }
        painter.end();
        return QRegion(shape);
    }

    QPixmap m_image;
};

struct DragState {
    QPixmap image;
    QPoint hotSpot;
    // Exists between DragEnter and DragLeave.
    QPointer<DragImageWindow> window;

    void place(const QPoint& screenPos) const
    {
        const QWidget* host = window->parentWidget();
        window->move((host ? host->mapFromGlobal(screenPos) : screenPos) - hotSpot);
    }
};

std::optional<DragState>& drag()
{
    static std::optional<DragState> state;
    return state;
}

} // namespace

bool CImageList::LoadBitmap(int resourceId, int width, const QColor& transparent)
{
    m_images.clear();
    const QPixmap strip = Resources::LoadBitmap(resourceId);
    if (strip.isNull() || width <= 0)
        return false;
    const qreal ratio = strip.devicePixelRatio();
    const int sourceWidth = qRound(width * ratio);
    QPixmap keyed = strip;
    keyed.setMask(strip.createMaskFromColor(transparent, Qt::MaskInColor));
    for (int x = 0; x + sourceWidth <= keyed.width(); x += sourceWidth)
        m_images << keyed.copy(x, 0, sourceWidth, keyed.height());
    return !m_images.isEmpty();
}

bool CImageList::BeginDrag(const CImageList& list, int image, const QPoint& hotSpot)
{
    EndDrag();
    const QPixmap pixmap = list.GetImage(image);
    if (pixmap.isNull())
        return false;
    drag() = DragState{pixmap, hotSpot, nullptr};
    return true;
}

void CImageList::DragEnter(QWidget* window, const QPoint& screenPos)
{
    std::optional<DragState>& state = drag();
    if (!state)
        return;
    if (!state->window)
        state->window = new DragImageWindow(state->image, WindowsGoAnywhere() ? nullptr : window);
    state->place(screenPos);
    state->window->show();
}

void CImageList::DragMove(const QPoint& screenPos)
{
    if (const std::optional<DragState>& state = drag(); state && state->window)
        state->place(screenPos);
}

void CImageList::DragLeave()
{
    if (std::optional<DragState>& state = drag())
        delete state->window.data();
}

void CImageList::EndDrag()
{
    DragLeave();
    drag().reset();
}

QWidget* CImageList::DragWindow()
{
    const std::optional<DragState>& state = drag();
    return state ? state->window.data() : nullptr;
}
