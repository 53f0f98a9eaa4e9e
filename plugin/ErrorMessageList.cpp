#include "plugin/ErrorMessageList.h"

#include <array>

#include "plugin/ErrorCodeText.h"

int32_t FindErrorMessageIndex(HostErr code, const ReadListEntry &read) {
  int32_t lastMessage = 0;
  for (int32_t index = 1; index + 1 < kErrorMessageListMaxEntries; index += 2) {
    std::array<char, 255> codeText{};
    read(index, codeText);
    codeText.back() = '\0';
    if (codeText[0] == '\0') break;  // the list has ended
    lastMessage = index + 1;
    if (DecodeCodeText(codeText.data()) == code) break;
  }
  return lastMessage;
}
