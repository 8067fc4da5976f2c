#include "driver/DriverLibrary.h"

#include "driver/ConnectionSession.h"

#include <algorithm>

namespace marlet {

namespace {

// The test frequencies the link knows, in Hz.
constexpr std::int32_t kFrequencies[] = {125,  250,  500,  750,  1000,  1500, 2000,
                                         3000, 4000, 6000, 8000, 12000, 16000};

// Moves records from the ring into `out` until the ring is empty or `maximum`
// have been moved; the count says how many.
template <typename Record>
void drain(RecordRing<Record>& ring, Record* out, std::int32_t maximum, std::int32_t& count)
{
    count = 0;
    while (count < maximum && ring.pop(out[count]))
        ++count;
}

}  // namespace

DriverLibrary::DriverLibrary(std::string settingsName, std::vector<std::filesystem::path> translationFolders,
                             ZeroedAllocator allocate)
    : m_translationFolders(std::move(translationFolders)),
      m_points(allocate),
      m_blocks(allocate),
      m_settings(std::move(settingsName)),
      m_allocate(allocate),
      m_session(std::make_unique<ConnectionSession>())
{
    m_settings.load();
    const SettingsValues values = m_settings.values();
    selectModels(values.audiometer(), values.tympanometer());
}

bool DriverLibrary::usable() const
{
    return m_points.allocated() && m_blocks.allocated();
}

std::int32_t DriverLibrary::reqAudiCon2(std::int16_t* pollInterval, WindowHandle parent)
{
    if (!pollInterval)
        return kResultFailed;
    *pollInterval = kPollInterval;
    if (m_connected)
        return kResultAlreadyConnected;
    m_texts.loadReplacements(m_translationFolders);
    if (!usable()) {
        m_lastError.recordSerialError(ErrorAllocatingMemory);
        return kResultNotConnected;
    }
    if (!m_session->connect(*this, parent))
        return kResultNotConnected;
    // Results of an earlier connection must not show up in this one.
    m_points.clear();
    m_blocks.clear();
    m_connected = true;
    return kResultOk;
}

std::int32_t DriverLibrary::releaseAudiCon()
{
    if (!m_connected)
        return kResultNotConnected;
    // Disconnected even when saving the settings at the end of release fails.
    m_connected = false;
    m_reader.drop();
    m_session->release(*this);
    m_texts.freeReplacements();
    return kResultOk;
}

std::int32_t DriverLibrary::readAudiMeas(DriverPointRecord* points, std::int32_t maximum,
                                         std::int32_t* pointCount, std::int32_t* blockCount,
                                         DriverTestBlock* blocks)
{
    if (!m_connected)
        return kResultNotConnected;
    if (!pointCount || !blockCount || (maximum > 0 && (!points || !blocks)))
        return kResultFailed;
    m_reader.read(*this);
    drain(m_points, points, maximum, *pointCount);
    drainBlocks(blocks, maximum, *blockCount);
    return kResultOk;
}

std::int32_t DriverLibrary::instrumentModel() const
{
    if (m_selector == 0)
        return m_audiometer;
    // The tympanograms of an audiometer are its own, not the tympanometer's.
    return m_blockOrigin != ModelNone ? m_blockOrigin : m_tympanometer;
}

std::int32_t DriverLibrary::changeInstrumentType(std::int32_t selector)
{
    m_selector = selector;
    return selector;
}

std::int32_t DriverLibrary::setupAudi2(WindowHandle parent)
{
    if (m_connected)
        return kResultAlreadyConnected;
    if (!usable())
        return kResultFailed;
    m_texts.loadReplacements(m_translationFolders);
    const bool shown = m_session->showSetup(*this, parent);
    m_texts.freeReplacements();
    return shown ? kResultOk : kResultFailed;
}

bool DriverLibrary::pushPoint(std::int32_t typeWord, std::int32_t frequency, int levelTenths)
{
    // A level of "none" would read as a 3276 dB threshold.
    if (levelTenths == kLevelNone || std::ranges::find(kFrequencies, frequency) == std::end(kFrequencies))
        return false;
    return m_points.push(DriverPointRecord{typeWord, frequency, levelTenths / 10});
}

bool DriverLibrary::pushBlock(const DriverTestBlock& block, ModelIndex origin)
{
    return m_blocks.push(SentBlock{block, origin});
}

void DriverLibrary::drainBlocks(DriverTestBlock* out, std::int32_t maximum, std::int32_t& count)
{
    count = 0;
    m_blockOrigin = ModelNone;
    SentBlock sent;
    while (count < maximum && m_blocks.front() &&
           (count == 0 || m_blocks.front()->origin == m_blockOrigin) && m_blocks.pop(sent)) {
        m_blockOrigin = sent.origin;
        out[count++] = sent.block;
    }
}

void DriverLibrary::selectModels(ModelIndex audiometer, ModelIndex tympanometer)
{
    m_audiometer = audiometer;
    m_tympanometer = tympanometer;
}

int DriverLibrary::checkPorts(const SettingsValues& values, PortSlots& slots)
{
    m_cursorNext = false;
    return marlet::checkPorts(values, slots, m_lastError, m_allocate);
}

void DriverLibrary::showStatus(const std::string& text)
{
    m_status.showStatus(m_selector == 0 ? StatusField::Audiometer : StatusField::Tympanometer, text);
}

std::optional<CurveChoice> DriverLibrary::pickCurve()
{
    const SettingsValues values = m_settings.values();
    return m_question.ask(m_status, presetChoice(values.models[values.audiometer()]));
}

void DriverLibrary::setSession(std::unique_ptr<Session> session)
{
    m_session = std::move(session);
}

}  // namespace marlet
