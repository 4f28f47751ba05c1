#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "config/document.h"
#include "devices/number_format.h"
#include "devices/velmor_unit_device.h"
#include "support/counting_window.h"
#include "support/device_script.h"
#include "support/recording_messages.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/device_comments_page.h"
#include "ui/sheets/device_sheets.h"
#include "ui/sheets/property_sheet_opener.h"
#include "ui/sheets/qt_printing.h"

namespace {

// Whether every page shows a picture.
bool everyPageHasAPicture(const CPropertySheet& sheet) {
  for (int i = 0; i < sheet.pageCount(); ++i) {
    bool found = false;
    for (const QLabel* label : sheet.page(i)->findChildren<QLabel*>()) found = found || !label->pixmap().isNull();
    if (!found) return false;
  }
  return true;
}

QStringList tabTexts(const CPropertySheet& sheet) {
  QStringList texts;
  for (int i = 0; i < sheet.tabs()->count(); ++i) texts << sheet.tabs()->tabText(i);
  return texts;
}

// Sheets are answered by `answer`, which edits the sheet and closes it.
struct SheetOpenerTest : ::testing::Test {
  void SetUp() override {
    doc.OnNewDocument();
    doc.setWindow(&window);
    opener.setSheetRunner([this](QDialog& dialog) {
      answer(dialog);
      return dialog.result();
    });
  }
  std::string add(AddKind kind, const std::string& type) {
    const std::string name = doc.AddDevice(kind, type);
    doc.setModified(false);
    window.resets = 0;
    return name;
  }
  VelmorBusDevice& device(const std::string& name) { return *doc.configuration().FindBusDevice(name); }
  static CDeviceSheet& sheetOf(QDialog& dialog) { return dynamic_cast<CDeviceSheet&>(dialog); }

  RecordingMessages messages;
  CountingWindow window;
  CVelmorCfgEditorDoc doc{messages};
  CPropertySheetOpener opener{doc, nullptr};
  std::function<void(QDialog&)> answer = [](QDialog& dialog) { dialog.reject(); };
};

}  // namespace

TEST_F(SheetOpenerTest, EachKindGetsItsSheet) {
  struct Case {
    AddKind kind;
    const char* type;
    const char* caption;
    QStringList tabs;
  };
  const QStringList common{"General", "Comments"};
  const Case cases[] = {
      {AddKind::Disk, "MSCP", "Disk Controllers  Properties", {"General", "Disk Units", "Comments"}},
      {AddKind::Tape, "TMSCP", "Tape Controllers Properties", {"General", "Tape Units", "Comments"}},
      {AddKind::Serial, "DL11", "Serial Line Controllers Properties", {"General", "Serial device specific ", "Comments"}},
      {AddKind::Serial, "LP11", "Serial Line Controllers Properties", {"General", "Serial device specific ", "Comments"}},
      {AddKind::Network, "DEQNA", "Network Adapters Properties", {"General", "Network specific", "Comments"}},
      {AddKind::Va1000, "VA1000", "Va1000 Adapters Properties", {"General", "Va1000 specific", "Comments"}},
      {AddKind::Bridge, "QBUS-BRIDGE", "Bridge Adapters  Properties", {"General", "Bridge Specific", "Comments"}},
      {AddKind::TimerOrClock, "KW11-L", "Timer Devices Properties", {"General", "Timer/Clock specific", "Comments"}},
      {AddKind::TimerOrClock, "TOY", "Clock Devices Properties", common},
      {AddKind::Parallel, "DRXXX", "DAQ Device Properties", {"General", "DRXXX specific properties", "Comments"}},
      {AddKind::Parallel, "DRV11", "DCI1300 Device Properties", {"General", "DCI1300 Specific ", "Comments"}},
      {AddKind::Loader, "LOADER", "Binary Loader Properties", {"Loader Units", "Comments"}},
      {AddKind::ROM, "ROM", "ROM Device Properties", {"General", "ROM specific properties", "Comments"}},
  };
  for (const Case& c : cases) {
    const std::string name = add(c.kind, c.type);
    ASSERT_FALSE(name.empty()) << c.type;
    QString caption;
    QStringList tabs;
    bool pictures = false;
    answer = [&](QDialog& dialog) {
      caption = dialog.windowTitle();
      tabs = tabTexts(sheetOf(dialog));
      pictures = everyPageHasAPicture(sheetOf(dialog));
      dialog.reject();
    };
    EXPECT_FALSE(opener.openPropertySheet(name)) << c.type;
    EXPECT_EQ(caption, c.caption) << c.type;
    EXPECT_EQ(tabs, c.tabs) << c.type;
    EXPECT_TRUE(pictures) << c.type;
  }
}

