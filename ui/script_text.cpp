#include "ui/script_text.h"

#include <QLineEdit>
#include <QStringDecoder>

#include <limits>

namespace {

// Bytes 0x80 to 0x9F; every other byte is the character of its own code.
constexpr char16_t kBytes80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char16_t characterOf(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kBytes80To9F[byte - 0x80] : char16_t(byte);
}

char byteOf(char16_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<char>(character);
  for (int i = 0; i < 32; ++i)
    if (kBytes80To9F[i] == character) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

QString fromBytes(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    text[static_cast<qsizetype>(i)] = QChar(characterOf(static_cast<unsigned char>(bytes[i])));
  return text;
}

std::string toBytes(const QString& text) {
  // Composed first: "e" and a combining acute accent (as text pasted from
  // some systems holds them) is the code page's "é". Text shown from bytes
  // is left as it is, since no character of the code page composes.
  const QString composed = text.normalized(QString::NormalizationForm_C);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(composed.size()));
  for (const QChar character : composed) bytes += byteOf(character.unicode());
  return bytes;
}

QString unstorableCharacter(const QString& typed) {
  const QString text = typed.normalized(QString::NormalizationForm_C);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t character = text[i].unicode();
    if (byteOf(character) != '?' || character == u'?') continue;
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return text.mid(i, pair ? 2 : 1);
  }
  return {};
}

QString unstorableText(const QString& fieldHolds, const QString& character) {
  // A character the user can see is shown in quotes; a combining accent would
  // sit on the quote mark, and a blank, an invisible character or half of a
  // pair would look like nothing, so those are named by their code.
  const bool pair = character.size() == 2 && character[0].isHighSurrogate() && character[1].isLowSurrogate();
  const char32_t code = pair ? QChar::surrogateToUcs4(character[0], character[1]) : character.at(0).unicode();
  const QString hex = QString::number(code, 16).toUpper().rightJustified(4, u'0');
  const QString named = QChar::isPrint(code) && !QChar::isSpace(code) && !QChar::isMark(code)
                            ? QStringLiteral("\"%1\"").arg(character)
                            : QStringLiteral("the character U+%1").arg(hex);
  return QStringLiteral("%1 %2, which a configuration file cannot store.").arg(fieldHolds, named);
}

QString displayText(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString decoded = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? fromBytes(bytes) : decoded;
}

void takeAnyLength(QLineEdit* edit) { edit->setMaxLength(std::numeric_limits<int>::max()); }
