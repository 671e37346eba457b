#include "registry_stores.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <type_traits>

#include "runtime/errors.h"
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

// Text values in UTF-16, as the system keeps them: any folder name fits.
std::optional<std::wstring> TextValue(HKEY key, const std::wstring& name) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;  // another type than text counts as missing
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

LONG SetTextValue(HKEY key, const std::wstring& name, const std::wstring& value) {
    return RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

std::optional<std::string> RegistrySettingsStore::Read(std::string_view application, std::string_view section,
                                                       std::string_view key) {
    const Key handle = OpenKey(SettingsKey(application, section), KEY_QUERY_VALUE);
    const auto value = handle ? TextValue(handle.get(), Utf8ToWide(key)) : std::nullopt;
    return value ? std::optional(WideToUtf8(*value)) : std::nullopt;
}

void RegistrySettingsStore::Write(std::string_view application, std::string_view section, std::string_view key,
                                  std::string_view value) {
    const std::wstring path = SettingsKey(application, section);
    HKEY created = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                                  nullptr);
    if (result == ERROR_SUCCESS) {
        const Key handle(created);
        result = SetTextValue(handle.get(), Utf8ToWide(key), Utf8ToWide(value));
        RegFlushKey(handle.get());
    }
    if (result != ERROR_SUCCESS)
        throw PathFileAccessError("Die Einstellungen konnten nicht in HKEY_CURRENT_USER\\" + WideToUtf8(path) +
                                   " gespeichert werden: " + ErrorText(static_cast<unsigned long>(result)) + ".");
}

// Written is what reads back the same; from a path longer than MAX_PATH no
// process can be started at logon.
bool RunKeyAutostart::Write(std::string_view name, std::string_view command) {
    const Key handle = OpenKey(Utf8ToWide(kRunKey), kRunKeyAccess);
    if (!handle) return false;
    std::wstring data = Utf8ToWide(command);
    if (data.size() >= MAX_PATH) return false;
    if (data.find(L' ') != std::wstring::npos) data = L'"' + data + L'"';
    const std::wstring value = Utf8ToWide(name);
    return SetTextValue(handle.get(), value, data) == ERROR_SUCCESS && TextValue(handle.get(), value) == data;
}

bool RunKeyAutostart::Remove(std::string_view name) {
    const Key handle = OpenKey(Utf8ToWide(kRunKey), kRunKeyAccess);
    return handle && RegDeleteValueW(handle.get(), Utf8ToWide(name).c_str()) == ERROR_SUCCESS;
}

bool RunKeyAutostart::Exists(std::string_view name) {
    const Key handle = OpenKey(Utf8ToWide(kRunKey), KEY_QUERY_VALUE);
    return handle && RegQueryValueExW(handle.get(), Utf8ToWide(name).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                         ERROR_SUCCESS;
}

}  // namespace zeltavor::win32_platform
