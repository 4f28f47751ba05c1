#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/script_lines.h"
#include "devices/velmor_device.h"

namespace {

struct Pair {
  std::string key;
  int index;
  std::string value;
  bool operator==(const Pair&) const = default;
};

// Records every pair handed on; refuses the keys listed in `refused`.
class RecordingDevice : public VelmorBusDevice {
 public:
  RecordingDevice() : VelmorBusDevice(DeviceKind::Network, "T", "", "DEV") {}
  bool setParameter(std::string_view key, int index, std::string_view value) override {
    pairs.push_back({std::string(key), index, std::string(value)});
    for (const std::string& r : refused)
      if (r == key) return false;
    return true;
  }
  const char* className() const override { return "RecordingDevice"; }
  std::unique_ptr<VelmorDevice> clone() const override { return std::make_unique<RecordingDevice>(*this); }
  RecordingDevice(const RecordingDevice&) = default;

  std::vector<Pair> pairs;
  std::vector<std::string> refused;
};

}  // namespace

TEST(ParseSetStatement, SplitsPairs) {
  struct Case {
    const char* line;
    std::vector<Pair> pairs;
  } cases[] = {
      {"set DEV units=2", {{"units", 0, "2"}}},
      // blanks around "=" and inside the key are ignored
      {"set DEV  reg ister =  17774410", {{"register", 0, "17774410"}}},
      // the index in brackets is decimal; the quoted value keeps its blank
      {"set DEV file[10]=\"a b.dsk\"", {{"file", 10, "a b.dsk"}}},
      {"set DEV file[]=x", {{"file", 0, "x"}}},
      {"set DEV VECTOR=300 vector0=304", {{"vector", 0, "300"}, {"vector0", 0, "304"}}},
      // an unquoted value ends at a blank, but a tab stays in it
      {"set DEV a=1\tb c=2", {{"a", 0, "1\tb"}, {"c", 0, "2"}}},
      // "=" and nothing after it hands on nothing; two quotes hand on an empty value
      {"set DEV a=", {}},
      {"set DEV a=\"\"", {{"a", 0, ""}}},
      // a key without "=" is dropped
      {"set DEV lonely", {}},
      {"set DEV", {}},
      {"  set   DEV   speed=9600.", {{"speed", 0, "9600."}}},
      {"set DEV model=\"PDP 11/73\" x=1", {{"model", 0, "PDP 11/73"}, {"x", 0, "1"}}},
      // trailing comment words are handed on like anything else
      {"set DEV a=1 #note", {{"a", 0, "1"}}},
      // keys compare in lower case; the index survives the lowering
      {"set DEV FILE[2]=x Speed=1", {{"file", 2, "x"}, {"speed", 0, "1"}}},
      // a key or value pieced together around quotes
      {"set DEV fi\"le\"=x", {{"file", 0, "=x"}}},
      {"set DEV a=x\"y z\"w b=2", {{"a", 0, "xy z"}, {"wb", 0, "2"}}},
      // a quote where a key starts marks a value as started: the blank after
      // the key's closing quote hands the key on with an empty value
      {"set DEV a=\"p\"\"q\" b=\"r\"", {{"a", 0, "p"}, {"q", 0, ""}, {"b", 0, "r"}}},
  };
  for (const Case& c : cases) {
    RecordingDevice device;
    device.parseSetStatement(c.line);
    EXPECT_EQ(device.pairs, c.pairs) << c.line;
  }
}

TEST(ParseSetStatement, LastPairDecides) {
  RecordingDevice device;
  device.refused = {"bogus"};
  EXPECT_FALSE(device.parseSetStatement("set DEV units=2 bogus=1"));
  EXPECT_EQ(device.refusedPairs(), 1);
  EXPECT_TRUE(device.parseSetStatement("set DEV bogus=1 units=2"));
  EXPECT_EQ(device.refusedPairs(), 1);
  EXPECT_TRUE(device.parseSetStatement("set DEV"));
  EXPECT_EQ(device.refusedPairs(), 0);
}

TEST(CommonParameters, KeysAndNumbers) {
  RecordingDevice device;
  EXPECT_TRUE(device.setCommonParameter("register", 0, "17774410"));
  EXPECT_EQ(device.registerAddress, 017774410);
  EXPECT_TRUE(device.setCommonParameter("vector0", 0, "300"));
  EXPECT_EQ(device.vector, 0300);
  EXPECT_TRUE(device.setCommonParameter("priority", 0, "10."));
  EXPECT_EQ(device.priority, 10);  // a trailing "." makes it decimal
  EXPECT_TRUE(device.setCommonParameter("units", 0, "10"));
  EXPECT_EQ(device.units, 8);
  EXPECT_FALSE(device.setCommonParameter("speed", 0, "1"));
}

TEST(BusDeviceStatements, CommentsAndDisabledSign) {
  RecordingDevice device;
  device.comments = "first\r\n second";
  device.model = "M1";
  device.disabled = true;
  std::string out;
  device.writeStatements(out, "#$");
  // No model row: none of the register, vector, priority or units lines.
  EXPECT_EQ(out, "#first\r\n# second\r\n#$load T DEV\n#$set DEV model=\"M1\"\n");
}

// A comment line that would read back as a header, the OS line or a
// statement gets a mark after its "#": a blank first, then "-", then "~".
TEST(CommentLines, MarkedOnlyWhenTheyWouldReadAsSomethingElse) {
  const struct {
    const char* text;
    const char* sign;
    const char* line;
  } rows[] = {
      {" plain", "#$", "# plain"},
      {"#x", "#$", "# #x"},            // "##x" would be a header line
      {"OS 9", "#$", "# OS 9"},        // "#OS 9" would be the OS line
      {"$load T D", "#$", "# $load T D"},  // the disabled sign starts a statement
      {" load T D", "# ", "#- load T D"},  // with the sign "# " a blank would not do
  };
  for (const auto& row : rows) EXPECT_EQ(commentLine(row.text, row.sign), row.line) << row.text;
}
