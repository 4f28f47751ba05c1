#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "config/document.h"
#include "support/recording_messages.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/main_system_properties.h"
#include "ui/sheets/property_sheet_opener.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/sheet_picture.h"

namespace {

struct SystemSheetTest : ::testing::Test {
  void SetUp() override {
    doc.OnNewDocument();
    opener.setSheetRunner([this](QDialog& dialog) {
      answer(dynamic_cast<CMainSystemProperties&>(dialog));
      return dialog.result();
    });
  }

  RecordingMessages messages;
  CVelmorCfgEditorDoc doc{messages};
  CPropertySheetOpener opener{doc, nullptr};
  std::function<void(CMainSystemProperties&)> answer;
};

const std::string kRange = "stop: Please, enter value between 512 and 4088.\nThis value must be multiple of 8.";

}  // namespace

TEST_F(SystemSheetTest, ShowsModelsInTextOrderAndTheEntrysValues) {
  QStringList models;
  QString caption, model, size;
  QStringList tabs, labels;
  answer = [&](CMainSystemProperties& sheet) {
    caption = sheet.windowTitle();
    for (int i = 0; i < sheet.tabs()->count(); ++i) tabs << sheet.tabs()->tabText(i);
    QComboBox* box = sheet.systemPage()->modelBox();
    for (int i = 0; i < box->count(); ++i) models << box->itemText(i);
    model = box->currentText();
    size = sheet.systemPage()->memoryEdit()->text();
    for (const QLabel* label : sheet.findChildren<QLabel*>()) labels << label->text();
    sheet.reject();
  };
  EXPECT_FALSE(opener.openSystemSheet());
  EXPECT_EQ(caption, "Main System Properties");
  EXPECT_EQ(tabs, (QStringList{"Main System Properties", "Comments"}));
  EXPECT_EQ(model, "PDP 11/94");
  EXPECT_EQ(size, "512");
  EXPECT_EQ(models.size(), 25);
  EXPECT_EQ(models.first(), "LSI 11 (T11)");
  EXPECT_EQ(models.last(), "PDP 11/94");
  EXPECT_TRUE(labels.contains("Memory Size (Kb)"));
  EXPECT_TRUE(labels.contains("Specify device ( unit ) comments here"));
}

