#pragma once

#include "support/LoopbackHttpsServer.h"
#include "support/ProgramRunner.h"

#include <chrono>
#include <cstdlib>
#include <memory>

// Short enough to keep the suite quick, long enough for a loaded machine to answer in time.
inline constexpr std::chrono::milliseconds kTestTimeout{1500};

// Made fresh for each test: a certificate this process trusts (through SSL_CERT_FILE), one it
// does not, one it trusts that names another host, and a server for each.
class CTlsTestSite
{
public:
    CTlsTestSite()
    {
        const std::string strTrustFile = m_folder.File("trusted-bundle.pem");
        WriteTextFile(strTrustFile,
                      ReadTextFile(m_trusted.PemPath()) + ReadTextFile(m_otherHost.PemPath()));
        setenv("SSL_CERT_FILE", strTrustFile.c_str(), 1);
        m_pServer = std::make_unique<CLoopbackHttpsServer>(m_trusted);
        m_pUntrustedServer = std::make_unique<CLoopbackHttpsServer>(m_untrusted);
        m_pOtherHostServer = std::make_unique<CLoopbackHttpsServer>(m_otherHost);
    }
    CTlsTestSite(const CTlsTestSite&) = delete;
    CTlsTestSite& operator=(const CTlsTestSite&) = delete;
    ~CTlsTestSite() { unsetenv("SSL_CERT_FILE"); }

    CLoopbackHttpsServer& Server() { return *m_pServer; }
    CLoopbackHttpsServer& UntrustedServer() { return *m_pUntrustedServer; }
    CLoopbackHttpsServer& OtherHostServer() { return *m_pOtherHostServer; }

private:
    CTestFolder m_folder;
    CTestCertificate m_trusted{m_folder.File("trusted.pem")};
    CTestCertificate m_untrusted{m_folder.File("untrusted.pem")};
    CTestCertificate m_otherHost{m_folder.File("other-host.pem"), "DNS:time.example.org"};
    std::unique_ptr<CLoopbackHttpsServer> m_pServer;
    std::unique_ptr<CLoopbackHttpsServer> m_pUntrustedServer;
    std::unique_ptr<CLoopbackHttpsServer> m_pOtherHostServer;
};
