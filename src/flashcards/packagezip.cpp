#include "flashcards/packagezip.h"

#include "store/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace velmora::flashcards {

namespace {

QString zipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

// Names are never used as paths here, but a name that climbs out of a folder
// or starts at the root says the file was made to do harm.
bool unsafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')) ||
        (name.size() > 1 && name.at(1) == QLatin1Char(':')))
        return true;
    const QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".."));
}

} // namespace

PackageZipReader::~PackageZipReader()
{
    if (archive_)
        zip_discard(archive_);
}

bool PackageZipReader::open(const QString &path)
{
    store::RegularFile file;
    if (!file.open(path)) {
        error_ = file.errorText();
        return false;
    }
    const int fd = ::dup(file.handle());
    if (fd < 0) {
        error_ = QCoreApplication::translate("PackageZip", "the file could not be opened");
        return false;
    }
    int code = 0;
    archive_ = zip_fdopen(fd, ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive_) {
        ::close(fd);
        error_ =
            QCoreApplication::translate("PackageZip", "it is not a zip file that can be read (%1)").arg(zipError(code));
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    if (count < 0 || count > kMaxEntries) {
        error_ = QCoreApplication::translate("PackageZip", "it holds more than %1 files").arg(kMaxEntries);
        return false;
    }
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive_, zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
            !(stat.valid & ZIP_STAT_SIZE)) {
            error_ = QCoreApplication::translate("PackageZip", "its list of files is damaged");
            return false;
        }
        const QString name = QString::fromUtf8(stat.name);
        if (unsafeName(name)) {
            error_ = QCoreApplication::translate("PackageZip",
                                                 "it holds a file named \"%1\", which points outside the package")
                         .arg(name);
            return false;
        }
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(archive_, zip_uint64_t(i), 0, &system, &attributes) == 0 &&
            system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK) {
            error_ =
                QCoreApplication::translate("PackageZip", "it holds a link, \"%1\", where only files belong").arg(name);
            return false;
        }
        if (qint64(stat.size) > kMaxEntryBytes || stat.size > zip_uint64_t(kMaxTotalBytes)) {
            error_ = QCoreApplication::translate("PackageZip", "its file \"%1\" would take more than %2 MB")
                         .arg(name, QString::number(kMaxEntryBytes >> 20));
            return false;
        }
        total += qint64(stat.size);
        if (total > kMaxTotalBytes) {
            error_ = QCoreApplication::translate("PackageZip", "its files would take more than %1 MB")
                         .arg(kMaxTotalBytes >> 20);
            return false;
        }
        names_.append(name);
    }
    return true;
}

std::optional<QByteArray> PackageZipReader::read(const QString &name, qint64 bound)
{
    const zip_int64_t index = archive_ ? zip_name_locate(archive_, name.toUtf8().constData(), 0) : -1;
    if (index < 0) {
        error_ = QCoreApplication::translate("PackageZip", "it has no file \"%1\"").arg(name);
        return std::nullopt;
    }
    zip_file_t *entry = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (!entry) {
        error_ = QCoreApplication::translate("PackageZip", "its file \"%1\" cannot be read (%2)")
                     .arg(name, QString::fromUtf8(zip_strerror(archive_)));
        return std::nullopt;
    }
    // What comes out is counted, not what the directory claimed.
    const qint64 limit = std::min(bound, kMaxTotalBytes - totalRead_);
    QByteArray bytes;
    char buffer[64 * 1024];
    bool failed = false;
    for (;;) {
        const zip_int64_t n = zip_fread(entry, buffer, sizeof buffer);
        if (n < 0) {
            error_ = QCoreApplication::translate("PackageZip", "its file \"%1\" is damaged (%2)")
                         .arg(name, QString::fromUtf8(zip_file_strerror(entry)));
            failed = true;
            break;
        }
        if (n == 0)
            break;
        if (bytes.size() + n > limit) {
            error_ =
                QCoreApplication::translate("PackageZip", "its file \"%1\" unpacks to more than it may take").arg(name);
            failed = true;
            break;
        }
        bytes.append(buffer, qsizetype(n));
    }
    zip_fclose(entry);
    if (failed)
        return std::nullopt;
    totalRead_ += bytes.size();
    return bytes;
}

PackageZipWriter::~PackageZipWriter()
{
    if (archive_)
        zip_discard(archive_);
}

bool PackageZipWriter::create(const QString &path)
{
    path_ = path;
    int code = 0;
    archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (!archive_) {
        error_ = code == ZIP_ER_EXISTS
                     ? QCoreApplication::translate("PackageZip", "The file %1 is there already.").arg(path)
                     : QCoreApplication::translate("PackageZip", "The file %1 cannot be made: %2.")
                           .arg(path, zipError(code));
        return false;
    }
    return true;
}

bool PackageZipWriter::add(const QString &name, const QByteArray &bytes, bool store)
{
    held_.push_back(bytes);
    const QByteArray &kept = held_.back();
    zip_source_t *source = zip_source_buffer(archive_, kept.constData(), zip_uint64_t(kept.size()), 0);
    const zip_int64_t index =
        source ? zip_file_add(archive_, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : zip_int64_t(-1);
    if (index < 0) {
        zip_source_free(source);
        error_ = QString::fromUtf8(zip_strerror(archive_));
        return false;
    }
    if (store)
        (void)zip_set_file_compression(archive_, zip_uint64_t(index), ZIP_CM_STORE, 0);
    return true;
}

bool PackageZipWriter::commit()
{
    if (zip_close(archive_) != 0) {
        error_ = QCoreApplication::translate("PackageZip", "The file %1 could not be written: %2.")
                     .arg(path_, QString::fromUtf8(zip_strerror(archive_)));
        return false;
    }
    archive_ = nullptr;
    held_.clear();
    // On the disk before anyone is told it is there.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced) {
        QFile::remove(path_);
        error_ = QCoreApplication::translate("PackageZip", "The file %1 could not be written.").arg(path_);
        return false;
    }
    return true;
}

} // namespace velmora::flashcards
