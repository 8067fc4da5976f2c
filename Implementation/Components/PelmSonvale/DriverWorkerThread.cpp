#include "DriverWorkerThread.h"

#include "CThreadStartupInformation.h"
#include "CWorkerThreadWindow.h"
#include "DriverReadBuffers.h"
#include "LinkEvents.h"
#include "RecordDecoding.h"
#include "RecordMessages.h"

#include <chrono>
#include <memory>
#include <new>
#include <optional>

namespace pelmsonvale {

namespace {

using std::chrono::steady_clock;

// The only poll interval that a driver may ask for, in milliseconds.
constexpr std::int32_t kPollInterval = 300;
// lParam of a measurement-complete report from the worker.
constexpr std::intptr_t kFromWorker = 10;

// Selector of ChangeInstrumentType.
enum Instrument : std::int32_t { Audiometer = 0, Tympanometer = 1 };

void postError(const CWorkerThreadWindow& worker, std::int32_t result)
{
    worker.Post(WM_LINK_ERROR, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(result)));
}

// Posts a decoded record by the message it calls for; a record that no
// message carries is freed here.
void postRecord(const CWorkerThreadWindow& worker, std::unique_ptr<CPointInformation> record,
                std::optional<RecordMessage> message)
{
    if (!message)
        return;
    if (message->carriesRecord)
        worker.Post(message->message, 0, 0, std::move(record));
    else
        worker.Post(message->message, 0, message->message == WM_LINK_MEASUREMENTCOMPLETE ? kFromWorker : 0);
}

void postPoints(CWorkerThreadWindow& worker, const DriverReadBuffers& buffers)
{
    for (const marlet::DriverPointRecord& point : buffers.ReadPoints()) {
        auto record = std::make_unique<CPointInformation>();
        worker.Binding().ChangeInstrumentType(Audiometer);
        if (!DecodePointRecord(point, *record)) {
            postError(worker, TFuncResult_er_Sonvale);
            continue;
        }
        const std::optional<RecordMessage> message = PointRecordMessage(*record);
        postRecord(worker, std::move(record), message);
    }
}

void postBlocks(CWorkerThreadWindow& worker, const DriverReadBuffers& buffers)
{
    for (const marlet::DriverTestBlock& block : buffers.ReadBlocks()) {
        auto record = std::make_unique<CPointInformation>();
        worker.Binding().ChangeInstrumentType(Tympanometer);
        if (!DecodeTestBlock(block, worker.Binding(), *record)) {
            postError(worker, TFuncResult_er_Sonvale);
            continue;
        }
        const std::optional<RecordMessage> message = TestBlockMessage(*record);
        postRecord(worker, std::move(record), message);
    }
}

// Reads until a stop request comes or a read fails. After a read that handed
// out nothing the worker sleeps on its queue until the poll interval since
// that read began has passed, so that an idle driver costs no processor time
// and a stop request is seen at once.
void poll(CWorkerThreadWindow& worker)
{
    DriverReadBuffers buffers;
    while (worker.PumpMessages()) {
        const auto began = steady_clock::now();
        buffers.Clear();
        const std::int32_t result =
            worker.Binding().ReadAudiMeas(buffers.Points(), DriverReadBuffers::kMaximum, buffers.PointCount(),
                                          buffers.BlockCount(), buffers.Blocks());
        if (result != TFuncResult_fr_OK) {
            postError(worker, result);
            return;
        }
        if (!buffers.IsIntact()) {
            // Counts out of range or records beyond the buffers: nothing of
            // this read can be trusted.
            postError(worker, TFuncResult_er_Sonvale);
        } else if (!buffers.ReadPoints().empty() || !buffers.ReadBlocks().empty()) {
            postPoints(worker, buffers);
            postBlocks(worker, buffers);
            continue;
        }
        if (!worker.WaitUntil(began + std::chrono::milliseconds(kPollInterval)))
            return;
    }
}

// Loads the library and has the client's thread connect it; true when the
// driver connected with the poll interval that the link expects.
bool connect(CWorkerThreadWindow& worker, CThreadStartupInformation& record, const LinkEvents& events)
{
    if (!worker.Binding().Load(record.DriverPath())) {
        record.SetConnectResult(TFuncResult_er_Sonvale);
        return false;
    }
    record.SetBinding(&worker.Binding());
    events.doConnect->set();
    events.done->wait();
    const std::int32_t result = record.ConnectResult();
    if (result != TFuncResult_fr_OK)
        return false;
    if (record.PollValue() != kPollInterval) {
        record.SetConnectResult(TFuncResult_er_Sonvale);
        return false;
    }
    worker.Post(WM_LINK_WORKER_HWND, worker.Window());
    return true;
}

}  // namespace

void ReleaseDriver(CThreadStartupInformation& record)
{
    CVendorDriverWrapper* binding = record.Binding();
    record.SetConnectResult(binding ? binding->ReleaseAudiCon() : TFuncResult_er_Sonvale);
}

int DriverWorkerThread(CThreadStartupInformation& record)
{
    const LinkEvents events = openLinkEvents();
    {
        CWorkerThreadWindow worker(record.ThreadWindow());
        // Where a stop request goes, known before the start-up is reported.
        record.SetWorkerWindow(worker.Window());
        const bool connected = connect(worker, record, events);
        events.startupSync->set();
        if (connected) {
            // Running out of memory ends polling as a failed read does; the
            // client's thread still gets its release request.
            try {
                poll(worker);
            } catch (const std::bad_alloc&) {
                postError(worker, TFuncResult_er_Sonvale);
            }
        }
        events.doRelease->set();
        events.done->wait();
        record.SetBinding(nullptr);
    }  // the worker window goes, and the driver library with the binding
    events.stopSync->set();
    return 0;
}

}  // namespace pelmsonvale
