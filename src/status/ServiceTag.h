// Whether a service tag typed by the user may be stored with the model's registry values.
#pragma once

#include "CString.h"

// A tag longer than this is no tag of the supplier's: it is refused whole, never cut.
constexpr int kMaxServiceTagLength = 32;

enum class ServiceTagVerdict {
    Store,
    Empty,
    // The tag equals the value name it would be stored under: what the stored value reads
    // before anything was typed, not a tag.
    ValueName,
    TooLong,
    // The model names no value to store a tag under.
    NoValueName,
};

// The tag as typed, without the blanks around it.
CString TrimmedServiceTag(const char* typed);

ServiceTagVerdict CheckServiceTag(const CString& tag, const CString& valueName);
