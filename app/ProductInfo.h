#pragma once
// Fixed product texts, set once at start and read by the about box and the installation.

#include <string_view>

namespace lunasoma {

struct ProductInfo {
  std::string_view productName;
  std::string_view productVersion;
  std::string_view productYear;
  std::string_view makerName;
  std::string_view makerWebAddress;
  std::string_view makerSupportEmail;
  std::string_view makerPhone;
};

inline constexpr ProductInfo Product{
    "Lunasoma",         "1.0", "1997", "Corvanti", "https://www.corvanti.example.com/", "support@corvanti.example.com",
    "+1 555 0100 0199",
};

// Where the settings live under HKEY_CURRENT_USER.
inline constexpr std::string_view SettingsKeyPath = "Software\\Corvanti\\Lunasoma";

}  // namespace lunasoma
