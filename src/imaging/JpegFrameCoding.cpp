#include "imaging/JpegFrameCoding.h"

#include <algorithm>

QSize JpegFrameCoding::mcu() const
{
    int across = 1;
    int down = 1;
    for (int c = 0; c < componentCount; ++c) {
        across = std::max(across, components[std::size_t(c)].across);
        down = std::max(down, components[std::size_t(c)].down);
    }
    return QSize(across * DCTSIZE, down * DCTSIZE);
}

QSize jpegMcuSize(const jpeg_decompress_struct &info)
{
    return QSize(info.max_h_samp_factor * DCTSIZE, info.max_v_samp_factor * DCTSIZE);
}

std::optional<JpegFrameCoding> takeFrameCoding(const jpeg_decompress_struct &info)
{
    JpegFrameCoding coding;
    coding.colourSpace = info.jpeg_color_space;
    coding.componentCount = info.num_components;
    coding.picture = QSize(int(info.image_width), int(info.image_height));
    if (coding.componentCount <= 0 || coding.componentCount > MAX_COMPONENTS)
        return std::nullopt;
    for (int c = 0; c < coding.componentCount; ++c) {
        const jpeg_component_info &component = info.comp_info[c];
        if (component.quant_table == nullptr || component.quant_tbl_no < 0 || component.quant_tbl_no >= NUM_QUANT_TBLS)
            return std::nullopt;
        coding.components[std::size_t(c)] = {component.component_id, component.h_samp_factor,
                                             component.v_samp_factor, component.quant_tbl_no};
        std::array<UINT16, DCTSIZE2> values;
        std::copy(std::begin(component.quant_table->quantval), std::end(component.quant_table->quantval),
                  values.begin());
        std::optional<std::array<UINT16, DCTSIZE2>> &slot = coding.tables[std::size_t(component.quant_tbl_no)];
        if (slot && *slot != values)
            return std::nullopt;
        slot = values;
    }
    return coding;
}

bool isSameFrame(const JpegFrameCoding &coding, const jpeg_decompress_struct &info)
{
    if (info.jpeg_color_space != coding.colourSpace || info.num_components != coding.componentCount
        || QSize(int(info.image_width), int(info.image_height)) != coding.picture)
        return false;
    for (int c = 0; c < coding.componentCount; ++c) {
        const jpeg_component_info &component = info.comp_info[c];
        const JpegFrameCoding::Component &taken = coding.components[std::size_t(c)];
        if (component.h_samp_factor != taken.across || component.v_samp_factor != taken.down)
            return false;
    }
    return true;
}

void setFrameCoding(const JpegFrameCoding &coding, jpeg_compress_struct &compressor, QSize picture)
{
    compressor.image_width = JDIMENSION(picture.width());
    compressor.image_height = JDIMENSION(picture.height());
    compressor.input_components = coding.componentCount;
    compressor.in_color_space = coding.colourSpace;
    jpeg_set_defaults(&compressor);
    jpeg_set_colorspace(&compressor, coding.colourSpace);
    compressor.num_components = coding.componentCount;
    for (std::size_t t = 0; t < coding.tables.size(); ++t) {
        if (!coding.tables[t])
            continue;
        JQUANT_TBL *&table = compressor.quant_tbl_ptrs[t];
        if (table == nullptr)
            table = jpeg_alloc_quant_table(reinterpret_cast<j_common_ptr>(&compressor));
        std::copy(coding.tables[t]->begin(), coding.tables[t]->end(), std::begin(table->quantval));
        // Written as the file had it: the coefficients are quantized by these values.
        table->sent_table = FALSE;
    }
    for (int c = 0; c < coding.componentCount; ++c) {
        jpeg_component_info &component = compressor.comp_info[c];
        const JpegFrameCoding::Component &taken = coding.components[std::size_t(c)];
        component.component_id = taken.id;
        component.h_samp_factor = taken.across;
        component.v_samp_factor = taken.down;
        component.quant_tbl_no = taken.table;
    }
}
