#include "imaging/JpegDcPicture.h"

#include <QSize>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr int kBlockSide = 8;
constexpr int kFastBits = 11;

// The coded data with the stuffed zero bytes taken out, followed by zero bytes so that a
// read may look 64 bits ahead anywhere.
struct CodedBits
{
    std::vector<std::uint8_t> bytes;
    std::uint64_t bitCount = 0;
    // Where each restart interval after the first begins, in bytes.
    std::vector<std::size_t> restarts;

    // The next 32 bits from the bit position, first bit highest.
    std::uint32_t peek(std::uint64_t position) const
    {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + position / 8, sizeof word);
        word = qFromBigEndian(word);
        return std::uint32_t((word << (position % 8)) >> 32);
    }
};

// The scan's data up to the marker that ends it, noting where each restart marker was.
void unstuff(const std::uint8_t *data, std::size_t size, CodedBits &coded)
{
    coded.bytes.reserve(size + 8);
    for (std::size_t i = 0; i < size; ++i) {
        // Runs without a marker byte are copied whole.
        const auto *marker = static_cast<const std::uint8_t *>(std::memchr(data + i, 0xFF, size - i));
        const std::size_t plain = marker ? std::size_t(marker - data) : size;
        coded.bytes.insert(coded.bytes.end(), data + i, data + plain);
        i = plain;
        if (i >= size)
            break;
        std::size_t next = i + 1;
        while (next < size && data[next] == 0xFF)
            ++next; // fill bytes
        if (next < size && data[next] == 0x00) {
            coded.bytes.push_back(0xFF);
            i = next;
            continue;
        }
        if (next < size && data[next] >= 0xD0 && data[next] <= 0xD7) {
            coded.restarts.push_back(coded.bytes.size());
            i = next;
            continue;
        }
        break;
    }
    coded.bitCount = std::uint64_t(coded.bytes.size()) * 8;
    coded.bytes.resize(coded.bytes.size() + 8, 0);
}

// A Huffman table: codes of up to kFastBits bits found by one look-up, longer ones by length.
class HuffmanTable
{
public:
    bool build(const JHUFF_TBL *table)
    {
        if (!table)
            return false;
        int count = 0;
        for (int length = 1; length <= 16; ++length)
            count += table->bits[length];
        if (count > 256)
            return false;
        std::memcpy(m_symbols.data(), table->huffval, sizeof table->huffval);
        m_fast.fill(0);
        std::uint32_t code = 0;
        int index = 0;
        for (int length = 1; length <= 16; ++length) {
            m_firstIndex[length] = index;
            m_firstCode[length] = std::int32_t(code);
            for (int i = 0; i < table->bits[length]; ++i, ++index, ++code) {
                if (code >= (1u << length))
                    return false;
                if (length <= kFastBits) {
                    const int shift = kFastBits - length;
                    const int symbol = m_symbols[std::size_t(index)];
                    for (std::uint32_t fill = 0; fill < (1u << shift); ++fill) {
                        m_fast[(code << shift) | fill] = std::uint16_t((length << 8) | symbol);
                        m_skip[(code << shift) | fill] = skipEntry(length, symbol);
                    }
                }
            }
            m_lastCode[length] = table->bits[length] ? std::int32_t(code) - 1 : -1;
            code <<= 1;
        }
        return true;
    }

    // As a table of the coefficients after the first: moves past the code and the bits it
    // announces, and says by how many places it moves on in the block (0 at the block's
    // end); -1 for bits that are no code.
    int skipCoefficient(const CodedBits &coded, std::uint64_t &position) const
    {
        if (const std::uint16_t entry = m_skip[coded.peek(position) >> (32 - kFastBits)]) {
            position += entry & 0x1F;
            return (entry >> 5) & 0x1F;
        }
        const int symbol = decode(coded, position);
        if (symbol < 0)
            return -1;
        position += std::uint64_t(symbol & 15);
        return advanceOf(symbol);
    }

