#pragma once
// The state of the driver's one connection and the work of its exported
// functions: the connected flag, the instrument selector and the two model
// selections, the rings of results that the parsers fill and ReadAudiMeas
// empties, the texts and the last error.
//
// One instance lives in the loaded library from its load to its unload
// (Exports.cpp); tests make their own.
// The link server never calls two functions at a time, but the status and
// set-up dialogs run on the user-interface thread while ReadAudiMeas runs on
// the link's worker thread: what both use (the settings, the status board,
// the curve question) guards itself; the rest belongs to the calls.

#include "driver/CurveQuestion.h"
#include "driver/LastError.h"
#include "driver/PortSlots.h"
#include "driver/RecordReader.h"
#include "driver/RecordRing.h"
#include "driver/Session.h"
#include "driver/Settings.h"
#include "driver/StatusBoard.h"
#include "driver/TextTable.h"
#include "marlet/DriverExports.h"
#include "marlet/DriverRecords.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace marlet {

// A level in tenths of dB that says "no level".
inline constexpr int kLevelNone = 0x8000;

class DriverLibrary {
public:
    // `settingsName`: the library's name, under which its settings are kept
    // (read here). `translationFolders`: where "translate.txt" is looked for.
    DriverLibrary(std::string settingsName, std::vector<std::filesystem::path> translationFolders,
                  ZeroedAllocator allocate = zeroedAllocation);
    DriverLibrary(const DriverLibrary&) = delete;
    DriverLibrary& operator=(const DriverLibrary&) = delete;

    // False when the rings could not be allocated: such a library connects to
    // nothing and shows no set-up.
    bool usable() const;

    // The exported functions (DriverExports.h).
    std::int32_t reqAudiCon2(std::int16_t* pollInterval, WindowHandle parent);
    std::int32_t releaseAudiCon();
    std::int32_t readAudiMeas(DriverPointRecord* points, std::int32_t maximum, std::int32_t* pointCount,
                              std::int32_t* blockCount, DriverTestBlock* blocks);
    std::int32_t instrumentModel() const;
    std::int32_t changeInstrumentType(std::int32_t selector);
    std::int32_t setupAudi2(WindowHandle parent);

    // For the parsers. A point is pushed only when its frequency is one the
    // link knows and it has a level; its level in tenths becomes whole dB
    // (truncated). A full ring drops the new record. True when it was kept.
    bool pushPoint(std::int32_t typeWord, std::int32_t frequency, int levelTenths);
    // `origin`: the instrument that sent the block.
    bool pushBlock(const DriverTestBlock& block, ModelIndex origin = ModelNone);

    bool connected() const { return m_connected; }
    void selectModels(ModelIndex audiometer, ModelIndex tympanometer);
    void setSession(std::unique_ptr<Session> session);

    // The port check (PortSlots.h) on these settings, into these slots; it
    // also clears the cursor-next flag. 0 or the serial code recorded.
    int checkPorts(const SettingsValues& values, PortSlots& slots);

    // For the record reader and parsers, on the worker thread.
    // Shows a text in the status field of the instrument being read: the
    // audiometer's while the selector is 0, else the tympanometer's.
    void showStatus(const std::string& text);
    AcCurve acCurve() const { return m_status.acCurve(); }
    // The pick-curve question (CurveQuestion.h), preset from the audiometer's settings.
    std::optional<CurveChoice> pickCurve();
    // Set after a whole-curve transfer: the next single point is the cursor.
    bool cursorNext() const { return m_cursorNext; }
    void setCursorNext(bool cursorNext) { m_cursorNext = cursorNext; }

    TextTable& texts() { return m_texts; }
    LastError& lastError() { return m_lastError; }
    Settings& settings() { return m_settings; }
    PortSlots& ports() { return m_ports; }
    StatusBoard& status() { return m_status; }
    CurveQuestion& curveQuestion() { return m_question; }

private:
    std::vector<std::filesystem::path> m_translationFolders;
    RecordRing<DriverPointRecord> m_points;
    // A test block beside the instrument that sent it: one ReadAudiMeas hands
    // out blocks of one instrument only, so that InstrumentModel names it.
    struct SentBlock {
        DriverTestBlock block;
        ModelIndex origin;
    };
    void drainBlocks(DriverTestBlock* out, std::int32_t maximum, std::int32_t& count);

    RecordRing<SentBlock> m_blocks;
    TextTable m_texts;
    LastError m_lastError{m_texts};
    Settings m_settings;
    ZeroedAllocator m_allocate;
    PortSlots m_ports;
    StatusBoard m_status;
    RecordReader m_reader;
    CurveQuestion m_question;
    std::unique_ptr<Session> m_session;
    bool m_connected = false;
    bool m_cursorNext = false;
    std::int32_t m_selector = 0;
    ModelIndex m_audiometer = ModelNone;
    ModelIndex m_tympanometer = ModelNone;
    ModelIndex m_blockOrigin = ModelNone;  // of the blocks handed out last
};

}  // namespace marlet
