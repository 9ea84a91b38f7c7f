#include "imaging/HeifDecoding.h"

#include "common/LazyLibrary.h"
#include "imaging/DecodeBudget.h"
#include "resources/ImagingStrings.h"

#include <QColorSpace>

#include <libheif/heif.h>

#include <memory>

namespace {

// libheif is opened the first time a file's first bytes look like an ISO media file.
#define QUILTERA_HEIF_FUNCTIONS(F)                                                                                     \
    F(heif_check_filetype)                                                                                             \
    F(heif_context_alloc)                                                                                              \
    F(heif_context_free)                                                                                               \
    F(heif_context_get_primary_image_handle)                                                                           \
    F(heif_context_read_from_memory_without_copy)                                                                      \
    F(heif_decode_image)                                                                                               \
    F(heif_image_get_height)                                                                                           \
    F(heif_image_get_plane_readonly)                                                                                   \
    F(heif_image_get_width)                                                                                            \
    F(heif_image_handle_get_color_profile_type)                                                                        \
    F(heif_image_handle_get_height)                                                                                    \
    F(heif_image_handle_get_raw_color_profile)                                                                         \
    F(heif_image_handle_get_raw_color_profile_size)                                                                    \
    F(heif_image_handle_get_width)                                                                                     \
    F(heif_image_handle_release)                                                                                       \
    F(heif_image_release)

struct HeifFunctions
{
    QUILTERA_HEIF_FUNCTIONS(QUILTERA_LAZY_MEMBER)
};

bool fillHeifFunctions(LazyLibrary &library, HeifFunctions &functions)
{
    bool found = true;
    QUILTERA_HEIF_FUNCTIONS(QUILTERA_LAZY_RESOLVE)
    return found;
}

const LibraryFunctions<HeifFunctions> &heifLibraryFunctions()
{
    return loadFunctions(QUILTERA_HEIF_LIBRARY, fillHeifFunctions);
}

const HeifFunctions &heif()
{
    return heifLibraryFunctions().functions;
}

// The file-type box comes first; libheif wants at least its first 12 bytes.
constexpr int kFileTypeBytes = 12;

// The file-type box of an ISO media file (HEIF, AVIF, MP4) names itself at byte 4: only
// such a file is worth opening libheif for.
bool isIsoMediaFile(const QByteArray &bytes)
{
    return bytes.size() >= kFileTypeBytes && bytes.mid(4, 4) == QByteArrayLiteral("ftyp");
}

// Made once libheif is known to be there.
struct HeifFile
{
    std::unique_ptr<heif_context, void (*)(heif_context *)> context{heif().heif_context_alloc(),
                                                                    heif().heif_context_free};
    std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle *)> primary{nullptr,
                                                                                    heif().heif_image_handle_release};
};

ImagingResult heifLibrary()
{
    if (heifLibraryFunctions().complete)
        return ImagingResult::success();
    return ImagingResult::failure(ImagingStrings::kHeifCodecMissing + QStringLiteral(" - ")
                                  + heifLibraryFunctions().missing);
}

ImagingResult heifFailure(const heif_error &error)
{
    return ImagingResult::failure(ImagingStrings::kDecodeFailed + QStringLiteral(" - ")
                                  + QString::fromUtf8(error.message ? error.message : ""));
}

// Opens the file's primary picture from the bytes, which must outlive it.
ImagingResult openPrimary(const QByteArray &bytes, HeifFile &file)
{
    if (bytes.size() < kFileTypeBytes)
        return ImagingResult::failure(ImagingStrings::kIncompleteFile);
    const auto kind =
        heif().heif_check_filetype(reinterpret_cast<const uint8_t *>(bytes.constData()), int(bytes.size()));
    if (kind == heif_filetype_yes_unsupported)
        return ImagingResult::failure(ImagingStrings::kHeifCodecMissing);
    if (!file.context)
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    if (heif_error read = heif().heif_context_read_from_memory_without_copy(file.context.get(), bytes.constData(),
                                                                            size_t(bytes.size()), nullptr);
        read.code != heif_error_Ok)
        return heifFailure(read);
    heif_image_handle *handle = nullptr;
    if (heif_error found = heif().heif_context_get_primary_image_handle(file.context.get(), &handle);
        found.code != heif_error_Ok)
        return heifFailure(found);
    file.primary.reset(handle);
    return ImagingResult::success();
}

