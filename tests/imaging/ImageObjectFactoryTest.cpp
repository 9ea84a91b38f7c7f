#include "imaging/ImageObjectFactory.h"

#include "resources/ImagingStrings.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Records fatal errors instead of ending the test program, and restores the handler after.
class ImageObjectFactoryRecordingFatalErrors : public ::testing::Test
{
protected:
    ImageObjectFactoryRecordingFatalErrors()
        : m_previous(setImagingFatalErrorHandler([this](const QString &title, const QString &text) {
              m_messages.append(title + QStringLiteral(" | ") + text);
          }))
    {
    }
    ~ImageObjectFactoryRecordingFatalErrors() override { setImagingFatalErrorHandler(m_previous); }

    QStringList m_messages;

private:
    ImagingFatalErrorHandler m_previous;
};

} // namespace

TEST_F(ImageObjectFactoryRecordingFatalErrors, CreatesAnEmptyImageWhenTheLibraryIsReady)
{
    EXPECT_TRUE(imagingLibraryReady());
    const std::unique_ptr<ImageObject> image = createImageObject();
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->IsEmpty());
    EXPECT_EQ(image->Width(), 0);
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(ImageObjectFactoryRecordingFatalErrors, ReportsAnUnusableLibrary)
{
    EXPECT_EQ(createImageObject([] { return false; }), nullptr);
    EXPECT_EQ(createImageObject(ImagingReadinessCheck()), nullptr);
    const QString expected = ImagingStrings::kErrorTitle + " | " + ImagingStrings::kInitializationFailed;
    EXPECT_EQ(m_messages, QStringList({expected, expected}));
}

TEST_F(ImageObjectFactoryRecordingFatalErrors, ReportsAnyOtherFailureInsideCreation)
{
    EXPECT_EQ(createImageObject([]() -> bool { throw std::runtime_error("broken"); }), nullptr);
    EXPECT_EQ(m_messages,
              QStringList({ImagingStrings::kErrorTitle + " | " + ImagingStrings::kInitializationProcedureFailed}));
}

TEST(ImageObjectFactoryFatalErrorHandler, DefaultEndsTheProgramWithTheMessage)
{
    const ImagingFatalErrorHandler previous = setImagingFatalErrorHandler(nullptr);
    EXPECT_EXIT(createImageObject([] { return false; }), ::testing::ExitedWithCode(EXIT_FAILURE),
                "Error: Error initializing image object\\.  Can not continue\\.");
    setImagingFatalErrorHandler(previous);
}
