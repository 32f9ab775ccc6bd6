#pragma once

// The zip container of a flashcard package, through libzip. Reading is
// bounded before anything is extracted: entry count, each entry's size and
// the total, all checked against what the central directory claims and
// again against what actually comes out.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

struct zip;

namespace velmora::flashcards {

inline constexpr qint64 kMaxEntries = 4000;
inline constexpr qint64 kMaxEntryBytes = 64LL * 1024 * 1024;
inline constexpr qint64 kMaxTotalBytes = 512LL * 1024 * 1024;

class PackageZipReader
{
public:
    PackageZipReader() = default;
    ~PackageZipReader();
    PackageZipReader(const PackageZipReader &) = delete;
    PackageZipReader &operator=(const PackageZipReader &) = delete;

    // Opens a regular file and checks every entry's name, kind and size;
    // false with errorText() on the first that is refused.
    [[nodiscard]] bool open(const QString &path);
    [[nodiscard]] const QString &errorText() const { return error_; }
    [[nodiscard]] bool contains(const QString &name) const { return names_.contains(name); }
    [[nodiscard]] QStringList names() const { return names_; }
    // The entry's bytes, at most `bound` of them: nullopt, with errorText(),
    // when it is missing, larger, damaged, or the total read passes its bound.
    [[nodiscard]] std::optional<QByteArray> read(const QString &name, qint64 bound = kMaxEntryBytes);

private:
    zip *archive_ = nullptr;
    QStringList names_;
    qint64 totalRead_ = 0;
    QString error_;
};

class PackageZipWriter
{
public:
    PackageZipWriter() = default;
    ~PackageZipWriter();
    PackageZipWriter(const PackageZipWriter &) = delete;
    PackageZipWriter &operator=(const PackageZipWriter &) = delete;

    // A new file: an existing one is never replaced.
    [[nodiscard]] bool create(const QString &path);
    // Pictures are compressed already: `store` keeps them as they are.
    [[nodiscard]] bool add(const QString &name, const QByteArray &bytes, bool store = false);
    // Writes the whole file under a name of its own and renames it into place,
    // so the package is complete or absent.
    [[nodiscard]] bool commit();
    [[nodiscard]] const QString &errorText() const { return error_; }

private:
    zip *archive_ = nullptr;
    // libzip reads the bytes only when the file is written.
    std::deque<QByteArray> held_;
    QString path_;
    QString error_;
};

} // namespace velmora::flashcards
