#pragma once

#include <QString>
#include <QWidget>

// Tells a screen reader a text while the keyboard focus stays where it is.
// Screen readers speak a changed label or box only when it has the focus,
// but they speak an object of the notification role whenever it comes into
// view. The announcer is such an object: an invisible child of the window,
// shown anew with each text as its name.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Through the window's announcer, made on first use. Nothing is said
    // while the window is not shown: the reader then presents the window
    // itself when it opens.
    static void Announce(QWidget* window, const QString& text);

    const QString& text() const { return m_text; }

private:
    void say(const QString& text);

    QString m_text;
};
