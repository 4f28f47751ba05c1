#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "config/configuration.h"
#include "devices/rom_device.h"
#include "kind_page_fixture.h"
#include "ui/sheets/rom_specific_properties.h"

namespace {

using ROMPageTest = KindPageTest<CROMSpecificProperties>;

const char* const kOddROM =
    "load ROM ROA\nset ROA register=17773000\nset ROA image=\" boot rom.bin \"\nset ROA rom_size=8192.\n"
    "start ROA 100.\n";

const std::string kNoAddress = "stop: Please enter an octal number, or a decimal number ending with \".\".";

VelmorROMDevice& asROM(VelmorBusDevice& device) { return dynamic_cast<VelmorROMDevice&>(device); }

}  // namespace

TEST_F(ROMPageTest, ShowsTheROMsValues) {
  ASSERT_TRUE(open(kOddROM));
  CROMSpecificProperties& page = openPage("ROA");
  EXPECT_EQ(page.imageEdit()->text(), " boot rom.bin ");
  EXPECT_EQ(page.sizeEdit()->text(), "8192");
  EXPECT_TRUE(page.bootableCheck()->isChecked());
  EXPECT_EQ(page.startAddressEdit()->text(), "144");  // 100 decimal, shown in octal
}

TEST_F(ROMPageTest, OkWithoutAChangeKeepsTheROMAsItWas) {
  expectUnchangedByOk("ROA", {kOddROM});
  const VelmorROMDevice& rom = asROM(device("ROA"));
  EXPECT_TRUE(rom.start);
  EXPECT_EQ(rom.startAddress, 100);
  expectUnchangedByOk("ROA",
                      {"load ROM ROA\nset ROA image=\"\xe9\\rom\"\nset ROA rom_size=-3.\nstart ROA -1\n"});
  EXPECT_EQ(asROM(device("ROA")).startAddress, -1);
  expectUnchangedByOk("ROA", {"load ROM ROA\n"});
}

// Typed as a script would hold it: octal, or decimal with a point.
TEST_F(ROMPageTest, TheStartAddressReadsAsAScriptDoes) {
  const struct {
    const char* typed;
    std::int32_t address;
  } cases[] = {{"1000.", 1000}, {"1000", 01000}, {" 173000 ", 0173000}, {"0", 0}};
  ASSERT_TRUE(open("load ROM ROA\nset ROA image=\"a.bin\"\n"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(confirm("ROA", [&](CBusDeviceProperties&, CROMSpecificProperties& page) {
      page.bootableCheck()->setChecked(true);
      page.startAddressEdit()->setText(c.typed);
    }));
    EXPECT_TRUE(asROM(device("ROA")).start);
    EXPECT_EQ(asROM(device("ROA")).startAddress, c.address);
  }
}

TEST_F(ROMPageTest, TheWriterSetsTheFields) {
  ASSERT_TRUE(open("load ROM ROA\nstart ROA 173000\n"));
  ASSERT_TRUE(confirm("ROA", [](CBusDeviceProperties&, CROMSpecificProperties& page) {
    page.imageEdit()->setText("m9312.bin");
    page.sizeEdit()->setText("512");
    page.bootableCheck()->setChecked(false);
  }));
  const VelmorROMDevice& rom = asROM(device("ROA"));
  EXPECT_EQ(rom.image, "m9312.bin");
  EXPECT_EQ(rom.romSize, 512);
  EXPECT_FALSE(rom.start);
  EXPECT_EQ(writtenForm(rom), "load ROM ROA\nset ROA image=\"m9312.bin\"\nset ROA rom_size=512.\n");
}

// Marked bootable, the ROM becomes the one boot device.
TEST_F(ROMPageTest, BootableTakesTheBootFromOtherDevices) {
  ASSERT_TRUE(open("load MSCP DUA\nset DUA file[0]=\"a.dsk\"\nload ROM ROA\nload ROM ROB\nboot DUA 0\n"));
  ASSERT_TRUE(IsBootDevice(device("DUA")));
  ASSERT_TRUE(confirm("ROB", [](CBusDeviceProperties&, CROMSpecificProperties& page) {
    page.bootableCheck()->setChecked(true);
    page.startAddressEdit()->setText("165000");
  }));
  EXPECT_TRUE(IsBootDevice(device("ROB")));
  EXPECT_FALSE(IsBootDevice(device("DUA")));
  EXPECT_FALSE(IsBootDevice(device("ROA")));
}

TEST_F(ROMPageTest, RefusesWhatItCannotWriteBack) {
  const struct {
    void (*type)(CROMSpecificProperties&);
    std::string message;
  } cases[] = {
      {[](CROMSpecificProperties& page) { page.sizeEdit()->setText("8192."); }, "stop: Please enter an integer."},
      {[](CROMSpecificProperties& page) { page.sizeEdit()->setText("0x10"); }, "stop: Please enter an integer."},
      {[](CROMSpecificProperties& page) { page.imageEdit()->setText("a\"b.bin"); },
       "stop: The file name cannot contain a double quote."},
      {[](CROMSpecificProperties& page) { page.imageEdit()->setText(QString::fromUtf8("\u0416.bin")); },
       "stop: The file name holds \"\u0416\", which a configuration file cannot store."},
      // A script would read these as 1 and 0: no address the user typed.
      {[](CROMSpecificProperties& page) { page.startAddressEdit()->setText("19"); }, kNoAddress},
      {[](CROMSpecificProperties& page) { page.startAddressEdit()->setText("abc"); }, kNoAddress},
      {[](CROMSpecificProperties& page) { page.startAddressEdit()->setText("12.5."); }, kNoAddress},
      {[](CROMSpecificProperties& page) { page.startAddressEdit()->setText(""); }, kNoAddress},
  };
  ASSERT_TRUE(open("load ROM ROA\n"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    messages.shown.clear();
    EXPECT_FALSE(confirm("ROA", [&](CBusDeviceProperties&, CROMSpecificProperties& page) { c.type(page); }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
    EXPECT_EQ(writtenForm(device("ROA")), "load ROM ROA\n");
  }
}

TEST_F(ROMPageTest, BrowseTakesTheChosenFileAndKeepsTheNameWhenCancelled) {
  ASSERT_TRUE(open("load ROM ROA\nset ROA image=\"old.bin\"\n"));
  CROMSpecificProperties& page = openPage("ROA");
  ASSERT_TRUE(page.browseButton()->isEnabled());
  page.browseButton()->click();
  EXPECT_EQ(page.imageEdit()->text(), "old.bin");  // cancelled
  dialogs.browsePath = "roms/new.bin";
  page.browseButton()->click();
  EXPECT_EQ(page.imageEdit()->text(), QDir::toNativeSeparators("roms/new.bin"));
  ASSERT_EQ(dialogs.browsed.size(), 2u);
  EXPECT_EQ(dialogs.browsed[1].current, "old.bin");
  EXPECT_EQ(dialogs.browsed[1].defaultSuffix, "bin");
  EXPECT_EQ(dialogs.browsed[1].filter,
            "Binary Images(*.bin)|*.bin|Octal Files(*.oct)|*.oct|All Files(*.*)|*.*||");
}

// Only the disk and tape choosers are kept to Windows NT targets; a ROM
// image, like a loader's, may be chosen for any target.
TEST_F(ROMPageTest, BrowseIsThereForEveryTarget) {
  ASSERT_TRUE(open("#OS Open VMS\nload ROM ROA\n"));
  ASSERT_EQ(doc.configuration().targetOs, "Open VMS");
  EXPECT_TRUE(openPage("ROA").browseButton()->isEnabled());
}
