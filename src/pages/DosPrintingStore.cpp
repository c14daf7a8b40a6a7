#include "DosPrintingStore.h"

#include "CSpy.h"

#include <cstring>
#include <string>

namespace {
constexpr const char* kDriverDataKey = "PrinterDriverData";
constexpr const char* kPitch = "Pitch";
constexpr const char* kCharSet = "CharSet";
constexpr const char* kTypeface = "TypeFace";
constexpr const char* kCarriage = "CarriageDef";
constexpr const char* kDisable = "DisableDOS";
constexpr const char* kFontValues[] = {kCharSet, kTypeface, kPitch, kCarriage};

void LogRefused(const char* name, const char* why) {
    CSpy spy;
    spy.OutputError("DOS printing: a stored value is not used, its default stands");
    spy.OutputEach(name, why);
}

// A string value of at most kDosValueBuffer bytes with its terminator; the registry is asked for
// no more than that, so an over-long value is refused, never cut.
std::optional<std::string> ReadBoundedText(HKEY key, const char* name) {
    char buffer[kDosValueBuffer] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    const LONG error =
        ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (error == ERROR_FILE_NOT_FOUND) {
        CSpy().OutputEach("DOS printing: no stored value", name);
        return std::nullopt;
    }
    if (error == ERROR_MORE_DATA) {
        LogRefused(name, "longer than its buffer");
        return std::nullopt;
    }
    if (error != ERROR_SUCCESS) {
        LogRefused(name, "cannot be read");
        return std::nullopt;
    }
    if (type != REG_SZ) {
        LogRefused(name, "not a text");
        return std::nullopt;
    }
    // The text ends at its terminator, or with its last byte when it was stored without one.
    const size_t length = ::strnlen(buffer, size);
    if (length == sizeof buffer) {
        LogRefused(name, "longer than its buffer");
        return std::nullopt;
    }
    return std::string(buffer, length);
}

std::optional<DWORD> ReadNumber(HKEY key, const char* name) {
    std::optional<std::string> text = ReadBoundedText(key, name);
    if (!text)
        return std::nullopt;
    std::optional<DWORD> number = ParseDosNumber(*text);
    if (!number)
        LogRefused(name, "not a decimal number");
    return number;
}

bool HasValue(HKEY key, const char* name) {
    return ::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool IsFirstVisit(HKEY key) {
    for (const char* name : kFontValues)
        if (HasValue(key, name))
            return false;
    return true;
}

bool WriteText(CRegistry& registry, const char* name, const std::string& text) {
    try {
        registry.Write(name, text.c_str());
        return true;
    } catch (CRegistryException* error) {
        CSpy spy;
        spy.OutputError("DOS printing: a value could not be written");
        spy.OutputEach(name, static_cast<int>(error->m_lError));
        error->Delete();
        return false;
    }
}

bool WriteNumber(CRegistry& registry, const char* name, DWORD value) {
    return WriteText(registry, name, DosNumberText(value));
}

bool WriteDefaults(CRegistry& registry, const char* locale) {
    CSpy().OutputData("DOS printing: first visit, the defaults are written");
    const DosSettings defaults = DefaultDosSettings(locale);
    bool written = WriteNumber(registry, kCharSet, defaults.charSet);
    written = WriteNumber(registry, kTypeface, defaults.typeface) && written;
    written = WriteNumber(registry, kPitch, defaults.pitch) && written;
    return WriteNumber(registry, kCarriage, defaults.carriage ? 1 : 0) && written;
}

// Opens the key for reading, or for writing when this is the first visit and the defaults go in.
bool OpenForLoading(CRegistry& registry, const char* locale) {
    if (registry.Open(kDriverDataKey, KEY_READ) && !IsFirstVisit(registry.GetKey()))
        return true;
    registry.Close();
    if (!registry.Create(kDriverDataKey))
        return false;
    WriteDefaults(registry, locale);
    return true;
}
} // namespace

StoredDosValues LoadDosSettings(CRegistry& registry, const char* locale) {
    CSpy().OutputData("LoadDosSettings()");
    StoredDosValues stored;
    if (!OpenForLoading(registry, locale))
        return stored;
    HKEY key = registry.GetKey();
    stored.pitch = ReadNumber(key, kPitch);
    stored.charSet = ReadNumber(key, kCharSet);
    stored.typeface = ReadNumber(key, kTypeface);
    stored.carriage = ReadNumber(key, kCarriage);
    const std::optional<std::string> disable = ReadBoundedText(key, kDisable);
    stored.enabled = !disable || disable->empty() || (*disable)[0] != '1';
    registry.Close();
    return stored;
}

bool SaveDosSettings(CRegistry& registry, const DosSettings& settings) {
    CSpy spy;
    spy.OutputData("SaveDosSettings()");
    if (!registry.Open(kDriverDataKey, KEY_SET_VALUE) && !registry.Create(kDriverDataKey)) {
        spy.OutputError("DOS printing: the printer's driver data key cannot be written");
        return false;
    }
    bool written = WriteNumber(registry, kPitch, settings.pitch);
    written = WriteNumber(registry, kTypeface, settings.typeface) && written;
    written = WriteNumber(registry, kCharSet, settings.charSet) && written;
    written = WriteNumber(registry, kCarriage, settings.carriage ? 1 : 0) && written;
    written = WriteNumber(registry, kDisable, settings.enabled ? 0 : 1) && written;
    registry.Close();
    return written;
}
