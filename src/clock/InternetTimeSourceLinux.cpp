#include "clock/InternetTimeSource.h"
#include "support/TextConvert.h"

#include <cpprest/http_client.h>
#include <openssl/crypto.h>
#include <openssl/ssl.h>
#include <stdexcept>

namespace
{
web::http::client::http_client_config
MakeClientConfig(std::optional<std::chrono::milliseconds> timeout)
{
    web::http::client::http_client_config config;
    if (timeout)
    {
        config.set_timeout(*timeout);
    }
    return config;
}

SHttpDateResponse SendDateRequest(const std::string& strBaseUrl, const std::wstring& strUserAgent,
                                  std::optional<std::chrono::milliseconds> timeout)
{
    web::http::http_request request(web::http::methods::GET);
    const web::uri baseUri(strBaseUrl); // utility::string_t is UTF-8 text on this platform
    web::http::client::http_client client(baseUri, MakeClientConfig(timeout));
    request.headers().add(web::http::header_names::user_agent, WideToUtf8(strUserAgent));
    request.set_method(web::http::methods::GET);

    const pplx::task<web::http::http_response> responseTask = client.request(request);
    // The continuation takes the task itself, so a failure arrives here and is rethrown by get().
    const pplx::task<web::http::http_response> resultTask =
        responseTask.then([](pplx::task<web::http::http_response> task) { return task.get(); });
    const web::http::http_response response = resultTask.get();
    return SHttpDateResponse{response.status_code(), Utf8ToWide(response.headers().date())};
}
} // namespace

SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl, const std::wstring& strUserAgent,
                                std::optional<std::chrono::milliseconds> timeout)
{
    PrepareInternetTimeSource();
    try
    {
        return SendDateRequest(strBaseUrl, strUserAgent, timeout);
    }
    catch (const web::http::http_exception& exception)
    {
        throw CHttpRequestFailure(exception.what());
    }
    catch (const web::uri_exception& exception)
    {
        throw CHttpRequestFailure(exception.what());
    }
    catch (const std::invalid_argument& exception) // a URI the client cannot use
    {
        throw CHttpRequestFailure(exception.what());
    }
}

void PrepareInternetTimeSource()
{
    // Without this, the library's exit handler frees its tables while a client thread may still
    // be shutting down a timed-out connection, and the process crashes or hangs on exit. Only the
    // first initialisation of the process decides; later calls change nothing.
    OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr);
    OPENSSL_init_ssl(0, nullptr);
}

// Read by the leak checker of sanitizer builds only. The client's shared thread pool is stopped at
// exit without running the work still queued on it (closing a connection that just timed out),
// so that work's objects would be reported as leaked although nothing leaks while the program
// runs. Only allocations made inside the client library are excused.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libcpprest.so\n";
}
