#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>

class QSocketNotifier;
class QTimer;

// Reads the text of an X selection that another program owns without ever
// waiting for it. Qt's own read waits up to five seconds for an owner that
// does not answer, which would freeze the window. This one sends its request
// through a connection of its own and takes the answer whenever that
// connection has something to read; a request left unanswered for a second
// is given up. Only text counts: an answer of another type, or UTF-8 that is
// not valid, is no text.
class ClipboardReader : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kGiveUpAfter{1000};
    // Larger texts are not read: they are never what a tutorial looks for,
    // and inserting one into a box stalls Qt for seconds.
    static constexpr long kMaxTextBytes = 1 << 20;

    // The clipboard; the text last selected anywhere, which a middle click
    // pastes; the text another program is dragging over our windows.
    enum class Selection { Clipboard, Primary, Drag };

    // The one reader of each selection in the process, on the user-interface
    // thread; it lives as long as the application object.
    static ClipboardReader& instance(Selection selection = Selection::Clipboard);
    // Whether other programs' selections reach this program through X, and
    // so through these readers; elsewhere Qt's platform reads them.
    static bool servesThisPlatform();

    ~ClipboardReader() override;

    // The text of the latest answer up to its first NUL; empty when the
    // clipboard holds no text or too much, or before any answer.
    QString latest();
    // Asks the owner for its text again, unless a request is on its way.
    void refresh();
    // Another program took the clipboard: its text is asked for at once.
    void changedHands();
    // This program took the clipboard with `text`, which stands as the
    // latest answer for when another program takes it over.
    void remember(const QString& text);
    // Calls `done` with the answer to a fresh request (empty when the owner
    // gives none in time), unless `context` is gone by then. For a drag, a
    // request still on its way, for another drag's text, is given up, and
    // the new one has reached the X server when this returns, ahead of
    // anything this program sends after it.
    void fetch(QObject* context, std::function<void(const QString&)> done);
    // Takes the clipboard from whichever program owns it and leaves it
    // empty; false when that could not be done. A request on its way is
    // dropped, so that no answer from before is taken for the new content.
    bool empty();

private:
    ClipboardReader(Selection selection, QObject* parent);
    bool open();
    void request(unsigned long target);
    // Takes every event the connection has already received.
    void takeEvents();
    void answer(const QString& text);
    // Ends the request on its way and calls its waiters with `text`.
    void notifyWaiters(const QString& text);
    // A request is on its way for as long as it has not been given up.
    bool pending() const;

    struct Connection;
    const Selection m_selection;
    Connection* m_x = nullptr;
    bool m_openFailed = false;
    QString m_latest;
    QSocketNotifier* m_readable = nullptr;
    QTimer* m_giveUp = nullptr;
    QTimer* m_lookAgain = nullptr;
    struct Waiter {
        QPointer<QObject> context;
        std::function<void(const QString&)> done;
    };
    QList<Waiter> m_waiters;
};
