#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/network_device.h"
#include "devices/network_protocols.h"
#include "support/load_checks.h"

namespace {

std::unique_ptr<VelmorNetworkDevice> loadNetwork(std::string_view word, const std::string& name = "WHA") {
  return loadAs<VelmorNetworkDevice>(word, name);
}

}  // namespace

TEST(NetworkDevice, LoadWordsGiveTypeAndDefaults) {
  struct Case {
    const char* word;
    const char* type;
    std::uint16_t bus;
    std::int32_t registerAddress, vector, priority, vector1, area;
  } cases[] = {
      {"DEQNA", "DEQNA", BusQbus, 017774440, 0120, 4, 0, 16},
      {"delqa", "DELQA", BusQbus, 017774440, 0120, 4, 0, 16},  // the type is the table's word
      {"DESQA", "DESQA", BusQbus, 017774440, 0120, 4, 0, 16},
      {"DELUA", "DELUA", BusUnibus, 017774440, 0120, 4, 0, 8},
      {"VELNA", "VELNA", BusBoth, 017760560, 0340, 4, 0344, 22},  // only VELNA takes a vector1
      {"Velna", "VELNA", BusBoth, 017760560, 0340, 4, 0344, 22},
  };
  for (const Case& c : cases) {
    auto device = loadNetwork(c.word);
    ASSERT_TRUE(device) << c.word;
    EXPECT_EQ(device->kind(), DeviceKind::Network);
    EXPECT_EQ(device->type, c.type) << c.word;
    EXPECT_EQ(device->model, "") << c.word;
    EXPECT_EQ(device->bus, c.bus) << c.word;
    EXPECT_EQ(device->registerAddress, c.registerAddress) << c.word;
    EXPECT_EQ(device->vector, c.vector) << c.word;
    EXPECT_EQ(device->priority, c.priority) << c.word;
    EXPECT_EQ(device->units, 1) << c.word;
    EXPECT_EQ(device->vector1, c.vector1) << c.word;
    EXPECT_EQ(device->checkedAreaSize(), c.area) << c.word;
    // A freshly loaded adapter is at its defaults and writes only its load line.
    EXPECT_EQ(writtenForm(*device), std::string("load ") + c.type + " WHA\n") << c.word;
  }
  EXPECT_EQ(ModelTable::instance().prefixOf("VelmorNetworkDevice", "DELUA", ""), "XE");
  EXPECT_EQ(ModelTable::instance().prefixOf("VelmorNetworkDevice", "VELNA", ""), "VN");
  EXPECT_EQ(ModelTable::instance().prefixOf("VelmorNetworkDevice", "DEQNA", ""), "WH");
}

TEST(NetworkDevice, KeysDependOnTheType) {
  struct Case {
    const char* type;
    const char* key;
    bool accepted;
  } cases[] = {
      {"DEQNA", "register", true},  {"DEQNA", "vector0", true},    {"DEQNA", "priority", true},
      {"DEQNA", "units", true},     {"DEQNA", "interface", true},  {"DEQNA", "protocols", true},
      {"DEQNA", "address", true},   {"DEQNA", "vector1", false},   {"DELUA", "vector1", false},
      {"VELNA", "interface", true}, {"VELNA", "vector1", true},    {"velna", "vector1", true},
      {"VELNA", "protocols", false}, {"VELNA", "address", false},  {"DEQNA", "model", false},
      {"DEQNA", "trace", false},
  };
  for (const Case& c : cases) {
    VelmorNetworkDevice device(c.type, "", "WHA");
    device.applyModelDefaults(false);
    const VelmorNetworkDevice before = device;
    EXPECT_EQ(device.setParameter(c.key, 0, "350"), c.accepted) << c.type << " " << c.key;
    if (!c.accepted) {
      // A refused key changes nothing.
      EXPECT_EQ(writtenForm(device), writtenForm(before)) << c.type << " " << c.key;
      EXPECT_EQ(device.vector1, before.vector1);
    }
  }
}

TEST(NetworkDevice, VirtualInterfaceIsTheExactWordVirtual) {
  struct Case {
    const char* interface;
    bool isVirtual;
  } cases[] = {
      {"virtual", true},
      {"virtual host:1600", true},
      {"  virtual host:1600", true},   // blanks before the first word do not make a word
      {"virtual:1600", true},          // what the network page writes without a host name
      {"Virtual host:1600", false},    // letter case matters
      {"VIRTUAL", false},
      {"virtualhost:1600", false},
      {"eth0", false},
      {"eth0 virtual", false},
      {"", false},
      {"   ", false},
  };
  for (const Case& c : cases) {
    VelmorNetworkDevice device("DEQNA", "", "WHA");
    device.hostInterface = c.interface;
    EXPECT_EQ(device.isInterfaceVirtual(), c.isVirtual) << "'" << c.interface << "'";
  }
}

