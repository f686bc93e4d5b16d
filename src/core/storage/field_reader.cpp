// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/field_reader.h"

#include <algorithm>

namespace Functions {

namespace {
constexpr int Eof = -1;
constexpr qint64 BufferSize = 64 * 1024;

// A small file gets a buffer of its own size; a device that cannot tell its size
// (a pipe, a socket) a whole one, or it would be read a byte at a time.
qint64 BufferSizeFor(const QIODevice &device)
{
    return device.isSequential() ? BufferSize : std::clamp<qint64>(device.size(), 1, BufferSize);
}
} // namespace

// Left uninitialised: zero-filling it would cost more than reading a small file.
FieldReader::FieldReader(QIODevice &device)
    : device_(device), bufferSize_(BufferSizeFor(device)), buffer_(std::make_unique_for_overwrite<char[]>(bufferSize_))
{
}

int FieldReader::peek()
{
    if (pos_ == len_) {
        if (failed_)
            return Eof;
        len_ = device_.read(buffer_.get(), bufferSize_);
        pos_ = 0;
        if (len_ < 0) {
            failed_ = true;
            len_ = 0;
        }
        if (len_ == 0)
            return Eof;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

int FieldReader::get()
{
    const int c = peek();
    if (c != Eof)
        ++pos_;
    return c;
}

bool FieldReader::AtEnd() { return peek() == Eof; }

bool FieldReader::TakeUntil(QByteArrayView stops, QByteArray *bytes)
{
    // A buffer's worth at a time: bytes one by one would cost most of a load.
    while ((!bytes || bytes->size() <= MaxFieldBytes) && peek() != Eof) {
        const char *begin = buffer_.get() + pos_;
        const char *end = buffer_.get() + len_;
        const char *stop = std::find_first_of(begin, end, stops.begin(), stops.end());
        if (bytes)
            bytes->append(begin, stop - begin);
        pos_ += stop - begin;
        if (stop != end)
            break;
    }
    return !bytes || bytes->size() <= MaxFieldBytes;
}

FieldReader::Status FieldReader::Next(QString &field)
{
    while (peek() == ' ' || peek() == '\t')
        get();
    if (peek() == Eof)
        return failed_ ? Status::Error : Status::End;

    QByteArray bytes;
    const QByteArrayView separators(",\r\n");
    if (peek() == '"') {
        get();
        for (;;) {
            if (!TakeUntil("\"", &bytes))
                return Status::Error;
            if (get() == Eof || peek() != '"')
                break;
            // A doubled quote stands for one.
            bytes.append(static_cast<char>(get()));
        }
        // Anything between the closing quote and the separator is not part of the value.
        TakeUntil(separators, nullptr);
    } else if (!TakeUntil(separators, &bytes)) {
        return Status::Error;
    }

    const int separator = get();
    if (separator == '\r' && peek() == '\n')
        get();
    if (failed_)
        return Status::Error;
    field = QString::fromUtf8(bytes);
    return Status::Ok;
}

void AppendQuotedField(QByteArray &line, const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    line += '"';
    if (bytes.contains('"')) {
        QByteArray doubled = bytes;
        line += doubled.replace('"', QByteArrayLiteral("\"\""));
    } else {
        line += bytes;
    }
    line += '"';
}

QByteArray QuotedField(const QString &value)
{
    QByteArray field;
    AppendQuotedField(field, value);
    return field;
}

} // namespace Functions
