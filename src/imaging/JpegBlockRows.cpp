#include "imaging/JpegBlockRows.h"

#include "imaging/LibjpegDecoding.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <jerror.h>

struct JpegBlockRows::Component
{
    JDIMENSION blocksPerRow = 0;
    int rowsPerMcu = 1;
    std::vector<JBLOCKROW> rows;  // null while not held
    std::size_t released = 0;     // the rows above this one are let go of
    std::vector<JBLOCKROW> spare; // let go of, to be used again

    std::size_t rowBytes() const { return std::size_t(blocksPerRow) * sizeof(JBLOCK); }

    ~Component()
    {
        for (JBLOCKROW row : rows)
            std::free(row);
        for (JBLOCKROW row : spare)
            std::free(row);
    }

    // The decoder writes only the coefficients coded, so a row starts at zero.
    JBLOCKROW newRow()
    {
        if (spare.empty())
            return static_cast<JBLOCKROW>(std::calloc(blocksPerRow, sizeof(JBLOCK)));
        JBLOCKROW row = spare.back();
        spare.pop_back();
        std::memset(row, 0, rowBytes());
        return row;
    }
};

// The memory manager's methods for block arrays, which libjpeg calls through its own table.
// Every block array of a decompressor reading coefficients is one of ours: the coefficient
// controller's is the only one.
struct JpegBlockRowsHooks
{
    static JpegBlockRows &ownerOf(j_common_ptr info)
    {
        return *static_cast<JpegBlockRows *>(static_cast<JpegCodec *>(info->client_data)->user);
    }

    static JpegBlockRows::Component *add(JpegBlockRows &owner, JDIMENSION blocksPerRow, JDIMENSION rowCount,
                                         JDIMENSION rowsPerMcu) noexcept
    {
        try {
            auto component = std::make_unique<JpegBlockRows::Component>();
            component->blocksPerRow = blocksPerRow;
            component->rowsPerMcu = int(rowsPerMcu);
            component->rows.assign(rowCount, nullptr);
            // So that letting go of a row never needs memory.
            component->spare.reserve(rowCount);
            owner.m_components.push_back(std::move(component));
            return owner.m_components.back().get();
        } catch (...) {
            return nullptr;
        }
    }

    static jvirt_barray_ptr request(j_common_ptr info, int, boolean, JDIMENSION blocksPerRow, JDIMENSION rowCount,
                                    JDIMENSION)
    {
        // The coefficient controller asks in frame order, one array per component.
        const auto *decompressor = reinterpret_cast<j_decompress_ptr>(info);
        JpegBlockRows &owner = ownerOf(info);
        const std::size_t index = owner.m_components.size();
        const JDIMENSION rowsPerMcu = index < std::size_t(decompressor->num_components)
            ? JDIMENSION(decompressor->comp_info[index].v_samp_factor)
            : 1;
        JpegBlockRows::Component *component = add(owner, blocksPerRow, rowCount, rowsPerMcu);
        if (component == nullptr)
            ERREXIT(info, JERR_OUT_OF_MEMORY);
        return reinterpret_cast<jvirt_barray_ptr>(component);
    }

    static void realize(j_common_ptr info)
    {
        // Rows come into being as they are reached; the library's own arrays, if any, as it does them.
        ownerOf(info).m_libraryRealize(info);
    }

    static JBLOCKARRAY access(j_common_ptr info, jvirt_barray_ptr array, JDIMENSION start, JDIMENSION count, boolean)
    {
        auto &component = *reinterpret_cast<JpegBlockRows::Component *>(array);
        if (start > component.rows.size() || count > component.rows.size() - start)
            ERREXIT(info, JERR_BAD_VIRTUAL_ACCESS);
        for (JDIMENSION r = start; r < start + count; ++r) {
            if (component.rows[r] == nullptr)
                component.rows[r] = component.newRow();
            if (component.rows[r] == nullptr)
                ERREXIT(info, JERR_OUT_OF_MEMORY);
        }
        return component.rows.data() + start;
    }
};

JpegBlockRows::JpegBlockRows(JpegCodec &codec) : m_codec(codec)
{
    m_codec.user = this;
    jpeg_memory_mgr &memory = *m_codec.info.mem;
    m_libraryRealize = memory.realize_virt_arrays;
    memory.request_virt_barray = JpegBlockRowsHooks::request;
    memory.realize_virt_arrays = JpegBlockRowsHooks::realize;
    memory.access_virt_barray = JpegBlockRowsHooks::access;
}

JpegBlockRows::~JpegBlockRows()
{
    m_codec.user = nullptr;
}

JBLOCKROW JpegBlockRows::row(int component, JDIMENSION blockRow) const
{
    return m_components[std::size_t(component)]->rows[blockRow];
}

void JpegBlockRows::releaseAbove(JDIMENSION mcuRow)
{
    for (const std::unique_ptr<Component> &component : m_components) {
        const std::size_t end =
            std::min(component->rows.size(), std::size_t(mcuRow) * std::size_t(component->rowsPerMcu));
        for (std::size_t r = component->released; r < end; ++r) {
            if (component->rows[r] != nullptr)
                component->spare.push_back(component->rows[r]);
            component->rows[r] = nullptr;
        }
        component->released = std::max(component->released, end);
    }
}

qint64 JpegBlockRows::mcuRowBytes() const
{
    const jpeg_decompress_struct &info = m_codec.info;
    qint64 bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info &component = info.comp_info[c];
        const qint64 blocksPerRow = (qint64(component.width_in_blocks) + component.h_samp_factor - 1)
            / component.h_samp_factor * component.h_samp_factor;
        bytes += blocksPerRow * component.v_samp_factor * qint64(sizeof(JBLOCK));
    }
    return bytes;
}
