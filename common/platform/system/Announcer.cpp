#include "common/platform/system/Announcer.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    // A reader presents a notification inside a dialog together with the
    // whole dialog: its title and every label in it, before each report.
    // Seen as the application's own, as a desktop notification is, the
    // report is said alone.
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(qApp);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    return nullptr;
}

Announcer::Listener& listener()
{
    static Announcer::Listener instance;
    return instance;
}

} // namespace

void Announcer::setListener(Listener listener) { ::listener() = std::move(listener); }

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Nothing to see and nothing to hit: it has no size.
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::Announce(QWidget* window, const QString& text)
{
    if (!window || !window->isVisible() || text.isEmpty())
        return;
    if (listener())
        listener()(window, text);
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->say(text);
}

void Announcer::say(const QString& text)
{
    m_text = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From the notification, not the window: a reader may drop a second
    // announcement that comes from the same program within a tenth of a
    // second (a verdict right after "First click..."), but never one from a
    // notification.
    QAccessibleAnnouncementEvent announcement(this, text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    // Readers keep an object's name once they have asked for it, until they
    // are told that it changed.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    // Coming into view is what the reader speaks; hidden first, so that the
    // same text said twice is heard twice.
    hide();
    show();
#endif
}
