#include "scoutfile/ScoutText.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <uchardet.h>

namespace Scout {

namespace {

// The letters of bytes 0x80 to 0xFF; 0 where the code page has none (those bytes cannot be read).
// The C1 controls of ISO-8859-2 are left out too: no name holds one.
constexpr std::array<char16_t, 128> kWindows1250{
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};
constexpr std::array<char16_t, 128> kWindows1251{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};
constexpr std::array<char16_t, 128> kWindows1252{
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF};
constexpr std::array<char16_t, 128> kIso8859_2{
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A,
    0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142,
    0x00B4, 0x013E, 0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

const std::array<char16_t, 128>* TableOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1250:
        return &kWindows1250;
    case Encoding::Windows1251:
        return &kWindows1251;
    case Encoding::Windows1252:
        return &kWindows1252;
    case Encoding::Iso8859_2:
        return &kIso8859_2;
    case Encoding::Automatic:
    case Encoding::Utf8:
        break;
    }
    return nullptr;
}

// The length of the well-formed UTF-8 sequence at p (overlong forms, surrogates and code points
// past U+10FFFF are not), or 0.
int Utf8SequenceAt(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int length = 0;
    char32_t low = 0;
    char32_t point = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        point = c & 0x1F;
        low = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        point = c & 0x0F;
        low = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        point = c & 0x07;
        low = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (p[i] & 0x3F);
    }
    if (point < low || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

// The detector's names for the code pages read here. ISO-8859-1 and -15 are Western files that it
// cannot tell from Windows-1252 when they use none of the letters where they differ.
std::optional<Encoding> FromDetectorName(const char* name)
{
    const QByteArray n = QByteArray(name).toUpper();
    if (n == "WINDOWS-1250")
        return Encoding::Windows1250;
    if (n == "WINDOWS-1251")
        return Encoding::Windows1251;
    if (n == "WINDOWS-1252" || n == "ISO-8859-1" || n == "ISO-8859-15")
        return Encoding::Windows1252;
    if (n == "ISO-8859-2")
        return Encoding::Iso8859_2;
    return std::nullopt;
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The plain letters, digits and signs of a text, in order: what garbling leaves as it was.
QString Plain(const QString& text)
{
    QString out;
    for (const QChar c : text)
        if (c.unicode() < 0x80)
            out += c;
    return out;
}

} // namespace

bool IsUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Runs of plain ASCII, the bulk of any scout file, are skipped eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int n = Utf8SequenceAt(p, end);
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

bool IsTextChar(char16_t c)
{
    return c == u'\t' || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F));
}

bool IsText(QStringView text)
{
    for (const QChar c : text)
        if (!IsTextChar(c.unicode()))
            return false;
    return true;
}

QString Decoded(QByteArrayView bytes, Encoding encoding, qsizetype* badByte)
{
    if (badByte)
        *badByte = -1;
    if (const auto* table = TableOf(encoding)) {
        QString text(bytes.size(), Qt::Uninitialized);
        QChar* out = text.data();
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            char16_t c = b < 0x80 ? char16_t(b) : (*table)[b - 0x80];
            if (c == 0 && b >= 0x80) {
                if (badByte && *badByte < 0)
                    *badByte = i;
                c = 0xFFFD;
            }
            out[i] = QChar(c);
        }
        return text;
    }
    if (badByte && !IsUtf8(bytes)) {
        const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
        const auto* end = begin + bytes.size();
        for (const unsigned char* p = begin; p < end;) {
            const int n = *p < 0x80 ? 1 : Utf8SequenceAt(p, end);
            if (n == 0) {
                *badByte = p - begin;
                break;
            }
            p += n;
        }
    }
    return QString::fromUtf8(bytes);
}

std::optional<Encoding> EncodingDeclared(QByteArrayView declared)
{
    const QByteArray value = declared.trimmed().toByteArray().toUpper();
    if (value == "UTF-8" || value == "UTF8" || value == "65001")
        return Encoding::Utf8;
    if (value == "1250" || value == "WINDOWS-1250" || value == "CP1250")
        return Encoding::Windows1250;
    if (value == "1251" || value == "WINDOWS-1251" || value == "CP1251")
        return Encoding::Windows1251;
    if (value == "1252" || value == "WINDOWS-1252" || value == "CP1252")
        return Encoding::Windows1252;
    if (value == "28592" || value == "ISO-8859-2" || value == "LATIN2")
        return Encoding::Iso8859_2;
    return std::nullopt;
}

