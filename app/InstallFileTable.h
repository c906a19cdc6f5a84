#pragma once
// The seven files that make up the installed product. The same table drives the wizard's file
// list, the copying and shortcuts, the removal and the copy dialog, always in this order.

#include <array>
#include <string_view>

namespace lunasoma {

struct InstallFileTable {
  std::array<std::string_view, 7> fileNames;
  std::string_view
      locationCodes;  // one character per entry: '0' program folder, '1' Windows folder, else system folder
  std::string_view shortcutFlags;  // '1': the entry gets shortcuts
};

inline constexpr InstallFileTable InstallFiles{
    {"Lunasoma.exe", "Setup.exe", "Lunasoma.hlp", "Lunasoma.cnt", "VendInfo.diz", "File_Id.diz", "Readme.txt"},
    "0000000",
    "1010000",
};

}  // namespace lunasoma
