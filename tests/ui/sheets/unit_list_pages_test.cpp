#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "combo_box_items.h"
#include "devices/disk_device.h"
#include "devices/loader_device.h"
#include "devices/serial_device.h"
#include "devices/tape_device.h"
#include "support/device_script.h"
#include "ui/sheets/bus_device_properties.h"
#include "ui/sheets/disk_specific_properties.h"
#include "ui/sheets/loader_specific_properties.h"
#include "ui/sheets/qt_printing.h"
#include "ui/sheets/serial_specific_properties.h"
#include "ui/sheets/tape_specific_properties.h"
#include "ui/sheets/unit_bulb.h"
#include "ui/ui_fixtures.h"

namespace {

enum class Kind { Disk, Tape, Serial, Loader };

std::unique_ptr<CUnitListPage> makePage(Kind kind, const DeviceSheetContext& context,
                                        const CBusDeviceProperties& general, UnitSheetRunner runner) {
  const QPixmap picture;
  switch (kind) {
    case Kind::Disk: return std::make_unique<CDiskSpecificProperties>(picture, context, general, runner);
    case Kind::Tape: return std::make_unique<CTapeSpecificProperties>(picture, context, general, runner);
    case Kind::Serial: return std::make_unique<CSerialSpecificProperties>(picture, context, general, runner);
    case Kind::Loader: return std::make_unique<CLoaderSpecificProperties>(picture, context, runner);
  }
  return nullptr;
}

QStringList itemTexts(const CUnitListPage& page) {
  QStringList texts;
  for (int i = 0; i < page.unitList()->count(); ++i) texts << page.unitList()->item(i)->text();
  return texts;
}

std::vector<bool> bulbs(const CUnitListPage& page) {
  std::vector<bool> lit;
  for (int i = 0; i < page.unitList()->count(); ++i)
    lit.push_back(page.unitList()->item(i)->data(kBulbLitRole).toBool());
  return lit;
}

template <class Unit>
const Unit& recordAs(const CUnitListPage& page, std::size_t row) {
  return static_cast<const Unit&>(*page.records().at(row));
}

// Devices read from script text with what a unit list must show and keep:
// files with blanks, unit comments, a boot unit, a count above the type's,
// offline units that still hold a file, a vector1 outside the choices.
struct ScriptCase {
  Kind kind;
  const char* name;
  std::string script;
  QStringList items;
  std::vector<bool> lit;
};

const ScriptCase kScripts[] = {
    {Kind::Disk, "DUA",
     "load MSCP DUA\n"
     "set DUA units=6\n"
     "#system disk\r\n#second line\n"
     "set DUA file[0]=\"rsx 11.dsk\" caching[0]=0 delay_factor[0]=10.\n"
     "set DUA file[2]=\"off.dsk\" offline[2]=yes\n"
     "set DUA file[5]=\"five.dsk\" sector_size[5]=400\n"
     "boot DUA 5\n",
     {"unit 0 -> [rsx 11.dsk]", "unit 1", "unit 2 -> [off.dsk]", "unit 3", "unit 4", "unit 5 -> [five.dsk]"},
     {true, false, false, false, false, true}},
    {Kind::Tape, "MSA",
     "load TS11 MSA\n"
     "#drive one\n"
     "set MSA file[1]=\"image t 1.mtd\" writeprotect[1]=1 loaded[1]=0 volume_size[1]=20.\n"
     "set MSA file[3]=\"port 2000\"\n"
     "boot MSA 1\n",
     {"unit 0", "unit 1 -> [image t 1.mtd]", "unit 2", "unit 3 -> [port 2000]"},
     {false, true, false, true}},
    {Kind::Serial, "YZA",
     "load DZ11 YZA\n"
     "set YZA vector1=71\n"
     "#console\n"
     "set YZA line[0]=\"run terminal\" speed[0]=300 bits[0]=7\n"
     "set YZA line[3]=\"\\\\.\\COM2\" offline[3]=yes\n"
     "set YZA line[5]=\"\" rx_trace[5]=1\n",
     {"line 0 -> [run terminal]", "line 1", "line 2", "line 3 -> [\\\\.\\COM2]", "line 4", "line 5", "line 6",
      "line 7"},
     {true, false, false, false, false, true, false, false}},
    {Kind::Loader, "LDA",
     "load LOADER LDA\n"
     "set LDA file[0]=\"boot.oct\" load[0]=1000\n"
     "#image nine\n"
     "set LDA file[9]=\"x y.bin\" offset[9]=20\n"
     "boot LDA 9\n",
     {"unit 0 -> [boot.oct]", "unit 1", "unit 2", "unit 3", "unit 4", "unit 5", "unit 6", "unit 7", "unit 8",
      "unit 9 -> [x y.bin]", "unit 10", "unit 11", "unit 12", "unit 13", "unit 14", "unit 15"},
     {true, false, false, false, false, false, false, false, false, true, false, false, false, false, false, false}},
};

struct UnitListPagesTest : ::testing::Test {
  void open(const std::string& script) { ASSERT_TRUE(fixture.open(script)) << fixture.messages.shown.size(); }
  VelmorBusDevice& device(const std::string& name) { return *fixture.doc.configuration().FindBusDevice(name); }

