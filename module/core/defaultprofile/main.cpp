// brisance-profile: builds the module's shipped default profile, and lists
// any profile file (a store snapshot) as text.
//
//     brisance-profile --write <file>   writes the default profile to the file
//     brisance-profile --list <file>    prints the file's content, one value a line

#include "module/core/StoreSnapshot.h"
#include "module/core/defaultprofile/DefaultProfile.h"
#include "module/core/defaultprofile/ProfileListing.h"

#include "vellum/VellumKeyedStore.h"

#include "platform/com/Object.h"
#include "platform/runtime/RuntimeError.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view command = argc == 3 ? argv[1] : "";
    if (command != "--write" && command != "--list") {
        std::cerr << "usage: brisance-profile --write <file> | --list <file>\n";
        return 2;
    }
    try {
        if (command == "--write") {
            // A build tool may make the store directly; the module creates it by class id.
            const auto store = platform::com::make<vellum::VellumKeyedStore>();
            brisance::FillDefaultProfile(*store);
            brisance::WriteStoreSnapshot(*store, argv[2]);
        } else {
            std::cout << brisance::ProfileListing(brisance::ReadStoreSnapshot(argv[2]));
        }
        return 0;
    } catch (const platform::runtime::RuntimeError& error) {
        std::cerr << "brisance-profile: " << argv[2] << ": " << error.description() << " (" << error.number()
                  << ")\n";
        return 1;
    }
}
