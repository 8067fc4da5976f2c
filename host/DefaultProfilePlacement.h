#pragma once
// The host's shared default profile, which a module reads for a user who has
// no module data yet.

namespace host {

// Copies the program folder's "Data/Default.profile" to "ORVEL Shared/
// Profiles/Default.profile" under the folder that the registry's
// "CommonFilesDir" names, when no file is there. A file that is there is never
// replaced: a site may keep its own. True when it copied; false when a file
// was there, or there is nothing to copy or no Common Files folder named.
// The copy appears whole or not at all; when it fails it throws
// std::filesystem::filesystem_error.
bool placeDefaultProfile();

}  // namespace host
