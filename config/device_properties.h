#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Configuration;
class VelmorBusDevice;

// What the General page hands back when its sheet is confirmed: the texts as
// shown, so the write-back reads numbers the way a script would.
struct GeneralPageValues {
  std::string type;
  std::string model;
  std::string name;
  std::string registerText;
  std::string vectorText;
  std::string priorityText;
  std::string unitsText;  // decimal, without the point
};

// What a confirmed device sheet hands back.
struct DeviceSheetValues {
  GeneralPageValues general;  // unused by the binary loader's sheet
  std::string comments;       // lines joined with CR LF
  // The kind-specific and unit pages each add one writer here; the writers
  // run in order on the rewritten device, after the General values.
  std::vector<std::function<void(VelmorBusDevice&)>> specificWriters;
};

// What the system sheet shows and hands back.
struct SystemSheetValues {
  std::string model;
  std::int32_t memorySize = 0;
  std::string comments;
};

// Shows a device's sheet on a working copy of the device; fills `values` and
// answers true when the user confirmed it. The copy may be edited freely: the
// configuration's device changes only through the write-back.
using DeviceSheetRunner = std::function<bool(VelmorBusDevice& copy, DeviceSheetValues& values)>;
// Shows the system sheet; `values` holds the system entry's values on entry
// and the page's values when it answers true.
using SystemSheetRunner = std::function<bool(SystemSheetValues& values)>;

// Why a device name cannot be taken.
enum class NameProblem { None, Empty, Taken, HasBlank, TooLong };

// Every statement a save writes for a device or one of its units starts with
// its name, so a device of 256 units repeats it thousands of times: a longer
// name could turn a small file into gigabytes. Real names are a few letters.
inline constexpr std::size_t kMaxDeviceNameLength = 255;

// A name the device called `ownName` may take: not empty, no blanks (a `set`
// or `boot` names a device by one word), at most
// kMaxDeviceNameLength bytes, and no other device's name, letter case
// ignored. Its own name in any case is fine.
NameProblem checkDeviceName(Configuration& configuration, std::string_view name, std::string_view ownName);
// The same without the look-up: empty, blanks or too long.
NameProblem checkNameShape(std::string_view name);
// The text shown for a refused name; empty for NameProblem::None.
std::string nameProblemText(NameProblem problem);

inline constexpr std::int32_t kMinMemorySize = 512;
inline constexpr std::int32_t kMaxMemorySize = 4088;

// Reads the system page's memory size: an integer (blanks around it allowed)
// from 512 to 4088 that is a multiple of 8. Answers the refusal text, or an
// empty text and the value in `size`.
std::string checkMemorySize(std::string_view text, std::int32_t& size);
// The system page's CPU model: it is written between double quotes, which
// the script language cannot escape. Answers the refusal text, or an empty text.
std::string checkCpuModel(std::string_view model);

// What a page's integer field says when its text is not an integer.
inline constexpr const char* kEnterIntegerText = "Please enter an integer.";
// Reads a page's integer field: decimal digits with an optional sign, blanks
// around them allowed, within 32 bits. False when the text is anything else.
bool readIntegerText(std::string_view text, std::int32_t& value);
// What an address field says when its text is no number a script can hold.
inline constexpr const char* kEnterOctalText =
    "Please enter an octal number, or a decimal number ending with \".\".";
// Reads an address field: octal digits, or decimal digits ending with ".",
// with an optional sign and blanks around, within 32 bits. A script would
// read "19" as 1 and "lots" as 0; a page refuses both rather than store a
// number the user never typed.
bool readOctalText(std::string_view text, std::int32_t& value);

// A text a page writes into a `set` value between double quotes (a file name,
// a host name, a model): the script language cannot escape a double quote,
// and a line feed would end the statement. `what` names the field in the
// refusal, e.g. "file name": "The file name cannot contain a double quote.".
// Answers the refusal text, or an empty text.
std::string checkQuotedValue(std::string_view what, std::string_view text);