  // Runs the device's sheet through the document on its working copy, with
  // the General page and the kind's unit list; `act` works the pages and
  // answers whether the user confirms.
  bool runSheet(const std::string& name, Kind kind,
                const std::function<bool(CBusDeviceProperties&, CUnitListPage&)>& act) {
    return fixture.doc.DeviceProperties(name, [&](VelmorBusDevice& copy, DeviceSheetValues& values) {
      values.comments = copy.comments;  // no Comments page here: the comments stay
      DeviceSheetContext context{copy, values, fixture.doc.configuration(), fixture.messages, dialogs};
      CBusDeviceProperties general(QPixmap(), copy, fixture.doc.configuration(), fixture.messages,
                                   values.general);
      std::unique_ptr<CUnitListPage> page = makePage(kind, context, general, sheetRunner());
      if (!act(general, *page)) return false;
      EXPECT_TRUE(general.validate());
      general.writeBack();
      page->writeBack();
      return true;
    });
  }

  // The unit sheet double clicks open: `unitSheet` stands in for the user.
  UnitSheetRunner sheetRunner() {
    return [this](VelmorUnit& record, QWidget*) {
      ++unitSheetsShown;
      return unitSheet && unitSheet(record);
    };
  }

  DocumentFixture fixture;
  ScriptedDialogs dialogs;
  std::function<bool(VelmorUnit&)> unitSheet;
  int unitSheetsShown = 0;
};

}  // namespace

TEST_F(UnitListPagesTest, ItemsShowEachUnitsNumberFileAndBulb) {
  for (const ScriptCase& c : kScripts) {
    SCOPED_TRACE(c.name);
    fixture.doc.OnNewDocument();
    open(c.script);
    runSheet(c.name, c.kind, [&](CBusDeviceProperties&, CUnitListPage& page) {
      EXPECT_EQ(itemTexts(page), c.items);
      EXPECT_EQ(bulbs(page), c.lit);
      EXPECT_FALSE(page.unitList()->isSortingEnabled());
      return false;
    });
  }
}

TEST_F(UnitListPagesTest, ASheetConfirmedUnchangedKeepsTheWrittenForm) {
  for (const ScriptCase& c : kScripts) {
    SCOPED_TRACE(c.name);
    fixture.doc.OnNewDocument();
    open(c.script);
    const std::string before = writtenForm(device(c.name));
    const int bootBefore = static_cast<VelmorUnitDevice&>(device(c.name)).bootUnitNumber();
    ASSERT_TRUE(runSheet(c.name, c.kind, [](CBusDeviceProperties&, CUnitListPage& page) {
      page.shown();  // looked at, left alone
      return true;
    }));
    EXPECT_EQ(writtenForm(device(c.name)), before);
    EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(c.name)).bootUnitNumber(), bootBefore);
  }
}

