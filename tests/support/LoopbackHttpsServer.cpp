#include "support/LoopbackHttpsServer.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <stdexcept>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
constexpr std::size_t kMaxRequestBytes = 64 * 1024;
constexpr std::size_t kMaxEndlessHeaderBytes = 64 * 1024 * 1024;
constexpr int kPollMilliseconds = 50;

SSL_CTX* Context(void* pContext)
{
    return static_cast<SSL_CTX*>(pContext);
}

int BindLoopback(int& nPort)
{
    const int nSocket = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t nLength = sizeof(address);
    if (nSocket < 0 || bind(nSocket, reinterpret_cast<sockaddr*>(&address), nLength) != 0 ||
        getsockname(nSocket, reinterpret_cast<sockaddr*>(&address), &nLength) != 0)
    {
        throw std::runtime_error("loopback server: cannot bind 127.0.0.1");
    }
    nPort = ntohs(address.sin_port);
    return nSocket;
}

std::string LoopbackUrl(int nPort)
{
    return "https://127.0.0.1:" + std::to_string(nPort) + "/";
}

std::string ReasonPhrase(int nStatus)
{
    switch (nStatus)
    {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

std::string Trim(const std::string& strText)
{
    const std::size_t nBegin = strText.find_first_not_of(" \t");
    const std::size_t nEnd = strText.find_last_not_of(" \t");
    return nBegin == std::string::npos ? std::string() : strText.substr(nBegin, nEnd - nBegin + 1);
}

// Parses the head of a request ("GET / HTTP/1.1", then "Name: value" lines).
SRecordedRequest ParseRequestHead(const std::string& strHead)
{
    SRecordedRequest request;
    std::size_t nLineStart = 0;
    bool bFirstLine = true;
    while (nLineStart < strHead.size())
    {
        std::size_t nLineEnd = strHead.find("\r\n", nLineStart);
        if (nLineEnd == std::string::npos)
        {
            nLineEnd = strHead.size();
        }
        const std::string strLine = strHead.substr(nLineStart, nLineEnd - nLineStart);
        nLineStart = nLineEnd + 2;
        if (bFirstLine)
        {
            const std::size_t nSpace = strLine.find(' ');
            request.strMethod = strLine.substr(0, nSpace);
            const std::size_t nTargetEnd = strLine.find(' ', nSpace + 1);
            request.strTarget = strLine.substr(nSpace + 1, nTargetEnd - nSpace - 1);
            bFirstLine = false;
        }
        else if (const std::size_t nColon = strLine.find(':'); nColon != std::string::npos)
        {
            request.aHeaders.emplace_back(strLine.substr(0, nColon),
                                          Trim(strLine.substr(nColon + 1)));
        }
    }
    return request;
}

std::size_t ContentLength(const SRecordedRequest& request)
{
    for (const auto& [strName, strValue] : request.aHeaders)
    {
        if (strcasecmp(strName.c_str(), "Content-Length") == 0)
        {
            return std::stoul(strValue);
        }
    }
    return 0;
}

std::string BuildResponse(const SServerReply& reply)
{
    std::string strResponse =
        "HTTP/1.1 " + std::to_string(reply.nStatus) + " " + ReasonPhrase(reply.nStatus) + "\r\n";
    if (reply.strDate)
    {
        strResponse += "Date: " + *reply.strDate + "\r\n";
    }
    strResponse += "Content-Type: text/plain\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
    return strResponse;
}
} // namespace

CLoopbackHttpsServer::CLoopbackHttpsServer(const CTestCertificate& certificate)
{
    // A client that goes away mid-answer must not end the test process.
    std::signal(SIGPIPE, SIG_IGN);
    SSL_CTX* pContext = SSL_CTX_new(TLS_server_method());
    if (pContext == nullptr || SSL_CTX_use_certificate(pContext, certificate.Certificate()) != 1 ||
        SSL_CTX_use_PrivateKey(pContext, certificate.Key()) != 1)
    {
        SSL_CTX_free(pContext);
        throw std::runtime_error("loopback server: cannot set up TLS");
    }
    m_pContext = pContext;
    m_nListenSocket = BindLoopback(m_nPort);
    if (listen(m_nListenSocket, 16) != 0 || pipe2(m_aWakePipe, O_CLOEXEC) != 0)
    {
        throw std::runtime_error("loopback server: cannot listen");
    }
    m_thread = std::thread([this] { Serve(); });
}

CLoopbackHttpsServer::~CLoopbackHttpsServer()
{
    m_bStop = true;
    const char cWake = 0;
    (void)!write(m_aWakePipe[1], &cWake, 1);
    m_thread.join();
    close(m_aWakePipe[0]);
    close(m_aWakePipe[1]);
    close(m_nListenSocket);
    SSL_CTX_free(Context(m_pContext));
}

void CLoopbackHttpsServer::SetReply(const SServerReply& reply)
{
    const std::lock_guard lock(m_mutex);
    m_reply = reply;
}

std::string CLoopbackHttpsServer::BaseUrl() const
{
    return LoopbackUrl(m_nPort);
}

std::vector<SRecordedRequest> CLoopbackHttpsServer::Requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_aRequests;
}