QByteArray colourProfileOf(const heif_image_handle &handle)
{
    const heif_color_profile_type type = heif().heif_image_handle_get_color_profile_type(&handle);
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC)
        return QByteArray();
    QByteArray profile(qsizetype(heif().heif_image_handle_get_raw_color_profile_size(&handle)), Qt::Uninitialized);
    if (profile.isEmpty()
        || heif().heif_image_handle_get_raw_color_profile(&handle, profile.data()).code != heif_error_Ok)
        return QByteArray();
    return profile;
}

ImagingResult infoOf(const heif_image_handle &primary, ImageFileInfo &info)
{
    // The handle's size is the picture's once its turn is applied, as the decode gives it.
    info.width = heif().heif_image_handle_get_width(&primary);
    info.height = heif().heif_image_handle_get_height(&primary);
    info.format = QByteArrayLiteral("heif");
    info.orientation = QImageIOHandler::TransformationNone;
    if (info.width <= 0 || info.height <= 0)
        return ImagingResult::failure(ImagingStrings::kInvalidImageSize);
    return ImagingResult::success();
}

} // namespace

bool isHeifFile(const QByteArray &bytes)
{
    if (!isIsoMediaFile(bytes))
        return false;
    // Without libheif the file is still taken for one, to be refused with the reason.
    if (!heifLibraryFunctions().complete)
        return true;
    const auto kind =
        heif().heif_check_filetype(reinterpret_cast<const uint8_t *>(bytes.constData()), int(bytes.size()));
    return kind == heif_filetype_yes_supported || kind == heif_filetype_yes_unsupported;
}

ImagingResult readHeifInfo(const QByteArray &bytes, ImageFileInfo &info)
{
    if (ImagingResult library = heifLibrary(); !library)
        return library;
    HeifFile file;
    if (ImagingResult opened = openPrimary(bytes, file); !opened)
        return opened;
    return infoOf(*file.primary, info);
}

ImagingResult decodeHeif(const QByteArray &bytes, QImage &image)
{
    if (ImagingResult library = heifLibrary(); !library)
        return library;
    HeifFile file;
    if (ImagingResult opened = openPrimary(bytes, file); !opened)
        return opened;
    ImageFileInfo info;
    if (ImagingResult header = infoOf(*file.primary, info); !header)
        return header;
    if (ImagingResult limit = DecodeBudget::checkImageLimit(info.width, info.height); !limit)
        return limit;
    if (ImagingResult budget = DecodeBudget::check(info, nullptr); !budget)
        return budget;
    heif_image *decoded = nullptr;
    if (heif_error error = heif().heif_decode_image(file.primary.get(), &decoded, heif_colorspace_RGB,
                                                    heif_chroma_interleaved_RGB, nullptr);
        error.code != heif_error_Ok)
        return heifFailure(error);
    const std::unique_ptr<heif_image, void (*)(const heif_image *)> pixels(decoded, heif().heif_image_release);
    const int width = heif().heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif().heif_image_get_height(decoded, heif_channel_interleaved);
    int stride = 0;
    const uint8_t *rows = heif().heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    if (!rows || width <= 0 || height <= 0)
        return ImagingResult::failure(ImagingStrings::kDecodeFailed);
    // Straight into the program's pixels, without a second copy of the picture.
    QImage converted(width, height, QImage::Format_RGB32);
    if (converted.isNull())
        return ImagingResult::failure(ImagingStrings::kOutOfMemory);
    for (int y = 0; y < height; ++y) {
        const uint8_t *from = rows + qsizetype(y) * stride;
        auto *to = reinterpret_cast<QRgb *>(converted.scanLine(y));
        for (int x = 0; x < width; ++x, from += 3)
            to[x] = qRgb(from[0], from[1], from[2]);
    }
    if (const QByteArray profile = colourProfileOf(*file.primary); !profile.isEmpty())
        converted.setColorSpace(QColorSpace::fromIccProfile(profile));
    image = std::move(converted);
    return ImagingResult::success();
}
