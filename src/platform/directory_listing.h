// SPDX-License-Identifier: GPL-3.0-or-later
// Lists one directory quickly: visible entry names in the file system's order,
// each with its kind, and the directory's identity on disk.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace Platform {

// Device and inode: two paths naming the same directory give the same identity.
struct DirectoryIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const DirectoryIdentity &, const DirectoryIdentity &) = default;
};

struct DirectoryIdentityHash {
    std::size_t operator()(const DirectoryIdentity &id) const noexcept
    {
        return std::hash<std::uint64_t>()(id.inode * 31 + id.device);
    }
};

enum class EntryKind { File, Directory, Other };

class DirectoryListing {
public:
    // Opens the directory at `path`; IsOpen() tells whether it can be listed.
    explicit DirectoryListing(const QString &path);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing &) = delete;
    DirectoryListing &operator=(const DirectoryListing &) = delete;

    bool IsOpen() const;
    DirectoryIdentity Identity() const;

    // The next entry, following symbolic links; false at the end. Hidden entries
    // (names starting with a dot) and entries whose attributes cannot be read are
    // passed over. The name stays valid until the next call.
    bool Next(QByteArrayView &name, EntryKind &kind);

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// The text of a listed name. False when the text would not name the same file
// again (bytes that are not valid in the file-name encoding).
bool NameText(QByteArrayView name, QString &text);

} // namespace Platform