bool CLoopbackHttpsServer::WaitReadable(int nSocket) const
{
    while (!m_bStop)
    {
        pollfd aWatched[2] = {{nSocket, POLLIN, 0}, {m_aWakePipe[0], POLLIN, 0}};
        if (poll(aWatched, 2, kPollMilliseconds) > 0)
        {
            return (aWatched[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !m_bStop;
        }
    }
    return false;
}

void CLoopbackHttpsServer::Serve()
{
    while (WaitReadable(m_nListenSocket))
    {
        const int nSocket = accept4(m_nListenSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (nSocket >= 0)
        {
            HandleConnection(nSocket);
            close(nSocket);
        }
    }
}

void CLoopbackHttpsServer::HandleConnection(int nSocket)
{
    const timeval readLimit{5, 0}; // a client that stalls mid-request cannot stall the server
    setsockopt(nSocket, SOL_SOCKET, SO_RCVTIMEO, &readLimit, sizeof(readLimit));
    setsockopt(nSocket, SOL_SOCKET, SO_SNDTIMEO, &readLimit, sizeof(readLimit));
    EMisbehaviour misbehaviour = EMisbehaviour::None;
    {
        const std::lock_guard lock(m_mutex);
        misbehaviour = m_reply.misbehaviour;
    }
    if (misbehaviour == EMisbehaviour::NotTls)
    {
        const std::string strPlain = BuildResponse(SServerReply{});
        (void)!write(nSocket, strPlain.data(), strPlain.size());
        return;
    }
    const std::unique_ptr<SSL, decltype(&SSL_free)> pSsl(SSL_new(Context(m_pContext)), &SSL_free);
    SSL_set_fd(pSsl.get(), nSocket);
    std::string strReceived;
    std::size_t nHeadEnd = std::string::npos;
    bool bComplete = SSL_accept(pSsl.get()) == 1;
    char aBuffer[4096];
    while (bComplete && nHeadEnd == std::string::npos && strReceived.size() < kMaxRequestBytes)
    {
        const int nRead = SSL_read(pSsl.get(), aBuffer, sizeof(aBuffer));
        bComplete = nRead > 0;
        strReceived.append(aBuffer, nRead > 0 ? nRead : 0);
        nHeadEnd = strReceived.find("\r\n\r\n");
    }
    ERR_clear_error();
    if (!bComplete || nHeadEnd == std::string::npos)
    {
        return; // a failed handshake, or a client that gave up
    }
    SRecordedRequest request = ParseRequestHead(strReceived.substr(0, nHeadEnd));
    const std::size_t nBodyLength = ContentLength(request);
    request.strBody = strReceived.substr(nHeadEnd + 4);
    while (request.strBody.size() < nBodyLength)
    {
        const int nRead = SSL_read(pSsl.get(), aBuffer, sizeof(aBuffer));
        if (nRead <= 0)
        {
            break;
        }
        request.strBody.append(aBuffer, nRead);
    }
    SServerReply reply;
    {
        const std::lock_guard lock(m_mutex);
        m_aRequests.push_back(request);
        reply = m_reply;
    }
    if (!reply.bAnswer)
    {
        // Silent until the client gives up and closes, or the server stops.
        while (WaitReadable(nSocket) && SSL_read(pSsl.get(), aBuffer, sizeof(aBuffer)) > 0)
        {
        }
        ERR_clear_error();
        return;
    }
    if (reply.misbehaviour != EMisbehaviour::None)
    {
        Misbehave(pSsl.get(), nSocket, reply.misbehaviour);
        ERR_clear_error();
        return;
    }
    const std::string strResponse = BuildResponse(reply);
    SSL_write(pSsl.get(), strResponse.data(), static_cast<int>(strResponse.size()));
    SSL_shutdown(pSsl.get());
    ERR_clear_error();
}

void CLoopbackHttpsServer::Misbehave(void* pSslHandle, int nSocket, EMisbehaviour misbehaviour)
{
    SSL* pSsl = static_cast<SSL*>(pSslHandle);
    const auto Send = [pSsl](const std::string& strText)
    { return SSL_write(pSsl, strText.data(), static_cast<int>(strText.size())) > 0; };
    switch (misbehaviour)
    {
    case EMisbehaviour::EndlessHeader:
    {
        const std::string strChunk(16384, 'a');
        std::size_t nSent = 0;
        bool bSending = Send("HTTP/1.1 200 OK\r\nX-Endless: ");
        while (bSending && !m_bStop && nSent < kMaxEndlessHeaderBytes)
        {
            bSending = Send(strChunk);
            nSent += strChunk.size();
        }
        break;
    }
    case EMisbehaviour::ResetMidResponse:
    {
        Send("HTTP/1.1 200 OK\r\nDate: Wed, 15 Jul 2026 12:");
        const linger reset{1, 0}; // closing now sends a reset instead of an orderly end
        setsockopt(nSocket, SOL_SOCKET, SO_LINGER, &reset, sizeof(reset));
        break;
    }
    case EMisbehaviour::NotHttp:
        Send("SSH-2.0-OpenSSH_9.2\r\n\r\n");
        SSL_shutdown(pSsl);
        break;
    case EMisbehaviour::None:
    case EMisbehaviour::NotTls:
        break;
    }
}

// Bound in the body: m_nPort is declared after m_nSocket, so its own initialiser would run after
// BindLoopback had set it and put it back to 0.
CRefusingPort::CRefusingPort()
{
    m_nSocket = BindLoopback(m_nPort);
}

CRefusingPort::~CRefusingPort()
{
    close(m_nSocket);
}

std::string CRefusingPort::BaseUrl() const
{
    return LoopbackUrl(m_nPort);
}
