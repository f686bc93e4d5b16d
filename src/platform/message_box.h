// Message boxes with an OK button and the application's title; tests capture them.
#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// Shows a modal message box with an OK button only, or records it while captured.
void ShowMessage(const QString &text);

// While alive, messages are recorded instead of shown (for tests and benchmarks).
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    const QStringList &messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    friend void ShowMessage(const QString &text);
    QStringList messages_;
    MessageCapture *previous_;
};

} // namespace Platform
