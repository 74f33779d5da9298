#include "clock/TimeClientModule.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl.hpp>
#include <cpprest/http_client.h>
#include <openssl/crypto.h>
#include <openssl/ssl.h>
#include <sys/socket.h>

namespace
{
using CTlsStream = boost::asio::ssl::stream<boost::asio::ip::tcp::socket&>;

// What a connection has received so far, kept with its TLS session and freed with it.
struct SReceiveBudget
{
    boost::asio::ip::tcp::socket* pSocket = nullptr;
    std::uint64_t llReceived = 0;
};

void FreeBudget(void*, void* pBudget, CRYPTO_EX_DATA*, int, long, void*)
{
    delete static_cast<SReceiveBudget*>(pBudget);
}

int BudgetIndex()
{
    static const int nIndex = SSL_get_ex_new_index(0, nullptr, nullptr, nullptr, FreeBudget);
    return nIndex;
}

// Sees the header of every TLS record that arrives, before the record is read. Past the budget the
// socket is shut down (not closed, so its descriptor stays the client's): the client's read ends
// with an error, and what it has buffered stays bounded.
void CountRecord(int nWritten, int, int nContentType, const void* pBuffer, std::size_t nLength,
                 SSL* pSsl, void*)
{
    constexpr std::size_t kRecordHeaderLength = 5;
    if (nWritten != 0 || nContentType != SSL3_RT_HEADER || nLength < kRecordHeaderLength)
    {
        return;
    }
    auto* pBudget = static_cast<SReceiveBudget*>(SSL_get_ex_data(pSsl, BudgetIndex()));
    if (pBudget == nullptr)
    {
        return;
    }
    const auto* pHeader = static_cast<const unsigned char*>(pBuffer);
    pBudget->llReceived += kRecordHeaderLength + ((std::size_t{pHeader[3]} << 8) | pHeader[4]);
    if (pBudget->llReceived > kMaxTimeResponseBytes)
    {
        ::shutdown(pBudget->pSocket->native_handle(), SHUT_RDWR);
    }
}

// Called by the client for each request with its TLS stream, before the connection is made.
void LimitWhatArrives(web::http::client::native_handle handle)
{
    auto* pStream = static_cast<CTlsStream*>(handle);
    SSL* pSsl = pStream->native_handle();
    auto* pBudget = new SReceiveBudget{&pStream->next_layer(), 0};
    if (SSL_set_ex_data(pSsl, BudgetIndex(), pBudget) != 1)
    {
        delete pBudget;
        throw std::runtime_error("cannot limit what the time server sends");
    }
    SSL_set_msg_callback(pSsl, CountRecord);
}

web::http::client::http_client_config MakeClientConfig(std::int64_t llTimeoutMs)
{
    web::http::client::http_client_config config;
    if (llTimeoutMs > 0)
    {
        config.set_timeout(std::chrono::milliseconds(llTimeoutMs));
    }
    config.set_nativehandle_options(LimitWhatArrives);
    return config;
}

STimeClientResult Failure(const char* pszWhat)
{
    STimeClientResult result;
    result.strFailure = pszWhat;
    return result;
}

// Short enough to need no memory of its own.
constexpr const char* kOutOfMemory = "out of memory";

// The continuation reads what is needed of the response on the client's thread and catches
// everything there, out of memory included, so that nothing is left to escape on a thread of
// the client.
STimeClientResult SendDateRequest(const STimeClientRequest& request)
{
    web::http::http_request httpRequest(web::http::methods::GET);
    const web::uri baseUri(request.strBaseUrl); // utility::string_t is UTF-8 on this platform
    web::http::client::http_client client(baseUri, MakeClientConfig(request.llTimeoutMs));
    httpRequest.headers().add(web::http::header_names::user_agent, request.strUserAgent);
    httpRequest.set_method(web::http::methods::GET);

    const pplx::task<web::http::http_response> responseTask = client.request(httpRequest);
    const pplx::task<STimeClientResult> resultTask = responseTask.then(
        [](pplx::task<web::http::http_response> task) noexcept
        {
            try
            {
                const web::http::http_response response = task.get();
                STimeClientResult result;
                result.bAnswered = true;
                result.nStatusCode = response.status_code();
                result.strDate = response.headers().date();
                return result;
            }
            catch (const std::bad_alloc&)
            {
                return Failure(kOutOfMemory);
            }
            catch (const std::exception& exception)
            {
                return Failure(exception.what());
            }
            catch (...)
            {
                return Failure("the request failed");
            }
        });
    return resultTask.get();
}
// Runs as the module is loaded. Without it, the TLS library's exit handler frees its tables while
// a client thread may still be shutting down a timed-out connection, and the process crashes or
// hangs on exit. Only the first initialisation of the process decides, so a program that uses
// TLS itself loads the module first (PrepareInternetTimeSource).
__attribute__((constructor)) void PrepareTls()
{
    OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr);
    OPENSSL_init_ssl(0, nullptr);
}
} // namespace

extern "C" __attribute__((visibility("default"))) void
RigvetFetchHttpDate(const STimeClientRequest* pRequest, STimeClientResult* pResult) noexcept
{
    try
    {
        *pResult = SendDateRequest(*pRequest);
    }
    catch (const std::bad_alloc&)
    {
        *pResult = Failure(kOutOfMemory);
    }
    catch (const std::exception& exception)
    {
        *pResult = Failure(exception.what());
    }
    catch (...)
    {
        *pResult = Failure("the request failed");
    }
}