TEST(NetworkDevice, WritesOnlyTheTextItsInterfaceUses) {
  struct Case {
    const char* type;
    const char* interface;
    const char* written;  // after the load line
  } cases[] = {
      {"DEQNA", "virtual host:1600",
       "set WHA interface=\"virtual host:1600\"\nset WHA address=\"08:00:2b:01:02:03\"\n"},
      {"DEQNA", "Virtual host:1600",
       "set WHA interface=\"Virtual host:1600\"\nset WHA protocols=\"IP LAT\"\n"},
      {"DEQNA", "eth0", "set WHA interface=\"eth0\"\nset WHA protocols=\"IP LAT\"\n"},
      // An empty interface writes no interface line but is not virtual either.
      {"DELUA", "", "set WHA protocols=\"IP LAT\"\n"},
      {"VELNA", "virtual host:1600", "set WHA interface=\"virtual host:1600\"\n"},
      {"VELNA", "eth0", "set WHA interface=\"eth0\"\n"},
  };
  for (const Case& c : cases) {
    VelmorNetworkDevice device(c.type, "", "WHA");
    device.applyModelDefaults(false);
    device.hostInterface = c.interface;
    device.protocols = "IP LAT";  // both texts are kept whatever the interface
    device.address = "08:00:2b:01:02:03";
    EXPECT_EQ(writtenForm(device), std::string("load ") + c.type + " WHA\n" + c.written) << c.interface;
    EXPECT_EQ(writtenAfterReadBack(device), writtenForm(device)) << c.interface;
  }
}

TEST(NetworkDevice, VelnaWritesVector1OnlyWhenChanged) {
  auto velna = loadNetwork("VELNA", "VNA");
  ASSERT_TRUE(velna);
  EXPECT_TRUE(velna->parseSetStatement("set VNA vector1=344"));
  EXPECT_EQ(writtenForm(*velna), "load VELNA VNA\n");
  EXPECT_TRUE(velna->parseSetStatement("set VNA vector1=300."));  // decimal: 454 octal
  EXPECT_EQ(writtenForm(*velna), "load VELNA VNA\nset VNA vector1=454\n");
  EXPECT_TRUE(velna->parseSetStatement("set VNA vector1=350 interface=\"virtual :1600\""));
  velna->disabled = true;
  EXPECT_EQ(writtenForm(*velna), "#$load VELNA VNA\n#$set VNA vector1=350\n#$set VNA interface=\"virtual :1600\"\n");
  // A type change takes the new row's vector1; a hardware type leaves it alone.
  velna->setType("VELNA");
  EXPECT_EQ(velna->vector1, 0344);
  velna->vector1 = 0350;
  velna->setType("DEQNA");
  EXPECT_EQ(velna->vector1, 0350);
  EXPECT_EQ(velna->registerAddress, 017774440);
}

TEST(NetworkDevice, CheckedVectorsHoldVector1ForVelnaOnly) {
  auto velna = loadNetwork("velna");
  auto delua = loadNetwork("DELUA");
  ASSERT_TRUE(velna && delua);
  EXPECT_EQ(velna->checkedVectors(true), (std::vector<std::int32_t>{0340, 0344}));
  EXPECT_EQ(velna->checkedVectors(false), (std::vector<std::int32_t>{0340, 0344}));
  EXPECT_EQ(delua->checkedVectors(true), (std::vector<std::int32_t>{0120}));
  EXPECT_EQ(delua->checkedBus(true), BusUnibus);
}

TEST(ProtocolSet, TextRoundTrip) {
  struct Case {
    const char* text;
    const char* written;
  } cases[] = {
      {"", ""},
      {"IP LAT", "IP LAT"},
      {"LAT IP", "IP LAT"},                 // table order, not the order read
      {"0x0008 0x0460", "IP LAT"},          // codes mark entries too
      {"0x0608 ARP", "ARP"},                // one entry marked twice
      {"  IP   ARP  ", "IP ARP"},           // runs of blanks are one separator
      {"ip Lat 0x3C80", ""},                // names and codes match in exact case only
      {"IP,ARP Telnet", ""},                // unknown words are passed over
      {"Telnet DECnet", "DECnet"},
      {"IP\tARP", ""},                      // only blanks separate words
      {"LAST BIOS TimeServer NameServer DigitalBridge Reserved Diagnostic LAT DECnet RemoteConsole Dump "
       "LoopBack ARP IP",
       "IP ARP LoopBack Dump RemoteConsole DECnet LAT Diagnostic Reserved DigitalBridge NameServer TimeServer "
       "BIOS LAST"},
  };
  for (const Case& c : cases) {
    ProtocolSet set = ProtocolSet::fromText(c.text);
    EXPECT_EQ(set.text(), c.written) << c.text;
    EXPECT_EQ(ProtocolSet::fromText(set.text()).text(), set.text()) << c.text;
  }
}

TEST(ProtocolSet, MarksAreKeptPerEntry) {
  ProtocolSet set;
  EXPECT_EQ(set.size(), networkProtocols().size());
  EXPECT_EQ(set.text(), "");
  set.setUsed(6, true);
  set.setUsed(0, true);
  EXPECT_EQ(set.text(), "IP LAT");
  set.markUsed("ARP");  // adds to the marks already made
  EXPECT_EQ(set.text(), "IP ARP LAT");
  set.setUsed(0, false);
  EXPECT_FALSE(set.isUsed(0));
  EXPECT_EQ(set.text(), "ARP LAT");
  // Indexes beyond the table are ignored, not written.
  set.setUsed(14, true);
  set.setUsed(static_cast<std::size_t>(-1), true);
  EXPECT_FALSE(set.isUsed(14));
  EXPECT_EQ(set.text(), "ARP LAT");
  EXPECT_EQ(set.protocol(6).name, "LAT");
}