    // The symbol at the position, which moves past its code; -1 for bits that are no code.
    int decode(const CodedBits &coded, std::uint64_t &position) const
    {
        const std::uint32_t bits = coded.peek(position);
        if (const std::uint16_t entry = m_fast[bits >> (32 - kFastBits)]) {
            position += entry >> 8;
            return entry & 0xFF;
        }
        for (int length = kFastBits + 1; length <= 16; ++length) {
            const std::int32_t code = std::int32_t(bits >> (32 - length));
            if (code <= m_lastCode[length]) {
                position += std::uint64_t(length);
                return m_symbols[std::size_t(m_firstIndex[length] + code - m_firstCode[length])];
            }
        }
        return -1;
    }

private:
    // Places a coefficient symbol moves on in its block: past the zeros it skips and itself;
    // 16 zeros for the symbol of sixteen zeros; 0 at the end of the block.
    static int advanceOf(int symbol)
    {
        const int run = symbol >> 4;
        if ((symbol & 15) != 0)
            return run + 1;
        return run == 15 ? 16 : 0;
    }
    static std::uint16_t skipEntry(int length, int symbol)
    {
        return std::uint16_t(0x8000 | (advanceOf(symbol) << 5) | (length + (symbol & 15)));
    }

    std::array<std::uint16_t, 1u << kFastBits> m_fast{};
    std::array<std::uint16_t, 1u << kFastBits> m_skip{};
    std::array<std::uint8_t, 256> m_symbols{};
    std::array<std::int32_t, 17> m_firstCode{};
    std::array<std::int32_t, 17> m_lastCode{};
    std::array<int, 17> m_firstIndex{};
};

struct BlockOfUnit
{
    int component = 0; // in scan order
    const HuffmanTable *dc = nullptr;
    const HuffmanTable *ac = nullptr;
};

// The blocks of one unit (MCU) in coded order, and the units of the picture.
struct ScanShape
{
    std::vector<BlockOfUnit> blocks;
    int components = 0;
    std::array<int, 4> wide{}; // blocks of each component across a unit
    std::array<int, 4> high{};
    int unitsAcross = 0;
    int unitsDown = 0;
    qint64 units() const { return qint64(unitsAcross) * unitsDown; }
};

// Units read from one place on: where each began and the first coefficient of each of its
// blocks, counted from the predictors the reading started with.
struct UnitRun
{
    std::vector<std::uint64_t> starts;
    std::vector<std::int16_t> values; // blocks.size() per unit
    std::uint64_t end = 0;            // where the unit after the last began
    std::array<int, 4> predictors{};  // after the last unit

    qint64 count() const { return qint64(starts.size()); }
};

// Reads one block, adding its first coefficient to the component's predictor; false when the
// bits are no valid block.
bool readBlock(const CodedBits &coded, const BlockOfUnit &block, std::uint64_t &position, int &predictor)
{
    const int size = block.dc->decode(coded, position);
    if (size < 0 || size > 11)
        return false;
    if (size > 0) {
        const int bits = int(coded.peek(position) >> (32 - size));
        position += std::uint64_t(size);
        // Sixteen bits wrap around as the stored values do: a guessed run's predictors may
        // drift anywhere, and only their difference from the true ones matters.
        predictor = std::int16_t(predictor + (bits < (1 << (size - 1)) ? bits - (1 << size) + 1 : bits));
    }
    for (int k = 1; k < 64;) {
        const int advance = block.ac->skipCoefficient(coded, position);
        if (advance < 0 || k + advance > 64)
            return false;
        if (advance == 0)
            break; // end of block
        k += advance;
    }
    return position <= coded.bitCount;
}

bool readUnit(const CodedBits &coded, const ScanShape &shape, std::uint64_t &position, std::array<int, 4> &predictors,
              std::int16_t *values)
{
    for (std::size_t b = 0; b < shape.blocks.size(); ++b) {
        int &predictor = predictors[std::size_t(shape.blocks[b].component)];
        if (!readBlock(coded, shape.blocks[b], position, predictor))
            return false;
        values[b] = std::int16_t(predictor);
    }
    return true;
}

// Reads units from the position until one would begin at or beyond stop, or maxUnits are read.
// From a guessed position a failure starts the reading again at the next byte; from a true
// one it ends the run, which then holds what was read.
UnitRun readUnits(const CodedBits &coded, const ScanShape &shape, std::uint64_t position, std::uint64_t stop,
                  qint64 maxUnits, bool guessed)
{
    UnitRun run;
    const std::size_t perUnit = shape.blocks.size();
    std::vector<std::int16_t> unit(perUnit);
    while (position < stop && position < coded.bitCount && run.count() < maxUnits) {
        std::uint64_t next = position;
        std::array<int, 4> predictors = run.predictors;
        if (!readUnit(coded, shape, next, predictors, unit.data())) {
            // Running out of data ends any run; only a guess that read a wrong code starts again.
            if (!guessed || next > coded.bitCount)
                break;
            run = UnitRun();
            position = (position / 8 + 1) * 8;
            continue;
        }
        run.starts.push_back(position);
        run.values.insert(run.values.end(), unit.begin(), unit.end());
        run.predictors = predictors;
        position = next;
    }
    run.end = position;
    return run;
}