std::optional<Encoding> DetectedCodePage(QByteArrayView bytes)
{
    QByteArray small = bytes.toByteArray();
    for (char& c : small) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
            c = char(b + 0x20);
    }
    uchardet_t detector = uchardet_new();
    if (!detector)
        return std::nullopt;
    std::optional<Encoding> found;
    if (uchardet_handle_data(detector, small.constData(), size_t(small.size())) == 0) {
        uchardet_data_end(detector);
        found = FromDetectorName(uchardet_get_charset(detector));
    }
    uchardet_delete(detector);
    return found;
}

std::optional<QByteArray> HexCopy(QStringView field)
{
    if (field.size() < 2 || field[0] != QChar(0x0F) || !field[1].isDigit() || field[1].unicode() > '9'
        || field.size() % 2 != 0)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve((field.size() - 2) / 2);
    for (qsizetype i = 2; i < field.size(); i += 2) {
        const int high = HexDigit(field[i]);
        const int low = HexDigit(field[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += char(high * 16 + low);
    }
    return bytes;
}

std::optional<QString> Ungarbled(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool high = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0x80 && u <= 0x9F)) {
            // A byte Windows-1252 has no letter for comes through a second reading as the control
            // character of its number.
            bytes += char(u);
            high = high || u >= 0x80;
            continue;
        }
        const auto it = std::find(kWindows1252.begin(), kWindows1252.end(), u);
        if (it == kWindows1252.end())
            return std::nullopt;
        bytes += char(0x80 + (it - kWindows1252.begin()));
        high = true;
    }
    if (!high || !IsUtf8(bytes))
        return std::nullopt;
    const QString right = QString::fromUtf8(bytes);
    if (right == text || !IsText(right))
        return std::nullopt;
    return right;
}

QString Repaired(const QString& plain, const std::vector<QByteArray>& copies, Encoding copyPage)
{
    const std::optional<QString> right = Ungarbled(plain);
    if (!right || copies.empty())
        return plain;
    // A copy that reads, in some code page, as the plain text put right confirms it.
    for (const QByteArray& copy : copies)
        for (Encoding page : {copyPage, Encoding::Windows1250, Encoding::Windows1252, Encoding::Windows1251,
                              Encoding::Iso8859_2}) {
            qsizetype bad = -1;
            if (Decoded(copy, page, &bad) == *right && bad < 0)
                return *right;
        }
    // Else the copy of the same plain letters, when it is clean itself.
    const QString letters = Plain(plain);
    for (const QByteArray& copy : copies) {
        qsizetype bad = -1;
        const QString text = Decoded(copy, copyPage, &bad).trimmed();
        if (bad < 0 && !text.isEmpty() && IsText(text) && !Ungarbled(text) && Plain(text) == letters)
            return text;
    }
    return plain;
}

QString EncodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Automatic:
        return QCoreApplication::translate("Scout", "Automatic");
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Windows1250:
        return QStringLiteral("Windows-1250");
    case Encoding::Windows1251:
        return QStringLiteral("Windows-1251");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case Encoding::Iso8859_2:
        return QStringLiteral("ISO-8859-2");
    }
    return {};
}

std::optional<Encoding> EncodingFromName(const QString& name)
{
    const QString n = name.trimmed().toLower().remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    if (n == QLatin1String("automatic") || n == QLatin1String("auto"))
        return Encoding::Automatic;
    if (n == QLatin1String("utf8"))
        return Encoding::Utf8;
    for (const auto& [code, e] : {std::pair{QStringLiteral("1250"), Encoding::Windows1250},
                                  std::pair{QStringLiteral("1251"), Encoding::Windows1251},
                                  std::pair{QStringLiteral("1252"), Encoding::Windows1252}})
        if (n == code || n == QLatin1String("windows") + code || n == QLatin1String("cp") + code)
            return e;
    if (n == QLatin1String("iso88592") || n == QLatin1String("latin2") || n == QLatin1String("28592"))
        return Encoding::Iso8859_2;
    return std::nullopt;
}

} // namespace Scout
