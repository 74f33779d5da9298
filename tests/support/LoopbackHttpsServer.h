#pragma once

#include "support/TestCertificate.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// One request as it arrived at the server.
struct SRecordedRequest
{
    std::string strMethod;
    std::string strTarget;
    std::vector<std::pair<std::string, std::string>> aHeaders; // in the order sent
    std::string strBody;
};

// Ways of answering that no well-behaved server has.
enum class EMisbehaviour
{
    None,
    EndlessHeader,    // a header line that goes on until the client gives up (or 64 MiB)
    ResetMidResponse, // half a head, then the connection is reset
    NotHttp,          // a line of another protocol, then the connection is closed
    NotTls,           // a plain HTTP answer where TLS was expected
};

// What the server does with the next requests.
struct SServerReply
{
    int nStatus = 200;
    std::optional<std::string> strDate; // the Date header, none to leave it out
    bool bAnswer = true;                // false: read the request, then stay silent
    EMisbehaviour misbehaviour = EMisbehaviour::None;
};

// An HTTPS server on 127.0.0.1 with an ephemeral port, run on a thread of its own. It takes one
// connection at a time, records each request and answers as told.
class CLoopbackHttpsServer
{
public:
    explicit CLoopbackHttpsServer(const CTestCertificate& certificate);
    CLoopbackHttpsServer(const CLoopbackHttpsServer&) = delete;
    CLoopbackHttpsServer& operator=(const CLoopbackHttpsServer&) = delete;
    ~CLoopbackHttpsServer();

    void SetReply(const SServerReply& reply);
    std::string BaseUrl() const; // https://127.0.0.1:port/
    std::vector<SRecordedRequest> Requests() const;

private:
    void Serve();
    void HandleConnection(int nSocket);
    void Misbehave(void* pSsl, int nSocket, EMisbehaviour misbehaviour);
    bool WaitReadable(int nSocket) const;

    void* m_pContext = nullptr; // SSL_CTX
    int m_nListenSocket = -1;
    int m_nPort = 0;
    int m_aWakePipe[2] = {-1, -1};
    std::atomic<bool> m_bStop{false};
    mutable std::mutex m_mutex;
    SServerReply m_reply;
    std::vector<SRecordedRequest> m_aRequests;
    std::thread m_thread;
};

// A loopback port that refuses every connection: bound, never listening.
class CRefusingPort
{
public:
    CRefusingPort();
    CRefusingPort(const CRefusingPort&) = delete;
    CRefusingPort& operator=(const CRefusingPort&) = delete;
    ~CRefusingPort();
    std::string BaseUrl() const;

private:
    int m_nSocket = -1;
    int m_nPort = 0;
};
