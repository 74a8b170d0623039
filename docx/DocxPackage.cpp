#include "DocxPackage.h"

#include <QStringList>
#include <zip.h>

#include <memory>

#include "ClaimsCodec.h"
#include "report/DocumentTexts.h"

namespace {

constexpr char kZipSignature[] = "PK\x03\x04";
constexpr char kEmptyZipSignature[] = "PK\x05\x06";
constexpr char kCompoundSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// The stream names of a compound file are UTF-16; an encrypted Office document keeps its
// package in one named "EncryptedPackage".
bool HoldsStream(QByteArrayView bytes, QStringView name) {
  QByteArray utf16;
  for (QChar c : name) utf16.append(static_cast<char>(c.unicode())).append('\0');
  return bytes.indexOf(utf16) >= 0;
}

QString CompoundFileError(QByteArrayView bytes, const QString& fileName) {
  if (HoldsStream(bytes, u"EncryptedPackage")) return FromEngineText(kRefusedPassword);
  if (fileName.endsWith(QLatin1String(".wps"), Qt::CaseInsensitive)) {
    return FromEngineText(kRefusedWps);
  }
  return FromEngineText(kRefusedWord97);
}

// A name that, unpacked, would land outside the package's folder.
bool LeavesPackage(const QString& name) {
  if (name.isEmpty() || name.startsWith(u'/') || name.startsWith(u'\\') || name.contains(u':')) {
    return true;
  }
  const QStringList steps = QString(name).replace(u'\\', u'/').split(u'/');
  return steps.contains(QStringLiteral(".."));
}

// libzip's own words on the damage are left out: the page, whose unzipper words it otherwise,
// says the same line.
QString ZipError() { return FromEngineText(kRefusedDamagedZip); }

// Checks every entry's name, encryption and size before any is unpacked.
QString CheckEntries(zip_t* archive, qint64 packedSize) {
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  qint64 unpacked = 0;
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, i, 0, &stat) != 0) return ZipError();
    const QString name = QString::fromUtf8(stat.name);
    if (LeavesPackage(name)) {
      return FromEngineText(kRefusedLeavesPackage).arg(name);
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
      return FromEngineText(kRefusedPasswordEntry);
    }
    unpacked += static_cast<qint64>(stat.size);
    if (unpacked > kMaxUnpackedBytes || unpacked > kMaxUnpackRatio * packedSize) {
      return FromEngineText(kRefusedTooLarge);
    }
  }
  return {};
}

QString ReadEntry(zip_t* archive, zip_int64_t index, DocxEntry& entry) {
  zip_stat_t stat;
  if (zip_stat_index(archive, index, 0, &stat) != 0) return ZipError();
  entry.name = QString::fromUtf8(stat.name);
  entry.modified = stat.mtime;
  std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, index, 0));
  if (!file) return ZipError();
  entry.data.resize(static_cast<qsizetype>(stat.size));
  const zip_int64_t got = zip_fread(file.get(), entry.data.data(), stat.size);
  char extra;
  if (got != static_cast<zip_int64_t>(stat.size) || zip_fread(file.get(), &extra, 1) != 0) {
    return ZipError();
  }
  return {};
}

QString PackageError(const DocxPackage& package) {
  if (const DocxEntry* mimetype = package.Find(QStringLiteral("mimetype"))) {
    if (mimetype->data.startsWith("application/vnd.oasis.opendocument.text")) {
      return FromEngineText(kRefusedOpenDocument);
    }
  }
  if (!package.Find(QStringLiteral("[Content_Types].xml"))) {
    return FromEngineText(kRefusedNotWord);
  }
  return {};
}

}  // namespace

FileKind KindOf(QByteArrayView bytes) {
  if (bytes.startsWith(kZipSignature) || bytes.startsWith(kEmptyZipSignature)) return FileKind::Zip;
  if (bytes.startsWith(QByteArrayView(kCompoundSignature, 8))) return FileKind::Compound;
  return FileKind::Text;
}

const DocxEntry* DocxPackage::Find(const QString& name) const {
  for (const DocxEntry& entry : entries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

DocxEntry* DocxPackage::Find(const QString& name) {
  return const_cast<DocxEntry*>(std::as_const(*this).Find(name));
}

PackageReading ReadPackage(QByteArrayView bytes, const QString& fileName) {
  if (KindOf(bytes) == FileKind::Compound) return {{}, CompoundFileError(bytes, fileName)};
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  Archive archive(source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error)
                         : nullptr);
  zip_error_fini(&error);
  if (!archive) {
    if (source) zip_source_free(source);
    return {{}, ZipError()};
  }
  PackageReading reading;
  reading.error = CheckEntries(archive.get(), bytes.size());
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count && reading.error.isEmpty(); ++i) {
    reading.error = ReadEntry(archive.get(), i, reading.package.entries.emplace_back());
    reading.package.entries.back().sourceIndex = i;
  }
  reading.package.source = bytes.toByteArray();
  if (reading.error.isEmpty()) reading.error = PackageError(reading.package);
  if (!reading.error.isEmpty()) reading.package = {};
  return reading;
}

namespace {

// The zip a package was read from, opened again to copy its entries from; null for none.
Archive OpenSource(const DocxPackage& package) {
  if (package.source.isEmpty()) return nullptr;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source =
      zip_source_buffer_create(package.source.constData(), package.source.size(), 0, &error);
  zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (!archive && source) zip_source_free(source);
  zip_error_fini(&error);
  return Archive(archive);
}

}  // namespace

QByteArray WritePackage(const DocxPackage& package, QString* error) {
  // Opened before the new archive, whose closing reads from it.
  const Archive source = OpenSource(package);
  zip_error_t zipError;
  zip_error_init(&zipError);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &zipError);
  // Kept past zip_close, which is what writes the archive into it.
  zip_source_keep(buffer);
  Archive archive(zip_open_from_source(buffer, ZIP_TRUNCATE, &zipError));
  auto fail = [&](zip_error_t* cause) {
    *error = QStringLiteral("无法写出压缩包（%1）").arg(QString::fromUtf8(zip_error_strerror(cause)));
    zip_source_free(buffer);
    zip_error_fini(&zipError);
    return QByteArray();
  };
  if (!archive) return fail(&zipError);
  for (const DocxEntry& entry : package.entries) {
    zip_source_t* data =
        entry.sourceIndex >= 0 && source
            ? zip_source_zip(archive.get(), source.get(), static_cast<zip_uint64_t>(entry.sourceIndex),
                             ZIP_FL_COMPRESSED, 0, -1)
            : zip_source_buffer(archive.get(), entry.data.constData(), entry.data.size(), 0);
    const zip_int64_t index =
        data ? zip_file_add(archive.get(), entry.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8)
             : -1;
    if (index < 0) {
      if (data) zip_source_free(data);
      return fail(zip_get_error(archive.get()));
    }
    zip_file_set_mtime(archive.get(), index, entry.modified, 0);
  }
  if (zip_close(archive.get()) != 0) return fail(zip_get_error(archive.get()));
  archive.release();
  QByteArray bytes;
  zip_stat_t stat;
  if (zip_source_stat(buffer, &stat) != 0 || zip_source_open(buffer) != 0) {
    return fail(zip_source_error(buffer));
  }
  bytes.resize(static_cast<qsizetype>(stat.size));
  const zip_int64_t got = zip_source_read(buffer, bytes.data(), stat.size);
  zip_source_close(buffer);
  if (got != static_cast<zip_int64_t>(stat.size)) return fail(zip_source_error(buffer));
  zip_source_free(buffer);
  zip_error_fini(&zipError);
  return bytes;
}
