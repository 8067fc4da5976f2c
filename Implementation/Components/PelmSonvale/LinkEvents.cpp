#include "LinkEvents.h"

namespace pelmsonvale {

namespace {

std::shared_ptr<platform::system::Event> open(const char* name)
{
    return platform::system::openNamedEvent(name, platform::system::EventReset::Automatic);
}

}  // namespace

LinkEvents openLinkEvents()
{
    return {open("__CAsynchThreadStartupSync"), open("__CAsynchThreadStopSync"), open("Do ReqAudiCon"),
            open("Do ReqAudiRelease"), open("AudiCondone")};
}

}  // namespace pelmsonvale