// Where the true reading stands: the units read so far, the bit it has reached and its
// predictors there.
struct TrueReading
{
    std::vector<std::int16_t> values;
    std::uint64_t position = 0;
    std::array<int, 4> predictors{};
};

// Takes a guessed run from its unit j on, which began where the true reading stands: the
// guess read on from the same state, with predictors off by what the true ones had reached.
void adoptGuess(TrueReading &reading, const UnitRun &guess, std::size_t j, const ScanShape &shape)
{
    const std::size_t perUnit = shape.blocks.size();
    std::array<int, 4> before{}; // the guess's predictors before unit j
    for (std::size_t b = 0; j > 0 && b < perUnit; ++b)
        before[std::size_t(shape.blocks[b].component)] = guess.values[(j - 1) * perUnit + b];
    std::array<int, 4> offset{};
    for (std::size_t c = 0; c < std::size_t(shape.components); ++c)
        offset[c] = reading.predictors[c] - before[c];
    const qint64 unitsRead = qint64(reading.values.size() / perUnit);
    const qint64 take = std::min<qint64>(guess.count() - qint64(j), shape.units() - unitsRead);
    for (std::size_t i = j * perUnit; i < (j + std::size_t(take)) * perUnit; ++i)
        reading.values.push_back(std::int16_t(guess.values[i] + offset[std::size_t(shape.blocks[i % perUnit].component)]));
    for (std::size_t c = 0; c < std::size_t(shape.components); ++c)
        reading.predictors[c] = std::int16_t(guess.predictors[c] + offset[c]);
    reading.position = guess.end;
}

// The units of the whole picture, in order, joined from the runs: the first run is true, and
// each later run is taken from the first unit at which the true reading meets it.
std::optional<std::vector<std::int16_t>> joinRuns(const CodedBits &coded, const ScanShape &shape,
                                                  std::vector<UnitRun> &runs)
{
    const std::size_t perUnit = shape.blocks.size();
    TrueReading reading{std::move(runs[0].values), runs[0].end, runs[0].predictors};
    const auto unitsRead = [&reading, perUnit] { return qint64(reading.values.size() / perUnit); };
    std::vector<std::int16_t> unit(perUnit);
    for (std::size_t r = 1; r <= runs.size(); ++r) {
        const UnitRun *guess = r < runs.size() ? &runs[r] : nullptr;
        std::size_t j = 0;
        while (unitsRead() < shape.units()) {
            if (guess) {
                while (j < guess->starts.size() && guess->starts[j] < reading.position)
                    ++j;
                if (j == guess->starts.size())
                    break; // the guess never met the true reading: read on through it
                if (guess->starts[j] == reading.position) {
                    adoptGuess(reading, *guess, j, shape);
                    break;
                }
            }
            if (!readUnit(coded, shape, reading.position, reading.predictors, unit.data()))
                return std::nullopt;
            reading.values.insert(reading.values.end(), unit.begin(), unit.end());
        }
    }
    if (unitsRead() < shape.units())
        return std::nullopt;
    return std::move(reading.values);
}

// Runs work(0) to work(threads - 1) at once, the first on the calling thread.
template <typename Work>
void onThreads(int threads, const Work &work)
{
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work, t);
    work(0);
    for (std::thread &helper : helpers)
        helper.join();
}

// With restart intervals, every interval starts afresh at a known byte: the threads read
// whole intervals each, and no place is guessed.
std::optional<std::vector<std::int16_t>> readIntervals(const CodedBits &coded, const ScanShape &shape,
                                                       qint64 unitsPerInterval, int threads)
{
    const qint64 intervals = (shape.units() + unitsPerInterval - 1) / unitsPerInterval;
    if (qint64(coded.restarts.size()) < intervals - 1)
        return std::nullopt;
    const std::size_t perUnit = shape.blocks.size();
    std::vector<std::int16_t> values(std::size_t(shape.units()) * perUnit);
    std::vector<char> failed(std::size_t(threads), 0);
    const auto read = [&](int t) {
        for (qint64 i = intervals * t / threads; i < intervals * (t + 1) / threads; ++i) {
            std::uint64_t position = i == 0 ? 0 : std::uint64_t(coded.restarts[std::size_t(i - 1)]) * 8;
            std::array<int, 4> predictors{};
            const qint64 end = std::min(shape.units(), (i + 1) * unitsPerInterval);
            for (qint64 unit = i * unitsPerInterval; unit < end; ++unit)
                if (!readUnit(coded, shape, position, predictors, values.data() + std::size_t(unit) * perUnit)) {
                    failed[std::size_t(t)] = 1;
                    return;
                }
        }
    };
    onThreads(threads, read);
    if (std::find(failed.begin(), failed.end(), 1) != failed.end())
        return std::nullopt;
    return values;
}

