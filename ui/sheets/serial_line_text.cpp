#include "ui/sheets/serial_line_text.h"

#include <vector>

#include "devices/text_utils.h"

namespace {

std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  for (std::string_view word = nextWord(text, pos); !word.empty(); word = nextWord(text, pos)) words.push_back(word);
  return words;
}

// The word after the option, or an empty text; `found` tells whether the
// option was there at all.
std::string_view optionValue(const std::vector<std::string_view>& words, std::string_view option, bool& found) {
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (!equalsIgnoreCase(words[i], option)) continue;
    found = true;
    return i + 1 < words.size() ? words[i + 1] : std::string_view{};
  }
  return {};
}

}  // namespace

SerialLineForm readSerialLine(std::string_view text) {
  SerialLineForm form;
  const std::vector<std::string_view> words = wordsOf(text);
  if (!words.empty() && equalsIgnoreCase(words[0], "run")) {
    form.connection = SerialConnection::Terminal;
    return form;
  }
  if (words.empty() || !equalsIgnoreCase(words[0], "link")) {
    form.port = text;
    return form;
  }
  form.connection = SerialConnection::Link;
  bool hostOption = false, portOption = false;
  const std::string_view host = optionValue(words, "-host", hostOption);
  const std::string_view port = optionValue(words, "-port", portOption);
  if (hostOption || portOption) {
    form.host = host;
    form.port = port;
    form.optionWords = words.size() == 5 && !host.empty() && !port.empty();
    return form;
  }
  if (words.size() < 2) return form;
  const std::string_view address = words[1];
  const std::size_t colon = address.rfind(':');
  form.host = address.substr(0, colon);
  if (colon != std::string_view::npos) form.port = address.substr(colon + 1);
  return form;
}

std::string linkLineText(std::string_view host, std::string_view port) {
  return concat({"link ", host, ":", port});
}
