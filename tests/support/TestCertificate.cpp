#include "support/TestCertificate.h"

#include <cstdio>
#include <openssl/pem.h>
#include <openssl/x509v3.h>
#include <stdexcept>

namespace
{
void Require(bool bDone, const char* pszWhat)
{
    if (!bDone)
    {
        throw std::runtime_error(std::string("test certificate: ") + pszWhat + " failed");
    }
}

void AddExtension(X509* pCertificate, int nId, const char* pszValue)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, pCertificate, pCertificate, nullptr, nullptr, 0);
    X509_EXTENSION* pExtension = X509V3_EXT_conf_nid(nullptr, &context, nId, pszValue);
    Require(pExtension != nullptr, "extension");
    X509_add_ext(pCertificate, pExtension, -1);
    X509_EXTENSION_free(pExtension);
}
} // namespace

CTestCertificate::CTestCertificate(const std::string& strPemPath, const std::string& strNames)
    : m_pKey(EVP_EC_gen("P-256"), &EVP_PKEY_free), m_pCertificate(X509_new(), &X509_free),
      m_strPemPath(strPemPath)
{
    Require(m_pKey && m_pCertificate, "key generation");
    X509* pCertificate = m_pCertificate.get();
    X509_set_version(pCertificate, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(pCertificate), 1);
    X509_gmtime_adj(X509_getm_notBefore(pCertificate), -3600);
    X509_gmtime_adj(X509_getm_notAfter(pCertificate), 24 * 3600);
    X509_NAME* pName = X509_get_subject_name(pCertificate);
    X509_NAME_add_entry_by_txt(pName, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("localhost"), -1, -1, 0);
    X509_set_issuer_name(pCertificate, pName);
    X509_set_pubkey(pCertificate, m_pKey.get());
    AddExtension(pCertificate, NID_basic_constraints, "critical,CA:TRUE");
    AddExtension(pCertificate, NID_subject_key_identifier, "hash");
    AddExtension(pCertificate, NID_subject_alt_name, strNames.c_str());
    Require(X509_sign(pCertificate, m_pKey.get(), EVP_sha256()) > 0, "signing");

    std::FILE* pFile = std::fopen(strPemPath.c_str(), "w");
    Require(pFile != nullptr, "opening the PEM file");
    const bool bWritten = PEM_write_X509(pFile, pCertificate) == 1;
    Require(std::fclose(pFile) == 0 && bWritten, "writing the PEM file");
}
