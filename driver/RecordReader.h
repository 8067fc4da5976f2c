#pragma once
// The record reader, run by every ReadAudiMeas: it reads at most one record
// from the audiometer's port and then one from the tympanometer's, checks its
// framing and checksum, answers the instrument (acknowledgement or resend
// request), hands the record to its parser and pushes what that gives.
//
// Every wait is bounded, so a read always returns: a line that keeps sending
// without a start character ends the hunt as stray characters do.

#include "driver/ParseResult.h"

#include <deque>
#include <string>

namespace marlet {

class DriverLibrary;

// A whole-curve transfer parsed while the user's pick was still to come.
struct PendingCurve {
    std::string record;
    ParseContext context;
};

class RecordReader {
public:
    // Finishes the oldest waiting transfer once its pick has come, then reads
    // port A and port B.
    void read(DriverLibrary& library);
    // Release: transfers still waiting for the user's pick are dropped.
    void drop() { m_pending.clear(); }

private:
    std::deque<PendingCurve> m_pending;
};

}  // namespace marlet
