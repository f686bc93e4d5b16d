// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the quoted comma-separated fields that playlists and the settings file share.
#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <memory>

namespace Functions {

// Fields are one stream: a field ends at a comma or a line end (CR, LF or CRLF),
// blanks before it are skipped, and a quoted field runs to its closing quote
// ("" inside it is one quote, and it may span lines).
class FieldReader {
public:
    enum class Status { Ok, End, Error };

    // Longer fields end the read as an error, so a file without separators
    // cannot exhaust memory.
    static constexpr int MaxFieldBytes = 64 * 1024;

    explicit FieldReader(QIODevice &device);

    // True when no byte is left.
    bool AtEnd();
    // The next field; End when the file ended before it, Error on a read failure
    // or an overlong field.
    Status Next(QString &field);

private:
    int peek();
    int get();
    // Reads up to the next of `stops` or to the end, appending what it reads to
    // `bytes` (when given); false when `bytes` grows past MaxFieldBytes.
    bool TakeUntil(QByteArrayView stops, QByteArray *bytes);

    QIODevice &device_;
    qint64 bufferSize_;
    std::unique_ptr<char[]> buffer_;
    qint64 pos_ = 0;
    qint64 len_ = 0;
    bool failed_ = false;
};

// A value as a quoted field: quotes doubled, everything else as it stands.
QByteArray QuotedField(const QString &value);
void AppendQuotedField(QByteArray &line, const QString &value);

} // namespace Functions
