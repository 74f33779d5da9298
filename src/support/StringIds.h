#pragma once

// Ids of the string table, named for the code that uses them; names and numbers come from the
// table's one list.
enum EStringId : unsigned int
{
#define RIGVET_STRING(name, id, text) name = id,
#include "StringTable.def"
#undef RIGVET_STRING
};