TEST_F(SystemSheetTest, MemorySizes) {
  struct Case {
    const char* text;
    std::string message;  // empty: accepted
  };
  const Case cases[] = {
      {"512", ""},     {"4088", ""},
      {"4090", kRange},  // not a multiple of 8
      {"4096", kRange},  // above the range
      {"504", kRange},
      {"lots", "stop: Please enter an integer."},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    answer = [&c](CMainSystemProperties& sheet) {
      sheet.systemPage()->memoryEdit()->setText(c.text);
      sheet.accept();
      if (sheet.result() != QDialog::Accepted) sheet.reject();
    };
    EXPECT_EQ(opener.openSystemSheet(), c.message.empty()) << c.text;
    EXPECT_EQ(messages.shown, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
        << c.text;
    if (c.message.empty()) {
      EXPECT_EQ(doc.configuration().system.memorySize, std::atoi(c.text));
    }
  }
}

TEST_F(SystemSheetTest, RefusedSizeKeepsTheFocusWithItsTextSelected) {
  QWidget* focused = nullptr;
  QWidget* memoryEdit = nullptr;
  QString selected;
  answer = [&](CMainSystemProperties& sheet) {
    memoryEdit = sheet.systemPage()->memoryEdit();
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    sheet.systemPage()->memoryEdit()->setText("4090");
    sheet.tabs()->setCurrentIndex(1);
    focused = QApplication::focusWidget();
    selected = sheet.systemPage()->memoryEdit()->selectedText();
    sheet.reject();
  };
  EXPECT_FALSE(opener.openSystemSheet());
  EXPECT_EQ(focused, memoryEdit);
  EXPECT_EQ(selected, "4090");
  EXPECT_EQ(messages.shown, std::vector<std::string>{kRange});
}

TEST_F(SystemSheetTest, ACpuModelWithADoubleQuoteIsRefused) {
  const std::string before = doc.configuration().system.model;
  answer = [](CMainSystemProperties& sheet) {
    sheet.systemPage()->modelBox()->setEditText("PDP 11/73 \"B\"");
    sheet.accept();
    if (sheet.result() != QDialog::Accepted) sheet.reject();
  };
  EXPECT_FALSE(opener.openSystemSheet());
  EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: The CPU model cannot contain a double quote."});
  EXPECT_EQ(doc.configuration().system.model, before);
}

// Text copied as a whole line brings its line break along.
TEST_F(SystemSheetTest, APastedCpuModelWithALineBreakIsRefused) {
  const std::string before = doc.configuration().system.model;
  answer = [](CMainSystemProperties& sheet) {
    QApplication::clipboard()->setText("PDP 11/94\r\nload DL11 TTZ");
    sheet.systemPage()->modelBox()->lineEdit()->clear();
    sheet.systemPage()->modelBox()->lineEdit()->paste();
    sheet.accept();
    if (sheet.result() != QDialog::Accepted) sheet.reject();
  };
  EXPECT_FALSE(opener.openSystemSheet());
  EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: The CPU model cannot contain a line break."});
  EXPECT_EQ(doc.configuration().system.model, before);
}

// A CPU model longer than a line edit keeps by default comes back whole.
TEST_F(SystemSheetTest, AVeryLongCpuModelComesBackWhole) {
  const std::string longModel(40000, 'M');
  doc.configuration().system.model = longModel;
  answer = [](CMainSystemProperties& sheet) { sheet.accept(); };
  EXPECT_TRUE(opener.openSystemSheet());
  EXPECT_EQ(doc.configuration().system.model, longModel);
}

TEST_F(SystemSheetTest, TypedCpuModelIsKeptAndSetsTheBus) {
  answer = [](CMainSystemProperties& sheet) {
    sheet.systemPage()->modelBox()->setEditText("PDP 11/73");
    sheet.accept();
  };
  EXPECT_TRUE(opener.openSystemSheet());
  EXPECT_EQ(doc.configuration().system.model, "PDP 11/73");
  EXPECT_EQ(doc.checker().systemBus(), BusQbus);
  EXPECT_TRUE(doc.isModified());
}

// Typing the start of a listed model ("PDP 11/7" of "PDP 11/70") keeps the
// typed text: a model the table does not know is kept as it stands.
TEST_F(SystemSheetTest, TypedStartOfAListedCpuModelIsKept) {
  answer = [](CMainSystemProperties& sheet) {
    sheet.show();
    QApplication::setActiveWindow(&sheet);
    QComboBox* box = sheet.systemPage()->modelBox();
    sheet.tabs()->setCurrentIndex(0);
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "PDP 11/7");
    sheet.accept();
  };
  EXPECT_TRUE(opener.openSystemSheet());
  EXPECT_EQ(doc.configuration().system.model, "PDP 11/7");
}

TEST(CommentsPage, ConvertsLineEndsAtTheEdit) {
  EXPECT_EQ(commentsToEditText("one\r\ntwo\r\n"), "one\ntwo\n");
  EXPECT_EQ(editTextToComments("one\ntwo"), "one\r\ntwo");
  // A CR inside a line stays in its line, shown as the CR symbol.
  EXPECT_EQ(commentsToEditText("a\rb"), QString("a") + QChar(0x240D) + "b");
  EXPECT_EQ(editTextToComments(QString("a") + QChar(0x240D) + "b"), "a\rb");
  std::string stored = "one\r\ntwo";
  RecordingMessages messages;
  CDeviceCommentsPage page(sheetPicture(DeviceGroup::Disks), stored, messages);
  EXPECT_EQ(page.editor()->toPlainText(), "one\ntwo");
  page.editor()->appendPlainText("three");
  page.writeBack();
  EXPECT_EQ(stored, "one\r\ntwo\r\nthree");
}

