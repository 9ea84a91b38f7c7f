#pragma once

#include "imaging/JpegBlockRows.h"
#include "imaging/JpegFrameCoding.h"
#include "output/JpegCrops.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct JpegCodec;

// Cuts regions of whole MCUs out of a JPEG as libjpeg reads its coefficients down the
// picture (jpeg_read_coefficients, with beforeRow called from its progress monitor). Each
// crop is coded on a thread of its own, started as the reading reaches its first row of
// MCUs; its compressor waits for each row it reads. The reading waits in turn for the
// slowest crop once it is kWindowRows ahead, and lets go of the rows every crop has
// passed: only a few rows of the picture are ever held. A picture coded in several scans
// has its rows only at the end; its crops are coded then, one by one.
class JpegCropCutter
{
public:
    static constexpr JDIMENSION kWindowRows = 24;
    // Rows are handed to the compressors this many at a time: each hand-over wakes them.
    static constexpr JDIMENSION kRowsPerHandOver = 4;

    // regions are of whole MCUs within the picture; after jpeg_read_header.
    JpegCropCutter(JpegCodec &codec, const std::vector<QRect> &regions);
    ~JpegCropCutter();
    JpegCropCutter(const JpegCropCutter &) = delete;
    JpegCropCutter &operator=(const JpegCropCutter &) = delete;

    // The most coded blocks held at once, in bytes.
    qint64 peakHeldBytes() const;

    // Before row rowsRead of MCUs is read, all above it being in: starts the crops that
    // begin there, waits for crops too far behind, lets go of the rows all have passed.
    // False once a crop has failed or the file's frame has changed under the reading.
    bool beforeRow(JDIMENSION rowsRead) noexcept;
    // Once the whole file is read: codes the crops still to code and waits for all.
    bool finish() noexcept;
    std::vector<JpegCrop> takeCrops();

    // For a crop's compressor, which is done with the rows above doneAbove and reads up to
    // row needed (both in MCUs of the source): waits until that row is in. False when the
    // cut has stopped.
    bool waitForRow(std::size_t crop, JDIMENSION doneAbove, JDIMENSION needed);
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

    bool takeFrame();
    void publish(JDIMENSION rowsRead);
    void stop();
    void join();
    JDIMENSION firstRowNeeded(JDIMENSION rowsRead) const;
    void code(Job &job) noexcept;
    std::optional<QByteArray> codeRegion(std::size_t crop, const QRect &region) noexcept;

    JpegCodec &m_codec;
    JpegBlockRows m_rows;
    const bool m_oneScan;
    std::optional<JpegFrameCoding> m_frame; // taken once the reading has begun
    std::vector<Job> m_jobs;
    std::vector<std::size_t> m_byTop; // the crops by their first row
    std::size_t m_started = 0;        // in m_byTop: the first crop not started
    std::vector<Job *> m_running;     // started on threads not yet joined

    std::mutex m_mutex;
    std::condition_variable m_rowsIn;   // the compressors wait on it for rows
    std::condition_variable m_progress; // the reading waits on it for the compressors
    JDIMENSION m_rowsRead = 0;
    bool m_stopped = false;
    bool m_failed = false;
};
