#include "host/window/DemoData.h"

#include "platform/runtime/Dates.h"

namespace host {

namespace {

// Days before today of the demo client's sessions, oldest first.
constexpr int kSessionsAgo[] = {420, 180, 35};

}  // namespace

RowId seedDemoClient(HostDatabase& database)
{
    for (const ClientRecord& client : database.clients())
        if (client.clientNo == kDemoClientNo) return client.id;
    const RowId client = database.addClient({.firstName = "Alex",
                                             .middleName = "J",
                                             .lastName = "Demo",
                                             .clientNo = kDemoClientNo,
                                             .birthDate = platform::runtime::makeDate(1956, 4, 12).days});
    const Date today = platform::runtime::today().days;
    for (const int ago : kSessionsAgo) database.addSession(client, today - ago + 0.4);
    return client;
}

}  // namespace host