TEST(CommentsPage, KeepsEveryByteThroughARoundTrip) {
  // UTF-8 letters (one holds the byte 0xA0, a no-break space in Latin-1), a
  // Latin-1 letter and a line with a lone CR.
  const std::string original = "caf\xC3\xA9 \xC3\xA0 la \xE9t\xE9\r\nsecond\rstill";
  std::string stored = original;
  RecordingMessages messages;
  CDeviceCommentsPage untouched(sheetPicture(DeviceGroup::Disks), stored, messages);
  untouched.writeBack();
  EXPECT_EQ(stored, original);
  // A bare LF, as a hand-edited script may hold, is not turned into CR LF.
  stored = "a\nb";
  CDeviceCommentsPage bare(sheetPicture(DeviceGroup::Disks), stored, messages);
  bare.writeBack();
  EXPECT_EQ(stored, "a\nb");

  // An edit elsewhere in the text keeps the other bytes too.
  stored = "caf\xC3\xA9 \xC3\xA0\r\nend";
  CDeviceCommentsPage edited(sheetPicture(DeviceGroup::Disks), stored, messages);
  edited.editor()->appendPlainText("new");
  edited.writeBack();
  EXPECT_EQ(stored, "caf\xC3\xA9 \xC3\xA0\r\nend\r\nnew");

  stored = "a\rb\r\nc";
  CDeviceCommentsPage loneCr(sheetPicture(DeviceGroup::Disks), stored, messages);
  loneCr.editor()->appendPlainText("new");
  loneCr.writeBack();
  EXPECT_EQ(stored, "a\rb\r\nc\r\nnew");
}

// A typed character without a byte of the scripts' code page would be saved
// as "?": the page is not left with it. The euro sign has its byte.
TEST(CommentsPage, RefusesACharacterAScriptCannotStore) {
  std::string stored = "old";
  RecordingMessages messages;
  CDeviceCommentsPage page(sheetPicture(DeviceGroup::Disks), stored, messages);
  page.editor()->setPlainText(QString::fromUtf8("price 5 \u20AC, \u0416ukov"));
  EXPECT_FALSE(page.validate());
  EXPECT_EQ(messages.shown, std::vector<std::string>{
                                "stop: The comments hold \"\u0416\", which a configuration file cannot store."});
  page.editor()->setPlainText(QString::fromUtf8("price 5 \u20AC"));
  EXPECT_TRUE(page.validate());
  page.writeBack();
  EXPECT_EQ(stored, "price 5 \x80");
}

// The CR symbol stands for a CR inside a line; typed at the end of a line
// it would be dropped by the next read, so the page is not left with it.
TEST(CommentsPage, RefusesACrSymbolAtTheEndOfALine) {
  const QString cr(QChar(0x240D));
  std::string stored = "old";
  RecordingMessages messages;
  CDeviceCommentsPage page(sheetPicture(DeviceGroup::Disks), stored, messages);
  for (const QString& typed : {"a" + cr + "\nb", "a\nb" + cr, cr}) {
    messages.shown.clear();
    page.editor()->setPlainText(typed);
    EXPECT_FALSE(page.validate()) << typed.toStdString();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: The comments hold \"\u240D\" at the end of a line, "
                                                       "which a configuration file cannot store."});
  }
  page.editor()->setPlainText("a" + cr + "b\nc");
  EXPECT_TRUE(page.validate());
  page.writeBack();
  EXPECT_EQ(stored, "a\rb\r\nc");
}

TEST_F(SystemSheetTest, ACpuModelACharacterAScriptCannotStoreIsRefused) {
  const std::string before = doc.configuration().system.model;
  answer = [](CMainSystemProperties& sheet) {
    sheet.systemPage()->modelBox()->setEditText(QString::fromUtf8("PDP 11/73 \u2116 2"));
    sheet.accept();
    if (sheet.result() != QDialog::Accepted) sheet.reject();
  };
  EXPECT_FALSE(opener.openSystemSheet());
  EXPECT_EQ(messages.shown, std::vector<std::string>{
                                "stop: The CPU model holds \"\u2116\", which a configuration file cannot store."});
  EXPECT_EQ(doc.configuration().system.model, before);
}
