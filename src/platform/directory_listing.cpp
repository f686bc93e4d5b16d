// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directory_listing.h"

#include <QFile>
#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace Platform {

struct DirectoryListing::Handle {
    DIR *dir = nullptr;
    DirectoryIdentity identity;
};

DirectoryListing::DirectoryListing(const QString &path) : handle_(std::make_unique<Handle>())
{
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return;
    struct stat st {};
    if (::fstat(::dirfd(dir), &st) != 0) {
        ::closedir(dir);
        return;
    }
    handle_->dir = dir;
    handle_->identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

DirectoryListing::~DirectoryListing()
{
    if (handle_->dir)
        ::closedir(handle_->dir);
}

bool DirectoryListing::IsOpen() const { return handle_->dir != nullptr; }

DirectoryIdentity DirectoryListing::Identity() const { return handle_->identity; }

bool DirectoryListing::Next(QByteArrayView &name, EntryKind &kind)
{
    if (!handle_->dir)
        return false;
    while (const dirent *entry = ::readdir(handle_->dir)) {
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(::dirfd(handle_->dir), entry->d_name, &st, 0) != 0)
                continue;
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        kind = type == DT_DIR ? EntryKind::Directory : type == DT_REG ? EntryKind::File : EntryKind::Other;
        name = QByteArrayView(entry->d_name);
        return true;
    }
    return false;
}

bool NameText(QByteArrayView name, QString &text)
{
    // ASCII names, nearly all of them, read alike in every file-name encoding.
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        text = QString::fromLatin1(name);
        return true;
    }
    text = QFile::decodeName(name.toByteArray());
    return QFile::encodeName(text) == name;
}

} // namespace Platform
