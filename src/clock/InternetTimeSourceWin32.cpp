#include "clock/InternetTimeSource.h"
#include "support/TextConvert.h"

#include <memory>
#include <string>
#include <windows.h>
#include <winhttp.h>

namespace
{
// The HTTP client's limit for each stage of a request.
constexpr DWORD kDefaultTimeoutMs = 30000;

using CInternetHandle = std::unique_ptr<void, decltype(&WinHttpCloseHandle)>;

CInternetHandle Own(HINTERNET hHandle)
{
    return CInternetHandle(hHandle, &WinHttpCloseHandle);
}

[[noreturn]] void Fail(const char* pszStep)
{
    const DWORD nError = GetLastError();
    throw CHttpRequestFailure(std::string(pszStep) + " failed with WinHTTP error " +
                              std::to_string(nError));
}

struct SSiteAddress
{
    std::wstring strHost;
    INTERNET_PORT nPort = INTERNET_DEFAULT_HTTPS_PORT;
};

SSiteAddress CrackSiteUrl(const std::string& strBaseUrl)
{
    const std::wstring strUrl = Utf8ToWide(strBaseUrl);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(strUrl.c_str(), static_cast<DWORD>(strUrl.size()), 0, &parts) ||
        parts.nScheme != INTERNET_SCHEME_HTTPS || parts.lpszHostName == nullptr)
    {
        throw CHttpRequestFailure("not an https:// address: " + strBaseUrl);
    }
    return SSiteAddress{std::wstring(parts.lpszHostName, parts.dwHostNameLength), parts.nPort};
}

// Every limit is set explicitly: WinHttpSetTimeouts leaves the wait for the response headers at
// the library's default, which some implementations make infinite.
void SetLimits(HINTERNET hRequest, DWORD nTimeoutMs)
{
    const int nTimeout = static_cast<int>(nTimeoutMs);
    if (!WinHttpSetTimeouts(hRequest, nTimeout, nTimeout, nTimeout, nTimeout))
    {
        Fail("WinHttpSetTimeouts");
    }
    DWORD nValue = nTimeoutMs;
    if (!WinHttpSetOption(hRequest, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &nValue,
                          sizeof(nValue)))
    {
        Fail("WinHttpSetOption");
    }
    // Only the headers are read. Windows bounds them at 64 KiB by default; the cap is stated
    // here too, and an implementation without the option keeps its own bound.
    DWORD nHeaderBytes = static_cast<DWORD>(kMaxTimeResponseBytes);
    WinHttpSetOption(hRequest, WINHTTP_OPTION_MAX_RESPONSE_HEADER_SIZE, &nHeaderBytes,
                     sizeof(nHeaderBytes));
}

int QueryStatusCode(HINTERNET hRequest)
{
    DWORD nStatus = 0;
    DWORD nSize = sizeof(nStatus);
    if (!WinHttpQueryHeaders(hRequest, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &nStatus, &nSize,
                             WINHTTP_NO_HEADER_INDEX))
    {
        Fail("WinHttpQueryHeaders");
    }
    return static_cast<int>(nStatus);
}

// The Date header exactly as the server sent it; empty when there is none.
std::wstring QueryDateHeader(HINTERNET hRequest)
{
    DWORD nSize = 0;
    WinHttpQueryHeaders(hRequest, WINHTTP_QUERY_DATE, WINHTTP_HEADER_NAME_BY_INDEX,
                        WINHTTP_NO_OUTPUT_BUFFER, &nSize, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || nSize == 0)
    {
        return std::wstring();
    }
    std::wstring strDate(nSize / sizeof(wchar_t) + 1, L'\0');
    nSize = static_cast<DWORD>(strDate.size() * sizeof(wchar_t));
    if (!WinHttpQueryHeaders(hRequest, WINHTTP_QUERY_DATE, WINHTTP_HEADER_NAME_BY_INDEX,
                             strDate.data(), &nSize, WINHTTP_NO_HEADER_INDEX))
    {
        return std::wstring();
    }
    strDate.resize(nSize / sizeof(wchar_t));
    return strDate;
}
} // namespace

SHttpDateResponse FetchHttpDate(const std::string& strBaseUrl, const std::wstring& strUserAgent,
                                std::optional<std::chrono::milliseconds> timeout)
{
    const SSiteAddress site = CrackSiteUrl(strBaseUrl);
    const DWORD nTimeoutMs = timeout ? static_cast<DWORD>(timeout->count()) : kDefaultTimeoutMs;

    // The agent text becomes the request's User-Agent header, the only one the request adds.
    const CInternetHandle session =
        Own(WinHttpOpen(strUserAgent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                        WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session)
    {
        Fail("WinHttpOpen");
    }
    const CInternetHandle connection =
        Own(WinHttpConnect(session.get(), site.strHost.c_str(), site.nPort, 0));
    if (!connection)
    {
        Fail("WinHttpConnect");
    }
    // Certificate validation stays on: no security flags are relaxed.
    const CInternetHandle request =
        Own(WinHttpOpenRequest(connection.get(), L"GET", L"/", nullptr, WINHTTP_NO_REFERER,
                               WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE));
    if (!request)
    {
        Fail("WinHttpOpenRequest");
    }
    SetLimits(request.get(), nTimeoutMs);
    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0))
    {
        Fail("WinHttpSendRequest");
    }
    if (!WinHttpReceiveResponse(request.get(), nullptr))
    {
        Fail("WinHttpReceiveResponse");
    }
    return SHttpDateResponse{QueryStatusCode(request.get()), QueryDateHeader(request.get())};
}

// WinHTTP needs nothing prepared.
void PrepareInternetTimeSource() {}
