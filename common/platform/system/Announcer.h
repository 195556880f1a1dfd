#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <functional>

// Tells a screen reader a text while the keyboard focus stays where it is.
// Screen readers speak a changed label or box only when it has the focus.
// The announcer is an invisible child of the window with the notification
// role. Qt 6.8 and later send announcements of their own, which readers speak
// politely, after what they are saying: the announcer sends them. Before
// that, readers speak a notification whenever it comes into view, so the
// announcer is shown anew with each text as its name.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // Whether texts go out as the toolkit's announcements (else through the
    // notification child).
    static constexpr bool kToolkitAnnouncements = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

    explicit Announcer(QWidget* window);

    // Nothing is said while the window is not shown: the reader then
    // presents the window itself when it opens.
    static void Announce(QWidget* window, const QString& text);

    const QString& text() const { return m_text; }

    // Hears every text said, whichever way it goes out: for tests, as the
    // offscreen platform has no screen reader. An empty one stops listening.
    using Listener = std::function<void(QWidget* window, const QString& text)>;
    static void setListener(Listener listener);

private:
    void say(const QString& text);

    QString m_text;
};
