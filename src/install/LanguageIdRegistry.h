// The user interface's language recorded for the accompanying applications' installers: its
// Windows language id under the product's two installation keys.
#pragma once

#include "NvoProduct.h"

// Writes the value "APPLICATIONS" (the id as decimal text) under both keys of HKEY_LOCAL_MACHINE;
// both are written or neither is (a failure is logged). The keys are named by the model's options;
// a language without an id, or a key not named, writes nothing.
void WriteLangIDToRegistry(const NvoProduct& product);
