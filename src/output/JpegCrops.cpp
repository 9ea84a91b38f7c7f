#include "output/JpegCrops.h"

#include "common/NativeFiles.h"
#include "imaging/DecodeBudget.h"
#include "imaging/JpegBlockRows.h"
#include "imaging/LibjpegDecoding.h"
#include "imaging/LibjpegEncoding.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>

#include <jerror.h>

namespace {

// The most coded blocks held at once: a progressive picture of some 130 megapixels (4:2:0),
// whose rows come in scan after scan, is held whole. A poster needing more is cut band by
// band from decoded pixels.
constexpr qint64 kMaxHeldBlockBytes = qint64(400) << 20;

// libjpeg asks for 4 KB at a time; a larger buffer keeps that from becoming a read each.
constexpr std::size_t kReadBuffer = std::size_t(1) << 20;

QSize mcuSize(const jpeg_decompress_struct &info)
{
    return QSize(info.max_h_samp_factor * DCTSIZE, info.max_v_samp_factor * DCTSIZE);
}

JDIMENSION divideRoundingUp(qint64 value, qint64 divisor)
{
    return JDIMENSION((value + divisor - 1) / divisor);
}

class CropCutter;

// A crop's blocks as its compressor reads them: the source's rows, from the crop's first
// column, waited for as the file is read.
struct CropBlocks
{
    CropCutter *cutter = nullptr;
    std::size_t crop = 0;
    int component = 0;
    int rowsPerMcu = 1;
    JDIMENSION firstColumn = 0;
    JDIMENSION firstRow = 0; // in the source, in blocks
    JDIMENSION height = 0;   // the crop's rows of blocks; the compressor pads the last MCU
    std::vector<JBLOCKROW> rows;
};

JBLOCKARRAY accessCropBlocks(j_common_ptr info, jvirt_barray_ptr array, JDIMENSION start, JDIMENSION count, boolean);

// Works down the picture as libjpeg reads it. Each crop is coded on a thread of its own,
// started as the reading reaches its first row of MCUs; its compressor waits for each row
// it reads. The reading waits in turn for the slowest crop once it is kWindowRows ahead,
// and lets go of the rows every crop has passed: only a few rows of the picture are ever
// held. A picture coded in several scans has its rows only at the end; its crops are coded
// then, one by one.
class CropCutter
{
public:
    static constexpr JDIMENSION kWindowRows = 24;
    // Rows are handed to the compressors this many at a time: each wakes the threads waiting.
    static constexpr JDIMENSION kRowsPerHandOver = 4;

    CropCutter(JpegCodec &codec, const std::vector<QRect> &regions)
        : m_codec(codec), m_rows(codec), m_oneScan(!jpeg_has_multiple_scans(&codec.info)), m_jobs(regions.size())
    {
        const int mcuHeight = mcuSize(codec.info).height();
        for (std::size_t i = 0; i < regions.size(); ++i) {
            m_jobs[i].crop.region = regions[i];
            m_jobs[i].firstRow = m_jobs[i].nextRow = JDIMENSION(regions[i].top() / mcuHeight);
        }
        m_byTop.resize(regions.size());
        std::iota(m_byTop.begin(), m_byTop.end(), std::size_t(0));
        std::stable_sort(m_byTop.begin(), m_byTop.end(),
                         [this](std::size_t a, std::size_t b) { return m_jobs[a].firstRow < m_jobs[b].firstRow; });
    }

    ~CropCutter() { stop(); }

    // The most coded blocks held at once, in bytes.
    qint64 peakHeldBytes() const
    {
        return m_rows.mcuRowBytes() * (m_oneScan ? kWindowRows + 2 : m_codec.info.total_iMCU_rows);
    }

    // Before row rowsRead of MCUs is read, all above it being in: starts the crops that
    // begin there, waits for crops too far behind, lets go of the rows all have passed.
    // False once a crop has failed.
    bool beforeRow(JDIMENSION rowsRead) noexcept
    {
        if (!m_oneScan)
            return true;
        try {
            if (rowsRead % kRowsPerHandOver == 0)
                publish(rowsRead);
            for (; m_started < m_byTop.size() && m_jobs[m_byTop[m_started]].firstRow <= rowsRead; ++m_started) {
                Job &job = m_jobs[m_byTop[m_started]];
                job.thread = std::thread([this, &job] { code(job); });
            }
            std::unique_lock lock(m_mutex);
            m_progress.wait(lock, [&] { return m_failed || rowsRead - firstRowNeeded(rowsRead) <= kWindowRows; });
            const JDIMENSION firstNeeded = firstRowNeeded(rowsRead);
            const bool failed = m_failed;
            std::vector<std::thread> ended;
            for (std::size_t k = 0; k < m_started; ++k)
                if (Job &job = m_jobs[m_byTop[k]]; job.finished && job.thread.joinable())
                    ended.push_back(std::move(job.thread));
            lock.unlock();
            // A thread's stack stays until it is joined: a poster of thousands of crops
            // would otherwise keep them all.
            for (std::thread &thread : ended)
                thread.join();
            m_rows.releaseAbove(firstNeeded);
            return !failed;
        } catch (...) {
            return false;
        }
    }

