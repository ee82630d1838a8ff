#pragma once
// The first step of an import: a file from elsewhere as bytes, and those bytes as text.
// Which encoding a file is in, whether it is a text file at all, and decoding it.
#include <QByteArray>
#include <QString>
#include <optional>

namespace lerno {

enum class Kodierung { Utf8MitBom, Utf8, Windows1252, Utf16LE, Utf16BE, MacRoman };

// By BOM (UTF-8, UTF-16 LE/BE); else UTF-8 when the bytes are valid UTF-8 or hold more
// valid multi-byte characters than invalid bytes (a few stray bytes do not make a UTF-8
// file Windows-1252); else Windows-1252. Mac Roman is never guessed, only chosen.
Kodierung KodierungErkennen(const QByteArray& bytes);

// False for what is no text file: NUL bytes, or more than one byte in twenty a control
// byte (or, in a file that is no UTF-8, a byte Windows-1252 leaves undefined).
bool IstTextdatei(const QByteArray& bytes);

// The bytes decoded from the given encoding as UTF-8, line ends left as they are; a UTF-8
// file's bytes are not copied. Sets ab to where the text begins (after a BOM).
QByteArray ImportUtf8(const QByteArray& bytes, Kodierung kodierung, qsizetype& ab);

// The encoding's name as the preview offers it.
QString KodierungName(Kodierung kodierung);

// The file's bytes when it is readable, not too large and a text file; else nullopt with
// a German reason.
std::optional<QByteArray> ImportBytesLesen(const QString& pfad, QString* fehler = nullptr);

} // namespace lerno
