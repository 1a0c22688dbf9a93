#pragma once

// The text of a scout file: the code pages its names come in, which one a file's bytes are in (a
// maintained detector answers where the bytes and the file itself do not tell), the hexadecimal
// copies of texts that newer scouting programs add to a line, and names that a UTF-8 file read
// once more as Windows-1252 has garbled. Used by the reader (ScoutRead, ScoutLines) alone.

#include "scoutfile/ScoutFile.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace Scout {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF).
bool IsUtf8(QByteArrayView bytes);

// A character a name or a field may hold: no control character but the tab.
bool IsTextChar(char16_t c);
bool IsText(QStringView text);

// The bytes as text in a code page or UTF-8; *badByte is the place of the first byte the code
// page has no letter for (or that is no UTF-8), -1 when there is none. Such a byte reads as
// U+FFFD.
QString Decoded(QByteArrayView bytes, Encoding encoding, qsizetype* badByte = nullptr);

// The code page a declared encoding names (a code page number, "UTF-8", "CP1250", ...), or
// nothing for a value that names none we read (a bare "1").
std::optional<Encoding> EncodingDeclared(QByteArrayView value);

// The code page the detector (uchardet) finds in the letters of bytes that are not UTF-8, or
// nothing when it finds none this program reads. Names in scout files are often in capitals,
// which the detector's letter statistics (made from running text) do not know: it is given the
// letters of the single-byte code pages in small letters. Every code page read here has its
// capitals 0xC0 to 0xDE (but 0xD7) exactly 0x20 below their small letters.
std::optional<Encoding> DetectedCodePage(QByteArrayView bytes);

// A field made by newer scouting programs as another copy of a text of its line: the control
// character 0x0F, a digit, then the text's bytes as an even number of hexadecimal digits. The
// bytes, or nothing when the field is not such a copy.
std::optional<QByteArray> HexCopy(QStringView field);

// A text garbled the way some files carry it, UTF-8 bytes read once more as Windows-1252
// ("KÃ¤stner"), put right ("Kästner"); nothing when the text is not garbled that way.
std::optional<QString> Ungarbled(const QString& text);

// The text to use for a field whose line carries hexadecimal copies: the plain text, unless it
// is garbled and a copy (in copyPage, or in a code page in which it reads as the plain text put
// right) gives a clean text with the same plain letters.
QString Repaired(const QString& plain, const std::vector<QByteArray>& copies, Encoding copyPage);

} // namespace Scout