    // Once the whole file is read: the crops still to code are coded, and all are waited for.
    bool finish() noexcept
    {
        try {
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

    std::vector<JpegCrop> takeCrops()
    {
        std::vector<JpegCrop> crops;
        for (Job &job : m_jobs)
            crops.push_back(std::move(job.crop));
        return crops;
    }

    // A crop's compressor is done with the rows above doneAbove and reads up to row
    // needed (both in MCUs of the source): waits until that row is in. False when the cut
    // has stopped.
    bool waitForRow(std::size_t crop, JDIMENSION doneAbove, JDIMENSION needed)
    {
        std::unique_lock lock(m_mutex);
        m_jobs[crop].nextRow = std::max(m_jobs[crop].nextRow, doneAbove);
        m_progress.notify_one();
        m_rowsIn.wait(lock, [&] { return m_stopped || m_rowsRead > needed; });
        return !m_stopped;
    }

    JBLOCKROW row(int component, JDIMENSION blockRow) const { return m_rows.row(component, blockRow); }

private:
    struct Job
    {
        JpegCrop crop;
        JDIMENSION firstRow = 0;
        JDIMENSION nextRow = 0; // the first row of MCUs the compressor still needs
        bool finished = false;
        std::thread thread;
    };

    void publish(JDIMENSION rowsRead)
    {
        const std::lock_guard lock(m_mutex);
        m_rowsRead = rowsRead;
        m_rowsIn.notify_all();
    }

    // Ends the cut: compressors still waiting give up, and every thread is joined.
    void stop()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
            m_rowsIn.notify_all();
        }
        join();
    }

    void join()
    {
        for (Job &job : m_jobs)
            if (job.thread.joinable())
                job.thread.join();
    }

    // The first row of MCUs any crop started and not finished still needs; crops not
    // started begin at or below rowsRead. Under the mutex.
    JDIMENSION firstRowNeeded(JDIMENSION rowsRead) const
    {
        JDIMENSION first = rowsRead;
        for (std::size_t k = 0; k < m_started; ++k)
            if (const Job &job = m_jobs[m_byTop[k]]; !job.finished)
                first = std::min(first, job.nextRow);
        return first;
    }

    void code(Job &job) noexcept
    {
        std::optional<QByteArray> jpeg = codeRegion(std::size_t(&job - m_jobs.data()), job.crop.region);
        const std::lock_guard lock(m_mutex);
        if (jpeg)
            job.crop.jpeg = std::move(*jpeg);
        m_failed = m_failed || !jpeg;
        job.finished = true;
        m_progress.notify_one();
    }

