#include "common/platform/dialog/CWinApp.h"

#include "common/platform/dialog/ModalOwner.h"
#include "common/platform/system/XSettings.h"

#include "common/resources/Resources.h"
#include "common/resources/Translations.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QPixmapCache>

namespace {

// QPixmap's cache key for a picture loaded by file name: the path, then the
// file's time stamp, its size and the pixmap's type (0), each written as the
// bytes of the value in hex, lowest byte and low nibble first.
QString pixmapCacheKey(const QFileInfo& info)
{
    QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath();
    const auto append = [&key](quint64 value, int bytes) {
        for (int i = 0; i < bytes; ++i, value >>= 8) {
            key += QLatin1Char("0123456789abcdef"[value & 0xf]);
            key += QLatin1Char("0123456789abcdef"[(value >> 4) & 0xf]);
        }
    };
    append(static_cast<quint32>(info.lastModified().toSecsSinceEpoch()), 4);
    append(static_cast<quint64>(info.size()), 8);
    append(0, 4);
    return key;
}

// The style draws a group box's frame from a picture it loads by file name
// alone, which makes Qt load every image-format plugin (and Qt Svg and the
// JPEG library with them) to guess the format: milliseconds at start-up and
// memory for good. The program carries that picture ready to show; it waits
// in the pixmap cache, where the style finds it.
void preloadStylePictures()
{
    const QFileInfo info(QStringLiteral(KESTRIN_GROUPBOX_PICTURE));
    const QImage picture = Resources::BuiltInPicture(QStringLiteral("style/fusion_groupbox"));
    if (!picture.isNull())
        QPixmapCache::insert(pixmapCacheKey(info), QPixmap::fromImage(picture));
}

class AccessibleApplication : public QAccessibleApplication {
public:
    QString text(QAccessible::Text kind) const override
    {
        const QWidget* main = ModalOwner::mainWindow();
        if (kind == QAccessible::Name && main && !main->windowTitle().isEmpty())
            return main->windowTitle();
        return QAccessibleApplication::text(kind);
    }
};

QAccessibleInterface* accessibleApplication(const QString&, QObject* object)
{
    return object == QCoreApplication::instance() ? new AccessibleApplication : nullptr;
}

} // namespace

int CWinApp::Run(int argc, char** argv)
{
    // Qt takes Wayland first in a Wayland session; where the session also
    // offers an X server, the tutorials run there instead: X lets the drag
    // image leave the window, the cursor position be known anywhere, and the
    // clipboard be read while another program is active. A platform the user
    // names (QT_QPA_PLATFORM, -platform) still wins, and Wayland is taken
    // when X fails.
    const bool preferX = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
                         !qEnvironmentVariableIsEmpty("DISPLAY");
    if (preferX)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    // On GTK desktops Qt's platform theme starts GTK in the process, and
    // GTK's own accessibility bridge would register a second, empty
    // application beside Qt's. GTK looks for this only while it starts.
    const bool quietGtk = qEnvironmentVariableIsEmpty("NO_AT_BRIDGE");
    if (quietGtk)
        qputenv("NO_AT_BRIDGE", "1");
    QApplication app(argc, argv);
    // Programs started from here, such as the browser, choose for themselves.
    if (preferX)
        qunsetenv("QT_QPA_PLATFORM");
    if (quietGtk)
        qunsetenv("NO_AT_BRIDGE");
    // Docks and task switchers match windows to the desktop entry and its
    // icon by this id: the app id on Wayland, the class of WM_CLASS on X.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRIN_APP_ID));
    QCoreApplication::setApplicationName(QStringLiteral(KESTRIN_APP_ID));
    QApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
    nameApplicationForScreenReaders();
    Translations::Install();
    preloadStylePictures();
    followDesktopDoubleClickTime(&app);
    InitInstance();
    return 0;
}

QString CWinApp::title() { return QFileInfo(QCoreApplication::applicationFilePath()).baseName(); }

void CWinApp::nameApplicationForScreenReaders()
{
    static const bool installed = (QAccessible::installFactory(accessibleApplication), true);
    Q_UNUSED(installed);
}

void CWinApp::setMainWindow(QWidget* window) { ModalOwner::setMainWindow(window); }
