#pragma once

#include <string>
#include <string_view>

// The core speaks UTF-8; Windows speaks UTF-16 and, in its ANSI calls, the
// system code page.
namespace zeltavor::win32_platform {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::string AnsiToUtf8(std::string_view text);
// The system's message for an error code, in one line.
std::string ErrorText(unsigned long code);

}  // namespace zeltavor::win32_platform
