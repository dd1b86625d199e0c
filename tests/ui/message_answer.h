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
