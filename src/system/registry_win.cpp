// The registry through Windows' registry functions. Every key opened here
// is closed on every way out (OpenKey); the root keys are Windows' own and
// are never closed.
#include "system/registry.h"

#include <vector>

#include "host/ascii.h"
#include "system/registry_values.h"

namespace tarvo {
namespace {

// The root key a name stands for; null, with the last error 3, for any
// other text. The handle values are 32-bit and sign-extended, as Windows'
// own constants are in 64-bit code.
HKEY Root(const char* name) {
    const std::uint32_t root = RootKeyOf(name);
    if (!root) RegistryLastError() = kRegNoRoot;
    return root ? reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root))) : nullptr;
}

struct OpenKey {
    HKEY key = nullptr;
    ~OpenKey() {
        if (key) RegCloseKey(key);
    }
};

// Creates the key, or opens it when it exists, with the access asked.
LONG CreateKey(HKEY root, const char* path, REGSAM access, OpenKey* out) {
    return RegCreateKeyExA(root, path, 0, nullptr, 0, access, nullptr, &out->key, nullptr);
}

// A value's type and data, read whole.
struct Value {
    DWORD type = 0;
    std::string data;
};
bool ReadValue(HKEY key, const char* name, DWORD size, Value* v) {
    for (int tries = 0; tries < 4; ++tries) {
        v->data.assign(size + 1, '\0');  // room for a terminating zero
        DWORD got = size;
        const LONG rc = RegQueryValueExA(key, name, nullptr, &v->type,
                                         reinterpret_cast<BYTE*>(v->data.data()), &got);
        if (rc == ERROR_SUCCESS) {
            v->data.resize(got);
            return true;
        }
        if (rc != ERROR_MORE_DATA) return false;
        size = got;  // it grew meanwhile
    }
    return false;
}

}  // namespace

std::int32_t RegGetLastError() { return RegistryLastError(); }

std::int32_t RegCreateKey(const char* root, const char* path) {
    const HKEY r = Root(root);
    if (!r) return kRegBadRoot;
    OpenKey k;
    return CreateKey(r, path, KEY_CREATE_SUB_KEY, &k);
}

std::int32_t RegDeleteKey(const char* root, const char* path) {
    const HKEY r = Root(root);
    return r ? RegDeleteKeyA(r, path) : kRegBadRoot;
}

std::int32_t RegCreateValue(const char* root, const char* path, const char* name, AnyValue value) {
    const HKEY r = Root(root);
    if (!r) return kRegBadRoot;
    const ValueData data = DataOf(value);
    if (!data.storable) return kRegNotStorable;
    OpenKey k;
    if (CreateKey(r, path, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return kRegKeyNotOpened;
    return RegSetValueExA(k.key, name, 0, data.type, reinterpret_cast<const BYTE*>(data.bytes.data()),
                          static_cast<DWORD>(data.bytes.size()));
}

// Values of up to 2049 bytes are read; a larger one answers the empty text.
std::variant<std::string, std::int32_t> RegQueryValue(const char* root, const char* path,
                                                      const char* name) {
    constexpr DWORD kLargest = 2049;
    const HKEY r = Root(root);
    if (!r) return std::string();
    Value v;
    {
        OpenKey k;
        if (CreateKey(r, path, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return std::string();
        DWORD size = 0;
        if (RegQueryValueExA(k.key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
            size > kLargest || !ReadValue(k.key, name, kLargest, &v))
            return std::string();
    }
    const ValueReading reading = ReadingOf(v.type);
    switch (reading.kind) {
    case ValueReading::kText: return ValueText(v.data);
    case ValueReading::kNumber: return ValueNumber(v.data);
    case ValueReading::kRefused: return std::string(reading.message);
    case ValueReading::kEmpty: break;
    }
    return std::string();
}

std::int32_t RegDeleteValue(const char* root, const char* path, const char* name) {
    const HKEY r = Root(root);
    if (!r) return kRegBadRootDeleteValue;
    OpenKey k;
    if (RegOpenKeyExA(r, path, 0, KEY_SET_VALUE, &k.key) != ERROR_SUCCESS) {
        k.key = nullptr;
        return kRegKeyNotOpened;
    }
    return RegDeleteValueA(k.key, name);
}

// The key's values in Windows' order, each name compared without regard to
// ASCII case; names and data of any length.
std::string RegGetData(const char* root, const char* path, const char* name) {
    RegistryLastError() = kRegNothingRecorded;
    const HKEY r = Root(root);
    if (!r) return {};
    OpenKey k;
    DWORD values = 0, longestName = 0;
    if (RegOpenKeyA(r, path, &k.key) != ERROR_SUCCESS)
        k.key = nullptr;  // counts as a key without values
    else if (RegQueryInfoKeyA(k.key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                              &longestName, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        values = 0;
    const std::string wanted = UpperAscii(name);
    std::vector<char> entry((longestName + 1) * 2 + 16);  // room for double-byte names
    for (DWORD i = 0; i < values; ++i) {
        DWORD length = static_cast<DWORD>(entry.size()), type = 0, size = 0;
        if (RegEnumValueA(k.key, i, entry.data(), &length, nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            UpperAscii(std::string_view(entry.data(), length)) != wanted)
            continue;
        const ValueReading reading = ReadingOf(type);
        Value v;
        if (reading.kind == ValueReading::kText && ReadValue(k.key, entry.data(), size, &v))
            return ValueText(v.data);
        RegistryLastError() = reading.enumError;
        return {};
    }
    RegistryLastError() = kRegNoSuchValue;
    return {};
}

std::optional<std::string> RegSetData(const char* root, const char* path, std::string_view,
                                      Unread<'?'>) {
    RegistryLastError() = kRegNothingRecorded;
    const HKEY r = Root(root);
    if (!r) return std::string();
    OpenKey k;
    if (CreateKey(r, path, KEY_CREATE_SUB_KEY, &k) != ERROR_SUCCESS) {
        RegistryLastError() = kRegKeyNotCreated;
        return std::string();
    }
    return std::nullopt;
}

}  // namespace tarvo
