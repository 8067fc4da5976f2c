#pragma once
// Inside the printing service: the file a print job writes, made whole or not
// at all. The job's bytes go to a temporary file beside the target, which
// takes the target's name only once every byte has reached the disk; a job
// that fails or is thrown away leaves nothing under that name.

#include "platform/print/PrintJob.h"

#include <filesystem>
#include <optional>
#include <span>

namespace platform::print::detail {

class PrintFile {
public:
    // Makes the temporary file; failure() tells when it could not be made.
    // The finished file replaces the target.
    explicit PrintFile(const std::filesystem::path& target);
    // The finished file takes the first free name of "<stem>.pdf",
    // "<stem> (2).pdf" ... in the folder, never replacing a file.
    PrintFile(const std::filesystem::path& folder, const std::string& stem);
    // Removes the temporary file unless it became the target.
    ~PrintFile();
    PrintFile(const PrintFile&) = delete;
    PrintFile& operator=(const PrintFile&) = delete;

    // The name the file has or will have.
    const std::filesystem::path& target() const { return m_target; }

    // Writes the bytes, flushes them to the disk and gives the file its name.
    // False when any step failed; failure() then says which file and why.
    bool commit(std::span<const char> bytes);

    const std::optional<JobFailure>& failure() const { return m_failure; }

private:
    void makeTemporary();
    bool fail(int error);
    bool takeName();

    std::filesystem::path m_target;
    std::optional<std::string> m_freeNameStem;  // set when no file is replaced
    std::filesystem::path m_temporary;
    int m_descriptor = -1;
    bool m_committed = false;
    std::optional<JobFailure> m_failure;
};

// The first name of "<stem>.pdf", "<stem> (2).pdf" ... that no file in the
// folder has.
std::filesystem::path freePdfName(const std::filesystem::path& folder, const std::string& stem);

}  // namespace platform::print::detail