    // The region's blocks, read in place from the rows held, coded as a JPEG of its own
    // with the source's tables and sampling: no coefficient changes. The compressor pads
    // the last column and row of MCUs itself.
    std::optional<QByteArray> codeRegion(std::size_t crop, const QRect &region) noexcept
    {
        const jpeg_decompress_struct &source = m_codec.info;
        const QSize mcu = mcuSize(source);
        std::array<CropBlocks, MAX_COMPONENTS> blocks;
        std::array<jvirt_barray_ptr, MAX_COMPONENTS> arrays{};
        try {
            for (int c = 0; c < source.num_components; ++c) {
                const jpeg_component_info &component = source.comp_info[c];
                CropBlocks &own = blocks[std::size_t(c)];
                own = {this, crop, c, component.v_samp_factor,
                       JDIMENSION(region.x() / mcu.width() * component.h_samp_factor),
                       JDIMENSION(region.y() / mcu.height() * component.v_samp_factor),
                       divideRoundingUp(qint64(region.height()) * component.v_samp_factor, mcu.height()),
                       {}};
                own.rows.resize(divideRoundingUp(own.height, component.v_samp_factor) * component.v_samp_factor);
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
        jpeg_copy_critical_parameters(const_cast<j_decompress_ptr>(&source), &coder.info);
        coder.info.image_width = JDIMENSION(region.width());
        coder.info.image_height = JDIMENSION(region.height());
        jpeg_write_coefficients(&coder.info, arrays.data());
        jpeg_finish_compress(&coder.info);
        return std::move(coder.output);
    }

    JpegCodec &m_codec;
    JpegBlockRows m_rows;
    const bool m_oneScan;
    std::vector<Job> m_jobs;
    std::vector<std::size_t> m_byTop; // the crops by their first row
    std::size_t m_started = 0;        // in m_byTop: the first crop not started

    std::mutex m_mutex;
    std::condition_variable m_rowsIn;   // the compressors wait on it for rows
    std::condition_variable m_progress; // the reading waits on it for the compressors
    JDIMENSION m_rowsRead = 0;
    bool m_stopped = false;
    bool m_failed = false;
};

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

// libjpeg's progress monitor, called before each row of MCUs is read.
struct CutProgress
{
    jpeg_progress_mgr monitor{};
    CropCutter *cutter = nullptr;
};

bool anyWarning(const JpegCodec &codec)
{
    return codec.errors.num_warnings > 0;
}

void beforeRow(j_common_ptr common)
{
    auto *info = reinterpret_cast<j_decompress_ptr>(common);
    JpegCodec &codec = *static_cast<JpegCodec *>(info->client_data);
    if (anyWarning(codec) || !reinterpret_cast<CutProgress *>(info->progress)->cutter->beforeRow(info->input_iMCU_row))
        std::longjmp(codec.fatal, 1);
}

// Every warning counts: damaged coded data is not passed on. The poster is then cut from
// decoded pixels, which say which rows the file could not give.
void countWarnings(j_common_ptr info, int level)
{
    if (level < 0)
        ++info->err->num_warnings;
}

// The header's promise checked: a colour or grey JPEG of the picture's size, 8 bits.
bool canCut(const jpeg_decompress_struct &info, QSize picture)
{
    return QSize(int(info.image_width), int(info.image_height)) == picture
        && (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_GRAYSCALE)
        && info.data_precision == 8;
}

std::optional<std::vector<JpegCrop>> cutAreas(JpegCodec &codec, const std::vector<QRect> &areas, QSize picture)
{
    if (areas.empty() || !canCut(codec.info, picture))
        return std::nullopt;
    const QSize mcu = mcuSize(codec.info);
    std::vector<QRect> regions;
    for (const QRect &area : areas) {
        regions.push_back(wholeBlocksAround(area, mcu, picture));
        if (regions.back().isEmpty())
            return std::nullopt;
    }
    CropCutter cutter(codec, regions);
    const qint64 held = cutter.peakHeldBytes();
    if (held > kMaxHeldBlockBytes || !DecodeBudget::checkRoomFor(held))
        return std::nullopt;
    CutProgress progress;
    progress.monitor.progress_monitor = beforeRow;
    progress.cutter = &cutter;
    codec.info.progress = &progress.monitor;
    codec.errors.emit_message = countWarnings;
    if (setjmp(codec.fatal))
        return std::nullopt;
    jpeg_read_coefficients(&codec.info);
    if (anyWarning(codec) || !cutter.finish())
        return std::nullopt;
    return cutter.takeCrops();
}

} // namespace

QRect wholeBlocksAround(const QRect &area, QSize mcu, QSize picture)
{
    const QRect inside = area.intersected(QRect(QPoint(), picture));
    if (inside.isEmpty())
        return QRect();
    const int left = inside.left() / mcu.width() * mcu.width();
    const int top = inside.top() / mcu.height() * mcu.height();
    const int right = std::min(picture.width(), (inside.right() / mcu.width() + 1) * mcu.width());
    const int bottom = std::min(picture.height(), (inside.bottom() / mcu.height() + 1) * mcu.height());
    return QRect(left, top, right - left, bottom - top);
}

std::optional<std::vector<JpegCrop>> cutJpegAreas(const QByteArray &jpeg, const std::vector<QRect> &areas,
                                                  QSize picture)
{
    JpegCodec codec;
    if (!readJpegHeader(codec, jpeg))
        return std::nullopt;
    return cutAreas(codec, areas, picture);
}

std::optional<std::vector<JpegCrop>> cutJpegFileAreas(const QString &path, const std::vector<QRect> &areas,
                                                      QSize picture)
{
    if (!isRegularFile(path))
        return std::nullopt;
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(encodeNativePath(path).constData(), "rb"),
                                                              &std::fclose);
    if (!file)
        return std::nullopt;
    std::setvbuf(file.get(), nullptr, _IOFBF, kReadBuffer);
    JpegCodec codec;
    if (!readJpegHeader(codec, file.get()))
        return std::nullopt;
    return cutAreas(codec, areas, picture);
}
