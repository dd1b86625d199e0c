#pragma once

#include <QString>

#include <memory>

// Answers the next message box that opens: records its title, text and
// modality and presses its OK button. Keep the object alive until the code
// that shows the box has returned.
class MessageAnswer {
public:
    struct Seen {
        bool shown = false;
        QString title;
        QString text;
        bool applicationModal = false;
        int buttons = 0;
    };

    MessageAnswer();
    ~MessageAnswer();
    MessageAnswer(const MessageAnswer&) = delete;
    MessageAnswer& operator=(const MessageAnswer&) = delete;

    const Seen& seen() const { return *seen_; }

private:
    std::shared_ptr<Seen> seen_;
    class QTimer* timer_;
};

// Fails the running test on a message box left unanswered for a second, and
// closes it: a message that no test expected ends the test at once instead
// of waiting for the test's time limit.
class UnansweredMessages {
public:
    UnansweredMessages();
    ~UnansweredMessages();
    UnansweredMessages(const UnansweredMessages&) = delete;
    UnansweredMessages& operator=(const UnansweredMessages&) = delete;

private:
    class QTimer* timer_;
};