TEST_F(SheetOpenerTest, ConfirmedSheetWithoutChangesMarksModified) {
  const std::string name = add(AddKind::Disk, "RL11");
  device(name).comments = "a\r\nb";
  const std::string before = writtenForm(device(name));
  answer = [](QDialog& dialog) { dialog.accept(); };
  EXPECT_TRUE(opener.openPropertySheet(name));
  EXPECT_EQ(writtenForm(device(name)), before);
  EXPECT_TRUE(doc.isModified());
  EXPECT_EQ(window.resets, 1);
}

TEST_F(SheetOpenerTest, CancelLeavesTheDeviceUntouched) {
  const std::string name = add(AddKind::Serial, "DL11");
  const std::string before = writtenForm(device(name));
  answer = [](QDialog& dialog) {
    CDeviceSheet& sheet = sheetOf(dialog);
    sheet.generalPage()->typeBox()->setCurrentText("DHV11");
    sheet.commentsPage()->editor()->setPlainText("changed");
    dialog.reject();
  };
  EXPECT_FALSE(opener.openPropertySheet(name));
  EXPECT_EQ(writtenForm(device(name)), before);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(SheetOpenerTest, TypeChangeRebuildsTheUnits) {
  const std::string name = add(AddKind::Serial, "DL11");
  answer = [](QDialog& dialog) {
    sheetOf(dialog).generalPage()->typeBox()->setCurrentText("DHV11");
    dialog.accept();
  };
  EXPECT_TRUE(opener.openPropertySheet(name));
  auto& rewritten = static_cast<VelmorUnitDevice&>(device("YVA"));
  EXPECT_EQ(rewritten.type, "DHV11");
  EXPECT_EQ(rewritten.units, 16);
  EXPECT_EQ(rewritten.unitCount(), 16u);
}

TEST_F(SheetOpenerTest, TakenNameKeepsTheSheetOpen) {
  const std::string first = add(AddKind::Disk, "MSCP");
  const std::string second = add(AddKind::Disk, "MSCP");
  bool stayed = false;
  answer = [&](QDialog& dialog) {
    CDeviceSheet& sheet = sheetOf(dialog);
    sheet.generalPage()->nameEdit()->setText(QString::fromStdString(first).toLower());
    dialog.accept();
    stayed = dialog.result() != QDialog::Accepted;
    // Nor may the user leave the page for another tab.
    sheet.tabs()->setCurrentIndex(1);
    stayed = stayed && sheet.tabs()->currentIndex() == 0;
    dialog.reject();
  };
  EXPECT_FALSE(opener.openPropertySheet(second));
  EXPECT_TRUE(stayed);
  const std::string refusal = "stop: Device with such name already exists. Specify another name.";
  EXPECT_EQ(messages.shown, (std::vector<std::string>{refusal, refusal}));
  EXPECT_EQ(device(second).name, second);
}

TEST_F(SheetOpenerTest, RefusedPageKeepsTheFocusOnTheName) {
  const std::string name = add(AddKind::Disk, "MSCP");
  QWidget* focused = nullptr;
  QWidget* nameEdit = nullptr;
  answer = [&](QDialog& dialog) {
    CDeviceSheet& sheet = sheetOf(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    nameEdit = sheet.generalPage()->nameEdit();
    sheet.generalPage()->nameEdit()->clear();
    sheet.tabs()->setCurrentIndex(1);
    focused = QApplication::focusWidget();
    dialog.reject();
  };
  EXPECT_FALSE(opener.openPropertySheet(name));
  EXPECT_EQ(focused, nameEdit);
  EXPECT_EQ(messages.shown, std::vector<std::string>{"stop: Empty device name is not allowed.Specify valid name."});
}

TEST_F(SheetOpenerTest, EnterConfirmsAndEscapeCancels) {
  const std::string name = add(AddKind::Disk, "MSCP");
  using Field = std::function<QWidget*(CBusDeviceProperties&)>;
  auto pressIn = [this](Qt::Key key, Field field) {
    answer = [key, field](QDialog& dialog) {
      dialog.show();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
      QWidget* target = field(*sheetOf(dialog).generalPage());
      target->setFocus();
      QTest::keyClick(target, key);
      // A key the sheet did not take leaves it open: close it as cancelled.
      if (dialog.isVisible()) dialog.reject();
    };
  };
  const Field nameEdit = [](CBusDeviceProperties& page) { return page.nameEdit(); };
  const Field fields[] = {
      nameEdit,
      [](CBusDeviceProperties& page) { return page.registerBox()->lineEdit(); },
      [](CBusDeviceProperties& page) { return page.typeBox(); },
      [](CBusDeviceProperties& page) { return page.priorityBox(); },
  };
  pressIn(Qt::Key_Escape, nameEdit);
  EXPECT_FALSE(opener.openPropertySheet(name));
  EXPECT_FALSE(doc.isModified());
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    doc.setModified(false);
    pressIn(Qt::Key_Return, fields[i]);
    EXPECT_TRUE(opener.openPropertySheet(name)) << i;
    EXPECT_TRUE(doc.isModified()) << i;
  }
}

TEST_F(SheetOpenerTest, TabOrderFollowsTheFields) {
  const std::string name = add(AddKind::Disk, "MSCP");
  answer = [](QDialog& dialog) {
    CBusDeviceProperties* general = sheetOf(dialog).generalPage();
    QWidget* expected[] = {general->typeBox(), general->modelBox(), general->nameEdit(), general->registerBox(),
                           general->vectorBox(), general->priorityBox()};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
      QWidget* next = expected[i]->nextInFocusChain();
      // Skipping what Tab passes by: labels, and an editable box's own line edit.
      while (next && (next->parentWidget() == expected[i] || !(next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
      EXPECT_EQ(next, expected[i + 1]) << i;
    }
    dialog.reject();
  };
  opener.openPropertySheet(name);
}

TEST_F(SheetOpenerTest, CommentsAreWrittenWithCrLf) {
  const std::string name = add(AddKind::Tape, "TMSCP");
  answer = [](QDialog& dialog) {
    sheetOf(dialog).commentsPage()->editor()->setPlainText("first\nsecond");
    dialog.accept();
  };
  EXPECT_TRUE(opener.openPropertySheet(name));
  EXPECT_EQ(device(name).comments, "first\r\nsecond");
}

TEST_F(SheetOpenerTest, DisabledDeviceOpensNothing) {
  const std::string name = add(AddKind::Disk, "MSCP");
  doc.Disable(name);
  bool shown = false;
  answer = [&shown](QDialog& dialog) {
    shown = true;
    dialog.accept();
  };
  EXPECT_FALSE(opener.openPropertySheet(name));
  EXPECT_FALSE(shown);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SheetOpenerTest, EnterInTheCommentsStartsANewLine) {
  const std::string name = add(AddKind::Disk, "MSCP");
  bool stayedOpen = false;
  answer = [&stayedOpen](QDialog& dialog) {
    CDeviceSheet& sheet = sheetOf(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    sheet.tabs()->setCurrentIndex(1);
    QPlainTextEdit* editor = sheet.commentsPage()->editor();
    editor->setFocus();
    QTest::keyClicks(editor, "one");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "two");
    stayedOpen = dialog.isVisible();
    dialog.accept();
  };
  EXPECT_TRUE(opener.openPropertySheet(name));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(device(name).comments, "one\r\ntwo");
}

TEST_F(SheetOpenerTest, ModelChangeStoresTheRegisterShown) {
  const std::string name = add(AddKind::Disk, "RH11");
  QString shown;
  answer = [&shown](QDialog& dialog) {
    CBusDeviceProperties* general = sheetOf(dialog).generalPage();
    general->modelBox()->setCurrentText("RS03");
    shown = general->registerBox()->currentText();
    dialog.accept();
  };
  EXPECT_TRUE(opener.openPropertySheet(name));
  EXPECT_EQ(formatOctal(device("DSA").registerAddress), shown.toStdString());
  EXPECT_EQ(device("DSA").model, "RS03");
}
