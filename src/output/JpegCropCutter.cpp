#include "output/JpegCropCutter.h"

#include "imaging/LibjpegDecoding.h"
#include "imaging/LibjpegEncoding.h"

#include <algorithm>
#include <array>
#include <numeric>

#include <jerror.h>

namespace {

JDIMENSION divideRoundingUp(qint64 value, qint64 divisor)
{
    return JDIMENSION((value + divisor - 1) / divisor);
}

// A crop's blocks as its compressor reads them: the source's rows, from the crop's first
// column, waited for as the file is read.
struct CropBlocks
{
    JpegCropCutter *cutter = nullptr;
    std::size_t crop = 0;
    int component = 0;
    int rowsPerMcu = 1;
    JDIMENSION firstColumn = 0;
    JDIMENSION firstRow = 0; // in the source, in blocks
    JDIMENSION height = 0;   // the crop's rows of blocks; the compressor pads the last MCU
    std::vector<JBLOCKROW> rows;
};

// The compressor's memory manager method for its block arrays, which are all CropBlocks.
JBLOCKARRAY accessCropBlocks(j_common_ptr info, jvirt_barray_ptr array, JDIMENSION start, JDIMENSION count, boolean)
{
    auto &blocks = *reinterpret_cast<CropBlocks *>(array);
    if (start > blocks.rows.size() || count > blocks.rows.size() - start || count == 0)
        ERREXIT(info, JERR_BAD_VIRTUAL_ACCESS);
    // The rows past the crop's last are padding the compressor never reads; they point at the last.
    const auto sourceRow = [&blocks](JDIMENSION r) { return blocks.firstRow + std::min(r, blocks.height - 1); };
    const auto mcuRow = [&blocks](JDIMENSION blockRow) { return blockRow / JDIMENSION(blocks.rowsPerMcu); };
    if (!blocks.cutter->waitForRow(blocks.crop, mcuRow(sourceRow(start)), mcuRow(sourceRow(start + count - 1))))
        ERREXIT(info, JERR_BAD_VIRTUAL_ACCESS);
    for (JDIMENSION r = start; r < start + count; ++r)
        blocks.rows[r] = blocks.cutter->row(blocks.component, sourceRow(r)) + blocks.firstColumn;
    return blocks.rows.data() + start;
}

} // namespace

JpegCropCutter::JpegCropCutter(JpegCodec &codec, const std::vector<QRect> &regions)
    : m_codec(codec), m_rows(codec), m_oneScan(!jpeg_has_multiple_scans(&codec.info)), m_jobs(regions.size())
{
    const int mcuHeight = jpegMcuSize(codec.info).height();
    for (std::size_t i = 0; i < regions.size(); ++i) {
        m_jobs[i].crop.region = regions[i];
        m_jobs[i].firstRow = m_jobs[i].nextRow = JDIMENSION(regions[i].top() / mcuHeight);
    }
    m_byTop.resize(regions.size());
    std::iota(m_byTop.begin(), m_byTop.end(), std::size_t(0));
    std::stable_sort(m_byTop.begin(), m_byTop.end(),
                     [this](std::size_t a, std::size_t b) { return m_jobs[a].firstRow < m_jobs[b].firstRow; });
}

JpegCropCutter::~JpegCropCutter()
{
    stop();
}

qint64 JpegCropCutter::peakHeldBytes() const
{
    return m_rows.mcuRowBytes() * (m_oneScan ? kWindowRows + 2 : m_codec.info.total_iMCU_rows);
}

bool JpegCropCutter::takeFrame()
{
    if (!m_frame)
        m_frame = takeFrameCoding(m_codec.info);
    return m_frame && isSameFrame(*m_frame, m_codec.info);
}

bool JpegCropCutter::beforeRow(JDIMENSION rowsRead) noexcept
{
    if (!m_oneScan)
        return true;
    try {
        // The frame's tables are latched once reading has begun; markers read on may not change it.
        if (!takeFrame())
            return false;
        if (rowsRead % kRowsPerHandOver == 0)
            publish(rowsRead);
        for (; m_started < m_byTop.size() && m_jobs[m_byTop[m_started]].firstRow <= rowsRead; ++m_started) {
            Job &job = m_jobs[m_byTop[m_started]];
            job.thread = std::thread([this, &job] { code(job); });
            m_running.push_back(&job);
        }
        std::unique_lock lock(m_mutex);
        m_progress.wait(lock, [&] { return m_failed || rowsRead - firstRowNeeded(rowsRead) <= kWindowRows; });
        const JDIMENSION firstNeeded = firstRowNeeded(rowsRead);
        const bool failed = m_failed;
        std::vector<std::thread> ended;
        const auto finished = std::stable_partition(m_running.begin(), m_running.end(),
                                                    [](const Job *job) { return !job->finished; });
        for (auto job = finished; job != m_running.end(); ++job)
            ended.push_back(std::move((*job)->thread));
        m_running.erase(finished, m_running.end());
        lock.unlock();
        // A thread's stack stays until it is joined: a poster of thousands of crops would
        // otherwise keep them all.
        for (std::thread &thread : ended)
            thread.join();
        m_rows.releaseAbove(firstNeeded);
        return !failed;
    } catch (...) {
        return false;
    }
}

