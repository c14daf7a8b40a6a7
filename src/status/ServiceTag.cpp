#include "ServiceTag.h"

CString TrimmedServiceTag(const char* typed) {
    CString tag(typed ? typed : "");
    tag.Trim();
    return tag;
}

ServiceTagVerdict CheckServiceTag(const CString& tag, const CString& valueName) {
    if (valueName.IsEmpty())
        return ServiceTagVerdict::NoValueName;
    if (tag.IsEmpty())
        return ServiceTagVerdict::Empty;
    if (tag == valueName)
        return ServiceTagVerdict::ValueName;
    if (tag.GetLength() > kMaxServiceTagLength)
        return ServiceTagVerdict::TooLong;
    return ServiceTagVerdict::Store;
}
