#include "registry_stores.h"

#include <windows.h>

#include <memory>
#include <type_traits>

#include "app/errors.h"
#include "text.h"

namespace zeltavor::win32_platform {

namespace {

std::wstring SettingsKey(std::string_view application, std::string_view section) {
    return L"Software\\" + Utf8ToWide(application) + L"\\" + Utf8ToWide(section);
}

// The six specific rights on keys, without the standard ones.
constexpr REGSAM kRunKeyAccess = 0x3F;

// An open registry key, closed after each use whatever happens.
struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

Key OpenKey(const std::wstring& path, REGSAM access) {
    HKEY handle = nullptr;
    return Key(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &handle) == ERROR_SUCCESS ? handle : nullptr);
}

Key OpenRunKey(REGSAM access) {
    HKEY handle = nullptr;
    return Key(RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, access, &handle) == ERROR_SUCCESS ? handle : nullptr);
}

}  // namespace

std::optional<std::string> RegistrySettingsStore::Read(std::string_view application, std::string_view section,
                                                       std::string_view key) {
    const Key handle = OpenKey(SettingsKey(application, section), KEY_QUERY_VALUE);
    if (!handle) return std::nullopt;
    const std::wstring name = Utf8ToWide(key);
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;  // another type than text counts as missing
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return WideToUtf8(value);
}

void RegistrySettingsStore::Write(std::string_view application, std::string_view section, std::string_view key,
                                  std::string_view value) {
    const std::wstring path = SettingsKey(application, section);
    HKEY created = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                                  nullptr);
    if (result == ERROR_SUCCESS) {
        const Key handle(created);
        const std::wstring data = Utf8ToWide(value);
        result = RegSetValueExW(handle.get(), Utf8ToWide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
        RegFlushKey(handle.get());
    }
    if (result != ERROR_SUCCESS)
        throw RuntimeError(75, "Die Einstellungen konnten nicht in HKEY_CURRENT_USER\\" + WideToUtf8(path) +
                                   " gespeichert werden: " + ErrorText(static_cast<unsigned long>(result)) + ".");
}

bool RunKeyAutostart::Write(std::string_view name, std::string_view command) {
    const Key handle = OpenRunKey(kRunKeyAccess);
    if (!handle) return false;
    std::string data = Utf8ToAnsi(command);
    if (data.find(' ') != std::string::npos) data = '"' + data + '"';
    return RegSetValueExA(handle.get(), Utf8ToAnsi(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool RunKeyAutostart::Remove(std::string_view name) {
    const Key handle = OpenRunKey(kRunKeyAccess);
    return handle && RegDeleteValueA(handle.get(), Utf8ToAnsi(name).c_str()) == ERROR_SUCCESS;
}

bool RunKeyAutostart::Exists(std::string_view name) {
    const Key handle = OpenRunKey(KEY_QUERY_VALUE);
    return handle && RegQueryValueExA(handle.get(), Utf8ToAnsi(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                         ERROR_SUCCESS;
}

}  // namespace zeltavor::win32_platform
