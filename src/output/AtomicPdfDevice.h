#pragma once

#include "common/AtomicFile.h"

#include <podofo/podofo.h>

#include <cstdarg>
#include <vector>

// PoDoFo's output, buffered into an AtomicFile. PoDoFo's own file device leaves the
// errors of its buffered writes and of the file's close unreported, so a poster written to
// a full disk looked complete; here every write is checked, the first failure is kept and
// the file cannot be committed after it. Nothing is thrown: PoDoFo also writes from its
// destructors.
class AtomicPdfDevice final : public PoDoFo::PdfOutputDevice
{
public:
    explicit AtomicPdfDevice(AtomicFile &file);

    void Print(const char *format, ...) override;
    void PrintV(const char *format, long bytes, va_list arguments) override;
    void Write(const char *data, size_t length) override;
    // A streamed document is written front to back, but for a few bytes just written that
    // PoDoFo steps back over and writes again (an object's "endobj" becomes "stream"): a
    // seek reaches back as far as the bytes still held, and reading back is not offered.
    size_t Read(char *data, size_t length) override;
    void Seek(size_t offset) override;
    size_t Tell() const override { return m_position; }
    // Hands the bytes held to the file, but for the last few, which a seek may still reach.
    void Flush() override;

    // Hands every byte held to the file. False once any write failed or PoDoFo asked for
    // what this device cannot do: the file is then not the document.
    bool finish();

private:
    void writeOut(std::size_t count);

    AtomicFile &m_file;
    std::vector<char> m_held; // the bytes from m_flushed on
    std::size_t m_flushed = 0;
    std::size_t m_position = 0;
    bool m_good = true;
};
