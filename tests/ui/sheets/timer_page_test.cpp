#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include "devices/timer_device.h"
#include "kind_page_fixture.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/timer_specific_properties.h"

namespace {

using TimerPageTest = KindPageTest<CTimerSpecificProperties>;

// Which of the four groups a page enables, in their order on the page.
std::vector<bool> enabledGroups(const CTimerSpecificProperties& page) {
  return {page.vector1Group()->isEnabled(), page.kw11wGroup()->isEnabled(), page.lineFrequencyGroup()->isEnabled(),
          page.kwv11Group()->isEnabled()};
}

}  // namespace

TEST_F(TimerPageTest, EachTypeEnablesItsOwnGroupsAndListsItsModelsChoices) {
  struct Case {
    const char* type;
    std::vector<bool> groups;  // vector1, KW11-W, line frequency, KWV11
    QStringList vector1s, vector2s, frequencies;
  };
  const Case cases[] = {
      {"KW11-L", {false, false, true, false}, {}, {}, {"50", "60"}},
      {"KW11-P", {false, false, true, false}, {}, {}, {"50", "60"}},
      {"KW11-W", {true, true, false, false}, {"350"}, {"354"}, {}},
      {"KWV11", {true, false, true, true}, {"446"}, {}, {"50", "60"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    read(std::string("load ") + c.type + " KWA\n");
    look("KWA", [&](CBusDeviceProperties&, CTimerSpecificProperties& page) {
      EXPECT_EQ(enabledGroups(page), c.groups);
      // The controls follow their group.
      EXPECT_EQ(page.vector1Box()->isEnabled(), c.groups[0]);
      EXPECT_EQ(page.vector2Box()->isEnabled(), c.groups[1]);
      EXPECT_EQ(page.silentCheck()->isEnabled(), c.groups[1]);
      EXPECT_EQ(page.lineFrequencyBox()->isEnabled(), c.groups[2]);
      EXPECT_EQ(page.linesEdit()->isEnabled(), c.groups[3]);
      EXPECT_EQ(itemsOf(page.vector1Box()), c.vector1s);
      EXPECT_EQ(itemsOf(page.vector2Box()), c.vector2s);
      EXPECT_EQ(itemsOf(page.lineFrequencyBox()), c.frequencies);
      EXPECT_EQ(page.silentCheck()->isChecked(), std::string(c.type) == "KW11-W");
    });
  }
}

// A type word in other letter case still decides the groups.
TEST_F(TimerPageTest, TheTypeDecidesInAnyLetterCase) {
  read("load KW11-W KWA\n");
  device<VelmorTimerDevice>("KWA").type = "kw11-w";
  look("KWA", [&](CBusDeviceProperties&, CTimerSpecificProperties& page) {
    EXPECT_EQ(enabledGroups(page), (std::vector<bool>{true, true, false, false}));
  });
}

TEST_F(TimerPageTest, ValuesOutsideTheModelsChoicesAreAddedAndSelected) {
  read("load KWV11 KWA\nset KWA vector1=500 linefrequency=400.\nload KW11-W KWB\nset KWB vector2=-4\n");
  look("KWA", [&](CBusDeviceProperties&, CTimerSpecificProperties& page) {
    EXPECT_EQ(itemsOf(page.vector1Box()), (QStringList{"446", "500"}));
    EXPECT_EQ(page.vector1Box()->currentText(), "500");
    EXPECT_EQ(itemsOf(page.lineFrequencyBox()), (QStringList{"400", "50", "60"}));
    EXPECT_EQ(page.lineFrequencyBox()->currentText(), "400");
  });
  look("KWB", [&](CBusDeviceProperties&, CTimerSpecificProperties& page) {
    EXPECT_EQ(page.vector2Box()->currentText(), "-4");
  });
}

TEST_F(TimerPageTest, TheWritersSetTheFieldsOfTheTypesGroups) {
  read("load KWV11 KWA\nset KWA vector1=500\n");
  ASSERT_TRUE(confirm("KWA", [](CBusDeviceProperties&, CTimerSpecificProperties& page) {
    choose(page.vector1Box(), "446");
    choose(page.lineFrequencyBox(), "60");
    page.overflowPulseCheck()->setChecked(true);
    page.internalOnlyCheck()->setChecked(true);
    page.linesEdit()->setText("0 1  2");
  }));
  const auto& kwv11 = device<VelmorTimerDevice>("KWA");
  EXPECT_EQ(kwv11.vector1, 0446);
  EXPECT_EQ(kwv11.linefrequency, 60);
  EXPECT_TRUE(kwv11.overflowPulse);
  EXPECT_TRUE(kwv11.internalOnly);
  EXPECT_EQ(kwv11.lines, "0 1  2");

  read("load KW11-W KWA\nset KWA vector1=360 vector2=364\n");
  ASSERT_TRUE(confirm("KWA", [](CBusDeviceProperties&, CTimerSpecificProperties& page) {
    choose(page.vector1Box(), "350");
    choose(page.vector2Box(), "354");
    page.silentCheck()->setChecked(false);
  }));
  const auto& kw11w = device<VelmorTimerDevice>("KWA");
  EXPECT_EQ(kw11w.vector1, 0350);
  EXPECT_EQ(kw11w.vector2, 0354);
  EXPECT_FALSE(kw11w.silent);
}

// A KW11-L's disabled boxes show no vector; confirming must not write one
// (an empty text would read as 0), nor the options of other types.
TEST_F(TimerPageTest, DisabledGroupsLeaveTheirFields) {
  read("load KW11-L KWA\n");
  ASSERT_TRUE(confirm("KWA", [](CBusDeviceProperties&, CTimerSpecificProperties& page) {
    page.silentCheck()->setChecked(true);
    page.overflowPulseCheck()->setChecked(true);
    page.linesEdit()->setText("\"x");  // not looked at either
    choose(page.lineFrequencyBox(), "60");
  }));
  const auto& timer = device<VelmorTimerDevice>("KWA");
  EXPECT_EQ(timer.vector1, -1);
  EXPECT_EQ(timer.vector2, -1);
  EXPECT_FALSE(timer.silent);
  EXPECT_FALSE(timer.overflowPulse);
  EXPECT_EQ(timer.lines, "");
  EXPECT_EQ(timer.linefrequency, 60);
}

TEST_F(TimerPageTest, LinesAScriptCannotHoldAreRefused) {
  struct Case {
    QString lines;
    std::string message;
  };
  const Case cases[] = {
      {"1\"2", "stop: The lines text cannot contain a double quote."},
      {"1\n2", "stop: The lines text cannot contain a line break."},
      {QString::fromUtf8("1\u04162"), "stop: The lines text holds \"\u0416\", which a configuration file cannot store."},
  };
  read("load KWV11 KWA\n");
  for (const Case& c : cases) {
    messages.shown.clear();
    EXPECT_FALSE(confirm("KWA", [&](CBusDeviceProperties&, CTimerSpecificProperties& page) {
      page.linesEdit()->setText(c.lines);
    }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
  }
  EXPECT_EQ(device<VelmorTimerDevice>("KWA").lines, "");
}

TEST_F(TimerPageTest, AnotherTypeOnTheGeneralPageIsShownWhenThePageIsShown) {
  read("load KW11-L KWA\nset KWA linefrequency=60.\n");
  ASSERT_TRUE(confirm("KWA", [](CBusDeviceProperties& general, CTimerSpecificProperties& page) {
    choose(general.typeBox(), "KW11-W");
    // Not yet seen: the page still shows the KW11-L.
    EXPECT_EQ(enabledGroups(page), (std::vector<bool>{false, false, true, false}));
    page.shown();
    EXPECT_EQ(enabledGroups(page), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(page.vector1Box()->currentText(), "350");
    EXPECT_EQ(page.vector2Box()->currentText(), "354");
    EXPECT_TRUE(page.silentCheck()->isChecked());
    page.silentCheck()->setChecked(false);
  }));
  const auto& timer = first<VelmorTimerDevice>(DeviceListId::Timers);
  EXPECT_EQ(timer.type, "KW11-W");
  EXPECT_EQ(timer.vector1, 0350);
  EXPECT_FALSE(timer.silent);
}

// Back at the device's own type the page shows the device's values again.
TEST_F(TimerPageTest, ReturningToTheOwnTypeShowsTheDevicesValues) {
  read("load KWV11 KWA\nset KWA linefrequency=400. lines=abc\n");
  look("KWA", [](CBusDeviceProperties& general, CTimerSpecificProperties& page) {
    choose(general.typeBox(), "KW11-P");
    page.shown();
    EXPECT_EQ(page.lineFrequencyBox()->currentText(), "50");
    EXPECT_FALSE(page.kwv11Group()->isEnabled());
    choose(general.typeBox(), "KWV11");
    page.shown();
    EXPECT_EQ(page.lineFrequencyBox()->currentText(), "400");
    EXPECT_EQ(page.linesEdit()->text(), "abc");
  });
}

// Values chosen for the old type are not forced on the new one when the
// page was not looked at again: the new type's defaults stand.
TEST_F(TimerPageTest, ATypeChangedUnseenKeepsTheNewTypesDefaults) {
  read("load KWV11 KWA\n");
  ASSERT_TRUE(confirm("KWA", [](CBusDeviceProperties& general, CTimerSpecificProperties& page) {
    choose(page.lineFrequencyBox(), "60");
    page.linesEdit()->setText("abc");
    choose(general.typeBox(), "KW11-L");
  }));
  const auto& timer = first<VelmorTimerDevice>(DeviceListId::Timers);
  EXPECT_EQ(timer.type, "KW11-L");
  EXPECT_EQ(timer.linefrequency, 50);
  EXPECT_EQ(timer.lines, "");
}

TEST_F(TimerPageTest, AnUnchangedSheetKeepsTheWrittenForm) {
  expectUnchangedByOk(
      "KWA", {
                 "load KW11-L KWA\nset KWA linefrequency=0\n",
                 "load KW11-L KWA\nset KWA linefrequency=60.\n",
                 "load KW11-P KWA\nset KWA linefrequency=1234\n",
                 "load KW11-W KWA\nset KWA vector1=0 vector2=-7 silent=0\n",
                 "load KWV11 KWA\nset KWA vector1=7 overflow_pulse=1 internal_only=1 lines=\" a  b \"\n",
                 "load KWV11 KWA\nset KWA linefrequency=60. lines=a#b=c\n",
             });
}
