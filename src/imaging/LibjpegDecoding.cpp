#include "imaging/LibjpegDecoding.h"

#include "common/NativeFiles.h"
#include "resources/ImagingStrings.h"

#include <algorithm>
#include <functional>
#include <vector>

#include <jerror.h>

namespace {

// Rows are handed to libjpeg in batches of this many; a larger batch gives the library
// more room for its own row groups but delays the rows published to waiting readers.
constexpr int kRowsPerDecodeBatch = 16;

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Output = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kRgb32Output = JCS_EXT_XRGB;
#endif

JpegCodec &codecOf(j_common_ptr info)
{
    return *reinterpret_cast<JpegCodec *>(info->client_data);
}

void onFatalError(j_common_ptr info)
{
    JpegCodec &codec = codecOf(info);
    (*info->err->format_message)(info, codec.message);
    std::longjmp(codec.fatal, 1);
}

// Nothing is printed: what matters is kept in the codec.
void onMessage(j_common_ptr) {}

bool dataRunsOut(int code)
{
    return code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER;
}

bool dataIsCorrupt(int code)
{
    return dataRunsOut(code) || code == JWRN_MUST_RESYNC || code == JWRN_NOT_SEQUENTIAL
        || code == JWRN_HUFF_BAD_CODE || code == JWRN_EXTRANEOUS_DATA;
}

// Warnings are the corrupt or missing data libjpeg steps over, filling in what it cannot
// read: the first such row is kept. A header claiming a gigapixel over a few bytes of data
// would otherwise decode for minutes into grey tiles.
void onWarningOrTrace(j_common_ptr common, int level)
{
    JpegCodec &codec = codecOf(common);
    const int code = common->err->msg_code;
    if (level >= 0 || !dataIsCorrupt(code))
        return;
    if (codec.endMustBeReal && dataRunsOut(code)) {
        std::snprintf(codec.message, sizeof codec.message, "%s", qPrintable(ImagingStrings::kIncompleteFile));
        std::longjmp(codec.fatal, 1);
    }
    // The row group being read when the data failed, in rows of the picture as stored,
    // whatever size it is decoded at. Colour kept at half the rows is smoothed across
    // groups, which takes the group's first colour row into the last row above it.
    const jpeg_decompress_struct &info = codec.info;
    const int groupStart = int(info.input_iMCU_row) * info.max_v_samp_factor * DCTSIZE;
    const int smoothed = info.max_v_samp_factor > 1 ? 1 : 0;
    const int row = std::min<int>(groupStart - smoothed, int(info.image_height) - 1);
    if (!codec.damage.found() || row < codec.damage.firstRow)
        codec.damage.firstRow = std::max(row, 0);
    codec.damage.dataRunsOut = codec.damage.dataRunsOut || dataRunsOut(code);
}

} // namespace

JpegCodec::~JpegCodec()
{
    if (created)
        jpeg_destroy_decompress(&info);
}

namespace {

bool readHeaderFrom(JpegCodec &codec, const std::function<void(j_decompress_ptr)> &setSource)
{
    codec.info.err = jpeg_std_error(&codec.errors);
    codec.errors.error_exit = onFatalError;
    codec.errors.output_message = onMessage;
    codec.errors.emit_message = onWarningOrTrace;
    codec.info.client_data = &codec;
    if (setjmp(codec.fatal))
        return false;
    jpeg_create_decompress(&codec.info);
    codec.created = true;
    setSource(&codec.info);
    // The colour profile travels in APP2 markers, which libjpeg drops unless asked to keep them.
    jpeg_save_markers(&codec.info, JPEG_APP0 + 2, 0xFFFF);
    return jpeg_read_header(&codec.info, TRUE) == JPEG_HEADER_OK;
}

} // namespace

bool readJpegHeader(JpegCodec &codec, const QByteArray &bytes)
{
    return readHeaderFrom(codec, [&bytes](j_decompress_ptr info) {
        jpeg_mem_src(info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
    });
}

bool readJpegHeader(JpegCodec &codec, std::FILE *file)
{
    return readHeaderFrom(codec, [file](j_decompress_ptr info) { jpeg_stdio_src(info, file); });
}

JpegFile openJpegFile(const QString &path)
{
    // libjpeg asks for 4 KB at a time; a larger buffer keeps that from becoming a read each.
    constexpr std::size_t kReadBuffer = std::size_t(1) << 20;
    JpegFile file(isRegularFile(path) ? std::fopen(encodeNativePath(path).constData(), "rb") : nullptr, &std::fclose);
    if (file)
        std::setvbuf(file.get(), nullptr, _IOFBF, kReadBuffer);
    return file;
}

bool setProgramPixels(JpegCodec &codec, int scaleEighths)
{
    const J_COLOR_SPACE space = codec.info.jpeg_color_space;
    if (space != JCS_GRAYSCALE && space != JCS_YCbCr && space != JCS_RGB)
        return false;
    if (setjmp(codec.fatal))
        return false;
    // The settings Qt's decoder uses at its default quality.
    codec.info.out_color_space = kRgb32Output;
    codec.info.dct_method = JDCT_ISLOW;
    codec.info.do_fancy_upsampling = TRUE;
    codec.info.scale_num = unsigned(scaleEighths);
    codec.info.scale_denom = 8;
    jpeg_calc_output_dimensions(&codec.info);
    return codec.info.output_components == 4;
}

bool decodeJpegRows(JpegCodec &codec, JpegRowSink &sink)
{
    if (setjmp(codec.fatal))
        return false;
    jpeg_start_decompress(&codec.info);
    JSAMPROW rows[kRowsPerDecodeBatch];
    while (codec.info.output_scanline < codec.info.output_height) {
        const JDIMENSION next = codec.info.output_scanline;
        const int wanted = int(std::min<JDIMENSION>(kRowsPerDecodeBatch, codec.info.output_height - next));
        const auto batch = JDIMENSION(std::clamp(sink.rowsInBatch(int(next), wanted), 1, wanted));
        for (JDIMENSION i = 0; i < batch; ++i) {
            rows[i] = sink.place(int(next + i));
            if (!rows[i])
                return false;
        }
        // Asked for one batch, libjpeg may return fewer rows: the rest are asked again.
        JDIMENSION read = 0;
        while (read < batch) {
            const JDIMENSION got = jpeg_read_scanlines(&codec.info, rows + read, batch - read);
            if (got == 0)
                return false;
            read += got;
        }
        if (!sink.rowsDone(int(codec.info.output_scanline)))
            return false;
    }
    jpeg_finish_decompress(&codec.info);
    return true;
}

JpegDataDamage findJpegDataDamage(const QByteArray &bytes)
{
    JpegCodec codec;
    if (!readJpegHeader(codec, bytes))
        return {};
    if (setjmp(codec.fatal))
        return codec.damage;
    // Any colour space: the rows are thrown away.
    codec.info.scale_num = 1;
    codec.info.scale_denom = 8;
    codec.info.dct_method = JDCT_IFAST;
    jpeg_calc_output_dimensions(&codec.info);
    struct ScratchRow : JpegRowSink
    {
        std::vector<uchar> row;
        uchar *place(int) override { return row.data(); }
        int rowsInBatch(int, int) override { return 1; }
    } sink;
    sink.row.resize(std::size_t(codec.info.output_width) * std::size_t(codec.info.output_components));
    decodeJpegRows(codec, sink);
    return codec.damage;
}