TEST_F(UnitListPagesTest, ATypeChangeResetsTheUnitsAndAPlainReturnKeepsEdits) {
  open("load RL11 DLA\n"
       "set DLA file[0]=\"a.dsk\" caching[0]=0 writeprotect[0]=1\n"
       "#kept with its unit\n"
       "set DLA file[1]=\"b.dsk\"\n"
       "boot DLA 0\n");
  unitSheet = [](VelmorUnit& record) {
    record.file = "edited.dsk";
    static_cast<VelmorDiskUnit&>(record).offline = false;
    return true;
  };
  std::string renamed;
  ASSERT_TRUE(runSheet("DLA", Kind::Disk, [&](CBusDeviceProperties& general, CUnitListPage& page) {
    page.openUnit(3);
    page.shown();  // another tab and back, with the type as it was
    EXPECT_EQ(itemTexts(page).at(3), "unit 3 -> [edited.dsk]");
    EXPECT_EQ(recordAs<VelmorDiskUnit>(page, 0).file, "a.dsk");

    choose(general.typeBox(), "RH11");
    renamed = general.nameEdit()->text().toStdString();
    EXPECT_EQ(page.records().size(), 4u);  // nothing moves until the page is seen again
    page.shown();
    EXPECT_EQ(itemTexts(page), (QStringList{"unit 0", "unit 1", "unit 2", "unit 3", "unit 4", "unit 5", "unit 6",
                                            "unit 7"}));
    EXPECT_EQ(bulbs(page), std::vector<bool>(8, false));
    const auto& first = recordAs<VelmorDiskUnit>(page, 0);
    EXPECT_FALSE(first.boot);
    EXPECT_FALSE(first.writeprotect);
    EXPECT_TRUE(first.offline);
    EXPECT_EQ(first.sectorSize, 512);
    EXPECT_EQ(first.caching, 0);  // the host caching choice stays
    EXPECT_EQ(recordAs<VelmorDiskUnit>(page, 1).comments, "kept with its unit");
    EXPECT_EQ(recordAs<VelmorDiskUnit>(page, 7).caching, 1);
    return true;
  }));
  auto& disk = static_cast<VelmorDiskDevice&>(device(renamed));
  EXPECT_EQ(disk.type, "RH11");
  EXPECT_EQ(disk.unitCount(), 8u);
  EXPECT_EQ(disk.bootUnitNumber(), -1);
  EXPECT_EQ(disk.unit(1).comments, "kept with its unit");
  EXPECT_TRUE(disk.unit(3).file.empty());
}

// The new model's own line defaults and vector1 choices replace the old
// model's; what is typed into "Interrupt vector1" is read as a script would.
TEST_F(UnitListPagesTest, ASerialTypeChangeGivesTheNewModelsLinesAndVector1Choices) {
  open("load DL11 YLA\n"
       "set YLA vector1=71\n"
       "set YLA line[0]=\"run terminal\" bits[0]=7\n");
  std::string renamed;
  ASSERT_TRUE(runSheet("YLA", Kind::Serial, [&](CBusDeviceProperties& general, CUnitListPage& page) {
    QComboBox* vector1 = static_cast<CSerialSpecificProperties&>(page).vector1Box();
    EXPECT_EQ(vector1->currentText(), "71");  // not a DL11 choice: added and shown
    EXPECT_EQ(itemsOf(vector1), (QStringList{"304", "314", "324", "334", "344", "354", "364", "374", "64",
                                             "71"}));

    choose(general.typeBox(), "DZ11");
    renamed = general.nameEdit()->text().toStdString();
    page.shown();
    EXPECT_EQ(itemsOf(vector1),
              (QStringList{"304", "314", "324", "334", "344", "354", "364", "374"}));
    EXPECT_EQ(vector1->currentText(), "304");
    EXPECT_EQ(page.records().size(), 8u);
    const auto& line = recordAs<VelmorSerialUnit>(page, 0);
    EXPECT_TRUE(line.file.empty());
    EXPECT_TRUE(line.offline);
    EXPECT_EQ(line.bits, -1);  // a DZ11 line's default, where a DL11 line has 8
    EXPECT_EQ(line.speed, 9600);

    vector1->setEditText("250.");
    return true;
  }));
  auto& serial = static_cast<VelmorSerialDevice&>(device(renamed));
  EXPECT_EQ(serial.vector1, 250);
  EXPECT_EQ(serial.unitCount(), 8u);
  EXPECT_EQ(writtenForm(serial).find("line["), std::string::npos);
}

// One boot unit per controller: a unit confirmed bootable takes the mark
// from the one the script named.
TEST_F(UnitListPagesTest, MarkingAUnitBootableClearsTheOthersMark) {
  const struct {
    Kind kind;
    const char* name;
    const char* script;
  } cases[] = {
      {Kind::Disk, "DUA", "load MSCP DUA\nset DUA file[0]=\"a.dsk\" file[2]=\"c.dsk\"\nboot DUA 0\n"},
      {Kind::Tape, "MUA", "load TMSCP MUA\nset MUA file[0]=\"image a\" file[2]=\"image c\"\nboot MUA 0\n"},
      {Kind::Loader, "LDA", "load LOADER LDA\nset LDA file[0]=\"a.oct\" file[2]=\"c.oct\"\nboot LDA 0\n"},
  };
  unitSheet = [](VelmorUnit& record) {
    record.setBoot(true);
    return true;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fixture.doc.OnNewDocument();
    open(c.script);
    ASSERT_TRUE(runSheet(c.name, c.kind, [&](CBusDeviceProperties&, CUnitListPage& page) {
      const QStringList items = itemTexts(page);
      emit page.unitList()->itemDoubleClicked(page.unitList()->item(2));
      EXPECT_EQ(unitSheetsShown, 1);
      EXPECT_FALSE(page.records().at(0)->isBoot());
      EXPECT_TRUE(page.records().at(2)->isBoot());
      EXPECT_EQ(itemTexts(page), items);
      return true;
    }));
    EXPECT_EQ(static_cast<VelmorUnitDevice&>(device(c.name)).bootUnitNumber(), 2);
    unitSheetsShown = 0;
  }
}

