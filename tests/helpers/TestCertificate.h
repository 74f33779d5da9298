#pragma once

#include <memory>
#include <openssl/evp.h>
#include <openssl/x509.h>
#include <string>

// A self-signed server certificate for 127.0.0.1 and localhost, made for one test run. Its PEM
// file is what a client is told to trust (SSL_CERT_FILE), so only that process trusts it.
class CTestCertificate
{
public:
    // The PEM file is written to strPemPath.
    explicit CTestCertificate(const std::string& strPemPath);

    EVP_PKEY* Key() const { return m_pKey.get(); }
    X509* Certificate() const { return m_pCertificate.get(); }
    const std::string& PemPath() const { return m_strPemPath; }

private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> m_pKey;
    std::unique_ptr<X509, decltype(&X509_free)> m_pCertificate;
    std::string m_strPemPath;
};
