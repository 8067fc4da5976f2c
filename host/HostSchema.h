#pragma once
// Makes sure a freshly opened connection holds a sound host database of the
// version this code knows, creating the tables in an empty file.

#include "platform/sqlite/Connection.h"

namespace host {

// Raises DatabaseDamaged, without writing anything, when the file is not a
// database, fails its integrity check, belongs to another application or was
// written by a newer version of the host.
void prepareSchema(platform::sqlite::Connection& connection);

}  // namespace host
