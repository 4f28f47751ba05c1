#include "ui/sheets/device_comments_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "config/user_messages.h"
#include "ui/sheets/sheet_text.h"
#include "ui/sheets/sheet_picture.h"

namespace {

// A CR that ends no line (a byte inside a comment line of the script) is
// shown as the CR symbol, which no byte of the stored text can be, so that
// the edit does not split the line there.
constexpr QChar kLoneCr(0x240D);

}  // namespace

QString commentsToEditText(const std::string& stored) {
  QString text = fromBytes(stored);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), kLoneCr);
  return text;
}

std::string editTextToComments(const QString& text) {
  QString stored = text;
  stored.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  stored.replace(kLoneCr, QLatin1Char('\r'));
  return toBytes(stored);
}

namespace {

// The edit's text as typed. toPlainText() would turn a no-break space (the
// byte 0xA0, also part of many UTF-8 letters) into a blank.
QString rawText(const QPlainTextEdit& editor) {
  QString text = editor.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace

CDeviceCommentsPage::CDeviceCommentsPage(const QPixmap& picture, std::string& comments, UserMessages& messages,
                                         QWidget* parent)
    : CPropertyPage(parent), comments_(comments), messages_(messages) {
  auto* grid = pictureGrid(this, picture);
  grid->addWidget(new QLabel(QStringLiteral("Specify device ( unit ) comments here"), this), 0, 1);
  editor_ = new QPlainTextEdit(this);
  editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor_->setTabChangesFocus(true);
  editor_->setPlainText(commentsToEditText(comments));
  shown_ = rawText(*editor_);
  grid->addWidget(editor_, 1, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
}

bool CDeviceCommentsPage::validate() {
  // Comments shown from the file always have their bytes; a typed character
  // without one would be saved as "?".
  const QString text = rawText(*editor_);
  const QString character = unstorableCharacter(QString(text).replace(kLoneCr, QLatin1Char('\r')));
  if (!character.isEmpty())
    return refuseWith(messages_, unstorableText(QStringLiteral("The comments hold"), character).toStdString(), editor_);
  // A CR typed at the end of a line would be dropped when the file is read
  // again, as every line end's CR is. (None is shown there from a file.)
  const bool typed = text != shown_;
  if (typed && (text.contains(QString(kLoneCr) + u'\n') || text.endsWith(kLoneCr))) {
    messages_.stop(QStringLiteral("The comments hold \"%1\" at the end of a line, which a configuration file "
                                  "cannot store.")
                       .arg(kLoneCr)
                       .toStdString());
    return refuse(editor_);
  }
  return true;
}

void CDeviceCommentsPage::writeBack() {
  const QString text = rawText(*editor_);
  // Untouched comments keep their bytes exactly, whatever line ends they had.
  if (text == shown_) return;
  comments_ = editTextToComments(text);
}
