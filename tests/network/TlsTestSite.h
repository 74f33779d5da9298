#pragma once

#include "helpers/LoopbackHttpsServer.h"
#include "program/ProgramRunner.h"

#include <chrono>
#include <cstdlib>
#include <memory>

// Short enough to keep the suite quick, long enough for a loaded machine to answer in time.
inline constexpr std::chrono::milliseconds kTestTimeout{1500};

// A certificate this process trusts (through SSL_CERT_FILE), one it does not, and a server for
// each, all made fresh for each test.
class CTlsTestSite
{
public:
    CTlsTestSite()
    {
        setenv("SSL_CERT_FILE", m_trusted.PemPath().c_str(), 1);
        m_pServer = std::make_unique<CLoopbackHttpsServer>(m_trusted);
        m_pUntrustedServer = std::make_unique<CLoopbackHttpsServer>(m_untrusted);
    }
    CTlsTestSite(const CTlsTestSite&) = delete;
    CTlsTestSite& operator=(const CTlsTestSite&) = delete;
    ~CTlsTestSite() { unsetenv("SSL_CERT_FILE"); }

    CLoopbackHttpsServer& Server() { return *m_pServer; }
    CLoopbackHttpsServer& UntrustedServer() { return *m_pUntrustedServer; }

private:
    CTempFolder m_folder;
    CTestCertificate m_trusted{m_folder.File("trusted.pem")};
    CTestCertificate m_untrusted{m_folder.File("untrusted.pem")};
    std::unique_ptr<CLoopbackHttpsServer> m_pServer;
    std::unique_ptr<CLoopbackHttpsServer> m_pUntrustedServer;
};
