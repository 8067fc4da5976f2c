#pragma once
// A stand-in for the host's installation objects: every call on them is
// recorded in order ("Module.put_Name(Pelm Corvane 1.1)"), every object
// counted while it lives, and one chosen call fails.
//
//     HostDouble host({.call = "DataTypes.Add", .occurrence = 2});
//     runSetup("brisance-setup", host.access());

#include "installer/HostAccess.h"

#include <optional>
#include <string>
#include <vector>

namespace installer::testing {

enum class Failure {
    Fails,     // a creation or the initialisation returns a failure, a member raises an error
    NoObject,  // the call succeeds but hands back no object
};

struct FailAt {
    std::string call;  // "create Module", "initialise", "Server.InstallModule", ...
    int occurrence = 1;
    Failure how = Failure::Fails;
};

class HostDouble {
public:
    explicit HostDouble(std::optional<FailAt> failAt = std::nullopt);
    HostDouble(const HostDouble&) = delete;
    HostDouble& operator=(const HostDouble&) = delete;

    HostAccess access();

    // Each call as "<object>.<member>(<arguments>)".
    const std::vector<std::string>& calls() const { return m_calls; }
    int liveObjects() const { return m_liveObjects; }
    int uninitialisations() const { return m_uninitialisations; }

    // For the double's objects: records the call and says how it ends.
    std::optional<Failure> call(const std::string& name, const std::string& arguments = {});
    void objectCreated() { ++m_liveObjects; }
    void objectDestroyed() { --m_liveObjects; }

private:
    platform::com::HRESULT create(const platform::com::CLSID& clsid, const platform::com::IID& iid, void** object);

    std::optional<FailAt> m_failAt;
    std::vector<std::string> m_calls;
    int m_liveObjects = 0;
    int m_uninitialisations = 0;
};

}  // namespace installer::testing
