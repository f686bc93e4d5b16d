#include "core/storage/field_reader.h"

#include <algorithm>

namespace Functions {

namespace {
constexpr int Eof = -1;
constexpr qint64 BufferSize = 64 * 1024;
} // namespace

// A small file gets a buffer of its own size.
FieldReader::FieldReader(QIODevice &device)
    : device_(device), buffer_(static_cast<std::size_t>(std::clamp<qint64>(device.size(), 1, BufferSize)))
{
}

int FieldReader::peek()
{
    if (pos_ == len_) {
        if (failed_)
            return Eof;
        len_ = device_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
        pos_ = 0;
        if (len_ < 0) {
            failed_ = true;
            len_ = 0;
        }
        if (len_ == 0)
            return Eof;
    }
    return static_cast<unsigned char>(buffer_[static_cast<std::size_t>(pos_)]);
}

int FieldReader::get()
{
    const int c = peek();
    if (c != Eof)
        ++pos_;
    return c;
}

bool FieldReader::AtEnd() { return peek() == Eof; }

FieldReader::Status FieldReader::Next(QString &field)
{
    while (peek() == ' ' || peek() == '\t')
        get();
    if (peek() == Eof)
        return failed_ ? Status::Error : Status::End;

    QByteArray bytes;
    const auto append = [&bytes](int c) {
        bytes.append(static_cast<char>(c));
        return bytes.size() <= MaxFieldBytes;
    };

    if (peek() == '"') {
        get();
        for (;;) {
            const int c = get();
            if (c == Eof)
                break;
            if (c == '"') {
                if (peek() != '"')
                    break;
                get();
            }
            if (!append(c))
                return Status::Error;
        }
        // Anything between the closing quote and the separator is not part of the value.
        while (peek() != Eof && peek() != ',' && peek() != '\r' && peek() != '\n')
            get();
    } else {
        while (peek() != Eof && peek() != ',' && peek() != '\r' && peek() != '\n') {
            if (!append(get()))
                return Status::Error;
        }
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
