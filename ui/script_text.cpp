#include "ui/script_text.h"

#include <QLineEdit>
#include <QStringDecoder>

#include <limits>
#include <optional>

#include "devices/script_lines.h"
#include "devices/western_code_page.h"

namespace {

// "?" for a character the code page has no byte for.
char byteOf(char16_t character) {
  const std::optional<unsigned char> byte = westernByteOf(character);
  return byte ? static_cast<char>(*byte) : '?';
}

}  // namespace

QString fromBytes(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    text[static_cast<qsizetype>(i)] = QChar(westernCharacterOf(static_cast<unsigned char>(bytes[i])));
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
    // A Ctrl-Z has a byte, but a script read stops at it.
    const bool endsTheText = character == static_cast<char16_t>(kEndOfTextMark);
    if ((byteOf(character) != '?' || character == u'?') && !endsTheText) continue;
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
