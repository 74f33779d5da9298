#pragma once

#include <memory>
#include <openssl/evp.h>
#include <openssl/x509.h>
#include <string>

inline constexpr const char* kLoopbackNames = "IP:127.0.0.1,DNS:localhost";

// A self-signed server certificate, made for one test run, for 127.0.0.1 and localhost unless
// other names are given. Its PEM file is what a client is told to trust (SSL_CERT_FILE), so only
// that process trusts it.
class CTestCertificate
{
public:
    // The PEM file is written to strPemPath; strNames is a subjectAltName list.
    explicit CTestCertificate(const std::string& strPemPath,
                              const std::string& strNames = kLoopbackNames);

    EVP_PKEY* Key() const { return m_pKey.get(); }
    X509* Certificate() const { return m_pCertificate.get(); }
    const std::string& PemPath() const { return m_strPemPath; }

private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> m_pKey;
    std::unique_ptr<X509, decltype(&X509_free)> m_pCertificate;
    std::string m_strPemPath;
};