bool JpegCropCutter::finish() noexcept
{
    try {
        if (!takeFrame()) {
            stop();
            return false;
        }
        publish(m_codec.info.total_iMCU_rows);
        for (; m_started < m_byTop.size(); ++m_started)
            code(m_jobs[m_byTop[m_started]]);
        // Every row is in: the compressors still at work finish.
        join();
        return !m_failed;
    } catch (...) {
        stop();
        return false;
    }
}

std::vector<JpegCrop> JpegCropCutter::takeCrops()
{
    std::vector<JpegCrop> crops;
    for (Job &job : m_jobs)
        crops.push_back(std::move(job.crop));
    return crops;
}

bool JpegCropCutter::waitForRow(std::size_t crop, JDIMENSION doneAbove, JDIMENSION needed)
{
    std::unique_lock lock(m_mutex);
    m_jobs[crop].nextRow = std::max(m_jobs[crop].nextRow, doneAbove);
    m_progress.notify_one();
    m_rowsIn.wait(lock, [&] { return m_stopped || m_rowsRead > needed; });
    return !m_stopped;
}

void JpegCropCutter::publish(JDIMENSION rowsRead)
{
    const std::lock_guard lock(m_mutex);
    m_rowsRead = rowsRead;
    m_rowsIn.notify_all();
}

// Ends the cut: compressors still waiting give up, and every thread is joined.
void JpegCropCutter::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_rowsIn.notify_all();
    }
    join();
}

void JpegCropCutter::join()
{
    for (Job &job : m_jobs)
        if (job.thread.joinable())
            job.thread.join();
}

// The first row of MCUs any crop started and not finished still needs; crops not started
// begin at or below rowsRead. Under the mutex.
JDIMENSION JpegCropCutter::firstRowNeeded(JDIMENSION rowsRead) const
{
    JDIMENSION first = rowsRead;
    for (const Job *job : m_running)
        if (!job->finished)
            first = std::min(first, job->nextRow);
    return first;
}

void JpegCropCutter::code(Job &job) noexcept
{
    std::optional<QByteArray> jpeg = codeRegion(std::size_t(&job - m_jobs.data()), job.crop.region);
    const std::lock_guard lock(m_mutex);
    if (jpeg)
        job.crop.jpeg = std::move(*jpeg);
    m_failed = m_failed || !jpeg;
    job.finished = true;
    m_progress.notify_one();
}

// The region's blocks, read in place from the rows held, coded as a JPEG of its own with
// the frame's tables and sampling: no coefficient changes. The compressor pads the last
// column and row of MCUs itself. Reads nothing of the decoder but the rows.
std::optional<QByteArray> JpegCropCutter::codeRegion(std::size_t crop, const QRect &region) noexcept
{
    const JpegFrameCoding &frame = *m_frame;
    const QSize mcu = frame.mcu();
    std::array<CropBlocks, MAX_COMPONENTS> blocks;
    std::array<jvirt_barray_ptr, MAX_COMPONENTS> arrays{};
    try {
        for (int c = 0; c < frame.componentCount; ++c) {
            const JpegFrameCoding::Component &component = frame.components[std::size_t(c)];
            CropBlocks &own = blocks[std::size_t(c)];
            own = {this,
                   crop,
                   c,
                   component.down,
                   JDIMENSION(region.x() / mcu.width() * component.across),
                   JDIMENSION(region.y() / mcu.height() * component.down),
                   divideRoundingUp(qint64(region.height()) * component.down, mcu.height()),
                   {}};
            own.rows.resize(divideRoundingUp(own.height, component.down) * component.down);
            arrays[std::size_t(c)] = reinterpret_cast<jvirt_barray_ptr>(&own);
        }
    } catch (...) {
        return std::nullopt;
    }
    JpegCompressor coder;
    if (!createJpegCompressor(coder))
        return std::nullopt;
    if (setjmp(coder.fatal))
        return std::nullopt;
    coder.info.mem->access_virt_barray = accessCropBlocks;
    setFrameCoding(frame, coder.info, region.size());
    jpeg_write_coefficients(&coder.info, arrays.data());
    jpeg_finish_compress(&coder.info);
    return std::move(coder.output);
}
