#include "ui/script_text.h"

#include <QStringDecoder>

QString displayText(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString decoded = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? fromBytes(bytes) : decoded;
}
