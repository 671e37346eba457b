#include "registry_stores.h"

#include <windows.h>

#include "app/errors.h"
#include "text.h"

namespace zeltavor::win32_platform {

namespace {

std::wstring SettingsKey(std::string_view application, std::string_view section) {
    return L"Software\\" + Utf8ToWide(application) + L"\\" + Utf8ToWide(section);
}

// The six specific rights on keys, without the standard ones.
constexpr REGSAM kRunKeyAccess = 0x3F;

}  // namespace

std::optional<std::string> RegistrySettingsStore::Read(std::string_view application, std::string_view section,
                                                       std::string_view key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey(application, section).c_str(), 0, KEY_QUERY_VALUE, &handle) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = Utf8ToWide(key);
    DWORD type = 0, bytes = 0;
    std::optional<std::string> text;
    if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) ==
            ERROR_SUCCESS) {
            value.resize(bytes / sizeof(wchar_t));
            while (!value.empty() && value.back() == L'\0') value.pop_back();
            text = WideToUtf8(value);
        }
    }
    RegCloseKey(handle);
    return text;  // another type than text counts as missing
}

void RegistrySettingsStore::Write(std::string_view application, std::string_view section, std::string_view key,
                                  std::string_view value) {
    const std::wstring path = SettingsKey(application, section);
    HKEY handle = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                                  nullptr);
    if (result == ERROR_SUCCESS) {
        const std::wstring data = Utf8ToWide(value);
        result = RegSetValueExW(handle, Utf8ToWide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
        RegFlushKey(handle);
        RegCloseKey(handle);
    }
    if (result != ERROR_SUCCESS)
        throw RuntimeError(75, "Die Einstellungen konnten nicht in HKEY_CURRENT_USER\\" + WideToUtf8(path) +
                                   " gespeichert werden: " + ErrorText(static_cast<unsigned long>(result)) + ".");
}

bool RunKeyAutostart::Write(std::string_view name, std::string_view command) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, kRunKeyAccess, &handle) != ERROR_SUCCESS) return false;
    std::string data = Utf8ToAnsi(command);
    if (data.find(' ') != std::string::npos) data = '"' + data + '"';
    const LONG result = RegSetValueExA(handle, Utf8ToAnsi(name).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool RunKeyAutostart::Remove(std::string_view name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, kRunKeyAccess, &handle) != ERROR_SUCCESS) return false;
    const LONG result = RegDeleteValueA(handle, Utf8ToAnsi(name).c_str());
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool RunKeyAutostart::Exists(std::string_view name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return false;
    const bool exists = RegQueryValueExA(handle, Utf8ToAnsi(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                        ERROR_SUCCESS;
    RegCloseKey(handle);
    return exists;
}

}  // namespace zeltavor::win32_platform
