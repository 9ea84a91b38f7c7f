#pragma once

#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// A print service that takes connections but never answers them, as a hung scheduler
// does; point CUPS_SERVER at address().
class SilentScheduler
{
public:
    SilentScheduler()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 && ::listen(m_socket, 8) == 0
            && ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~SilentScheduler() { ::close(m_socket); }
    SilentScheduler(const SilentScheduler &) = delete;
    SilentScheduler &operator=(const SilentScheduler &) = delete;

    bool listening() const { return m_port != 0; }
    QString address() const { return QStringLiteral("127.0.0.1:") + QString::number(m_port); }

private:
    int m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
    int m_port = 0;
};