std::optional<ScanShape> scanShape(const jpeg_decompress_struct &header, std::array<HuffmanTable, 8> &tables)
{
    if (header.progressive_mode || header.arith_code || header.data_precision != 8
        || header.comps_in_scan != header.num_components || (header.num_components != 1 && header.num_components != 3))
        return std::nullopt;
    ScanShape shape;
    shape.components = header.num_components;
    const int maxWide = header.max_h_samp_factor;
    const int maxHigh = header.max_v_samp_factor;
    const bool interleaved = header.comps_in_scan > 1;
    for (int c = 0; c < header.comps_in_scan; ++c) {
        const jpeg_component_info *component = header.cur_comp_info[c];
        if (!component || component->dc_tbl_no < 0 || component->dc_tbl_no > 3 || component->ac_tbl_no < 0
            || component->ac_tbl_no > 3 || component->component_index != c)
            return std::nullopt;
        HuffmanTable &dc = tables[std::size_t(component->dc_tbl_no)];
        HuffmanTable &ac = tables[std::size_t(4 + component->ac_tbl_no)];
        if (!dc.build(header.dc_huff_tbl_ptrs[component->dc_tbl_no])
            || !ac.build(header.ac_huff_tbl_ptrs[component->ac_tbl_no]))
            return std::nullopt;
        shape.wide[std::size_t(c)] = interleaved ? component->h_samp_factor : 1;
        shape.high[std::size_t(c)] = interleaved ? component->v_samp_factor : 1;
        // A block of a smaller component covers whole pixels of the picture, or libjpeg decides.
        if (interleaved && (maxWide % component->h_samp_factor != 0 || maxHigh % component->v_samp_factor != 0))
            return std::nullopt;
        for (int b = 0; b < shape.wide[std::size_t(c)] * shape.high[std::size_t(c)]; ++b)
            shape.blocks.push_back({c, &dc, &ac});
    }
    const int unitWidth = kBlockSide * (interleaved ? maxWide : 1);
    const int unitHeight = kBlockSide * (interleaved ? maxHigh : 1);
    shape.unitsAcross = int((header.image_width + unsigned(unitWidth) - 1) / unsigned(unitWidth));
    shape.unitsDown = int((header.image_height + unsigned(unitHeight) - 1) / unsigned(unitHeight));
    return shape;
}

std::uint8_t sample(int value)
{
    return std::uint8_t(std::clamp(value, 0, 255));
}

// The level of each component over the picture, one value per pixel: each block's level from
// its first coefficient, spread over the pixels it covers when the component is smaller.
std::vector<std::uint8_t> levelsOf(const ScanShape &shape, const std::vector<std::int16_t> &values, int component,
                                   int firstBlock, int step, QSize size, int maxWide, int maxHigh)
{
    std::vector<std::uint8_t> levels(std::size_t(size.width()) * std::size_t(size.height()));
    const std::size_t c = std::size_t(component);
    const int wide = shape.wide[c];
    const int high = shape.high[c];
    const int spreadX = maxWide / wide;
    const int spreadY = maxHigh / high;
    const std::size_t perUnit = shape.blocks.size();
    for (int unitY = 0; unitY < shape.unitsDown; ++unitY)
        for (int unitX = 0; unitX < shape.unitsAcross; ++unitX) {
            const std::int16_t *unit = values.data() + (std::size_t(unitY) * std::size_t(shape.unitsAcross) + std::size_t(unitX)) * perUnit;
            for (int by = 0; by < high; ++by)
                for (int bx = 0; bx < wide; ++bx) {
                    const int coefficient = unit[firstBlock + by * wide + bx];
                    const std::uint8_t level = sample((coefficient * step + (coefficient >= 0 ? 4 : -4)) / 8 + 128);
                    const int left = (unitX * wide + bx) * spreadX;
                    const int top = (unitY * high + by) * spreadY;
                    for (int y = top; y < std::min(top + spreadY, size.height()); ++y)
                        for (int x = left; x < std::min(left + spreadX, size.width()); ++x)
                            levels[std::size_t(y) * std::size_t(size.width()) + std::size_t(x)] = level;
                }
        }
    return levels;
}

