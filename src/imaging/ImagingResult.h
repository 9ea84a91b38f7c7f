#pragma once

#include <QString>

#include <utility>

// The outcome of an imaging operation: success, or failure with a text that can be shown
// to the user after " - ". Operations never throw and never report failure as success.
class [[nodiscard]] ImagingResult
{
public:
    static ImagingResult success() { return ImagingResult(true, QString()); }
    static ImagingResult failure(QString errorText) { return ImagingResult(false, std::move(errorText)); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString &errorText() const { return m_errorText; }

private:
    ImagingResult(bool ok, QString errorText) : m_ok(ok), m_errorText(std::move(errorText)) {}

    bool m_ok;
    QString m_errorText;
};
