#pragma once
// ASCII case folding, for names and keywords that compare without regard to case: registry names,
// date pattern letters, file name endings. Only A to Z change; every other byte, a byte of a UTF-8
// sequence included, stays as it is, so the result never depends on the locale.

namespace lunasoma {

constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace lunasoma
