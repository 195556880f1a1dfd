#pragma once

#include <QString>

#include <chrono>
#include <optional>

// Reads the text of the X clipboard that another program owns without ever
// holding up the caller for long. Qt's own read waits up to five seconds for
// an owner that does not answer, which would freeze a window that polls the
// clipboard. This one asks through a connection of its own and waits a few
// tens of milliseconds at most; an answer that comes later is taken on the
// next read, and a request left unanswered for a second is given up.
class ClipboardReader {
public:
    static constexpr std::chrono::milliseconds kWaitBound{40};
    static constexpr std::chrono::milliseconds kGiveUpAfter{1000};
    // Larger texts are not read; they are never what a tutorial looks for.
    static constexpr long kMaxTextBytes = 1 << 20;

    // The one reader of the process, on the user-interface thread.
    static ClipboardReader& instance();

    ClipboardReader(const ClipboardReader&) = delete;
    ClipboardReader& operator=(const ClipboardReader&) = delete;
    ~ClipboardReader();

    // The clipboard's text up to its first NUL; empty when it holds no text,
    // holds too much, or the owner has not answered yet.
    QString read();
    // Takes the clipboard from whichever program owns it and leaves it
    // empty; false when that could not be done. An unanswered request is
    // dropped, so that no answer from before is taken for the new content.
    bool empty();

private:
    ClipboardReader() = default;
    bool open();
    void request(unsigned long target);
    // The answer to the pending request, if it has arrived.
    std::optional<QString> takeAnswer();

    struct Connection;
    Connection* m_x = nullptr;
    bool m_openFailed = false;
    bool m_pending = false;
    std::chrono::steady_clock::time_point m_askedAt;
};
