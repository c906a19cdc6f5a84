#pragma once
// Copies one file so that the copy carries the source's modification time. It creates no folders
// and asks no questions; callers decide whether a file should be copied at all.

#include <QString>

#include <functional>
#include <stdexcept>

namespace lunasoma {

// Raised when a copy cannot read its source or cannot write its target; what() names the file.
class FileIoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Marks a source file that does not exist. copyFileKeepingDate raises it for a missing source,
// and the copy dialog raises it itself when it finds a file missing before copying.
class EMissingFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Copies source to target, replacing an existing target, and gives the target the source's
// modification time and permissions. The bytes go into a temporary file beside the target that
// replaces it only once every byte is written, so a failed copy never leaves a truncated target
// and an existing target stays as it was. Raises EMissingFile when the source does not exist and
// FileIoError when it cannot be read or the target cannot be written.
//
// A small drive may hold the old target but not a second, temporary one beside it. Then, and only
// when the old target's room plus the free room takes the new file, the target is rewritten in
// place; when even that cannot hold it, nothing is touched and FileIoError says so.
void copyFileKeepingDate(const QString& source, const QString& target);

// The same, asking freeBytesIn for the free bytes of a folder's file system instead of the
// system's own report, for a caller that has its own (a drive that reports its room differently).
void copyFileKeepingDate(const QString& source, const QString& target,
                         const std::function<qint64(const QString& folder)>& freeBytesIn);

}  // namespace lunasoma