TEST_F(UnitListPagesTest, ACancelledUnitSheetChangesNothing) {
  open("load MSCP DUA\nset DUA file[1]=\"b.dsk\"\nboot DUA 1\n");
  const std::string before = writtenForm(device("DUA"));
  // A sheet that wrote into what it was given before the user cancelled.
  unitSheet = [](VelmorUnit& record) {
    record.file = "other.dsk";
    record.setBoot(false);
    return false;
  };
  ASSERT_TRUE(runSheet("DUA", Kind::Disk, [&](CBusDeviceProperties&, CUnitListPage& page) {
    page.openUnit(1);
    EXPECT_EQ(itemTexts(page).at(1), "unit 1 -> [b.dsk]");
    EXPECT_TRUE(page.records().at(1)->isBoot());
    return true;
  }));
  EXPECT_EQ(writtenForm(device("DUA")), before);
  EXPECT_EQ(static_cast<VelmorUnitDevice&>(device("DUA")).bootUnitNumber(), 1);
}

// A confirmed unit sheet changes the record and its item; the device sees
// it only when the controller's sheet is confirmed too.
TEST_F(UnitListPagesTest, AConfirmedRecordReachesTheDeviceWithItsSheet) {
  open("load TS11 MSA\n");
  unitSheet = [](VelmorUnit& record) {
    record.file = "image new tape.mtd";
    static_cast<VelmorTapeUnit&>(record).writeprotect = true;
    return true;
  };
  const auto editUnit2 = [&](CBusDeviceProperties&, CUnitListPage& page) {
    page.openUnit(2);
    EXPECT_EQ(itemTexts(page).at(2), "unit 2 -> [image new tape.mtd]");
    EXPECT_TRUE(bulbs(page).at(2));
    return true;
  };
  const std::string untouched = writtenForm(device("MSA"));
  EXPECT_FALSE(runSheet("MSA", Kind::Tape, [&](CBusDeviceProperties& general, CUnitListPage& page) {
    editUnit2(general, page);
    return false;  // the controller's sheet cancelled
  }));
  EXPECT_EQ(writtenForm(device("MSA")), untouched);

  ASSERT_TRUE(runSheet("MSA", Kind::Tape, editUnit2));
  EXPECT_EQ(writtenForm(device("MSA")), "load TS11 MSA\n"
                                        "\n"
                                        "set MSA file[2]=\"image new tape.mtd\"\n"
                                        "set MSA writeprotect[2]=1\n");
}

// Confirmed without looking at the lines again after a type change: the
// records fill the units they have places for, the others keep the new
// type's defaults, and the new type's vector1 stands.
TEST_F(UnitListPagesTest, AnUnseenTypeChangeKeepsTheNewTypesDefaultsBeyondTheRecords) {
  open("load DL11 YLA\n"
       "set YLA vector1=71\n"
       "set YLA line[0]=\"run terminal\" speed[0]=300\n");
  std::string renamed;
  ASSERT_TRUE(runSheet("YLA", Kind::Serial, [&](CBusDeviceProperties& general, CUnitListPage&) {
    choose(general.typeBox(), "DZ11");
    renamed = general.nameEdit()->text().toStdString();
    return true;
  }));
  auto& serial = static_cast<VelmorSerialDevice&>(device(renamed));
  ASSERT_EQ(serial.unitCount(), 8u);
  EXPECT_EQ(serial.line(0)->file, "run terminal");
  EXPECT_EQ(serial.line(0)->speed, 0300);
  EXPECT_TRUE(serial.line(7)->offline);
  EXPECT_EQ(serial.line(7)->bits, -1);
  EXPECT_EQ(serial.vector1, 0304);

  // And back to one line: only the first record has a place.
  ASSERT_TRUE(runSheet(renamed, Kind::Serial, [&](CBusDeviceProperties& general, CUnitListPage&) {
    choose(general.typeBox(), "DL11");
    renamed = general.nameEdit()->text().toStdString();
    return true;
  }));
  auto& single = static_cast<VelmorSerialDevice&>(device(renamed));
  ASSERT_EQ(single.unitCount(), 1u);
  EXPECT_EQ(single.line(0)->file, "run terminal");
  EXPECT_EQ(single.vector1, 064);
}
