#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPoint>

// A row of equally sized images, and the one drag image that follows the
// cursor. Only one drag runs at a time, so the drag operations are the list's
// static members, as the classic image list has them.
class CImageList {
public:
    CImageList() = default;
    explicit CImageList(QList<QPixmap> images) : m_images(std::move(images)) {}

    // Cuts a picture of the resource catalogue into images `width` pixels wide;
    // pixels of `transparent` let the background through. False, and the list
    // stays empty, when the picture is missing.
    bool LoadBitmap(int resourceId, int width, const QColor& transparent);

    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    // Null for an index out of range.
    QPixmap GetImage(int index) const { return m_images.value(index); }

    // Picks `image` of `list` for the drag; `hotSpot` is the point of the
    // image that sits at the cursor.
    static bool BeginDrag(const CImageList& list, int image, const QPoint& hotSpot);
    // Puts the drag image on the screen at a screen point. It travels over
    // the whole screen where windows may go anywhere (WindowsGoAnywhere);
    // elsewhere it is drawn inside `window`, the one the drag runs in.
    static void DragEnter(QWidget* window, const QPoint& screenPos);
    static void DragMove(const QPoint& screenPos);
    // Takes the image off the screen; the drag continues until EndDrag.
    static void DragLeave();
    static void EndDrag();
    // The drag image while it is on the screen: a window of its own, or a
    // child of the drag's window; null otherwise.
    static QWidget* DragWindow();

private:
    QList<QPixmap> m_images;
};