// One pixel per block of the first component, in the file's colours.
QImage pictureOf(const jpeg_decompress_struct &header, const ScanShape &shape, const std::vector<std::int16_t> &values)
{
    const QSize size(int((header.image_width + kBlockSide - 1) / kBlockSide),
                     int((header.image_height + kBlockSide - 1) / kBlockSide));
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    const int maxWide = shape.components > 1 ? header.max_h_samp_factor : 1;
    const int maxHigh = shape.components > 1 ? header.max_v_samp_factor : 1;
    std::array<std::vector<std::uint8_t>, 3> levels;
    for (int c = 0, first = 0; c < shape.components; ++c) {
        const JQUANT_TBL *steps = header.quant_tbl_ptrs[header.cur_comp_info[c]->quant_tbl_no];
        if (!steps)
            return QImage();
        levels[std::size_t(c)] = levelsOf(shape, values, c, first, steps->quantval[0], size, maxWide, maxHigh);
        first += shape.wide[std::size_t(c)] * shape.high[std::size_t(c)];
    }
    // The colour conversion in sixteenths of a bit, as libjpeg's own.
    constexpr int kOne = 1 << 16;
    constexpr int kHalf = kOne / 2;
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        const std::size_t at = std::size_t(y) * std::size_t(size.width());
        for (int x = 0; x < size.width(); ++x) {
            const std::size_t i = at + std::size_t(x);
            if (shape.components == 1) {
                row[x] = qRgb(levels[0][i], levels[0][i], levels[0][i]);
            } else if (header.jpeg_color_space == JCS_RGB) {
                row[x] = qRgb(levels[0][i], levels[1][i], levels[2][i]);
            } else {
                const int luma = levels[0][i];
                const int blue = levels[1][i] - 128;
                const int red = levels[2][i] - 128;
                row[x] = qRgb(sample(luma + ((91881 * red + kHalf) >> 16)),
                              sample(luma - ((22554 * blue + 46802 * red - kHalf) >> 16)),
                              sample(luma + ((116130 * blue + kHalf) >> 16)));
            }
        }
    }
    return picture;
}

} // namespace

QImage jpegDcPicture(const jpeg_decompress_struct &header, const QByteArray &file, int threads)
{
    std::array<HuffmanTable, 8> tables;
    const std::optional<ScanShape> shape = scanShape(header, tables);
    if (!shape || shape->units() <= 0 || !header.src || !header.src->next_input_byte)
        return QImage();
    const auto *begin = reinterpret_cast<const std::uint8_t *>(file.constData());
    const auto *data = header.src->next_input_byte;
    if (data < begin || data > begin + file.size())
        return QImage();
    CodedBits coded;
    unstuff(data, std::size_t(begin + file.size() - data), coded);
    const int shares = std::clamp(threads, 1, 8);
    if (header.restart_interval != 0) {
        const std::optional<std::vector<std::int16_t>> values =
            readIntervals(coded, *shape, qint64(header.restart_interval), shares);
        return values ? pictureOf(header, *shape, *values) : QImage();
    }
    if (!coded.restarts.empty())
        return QImage(); // restart markers that no interval announced

    // Each thread reads an equal share of the bits; the first share's start is the true one.
    std::vector<std::uint64_t> from(std::size_t(shares) + 1);
    for (int s = 0; s <= shares; ++s)
        from[std::size_t(s)] = s == shares ? coded.bitCount : coded.bitCount / std::uint64_t(shares) * std::uint64_t(s) / 8 * 8;
    std::vector<UnitRun> runs(static_cast<std::size_t>(shares));
    const auto read = [&](int s) {
        runs[std::size_t(s)] = readUnits(coded, *shape, from[std::size_t(s)], from[std::size_t(s) + 1],
                                         shape->units(), s > 0);
    };
    onThreads(shares, read);

    const std::optional<std::vector<std::int16_t>> values = joinRuns(coded, *shape, runs);
    if (!values)
        return QImage();
    return pictureOf(header, *shape, *values);
}
