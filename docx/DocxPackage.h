// A Word document's package: the zip that holds its parts, read whole into memory once its
// sizes are known to be sane, and written back entry for entry.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <ctime>
#include <vector>

// What a file is by its first bytes, whatever its name.
enum class FileKind {
  Text,      // anything else: read as claims text
  Zip,       // a zip archive: a .docx, an OpenDocument text, or another zip
  Compound,  // an OLE compound file: a .doc, a .wps, or an encrypted Office document
};
FileKind KindOf(QByteArrayView bytes);

struct DocxEntry {
  QString name;     // the entry's path inside the package, as the zip names it
  QByteArray data;  // its unpacked bytes
  std::time_t modified = 0;
  // Its index in the package's `source` while `data` is as read: written back as it was packed.
  qint64 sourceIndex = -1;

  void SetData(QByteArray bytes) {
    data = std::move(bytes);
    sourceIndex = -1;
  }
};

struct DocxPackage {
  std::vector<DocxEntry> entries;  // in the zip's order
  QByteArray source;  // the zip the package was read from, "" for a package made anew

  // The entry named `name`, or null.
  const DocxEntry* Find(const QString& name) const;
  DocxEntry* Find(const QString& name);
};

struct PackageReading {
  DocxPackage package;
  QString error;  // why the bytes are not a Word package, for a line naming the file
};

// The parts of the package in `bytes`, a file named `fileName` (only a .wps's message uses the
// name). Refused with its reason: an OLE compound file (a .doc, a .wps, a password-protected
// document), a damaged zip, an OpenDocument text, a zip that is not a Word document (no
// "[Content_Types].xml"), an entry whose path leaves the package, an encrypted entry, and a zip
// that would unpack to more than kMaxUnpackedBytes or kMaxUnpackRatio times its size (those of
// report/DocumentTexts.h, with every reason's words).
PackageReading ReadPackage(QByteArrayView bytes, const QString& fileName);

// The zip of `package`'s entries in order: each entry still as read copied as it was packed,
// byte for byte and without packing it again, the others deflated; "" and `error` set on
// failure.
QByteArray WritePackage(const DocxPackage& package, QString* error);
