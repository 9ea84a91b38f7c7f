#pragma once

#include <QtGlobal>

#include <optional>

// The memory this process can still take without pushing the machine into swap or the
// out-of-memory killer: the kernel's estimate of available memory, lowered to what the
// process's control group still allows. Nothing when neither can be read.
std::optional<qint64> availableMemoryBytes();

// Replaces the reading for as long as it lives, so tests can stand for a small machine.
class ScopedAvailableMemory
{
public:
    explicit ScopedAvailableMemory(qint64 bytes);
    ~ScopedAvailableMemory();
    ScopedAvailableMemory(const ScopedAvailableMemory &) = delete;
    ScopedAvailableMemory &operator=(const ScopedAvailableMemory &) = delete;

private:
    std::optional<qint64> m_previous;
};
