// The checks of the C++ test client: a failed check prints one line; main answers the number of
// failures and prints a sentinel line once it has run to the end.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace client {

void Section(const char* name);
bool Check(bool condition, const std::string& what);
bool CheckEqual(std::u16string_view actual, std::u16string_view expected, const std::string& what);
bool CheckEqual(int64_t actual, int64_t expected, const std::string& what);
bool CheckHresult(HRESULT actual, HRESULT expected, const std::string& what);
int Failures();
int Checks();

// UTF-8 for the output; wide text for the Windows API.
std::string Utf8(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);
std::wstring Wide(std::u16string_view text);

}  // namespace client
