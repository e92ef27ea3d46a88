#include "platform/win32/RegistrySettingsStore.h"

#include "platform/win32/WideText.h"

#include "platform/win32/SystemHeaders.h"

namespace zol::win32 {

namespace {

std::string typeName(DWORD type) {
    switch (type) {
    case REG_DWORD: return "REG_DWORD";
    case REG_QWORD: return "REG_QWORD";
    case REG_BINARY: return "REG_BINARY";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    }
    return "type " + std::to_string(type);
}

} // namespace

std::optional<std::string> RegistrySettingsStore::read(const std::string& app, const std::string& section,
                                                       const std::string& key) {
    const std::wstring path = wide(keyPath(app, section));
    const std::wstring name = wide(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ) return "(a " + typeName(type) + " value)";
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;  // it went away, or changed type, meanwhile
    return utf8(text.c_str());
}

std::string RegistrySettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                                         const std::string& text) {
    const std::string path = keyPath(app, section);
    HKEY handle = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) return "the registry key HKEY_CURRENT_USER\\" + path + " cannot be opened: " + systemMessage(status);
    const std::wstring value = wide(text);
    status = RegSetValueExW(handle, wide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    // The best values are written once a game: worth waiting for the disk.
    if (status == ERROR_SUCCESS) status = RegFlushKey(handle);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS) return "the value " + key + " in HKEY_CURRENT_USER\\" + path + " cannot be written: " + systemMessage(status);
    return {};
}

} // namespace zol::win32
